#pragma once
// File -> Print..., Print Preview, Print Setup..., "Print settings sheet too" and
// Export as PDF...: the channel plan laid out by the core, drawn on Qt's printer. The printer
// and Qt Print Support's dialogs are made on first use, not at start-up.

#include <QObject>
#include <QString>
#include <memory>

class CMainFrame;
class CProgramApp;
class QPrinter;
class QPrintPreviewDialog;

class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(CProgramApp &app, CMainFrame &frame);
    ~PrintCommands() override;

    // The channel plan (and the settings sheet when its entry is ticked) onto a printer; false
    // when the printer could not start.
    bool PrintPlan(QPrinter *printer);
    // Writes the plan to a PDF file through Qt's PDF printer; false when refused (the user has
    // been told which file and why).
    bool ExportPdf(const QString &path);
    // The preview Print Preview shows: a page wide and most of a page tall, at a zoom to read.
    std::unique_ptr<QPrintPreviewDialog> CreatePrintPreview();

    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnExportPdf();

    // The printer Print, Print Preview and Print Setup share, made on first use.
    QPrinter &Printer();

private:
    CProgramApp &app_;
    CMainFrame &frame_;
    std::unique_ptr<QPrinter> printer_;
};
