// File -> Import channels... and Export channels... on real files, and the automatic backup
// that comes before every write from the program.

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "ui/app/channel_exchange_commands.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/csv_import_dlg.h"
#include "ui/channels/csv_import_report_dlg.h"
#include "ui/channels/program_view.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
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

    void importShowsTheRowsAndMalformedTextChangesNothing() {
        auto app = Start();
        WriteWholeFile(Path("good.csv"), "Location,Name,Frequency,Mode\n"
                                         "2,Base,433.1,NFM\n"
                                         "5,Field,446.00625,FM\n");
        QVERIFY(Commands(*app).ImportFrom(Path("good.csv")));
        QCOMPARE(Cell(*app, 2, kColRxFreq), QString("433.100000"));
        QCOMPARE(Cell(*app, 2, kColBandwidth), QString("Narrow"));
        QCOMPARE(Cell(*app, 5, kColRxFreq), QString("446.006250"));
        QCOMPARE(ReadAlias(app->document().image, 2), std::string("Base"));
        QCOMPARE(app->mainFrame()->statusBar()->currentMessage(),
                 QString("2 channels imported, 0 rows skipped from good.csv"));

        const Image before = app->document().image;
        WriteWholeFile(Path("bad.csv"), "Location,Name,Frequency,Mode\n"
                                        "7,Ok,440.0,FM\n"
                                        "8,Far,44x.0,FM\n");
        ModalCloser closer;
        QVERIFY(!Commands(*app).ImportFrom(Path("bad.csv")));
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("bad.csv\": line 3, column 3 (Frequency): \"44x.0\" is "
                                          "not a frequency in MHz"),
                 qPrintable(closer.texts[0]));
        QVERIFY(closer.texts[0].contains("Nothing was imported"));
        QCOMPARE(Cell(*app, 7, kColRxFreq), QString()); // not even the good row
        QVERIFY(app->document().image == before);
    }

    void rowsThatDoNotFitAreListedAfterTheImport() {
        auto app = Start();
        WriteWholeFile(Path("mixed.csv"), "Location,Name,Frequency,Mode\n"
                                          "7,Ok,440.0,FM\n"
                                          "8,Far,146.0,FM\n"
                                          "0,Zero,441.0,FM\n"
                                          "9,A name too long,442.0,\n");
        QString summary;
        QStringList rows;
        bool listHadFocus = false;
        QTimer::singleShot(0, [&] {
            auto *report = qobject_cast<CCsvImportReportDlg *>(QApplication::activeModalWidget());
            QVERIFY(report);
            QApplication::setActiveWindow(report);
            QVERIFY(QTest::qWaitForWindowActive(report));
            summary = report->findChild<QLabel *>("summaryLabel")->text();
            for (int i = 0; i < report->findChild<QListWidget *>("rowsList")->count(); ++i)
                rows << report->findChild<QListWidget *>("rowsList")->item(i)->text();
            // The list is reached from the keyboard through its label's mnemonic.
            QTest::keyClick(report, Qt::Key_R, Qt::AltModifier);
            listHadFocus = report->findChild<QListWidget *>("rowsList")->hasFocus();
            QTest::keyClick(report, Qt::Key_Escape);
        });
        QVERIFY(Commands(*app).ImportFrom(Path("mixed.csv")));
        QCOMPARE(summary, QString("mixed.csv: 2 channels imported, 2 rows skipped"));
        QCOMPARE(rows, QStringList({
                           "line 3: skipped: 146.000000 MHz is outside the band "
                           "400.000000-470.000000 MHz",
                           "line 4: skipped: Location 0 is no channel of this radio (1 to 199)",
                           "line 5: note: Name cut to \"A name too l\" (at most 12 characters)",
                       }));
        QVERIFY(listHadFocus);
        QCOMPARE(Cell(*app, 7, kColRxFreq), QString("440.000000"));
        QCOMPARE(Cell(*app, 9, kColRxFreq), QString("442.000000"));
        QCOMPARE(Cell(*app, 8, kColRxFreq), QString());
    }

    void theImportDialogTakesFileAndStrictFromTheKeyboard() {
        auto app = Start();
        WriteWholeFile(Path("mixed.csv"), "Location,Name,Frequency,Mode\n"
                                          "7,Ok,440.0,FM\n"
                                          "8,Far,146.0,FM\n");
        // An import stores the table first, as Save does.
        app->mainFrame()->view()->StoreChannelTable();
        const Image before = app->document().image;
        bool okWasDisabled = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<CCsvImportDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            okWasDisabled = !dialog->findChild<QDialogButtonBox *>("buttons")
                                 ->button(QDialogButtonBox::Ok)
                                 ->isEnabled();
            QTest::keyClicks(dialog->findChild<QLineEdit *>("fileEdit"), Path("mixed.csv"));
            // A mnemonic clicks its button after a short animation.
            QTest::keyClick(dialog, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(dialog->findChild<QCheckBox *>("strictCheck")->isChecked());
            QTest::keyClick(dialog->findChild<QLineEdit *>("fileEdit"), Qt::Key_Return);
        });
        ModalCloser closer; // the refusal's message box
        app->mainFrame()->action(Command::ImportChannels)->trigger();
        QVERIFY(okWasDisabled);
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("mixed.csv\": line 3, column 3 (Frequency): 146.000000 "
                                          "MHz is outside the band"),
                 qPrintable(closer.texts[0]));
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
