#include "ui/channels/csv_import_report_dlg.h"

#include "ui_csv_import_report_dlg.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

CCsvImportReportDlg::CCsvImportReportDlg(const dpmr::CsvImportResult &result,
                                         const QString &fileName, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CCsvImportReportDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui_->summaryLabel->setText(
        QStringLiteral("%1: %2").arg(fileName, QString::fromStdString(result.Summary())));
    // Skipped rows and notes in the order of the file.
    std::vector<std::pair<int, std::string>> rows;
    for (const dpmr::CsvRowNote &row : result.skipped)
        rows.emplace_back(row.line, dpmr::DescribeRow(row, true));
    for (const dpmr::CsvRowNote &row : result.notes)
        rows.emplace_back(row.line, dpmr::DescribeRow(row, false));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &row : rows)
        ui_->rowsList->addItem(QString::fromStdString(row.second));
    if (ui_->rowsList->count() > 0)
        ui_->rowsList->setCurrentRow(0);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    ui_->buttons->setFocus();
}

CCsvImportReportDlg::~CCsvImportReportDlg() = default;
