// File -> Print Preview and Export as PDF...: the channel plan from the core drawn through Qt's
// printer. The PDF is checked with poppler's pdfinfo and pdftotext, as a reader would open it.

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "core/image/frequency.h"
#include "ui/app/main_frame.h"
#include "ui/app/print_commands.h"
#include "ui/app/program_app.h"
#include "ui_test_support.h"

#include <QAction>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

using namespace dpmr;

namespace {

// Channel n on 400.0125 + n x 12.5 kHz, named "Site n", every fourth one analog.
Image FullImage() {
    Image image;
    WriteFactoryDefaults(image, {});
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord record = ReadChannel(image, n);
        record.rxFreq = 40001250u + 1250u * static_cast<unsigned>(n);
        record.txFreq = *record.rxFreq + 500000u;
        record.channelType = n % 4;
        WriteChannel(image, n, record);
        WriteAlias(image, n, "Site " + std::to_string(n));
    }
    return image;
}

QString RxText(int n) {
    return QString::fromStdString(FrequencyText(40001250 + 1250 * n));
}

// A poppler tool's standard output; empty when it failed.
QString Poppler(const QString &tool, const QStringList &args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PlanPrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<CProgramApp> app_;
    QString Path(const QString &name) const { return folder_->filePath(name); }

    PrintCommands &Commands() { return *app_->mainFrame()->findChild<PrintCommands *>(); }

    // Every channel frequency is in the PDF's text, and pdfinfo gives the page count.
    void CheckPdf(const QString &pdf, int pages, const QString &paper) {
        const QString info = Poppler("pdfinfo", {pdf});
        QVERIFY2(!info.isEmpty(), "pdfinfo refused the file (is poppler-utils installed?)");
        QVERIFY2(info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));
        QVERIFY2(info.contains(paper), qPrintable(info));
        const QString text = Poppler("pdftotext", {pdf, "-"});
        for (int n = 1; n <= kChannelCount; ++n)
            QVERIFY2(text.count(RxText(n)) == 1, qPrintable(RxText(n)));
        QVERIFY(text.contains(QString("page 1 of %1").arg(pages)));
        QVERIFY(text.contains(QString("page %1 of %1").arg(pages)));
        QVERIFY(text.contains("plan.dat"));
        QVERIFY(text.contains("Band 400-470 MHz"));
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(SaveCodePlugFile(Path("plan.dat").toStdString(), FullImage()));
        app_ = std::make_unique<CProgramApp>((folder_->path() + "/").toStdString());
        QString error;
        QVERIFY2(app_->InitInstance({Path("plan.dat")}, error), qPrintable(error));
    }
    void cleanup() { app_.reset(); }

    void pdfHoldsEveryChannelOnA4AndLetter() {
        PrintCommands &commands = Commands();
        commands.Printer().setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(commands.ExportPdf(Path("a4.pdf")));
        CheckPdf(Path("a4.pdf"), 5, "(A4)");
        commands.Printer().setPageSize(QPageSize(QPageSize::Letter));
        QVERIFY(commands.ExportPdf(Path("letter.pdf")));
        CheckPdf(Path("letter.pdf"), 5, "(letter)");
    }

    void settingsSheetFollowsWhenTicked() {
        PrintCommands &commands = Commands();
        commands.Printer().setPageSize(QPageSize(QPageSize::A4));
        QAction *sheet = app_->mainFrame()->action(Command::PrintSettingsSheet);
        QVERIFY(sheet->isCheckable());
        sheet->setChecked(true);
        QVERIFY(commands.ExportPdf(Path("sheet.pdf")));
        const QString text = Poppler("pdftotext", {Path("sheet.pdf"), "-"});
        QVERIFY(text.contains("Settings"));
        QVERIFY(text.contains("dpmr.basic"));
        QVERIFY(text.contains("radio_name"));
        QVERIFY(!text.contains("page 1 of 5")); // more pages than the plan alone
    }

    void unsavedTableEditsArePrintedButNotStored() {
        // The table's rows are what the user sees; printing must not write them to the image.
        const Image before = app_->document().image;
        app_->document().table.Cell(5, kColRxFreq) = "401.000000";
        QVERIFY(Commands().ExportPdf(Path("edited.pdf")));
        QVERIFY(Poppler("pdftotext", {Path("edited.pdf"), "-"}).contains("401.000000"));
        QVERIFY(app_->document().image == before);
    }

    void anUnwritablePdfIsNamedInTheMessage() {
        ModalCloser closer;
        const QString path = Path("no/such/folder/plan.pdf");
        QVERIFY(!Commands().ExportPdf(path));
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts.first().contains(path), qPrintable(closer.texts.first()));
    }

    void previewOpensAtAReadableSizeAndZoom() {
        std::unique_ptr<QPrintPreviewDialog> preview = Commands().CreatePrintPreview();
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        auto *pages = preview->findChild<QPrintPreviewWidget *>();
        QVERIFY(pages);
        QTRY_VERIFY(pages->pageCount() > 1);
        QVERIFY2(preview->width() >= 600, qPrintable(QString::number(preview->width())));
        QVERIFY2(preview->height() >= 400, qPrintable(QString::number(preview->height())));
        // A page across the dialog: at least half its size, not a thumbnail.
        QVERIFY2(pages->zoomFactor() >= 0.5, qPrintable(QString::number(pages->zoomFactor())));
        preview->close();
    }
};

QTEST_MAIN(PlanPrintTest)
#include "plan_print_test.moc"
