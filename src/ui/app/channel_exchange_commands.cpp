#include "ui/app/channel_exchange_commands.h"

#include "core/exchange/channel_csv.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/csv_import_dlg.h"
#include "ui/channels/csv_import_report_dlg.h"
#include "ui/channels/program_view.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

namespace {

const char *const kCsvFilter =
    QT_TRANSLATE_NOOP("ChannelExchangeCommands", "Channel list (*.csv);;All files (*)");
constexpr int kNoticeMs = 10000;

} // namespace

ChannelExchangeCommands::ChannelExchangeCommands(CProgramApp &app, CMainFrame &frame)
    : QObject(&frame), app_(app), frame_(frame) {
    connect(frame.action(Command::ImportChannels), &QAction::triggered, this,
            &ChannelExchangeCommands::OnImport);
    connect(frame.action(Command::ExportChannels), &QAction::triggered, this,
            &ChannelExchangeCommands::OnExport);
}

void ChannelExchangeCommands::OnImport() {
    CCsvImportDlg dialog(&frame_);
    if (dialog.exec() == QDialog::Accepted)
        ImportFrom(dialog.fileName(), dialog.isStrict());
}

void ChannelExchangeCommands::OnExport() {
    QFileDialog dialog(&frame_, tr("Export channels"), {}, tr(kCsvFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ExportTo(dialog.selectedFiles().first());
}

bool ChannelExchangeCommands::ImportFrom(const QString &path, bool strict) {
    // The rows go over what the table shows, edits still open included.
    frame_.view()->CommitOpenEdit();
    dpmr::CodePlugDocument &document = app_.document();
    const dpmr::Image before = document.image; // what Undo gives back
    frame_.view()->StoreChannelTable();
    dpmr::Image changed = document.image;
    dpmr::CsvImportOptions options;
    options.strict = strict;
    const dpmr::CsvImportResult result =
        dpmr::ImportChannelsCsvFile(path.toStdString(), changed, options);
    if (!result) {
        ShowProgramMessage(&frame_, QString::fromStdString(result.message),
                           tr("Nothing was imported; the channels are as they were."));
        return false;
    }
    document.ReplaceImage(changed);
    document.RecordChange(before, "import of " + std::to_string(result.channels) + " channels");
    frame_.view()->OnInitialUpdate();
    const QString fileName = QFileInfo(path).fileName();
    frame_.statusBar()->showMessage(
        tr("%1 from %2").arg(QString::fromStdString(result.Summary()), fileName), kNoticeMs);
    if (!result.skipped.empty() || !result.notes.empty())
        CCsvImportReportDlg(result, fileName, &frame_).exec();
    return true;
}

bool ChannelExchangeCommands::ExportTo(const QString &path) {
    frame_.view()->CommitOpenEdit();
    frame_.view()->StoreChannelTable();
    const dpmr::FileResult result =
        dpmr::ExportChannelsCsvFile(path.toStdString(), app_.document().image);
    if (!result) {
        ShowProgramMessage(&frame_, QString::fromStdString(result.message));
        return false;
    }
    frame_.statusBar()->showMessage(tr("Channels exported to %1").arg(path), kNoticeMs);
    return true;
}
