#include "ui/app/print_commands.h"

#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/program_view.h"
#include "ui/print/plan_printer.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>

namespace {

const char *const kPdfFilter = QT_TRANSLATE_NOOP("PrintCommands", "PDF document (*.pdf)");
constexpr int kNoticeMs = 10000;

} // namespace

PrintCommands::PrintCommands(CProgramApp &app, CMainFrame &frame)
    : QObject(&frame), app_(app), frame_(frame) {
    connect(frame.action(Command::Print), &QAction::triggered, this, &PrintCommands::OnPrint);
    connect(frame.action(Command::PrintPreview), &QAction::triggered, this,
            &PrintCommands::OnPrintPreview);
    connect(frame.action(Command::PrintSetup), &QAction::triggered, this,
            &PrintCommands::OnPrintSetup);
    connect(frame.action(Command::ExportPdf), &QAction::triggered, this,
            &PrintCommands::OnExportPdf);
    frame.action(Command::PrintSettingsSheet)->setCheckable(true);
}

PrintCommands::~PrintCommands() = default;

QPrinter &PrintCommands::Printer() {
    // Made on first use: the printer list is read then, not at start-up.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool PrintCommands::PrintPlan(QPrinter *printer) {
    frame_.view()->CommitOpenEdit();
    const bool withSettings = frame_.action(Command::PrintSettingsSheet)->isChecked();
    return PrintOn(*printer, DocumentToPrint(app_.document(), withSettings));
}

void PrintCommands::OnPrint() {
    QPrintDialog dialog(&Printer(), &frame_);
    if (dialog.exec() == QDialog::Accepted && !PrintPlan(&Printer()))
        ShowProgramMessage(&frame_, tr("Cannot print: the printer did not start."));
}

std::unique_ptr<QPrintPreviewDialog> PrintCommands::CreatePrintPreview() {
    auto preview = std::make_unique<QPrintPreviewDialog>(&Printer(), &frame_);
    connect(preview.get(), &QPrintPreviewDialog::paintRequested, this, &PrintCommands::PrintPlan);
    // At 96 dpi an A4 page is 794 pixels across: room for a page and the dialog's frame.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        preview->resize(std::min(room.width() * 9 / 10, 960), room.height() * 9 / 10);
    }
    if (auto *pages = preview->findChild<QPrintPreviewWidget *>())
        pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
    return preview;
}

void PrintCommands::OnPrintPreview() {
    CreatePrintPreview()->exec();
}

void PrintCommands::OnPrintSetup() {
    QPageSetupDialog dialog(&Printer(), &frame_);
    dialog.exec();
}

bool PrintCommands::ExportPdf(const QString &path) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    if (printer_)
        pdf.setPageLayout(printer_->pageLayout()); // the paper chosen in Print Setup
    if (!PrintPlan(&pdf)) {
        ShowProgramMessage(&frame_,
                           tr("Cannot write \"%1\": the file cannot be created.").arg(path),
                           tr("Check that the folder exists and that you may write to it."));
        return false;
    }
    frame_.statusBar()->showMessage(tr("Channel plan saved as %1").arg(path), kNoticeMs);
    return true;
}

void PrintCommands::OnExportPdf() {
    const QFileInfo current(QString::fromStdString(app_.document().pathName));
    QFileDialog dialog(&frame_, tr("Export as PDF"), current.completeBaseName() + ".pdf",
                       tr(kPdfFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ExportPdf(dialog.selectedFiles().first());
}
