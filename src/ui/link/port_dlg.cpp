#include "ui/link/port_dlg.h"

#include "core/link/port_names.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace dpmr;

CPortDlg::CPortDlg(std::string &portName, QWidget *parent) : QDialog(parent), portName_(portName) {
    setWindowTitle(tr("Port"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *box = new QGroupBox(tr("Port"), this);
    auto *grid = new QGridLayout(box);
    group_ = new QButtonGroup(this);

    std::vector<std::string> devices(kPortCount + 1);
    for (const SerialDevice &device : ListSerialDevices())
        if (device.number >= 1 && device.number <= kPortCount)
            devices[static_cast<std::size_t>(device.number)] = device.path;

    for (int n = 1; n <= kPortCount; ++n) {
        auto *button = new QRadioButton(QString("COM%1").arg(n), box);
        const std::string &device = devices[static_cast<std::size_t>(n)];
        std::string reason;
        const bool usable = !device.empty() && CanOpenPort(PortNameForNumber(n), &reason);
        button->setEnabled(usable);
        auto *where = new QLabel(QString::fromStdString(device), box);
        where->setEnabled(usable);
        if (!device.empty() && !usable)
            where->setToolTip(QString::fromStdString(reason));
        group_->addButton(button, n);
        // Two columns of eight: COM1-COM8 on the left, COM9-COM16 on the right.
        const int row = (n - 1) % 8, column = (n - 1) / 8 * 2;
        grid->addWidget(button, row, column);
        grid->addWidget(where, row, column + 1);
    }
    grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance("/dev/ttyUSB00") + 8);
    grid->setColumnMinimumWidth(3, fontMetrics().horizontalAdvance("/dev/ttyUSB00") + 8);

    auto *pathLabel = new QLabel(tr("&Device path:"), this);
    path_ = new QLineEdit(this);
    path_->setPlaceholderText(tr("/dev/serial/by-id/... or /dev/pts/N"));
    pathLabel->setBuddy(path_);
    // A typed path and a COM button exclude each other.
    connect(path_, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.isEmpty())
            ClearButtons();
    });
    connect(group_, &QButtonGroup::idClicked, this, [this](int) { path_->clear(); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(path_, 1);
    layout->addLayout(pathRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SelectCurrentPort();
}

QRadioButton *CPortDlg::portButton(int n) const {
    return qobject_cast<QRadioButton *>(group_->button(n));
}

void CPortDlg::ClearButtons() {
    group_->setExclusive(false);
    for (QAbstractButton *button : group_->buttons())
        button->setChecked(false);
    group_->setExclusive(true);
}

void CPortDlg::SelectCurrentPort() {
    if (!portName_.empty() && portName_.front() == '/') {
        path_->setText(QString::fromStdString(portName_));
        return;
    }
    // Only a port that can be opened now is shown selected.
    if (!CanOpenPort(portName_))
        return;
    const int n = PortNumberFromName(portName_);
    if (QRadioButton *button = n >= 1 && n <= kPortCount ? portButton(n) : nullptr)
        button->setChecked(true);
}

void CPortDlg::accept() {
    const QString path = path_->text().trimmed();
    if (!path.isEmpty())
        portName_ = path.toStdString();
    else if (group_->checkedId() >= 1)
        portName_ = PortNameForNumber(group_->checkedId());
    QDialog::accept(); // nothing chosen: the port stays as it was
}
