// The application shell: start-up and exit with "Program.ini", the menus, and New, Open and
// Save on real files.

#include "core/channels/channel_record.h"
#include "core/image/bcd.h"
#include "ui/app/editor_commands.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace dpmr;

class ProgramAppTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    QString Path(const QString &name) const { return folder_->filePath(name); }
    std::string Folder() const { return (folder_->path() + "/").toStdString(); }

    std::unique_ptr<CProgramApp> Start(const QStringList &files = {}) {
        auto app = std::make_unique<CProgramApp>(Folder());
        QString error;
        if (!app->InitInstance(files, error))
            return nullptr;
        return app;
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

    void startsWithANewDocumentAndItsShell() {
        auto app = Start();
        QVERIFY(app);
        CMainFrame &frame = *app->mainFrame();
        QCOMPARE(frame.windowTitle(), QString("Program software"));
        QVERIFY(QFileInfo(Path("DATA")).isDir());
        QVERIFY(frame.minimumSize() != frame.maximumSize()); // the user may resize it

        QStringList menus;
        for (QAction *menu : frame.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Program", "&View", "&Setting", "&Help"}));
        QCOMPARE(frame.action("New")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(frame.action("Write")->statusTip(), QString("Write Data to Radio "));
        QCOMPARE(frame.action("Write")->toolTip(), QString("Write"));
        QVERIFY(frame.action("Print")->shortcut().isEmpty()); // Ctrl+P is only shown
        // An Edit-menu entry is enabled exactly when its editor is part of the program.
        QCOMPARE(frame.action("ScanInfo")->isEnabled(),
                 EditorCommandFor(EditorId::ScanInfo).make != nullptr);
        QVERIFY(frame.view()->channelEditButton()->isEnabled());
        QCOMPARE(Cell(*app, 1, kColRxFreq), QString());
    }

    void aNewDocumentSavedAtOnceGivesTheCanonicalFile() {
        auto app = Start();
        QVERIFY(app->mainFrame()->SaveDocument(Path("new.dat")));
        const QByteArray file = ReadWholeFile(Path("new.dat"));
        QCOMPARE(file.size(), 16384);
        auto at = [&](int offset) { return static_cast<unsigned char>(file[offset]); };
        QCOMPARE(file.left(4), QByteArray::fromHex("01000000"));
        const QByteArray emptyRecord =
            QByteArray::fromHex("ffffffffffffffffffffffff00000600c10041ffffffffff");
        for (int n = 1; n <= kChannelCount; ++n)
            QCOMPARE(file.mid(0x0100 + 24 * (n - 1), 24), emptyRecord);
        QCOMPARE(file.mid(0x13A8, 8), QByteArray::fromHex("ffffffff00000040"));
        QCOMPARE(file.mid(0x14D0, 25), QByteArray(25, '\0'));
        QCOMPARE(file.mid(0x3160, 25), QByteArray(25, '\0'));
        for (int m = 0; m < 16; ++m)
            QCOMPARE(at(0x1A80 + 128 * m + 127), 0x7F);
        QCOMPARE(file.mid(0x3FA0, 8), QByteArray::fromHex("0000004000000047"));
        QCOMPARE(at(0x3FB8), 0xFF);
        QCOMPARE(at(0x3FBB), 0x00);
    }

    void saveTakesTheTextOfACellEditorStillOpen() {
        auto app = Start();
        ChannelTableView *table = app->mainFrame()->view()->table();
        table->setCurrentIndex(table->model()->index(0, kColRxFreq));
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(table->IsEditing());
        QWidget *editor = table->indexWidget(table->currentIndex());
        QVERIFY(editor);
        QTest::keyClicks(editor, "438.5");
        QVERIFY(app->mainFrame()->SaveDocument(Path("open-edit.dat")));
        const QByteArray file = ReadWholeFile(Path("open-edit.dat"));
        QCOMPARE(file.mid(0x100, 4), QByteArray::fromHex("00008543"));
    }

    void aShortFileIsRefusedAndTheTableKeepsItsData() {
        auto app = Start();
        WriteWholeFile(Path("short.dat"), QByteArray(100, '\x11'));
        CMainFrame &frame = *app->mainFrame();
        // An edit still open in the table must survive a refused open too.
        frame.view()->table()->setCurrentIndex(frame.view()->table()->model()->index(0, 1));
        app->document().table.Cell(1, kColRxFreq) = "438.500000";
        const Image before = app->document().image;

        ModalCloser closer;
        QVERIFY(!frame.OpenDocument(Path("short.dat")));
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY(closer.texts[0].startsWith("Program: "));
        QVERIFY(closer.texts[0].contains(Path("short.dat")));
        QVERIFY(closer.texts[0].contains("100 bytes"));
        QVERIFY(closer.texts[0].contains("16384"));
        QVERIFY(app->document().image == before);
        QCOMPARE(Cell(*app, 1, kColRxFreq), QString("438.500000"));
    }

    void aLongerFileOpensAndSavesAsExactlyTheImage() {
        auto app = Start();
        QByteArray bytes = ToBytes(app->document().image);
        bytes[0x2300] = '\x5A';
        bytes.append('\x77');
        WriteWholeFile(Path("long.dat"), bytes);
        QVERIFY(app->mainFrame()->OpenDocument(Path("long.dat")));
        QVERIFY(app->mainFrame()->SaveDocument(Path("long.dat")));
        const QByteArray saved = ReadWholeFile(Path("long.dat"));
        QCOMPARE(saved.size(), 16384);
        QCOMPARE(saved[0x2300], '\x5A');
    }

    void openingRepairsContactNamesAndShowsTheChannels() {
        Image image;
        CodePlugDocument seed;
        seed.New();
        image = seed.image;
        image.SetU16le(kContactIndex + 2, 0x1690); // a second contact, same name as the first
        for (int i = 0; i < 16; ++i)
            image[0x1690 + i] = image[0x1680 + i];
        WriteFrequency(image, ChannelRecordOffset(2), 43850312);
        WriteWholeFile(Path("contacts.dat"), ToBytes(image));

        auto app = Start({Path("contacts.dat")});
        QVERIFY(app);
        QCOMPARE(Cell(*app, 2, kColRxFreq), QString("438.503125"));
        const Image &opened = app->document().image;
        QCOMPARE(ToBytes(opened).mid(0x1688, 8), QByteArray("Name 1\xff\xff"));
        QCOMPARE(ToBytes(opened).mid(0x1698, 8), QByteArray("Name 2\xff\xff"));
    }

    void aFileThatCannotOpenAtStartUpIsReported() {
        CProgramApp app(Folder());
        QString error;
        QVERIFY(!app.InitInstance({Path("missing.dat")}, error));
        QVERIFY(error.contains(Path("missing.dat")));
        QVERIFY(!app.mainFrame());
    }

    void settingsAreReadAtStartAndWrittenAtExit() {
        WriteWholeFile(
            Path("Program.ini"),
            "[Setup]\r\nCOM=\\\\.\\COM12\r\nLASTPATH=C:\\radios\\\r\n[Other]\r\nA=1\r\n");
        {
            auto app = Start();
            QCOMPARE(app->portName, std::string("\\\\.\\COM12"));
            QCOMPARE(app->lastPath, std::string("C:\\radios\\"));
            app->portName.clear(); // an empty value leaves the old entry
            app->ExitInstance();
        }
        QString ini = QString::fromLatin1(ReadWholeFile(Path("Program.ini")));
        QVERIFY(ini.contains("COM=\\\\.\\COM12"));
        QVERIFY(ini.contains("LASTPATH=C:\\radios\\"));
        QVERIFY(ini.contains("[Other]"));
        {
            auto app = Start();
            app->portName = "/dev/pts/7";
            app->ExitInstance();
        }
        ini = QString::fromLatin1(ReadWholeFile(Path("Program.ini")));
        QVERIFY(ini.contains("COM=/dev/pts/7"));
        QVERIFY(!ini.contains("COM12"));
    }

    void withoutSettingsThePortIsEmptyAndNothingIsWrittenForIt() {
        auto app = Start();
        QCOMPARE(app->portName, std::string());
        app->ExitInstance();
        QVERIFY(!QFileInfo::exists(Path("Program.ini")));
    }
};

QTEST_MAIN(ProgramAppTest)
#include "program_app_test.moc"
