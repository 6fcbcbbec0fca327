#pragma once
// What every editor dialog does when it closes: it stores, once, from its close handler
// (never from a destructor, which may run after the image is gone), whichever way it closes.
// Enter and Esc never close it unless the dialog says so.

#include <QDialog>

class CEditorDlg : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    // Stores as closing does; later closes store nothing more.
    void StoreAll();

protected:
    virtual void StoreOnClose() = 0;
    // Whether a key is kept from the dialog's default handling (Enter, Esc: yes).
    virtual bool SwallowsKey(int key) const;

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    bool stored_ = false;
};
