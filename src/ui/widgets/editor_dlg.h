#pragma once
// What every editor dialog does when it closes: it stores, once, from its close handler
// (never from a destructor, which may run after the image is gone), whichever way it closes.
// Enter and Esc never close it unless the dialog says so. A "Close" button at the bottom right
// closes it for a keyboard user without a window manager; it is no default button.

#include <QDialog>

class CEditorDlg : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    // Stores as closing does; later closes store nothing more.
    void StoreAll();
    // The "Close" button, once the dialog has been shown.
    class QPushButton *closeButton() const {
        return closeButton_;
    }

protected:
    virtual void StoreOnClose() = 0;
    // Whether a key is kept from the dialog's default handling (Enter, Esc: yes).
    virtual bool SwallowsKey(int key) const;

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;
    void showEvent(QShowEvent *event) override;
    // Tab and Shift+Tab go through the controls column by column, every one once.
    bool focusNextPrevChild(bool next) override;

private:
    void AddCloseButton();

    bool stored_ = false;
    class QPushButton *closeButton_ = nullptr;
};
