#include "ui/app/channel_exchange_commands.h"

#include "core/exchange/channel_csv.h"
#include "ui/channels/csv_import_dlg.h"
#include "ui/channels/csv_import_report_dlg.h"
#include "ui/widgets/message_box.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

namespace {

const char *const kCsvFilter =
    QT_TRANSLATE_NOOP("ChannelExchangeCommands", "Channel list (*.csv);;All files (*)");
constexpr int kNoticeMs = 10000;

} // namespace

ChannelExchangeCommands::ChannelExchangeCommands(ChannelExchangeEnv env, QObject *parent)
    : QObject(parent), env_(std::move(env)) {}

void ChannelExchangeCommands::OnImport() {
    CCsvImportDlg dialog(env_.window);
    if (dialog.exec() == QDialog::Accepted)
        ImportFrom(dialog.fileName(), dialog.isStrict());
}

void ChannelExchangeCommands::OnExport() {
    QFileDialog dialog(env_.window, tr("Export channels"), {}, tr(kCsvFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ExportTo(dialog.selectedFiles().first());
}

bool ChannelExchangeCommands::ImportFrom(const QString &path, bool strict) {
    // The rows go over what the table shows, edits still open included.
    env_.commitOpenEdit();
    dpmr::CodePlugDocument &document = env_.document;
    const dpmr::Image before = document.image; // what Undo gives back
    env_.storeChannelTable();
    dpmr::Image changed = document.image;
    dpmr::CsvImportOptions options;
    options.strict = strict;
    const dpmr::CsvImportResult result =
        dpmr::ImportChannelsCsvFile(path.toStdString(), changed, options);
    if (!result) {
        ShowProgramMessage(env_.window, QString::fromStdString(result.message),
                           tr("Nothing was imported; the channels are as they were."));
        return false;
    }
    document.ReplaceImage(changed);
    document.RecordChange(before, "import of " + std::to_string(result.channels) + " channels");
    env_.reloadView();
    const QString fileName = QFileInfo(path).fileName();
    env_.window->statusBar()->showMessage(
        tr("%1 from %2").arg(QString::fromStdString(result.Summary()), fileName), kNoticeMs);
    if (!result.skipped.empty() || !result.notes.empty())
        CCsvImportReportDlg(result, fileName, env_.window).exec();
    return true;
}

bool ChannelExchangeCommands::ExportTo(const QString &path) {
    env_.commitOpenEdit();
    env_.storeChannelTable();
    const dpmr::FileResult result =
        dpmr::ExportChannelsCsvFile(path.toStdString(), env_.document.image);
    if (!result) {
        ShowProgramMessage(env_.window, QString::fromStdString(result.message));
        return false;
    }
    env_.window->statusBar()->showMessage(tr("Channels exported to %1").arg(path), kNoticeMs);
    return true;
}
