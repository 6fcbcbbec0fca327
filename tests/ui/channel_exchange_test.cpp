// File -> Import channels... and Export channels... on real files, and the automatic backup
// that comes before every write from the program.

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "ui/app/channel_exchange_commands.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

using namespace dpmr;

class ChannelExchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    QString Path(const QString &name) const { return folder_->filePath(name); }

    std::unique_ptr<CProgramApp> Start() {
        auto app = std::make_unique<CProgramApp>((folder_->path() + "/").toStdString());
        QString error;
        if (!app->InitInstance({}, error))
            return nullptr;
        return app;
    }
    static ChannelExchangeCommands &Commands(CProgramApp &app) {
        return *app.mainFrame()->findChild<ChannelExchangeCommands *>();
    }
    static QString Cell(CProgramApp &app, int channel, int column) {
        return app.mainFrame()
            ->view()
            ->table()
            ->model()
            ->index(channel - 1, column)
            .data()
            .toString();
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    void theFileMenuOffersImportAndExport() {
        auto app = Start();
        QMenu *file = app->mainFrame()->menuBar()->actions().first()->menu();
        QStringList texts;
        for (QAction *action : file->actions())
            texts << action->text();
        QVERIFY(texts.contains("&Import channels..."));
        QVERIFY(texts.contains("&Export channels..."));
    }

    void importShowsTheRowsAndABadRowChangesNothing() {
        auto app = Start();
        WriteWholeFile(Path("good.csv"), "Location,Name,Frequency,Mode\n"
                                         "2,Base,433.1,NFM\n"
                                         "5,Field,446.00625,FM\n");
        QVERIFY(Commands(*app).ImportFrom(Path("good.csv")));
        QCOMPARE(Cell(*app, 2, kColRxFreq), QString("433.100000"));
        QCOMPARE(Cell(*app, 2, kColBandwidth), QString("Narrow"));
        QCOMPARE(Cell(*app, 5, kColRxFreq), QString("446.006250"));
        QCOMPARE(ReadAlias(app->document().image, 2), std::string("Base"));
        QVERIFY(app->mainFrame()->statusBar()->currentMessage().startsWith("2 channels imported"));

        const Image before = app->document().image;
        WriteWholeFile(Path("bad.csv"), "Location,Name,Frequency,Mode\n"
                                        "7,Ok,440.0,FM\n"
                                        "8,Far,146.0,FM\n");
        ModalCloser closer;
        QVERIFY(!Commands(*app).ImportFrom(Path("bad.csv")));
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("bad.csv\": line 3, column 3 (Frequency): 146.0 MHz "
                                          "is outside the band"),
                 qPrintable(closer.texts[0]));
        QVERIFY(closer.texts[0].contains("Nothing was imported"));
        QCOMPARE(Cell(*app, 7, kColRxFreq), QString()); // not even the good row
        QVERIFY(app->document().image == before);
    }

    void exportWritesWhatTheTableShowsWithAnEditStillOpen() {
        auto app = Start();
        ChannelTableView *table = app->mainFrame()->view()->table();
        table->setCurrentIndex(table->model()->index(0, kColRxFreq));
        QTest::keyClick(table, Qt::Key_Return);
        QWidget *editor = table->indexWidget(table->currentIndex());
        QVERIFY(editor);
        QTest::keyClicks(editor, "441.5");
        QVERIFY(Commands(*app).ExportTo(Path("out.csv")));
        const QByteArray csv = ReadWholeFile(Path("out.csv"));
        QVERIFY(csv.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                               "Comment,"));
        QVERIFY2(csv.contains("\n1,,441.500000,"), csv.constData());
    }

    void aWriteIsPrecededByABackupAndRefusedWithoutOne() {
        auto app = Start();
        CMainFrame &frame = *app->mainFrame();
        // The progress dialog is only closed again: nothing is sent without pressing Start.
        QTimer dialogCloser;
        connect(&dialogCloser, &QTimer::timeout, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        dialogCloser.start(10);
        frame.action("Write")->trigger();
        const QStringList backups = QDir(Path("DATA/backups")).entryList({"*-write.dat"});
        QCOMPARE(backups.size(), 1);
        QCOMPARE(QFileInfo(Path("DATA/backups/" + backups[0])).size(), qint64(kImageSize));
        QVERIFY(frame.statusBar()->currentMessage().contains(backups[0]));
        dialogCloser.stop();

        QVERIFY(QDir(Path("DATA")).removeRecursively());
        WriteWholeFile(Path("DATA"), "a file where the folder should be");
        ModalCloser closer;
        frame.action("Write")->trigger();
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("Nothing was written to the radio") &&
                     closer.texts[0].contains(Path("DATA")),
                 qPrintable(closer.texts[0]));
    }
};

QTEST_MAIN(ChannelExchangeTest)
#include "channel_exchange_test.moc"
