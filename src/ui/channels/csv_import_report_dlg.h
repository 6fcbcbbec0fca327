#pragma once
// After an import that left rows out or changed them: the summary ("12 channels imported,
// 3 rows skipped") and one line per such row with its line number and the reason.

#include "core/exchange/channel_csv.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CCsvImportReportDlg;
}

class CCsvImportReportDlg : public QDialog {
    Q_OBJECT
public:
    CCsvImportReportDlg(const dpmr::CsvImportResult &result, const QString &fileName,
                        QWidget *parent);
    ~CCsvImportReportDlg() override;

private:
    std::unique_ptr<Ui::CCsvImportReportDlg> ui_;
};
