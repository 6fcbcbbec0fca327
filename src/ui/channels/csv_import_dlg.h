#pragma once
// File -> Import channels...: which CSV file, and whether a row this radio cannot hold refuses
// the whole file (strict) or is skipped and listed.

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class CCsvImportDlg;
}

class CCsvImportDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCsvImportDlg(QWidget *parent);
    ~CCsvImportDlg() override;

    QString fileName() const;
    bool isStrict() const;

private:
    void OnBrowse();
    void UpdateOk();

    std::unique_ptr<Ui::CCsvImportDlg> ui_;
};
