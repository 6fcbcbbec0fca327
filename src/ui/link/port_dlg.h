#pragma once
// "Port": COM1 to COM16, each enabled only when its device can be opened now and shown with
// the device it stands for on this machine, plus a device path typed as it stands (a
// /dev/serial/by-id/ link, the virtual radio's pseudo-terminal).

#include <QDialog>
#include <string>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

class CPortDlg : public QDialog {
    Q_OBJECT
public:
    CPortDlg(std::string &portName, QWidget *parent);

    QRadioButton *portButton(int n) const; // 1 to 16
    QLineEdit *devicePathEdit() const { return path_; }

    void accept() override;

private:
    void SelectCurrentPort();
    void ClearButtons();

    std::string &portName_;
    QButtonGroup *group_;
    QLineEdit *path_;
};
