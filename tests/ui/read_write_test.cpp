// Read, Write and Port from the program against the virtual radio on a pseudo-terminal.

#include "core/channels/channel_record.h"
#include "core/image/bcd.h"
#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "sim/sim_launcher.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui/link/port_dlg.h"
#include "ui/link/read_write_dlg.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>

using namespace dpmr;

namespace {

// Works the progress dialog the way a user would, as soon as it is the modal window.
class DialogDriver : public QObject {
public:
    enum class Plan { Start, CancelBeforeStart, CancelDuringBlocks };
    explicit DialogDriver(Plan plan) : plan_(plan) {
        connect(&timer_, &QTimer::timeout, this, &DialogDriver::Poll);
        timer_.start(5);
    }
    bool stayedOpenAfterCancel = false;
    bool sawDialog = false;

private:
    void Poll() {
        auto *dialog = qobject_cast<CReadWriteDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        sawDialog = true;
        if (plan_ == Plan::CancelBeforeStart) {
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        } else if (!started_) {
            started_ = true;
            QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
        } else if (plan_ == Plan::CancelDuringBlocks && !cancelled_ &&
                   dialog->progressBar()->value() >= 10) {
            cancelled_ = true;
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
            stayedOpenAfterCancel = dialog->isVisible();
        }
    }
    Plan plan_;
    bool started_ = false, cancelled_ = false;
    QTimer timer_;
};

Image RadioMemory() {
    Image image;
    WriteFactoryDefaults(image, {13600000, 17400000});
    WriteFrequency(image, ChannelRecordOffset(5), 14550000);
    WriteFrequency(image, ChannelRecordOffset(5) + 4, 14550000);
    image[0x0000] = 0x77; // a radio never sends the file-only area
    return image;
}

} // namespace

class ReadWriteTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<CProgramApp> app_;
    sim::SimProcess radio_;

    QString Path(const QString &name) const { return folder_->filePath(name); }
    CMainFrame &frame() { return *app_->mainFrame(); }
    QString Cell(int channel, int column) {
        return frame().view()->table()->model()->index(channel - 1, column).data().toString();
    }
    void StartRadio(std::vector<std::string> extra = {}) {
        QVERIFY(SaveCodePlugFile(Path("radio-in.dat").toStdString(), RadioMemory()).ok);
        std::vector<std::string> args{"--quiet",
                                      "--wake-delay",
                                      "30",
                                      "--band",
                                      "136-174",
                                      "--load",
                                      Path("radio-in.dat").toStdString(),
                                      "--save",
                                      Path("radio-out.dat").toStdString()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::string error;
        QVERIFY2(radio_.Start(DPMR_SIM_PATH, args, error), error.c_str());
        app_->portName = radio_.Path();
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        app_ = std::make_unique<CProgramApp>((folder_->path() + "/").toStdString());
        QString error;
        QVERIFY(app_->InitInstance({}, error));
    }
    void cleanup() {
        radio_.Stop();
        app_.reset();
    }

    void aCompletedReadReplacesTheTable() {
        StartRadio();
        const Image before = app_->document().image;
        DialogDriver driver(DialogDriver::Plan::Start);
        frame().action("Read")->trigger();
        QVERIFY(driver.sawDialog);
        QCOMPARE(Cell(5, kColRxFreq), QString("145.500000"));
        QCOMPARE(frame().view()->lowEdit()->text(), QString("136"));
        const Image &read = app_->document().image;
        const Image radio = RadioMemory();
        for (std::size_t i = 0; i < 0x100; ++i)
            QCOMPARE(read[i], before[i]); // the file-only area stays
        QCOMPARE(read[ChannelRecordOffset(5) + 3], radio[ChannelRecordOffset(5) + 3]);
        QVERIFY2(
            frame().statusBar()->currentMessage().startsWith(
                QString("Read 504 blocks from %1 in ").arg(QString::fromStdString(radio_.Path()))),
            qPrintable(frame().statusBar()->currentMessage()));

        // A read is one step of the undo history, and every byte comes back.
        QVERIFY(app_->document().modified);
        frame().action("Undo")->trigger();
        QVERIFY(app_->document().image == before);
        QVERIFY(Cell(5, kColRxFreq).isEmpty());
        frame().action("Redo")->trigger();
        QCOMPARE(Cell(5, kColRxFreq), QString("145.500000"));
        app_->document().modified = false;
    }

    void theDialogEndsAtHundredPercentWithTheResultSet() {
        StartRadio();
        Image image;
        CReadWriteDlg dialog("Read data", LinkDirection::Read, app_->portName, image, app_->link,
                             nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Read data"));
        QCOMPARE(dialog.percentText()->text(), QString("0%"));
        QCOMPARE(dialog.progressBar()->maximum(), 504);
        dialog.open();
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton); // a second press starts nothing
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 20000);
        QCOMPARE(dialog.resultFlag(), 1);
        QCOMPARE(dialog.percentText()->text(), QString("100%"));
        QCOMPARE(dialog.progressBar()->value(), 504);
        QCOMPARE(app_->link.busy.load(), 0);
    }

    void escapeBeforeStartClosesWithoutAnExchange() {
        Image image;
        CReadWriteDlg dialog("Write data", LinkDirection::Write, "/nonexistent", image, app_->link,
                             nullptr);
        dialog.open();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.resultFlag(), 0);
    }

    void aWriteLeavesTheTableInTheRadio() {
        StartRadio();
        app_->document().table.Cell(9, kColRxFreq) = "438.500000";
        app_->document().table.Cell(9, kColTxFreq) = "430.000000";
        DialogDriver driver(DialogDriver::Plan::Start);
        frame().action("Write")->trigger();
        QVERIFY(driver.sawDialog);
        QTRY_COMPARE_WITH_TIMEOUT(ReadWholeFile(Path("radio-out.dat")).size(), 16384, 10000);
        const QByteArray radio = ReadWholeFile(Path("radio-out.dat"));
        const QByteArray sent = ToBytes(app_->document().image);
        QCOMPARE(radio.mid(0x100), sent.mid(0x100));
        QCOMPARE(ReadFrequency(app_->document().image, ChannelRecordOffset(9)), 43850000u);
    }

    void cancelBeforeStartReloadsNothingButWriteHasStoredTheTable() {
        StartRadio();
        const Image before = app_->document().image;
        app_->document().table.Cell(2, kColRxFreq) = "438.500000";
        {
            DialogDriver driver(DialogDriver::Plan::CancelBeforeStart);
            frame().action("Read")->trigger();
            QVERIFY(driver.sawDialog);
        }
        QVERIFY(app_->document().image == before);
        QCOMPARE(Cell(2, kColRxFreq), QString("438.500000"));
        {
            DialogDriver driver(DialogDriver::Plan::CancelBeforeStart);
            frame().action("Write")->trigger();
        }
        QCOMPARE(ReadFrequency(app_->document().image, ChannelRecordOffset(2)), 43850000u);
        QVERIFY(!QFileInfo::exists(Path("radio-out.dat")));
    }

    void cancelDuringTheBlocksWaitsForTheTrailerAndChangesNothing() {
        StartRadio({"--fault", "ack-delay:12:100"}); // inside the 150 ms time-out
        ModalCloser closer;
        const Image before = app_->document().image;
        DialogDriver driver(DialogDriver::Plan::CancelDuringBlocks);
        frame().action("Read")->trigger();
        QVERIFY(driver.stayedOpenAfterCancel);
        QVERIFY(closer.texts.isEmpty());
        QVERIFY(app_->document().image == before);
        QCOMPARE(Cell(5, kColRxFreq), QString());
        QCOMPARE(app_->link.busy.load(), 0);
    }

    void aCommunicationErrorLeavesTableAndImageAsTheyWere() {
        StartRadio({"--fault", "no-ack:101"});
        const Image before = app_->document().image;
        ModalCloser closer;
        DialogDriver driver(DialogDriver::Plan::Start);
        frame().action("Read")->trigger();
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY(closer.texts[0].startsWith("Program: Communication error\n"));
        QVERIFY(closer.texts[0].contains("block 101"));
        QVERIFY(app_->document().image == before);
        QCOMPARE(Cell(5, kColRxFreq), QString());
    }

    void aMissingPortIsReportedWithItsReason() {
        app_->portName = Path("no-such-device").toStdString();
        ModalCloser closer;
        DialogDriver driver(DialogDriver::Plan::Start);
        frame().action("Read")->trigger();
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY(closer.texts[0].startsWith("Program: Cound not open the port\n"));
        QVERIFY(closer.texts[0].contains("no-such-device"));
    }

    void portButtonsNameThePortsAndMissingOnesAreDisabled() {
        QVERIFY(!CPortDlg(app_->portName, nullptr).portButton(16)->isEnabled());
        for (auto [n, expected] : {std::pair{12, "\\\\.\\COM12"}, std::pair{3, "COM3"}}) {
            CPortDlg dialog(app_->portName, nullptr);
            dialog.portButton(n)->setEnabled(true); // as if the device were plugged in
            QTest::mouseClick(dialog.portButton(n), Qt::LeftButton);
            dialog.accept();
            QCOMPARE(app_->portName, std::string(expected));
        }
        CPortDlg dialog(app_->portName, nullptr);
        dialog.reject();
        QCOMPARE(app_->portName, std::string("COM3"));
    }

    void aTypedDevicePathIsUsedForTheNextReadAndKeptAtExit() {
        StartRadio();
        app_->portName = "COM9";
        {
            CPortDlg dialog(app_->portName, nullptr);
            dialog.show();
            dialog.devicePathEdit()->setFocus();
            QTest::keyClicks(dialog.devicePathEdit(), QString::fromStdString(radio_.Path()));
            dialog.accept();
        }
        QCOMPARE(app_->portName, radio_.Path());
        CPortDlg reopened(app_->portName, nullptr);
        QCOMPARE(reopened.devicePathEdit()->text().toStdString(), radio_.Path());

        DialogDriver driver(DialogDriver::Plan::Start);
        frame().action("Read")->trigger();
        QCOMPARE(Cell(5, kColRxFreq), QString("145.500000"));
        app_->ExitInstance();
        QVERIFY(QString::fromLatin1(ReadWholeFile(Path("Program.ini")))
                    .contains("COM=" + QString::fromStdString(radio_.Path())));
    }
};

QTEST_MAIN(ReadWriteTest)
#include "read_write_test.moc"
