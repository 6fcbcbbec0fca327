#include "ui/channels/csv_import_dlg.h"

#include "ui_csv_import_dlg.h"

#include <QFileDialog>
#include <QPushButton>

CCsvImportDlg::CCsvImportDlg(QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CCsvImportDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui_->browseButton, &QPushButton::clicked, this, &CCsvImportDlg::OnBrowse);
    connect(ui_->fileEdit, &QLineEdit::textChanged, this, &CCsvImportDlg::UpdateOk);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateOk();
}

CCsvImportDlg::~CCsvImportDlg() = default;

QString CCsvImportDlg::fileName() const {
    return ui_->fileEdit->text().trimmed();
}

bool CCsvImportDlg::isStrict() const {
    return ui_->strictCheck->isChecked();
}

void CCsvImportDlg::OnBrowse() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Import channels"), fileName(),
                                                      tr("Channel list (*.csv);;All files (*)"));
    if (!path.isEmpty())
        ui_->fileEdit->setText(path);
    ui_->fileEdit->setFocus();
}

void CCsvImportDlg::UpdateOk() {
    ui_->buttons->button(QDialogButtonBox::Ok)->setEnabled(!fileName().isEmpty());
}
