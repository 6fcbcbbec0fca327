// The channel table as people use it, driven with real key events in the main window: typing
// starts edits, row operations on a selection, the clipboard between documents and from a
// spreadsheet, Undo and Redo of every kind of change, and the editors' Close button.

#include "core/channels/channel_record.h"
#include "core/channels/channel_rows.h"
#include "core/image/code_plug_file.h"
#include "ui/app/channel_exchange_commands.h"
#include "ui/app/editor_commands.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui/widgets/editor_dlg.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace dpmr;

namespace {

// Answers the next message box with `answer` and keeps its text.
class Answer : public QObject {
public:
    explicit Answer(QMessageBox::StandardButton answer) : answer_(answer) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text() + " " + box->informativeText();
                box->button(answer_)->click();
            }
        });
        timer_.start(10);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton answer_;
    QTimer timer_;
};

void PutChannel(Image &image, int n, std::uint64_t units, const std::string &alias) {
    ChannelRecord record = ReadChannel(image, n);
    record.rxFreq = units;
    record.txFreq = units;
    WriteChannel(image, n, record);
    WriteAlias(image, n, alias);
}

} // namespace

class ChannelTableOpsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<CProgramApp> app_;

    CMainFrame &frame() { return *app_->mainFrame(); }
    CodePlugDocument &document() { return app_->document(); }
    ChannelTableView *table() { return frame().view()->table(); }
    QString Cell(int channel, int column) {
        return table()->model()->index(channel - 1, column).data().toString();
    }
    void GoTo(int channel, int column) {
        // A message box that just closed may leave the window inactive, and with it the
        // shortcuts.
        QApplication::setActiveWindow(&frame());
        QTRY_VERIFY(frame().isActiveWindow());
        table()->setFocus();
        // As a click does: the cell becomes current, the only one selected and the anchor of
        // Shift+arrows.
        const QModelIndex index = table()->model()->index(channel - 1, column);
        table()->clearSelection();
        table()->setCurrentIndex(index);
        table()->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    }
    // Types on the table as a user does: the first key starts the edit, the rest go to the
    // editor, Enter ends it.
    void TypeOn(int channel, int column, const QString &text) {
        GoTo(channel, column);
        QTest::keyClicks(table(), text.left(1));
        QVERIFY(table()->IsEditing());
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!table()->IsEditing());
    }
    // Channels put straight into the image, as a file this program saved would bring them.
    void Load(const Image &image) {
        document().image = image;
        frame().view()->ShowImage();
        frame().view()->StoreChannelTable();
        document().history.Clear();
        document().modified = false;
        frame().view()->ShowImage();
    }
    Image WithChannels(std::initializer_list<int> channels) {
        Image image = document().image;
        for (int n : channels)
            PutChannel(image, n, 43000000 + static_cast<std::uint64_t>(n) * 2500,
                       "CH" + std::to_string(n));
        return image;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(table(), static_cast<Qt::Key>(key), modifiers);
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        app_ = std::make_unique<CProgramApp>((folder_->path() + "/").toStdString());
        QString error;
        QVERIFY(app_->InitInstance({}, error));
        frame().show();
        QApplication::setActiveWindow(&frame());
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
    }
    void cleanup() {
        document().modified = false; // no save prompt on the way out
        app_.reset();
    }

    void theWindowResizesAndTheTableGrowsWithIt() {
        QVERIFY(frame().maximumSize() != frame().minimumSize());
        const int tableHeight = table()->height();
        frame().resize(frame().width() + 200, frame().height() + 300);
        QTRY_COMPARE(table()->height(), tableHeight + 300);
        QCOMPARE(table()->model()->headerData(kColName, Qt::Horizontal).toString(),
                 QString("Name"));
    }

    void typingStartsEditsAndEscCancelsThem() {
        TypeOn(3, kColPower, "438.5"); // an empty row begins with its receive frequency
        QCOMPARE(Cell(3, kColRxFreq), QString("438.500000"));
        TypeOn(3, kColName, "RptNorth 12345"); // 12 characters at most
        QCOMPARE(Cell(3, kColName), QString("RptNorth 123"));
        QCOMPARE(ReadAlias(document().image, 3), std::string("RptNorth 123"));

        GoTo(3, kColName);
        QTest::keyClick(table(), Qt::Key_F2); // F2 keeps the text
        auto *name = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(name);
        QCOMPARE(name->text(), QString("RptNorth 123"));
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, "4");
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_COMPARE(Cell(3, kColName), QString("RptNorth 124"));

        GoTo(3, kColRxFreq);
        QTest::keyClicks(table(), "4");
        QTest::keyClicks(QApplication::focusWidget(), "45");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!table()->IsEditing());
        QCOMPARE(Cell(3, kColRxFreq), QString("438.500000"));

        // A letter edits the choice; no keyboard search moves the row.
        GoTo(3, kColScan);
        QTest::keyClicks(table(), "D");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!table()->IsEditing());
        QCOMPARE(Cell(3, kColScan), QString("Del"));
        QCOMPARE(table()->currentIndex().row(), 2);

        // Outside the band: clamped, and the status bar says so.
        TypeOn(4, kColRxFreq, "446.1");
        TypeOn(4, kColRxFreq, "500");
        QCOMPARE(frame().statusBar()->currentMessage(),
                 QString("500 MHz is outside 400-470 MHz: set to 470.000000"));
    }

    // Pasting into a frequency cell drops what typing would drop: the letters of "12ab" never
    // reach the cell's rule, nor do they make "446.1ab" the band's lower limit.
    void pastedTextIsFilteredAsTypingIs() {
        for (const auto &[pasted, kept] : {std::pair{"446.1ab", "446.1"}, std::pair{"12ab", "12"},
                                           std::pair{"4x3y9.5", "439.5"}}) {
            GoTo(5, kColRxFreq);
            QTest::keyClick(table(), Qt::Key_F2);
            auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY(edit);
            edit->clear();
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text(), QString(kept));
            QTest::keyClick(edit, Qt::Key_Escape);
            QTRY_VERIFY(!table()->IsEditing());
        }
        GoTo(5, kColRxFreq);
        QTest::keyClick(table(), Qt::Key_F2);
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(edit);
        QApplication::clipboard()->setText("446.1ab");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(!table()->IsEditing());
        QCOMPARE(Cell(5, kColRxFreq), QString("446.100000"));
    }

    void movingThePriorityChannelKeepsItAndUndoRestoresEveryByte() {
        Image image = WithChannels({4, 5, 6});
        image[kScanPriorityChannel] = 5;
        Load(image);
        const Image before = document().image;
        const ChannelBytes five = ReadChannelBytes(before, 5);

        GoTo(5, kColRxFreq);
        Key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(ReadChannelBytes(document().image, 4), five);
        QCOMPARE(int(document().image[kScanPriorityChannel]), 4);
        QCOMPARE(Cell(4, kColName), QString("CH5"));
        QCOMPARE(table()->currentIndex().row(), 3); // the selection moved with it
        QCOMPARE(frame().action("Undo")->text(), QString("&Undo move of 1 channel up"));
        QVERIFY(document().modified);

        Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(document().image == before);
        QCOMPARE(Cell(5, kColName), QString("CH5"));
        QVERIFY(!document().modified); // back at the state the file had
        Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(int(document().image[kScanPriorityChannel]), 4);

        // Shift+Down selects two rows; Ctrl+Del deletes both and the rest moves up.
        GoTo(4, kColRxFreq);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(table()->SelectedChannels(), (std::vector<int>{4, 5}));
        Key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(Cell(4, kColName), QString("CH6"));
        QCOMPARE(int(document().image[kScanPriorityChannel]), 0);
        QVERIFY(Cell(5, kColRxFreq).isEmpty());
    }

    void insertAtAFullLastRowSaysWhy() {
        Load(WithChannels({10, 199}));
        const Image before = document().image;
        GoTo(10, kColRxFreq);
        ModalCloser closer;
        Key(Qt::Key_Insert, Qt::ControlModifier);
        QTRY_COMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("Channel 199 is in use"), qPrintable(closer.texts[0]));
        QVERIFY(document().image == before);
        QVERIFY(!frame().action("Undo")->isEnabled());

        GoTo(199, kColRxFreq);
        QCOMPARE(table()->SelectedChannels(), std::vector<int>{199});
        Key(Qt::Key_Delete); // clears, as clearing the receive frequency does
        QVERIFY(IsChannelEmpty(document().image, 199));
        GoTo(10, kColRxFreq);
        Key(Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(Cell(11, kColName), QString("CH10"));
        QVERIFY(Cell(10, kColRxFreq).isEmpty());
    }

    void cutAndPasteBetweenDocumentsIsByteExact() {
        Image image = WithChannels({2, 3});
        image[ChannelRecordOffset(3) + 19] = 0x5A; // bytes no editor shows travel too
        Load(image);
        const ChannelBytes two = ReadChannelBytes(document().image, 2);
        const ChannelBytes three = ReadChannelBytes(document().image, 3);
        GoTo(2, kColRxFreq);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(table()->SelectedChannels(), (std::vector<int>{2, 3}));
        Key(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(IsChannelEmpty(document().image, 2));
        QVERIFY(QApplication::clipboard()->text().startsWith("Location,Name,Frequency"));

        // Another document, as another window would have.
        document().New();
        frame().view()->OnInitialUpdate();
        GoTo(40, kColRxFreq);
        Key(Qt::Key_V, Qt::ControlModifier);
        const auto hex = [](const ChannelBytes &bytes) {
            return QByteArray(reinterpret_cast<const char *>(bytes.record.data()), 24).toHex(' ');
        };
        QCOMPARE(frame().statusBar()->currentMessage(), QString("2 channels pasted"));
        QCOMPARE(hex(ReadChannelBytes(document().image, 40)), hex(two));
        QCOMPARE(ReadChannelBytes(document().image, 41).record, three.record);
        QCOMPARE(ReadChannelBytes(document().image, 41).alias, three.alias);
        QCOMPARE(frame().action("Undo")->text(), QString("&Undo paste of 2 channels"));
        Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(IsChannelEmpty(document().image, 40));
    }

    void pastedSpreadsheetRowsGoThroughTheImportRules() {
        QApplication::clipboard()->setText("Location\tName\tFrequency\tDuplex\tOffset\tMode\n"
                                           "7\tCalling\t446.00625\t\t0\tNFM\n"
                                           "8\tWorkshop\t433.5\t+\t1.6\tFM\n");
        GoTo(199, kColRxFreq);
        {
            Answer no(QMessageBox::Cancel);
            Key(Qt::Key_V, Qt::ControlModifier);
            QTRY_COMPARE(no.texts.size(), 1); // one of the two rows would land past 199
            QVERIFY2(no.texts[0].contains("1 of 2 channels does not fit below channel 199"),
                     qPrintable(no.texts[0]));
        }
        QVERIFY(IsChannelEmpty(document().image, 199));

        GoTo(20, kColRxFreq);
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(20, kColRxFreq), QString("446.006250"));
        QCOMPARE(Cell(20, kColName), QString("Calling"));
        QCOMPARE(Cell(21, kColTxFreq), QString("435.100000"));

        QApplication::clipboard()->setText("Location,Frequency\n1,145.5\n");
        ModalCloser closer;
        Key(Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("outside"), qPrintable(closer.texts[0]));
    }

    void aCsvImportIsOneStep() {
        const Image before = document().image;
        const QString csv = folder_->filePath("plan.csv");
        WriteWholeFile(csv, "Location,Name,Frequency\n12,Hall,430.0125\n13,Yard,431.3\n");
        auto *exchange = frame().findChild<ChannelExchangeCommands *>();
        QVERIFY(exchange);
        QVERIFY(exchange->ImportFrom(csv));
        QCOMPARE(Cell(13, kColName), QString("Yard"));
        QCOMPARE(frame().action("Undo")->text(), QString("&Undo import of 2 channels"));
        frame().action("Undo")->trigger();
        QVERIFY(document().image == before);
        QVERIFY(Cell(13, kColName).isEmpty());
    }

    void undoToTheSavedStateClearsTheMark() {
        const QString path = folder_->filePath("plan.dat");
        QVERIFY(frame().SaveDocument(path));
        auto *status = frame().findChild<QLabel *>("DocumentStatus");
        QVERIFY(status);
        QCOMPARE(status->text(), QString("plan.dat"));
        TypeOn(1, kColRxFreq, "438.5");
        QVERIFY(document().modified);
        QCOMPARE(status->text(), QString("plan.dat *"));
        QCOMPARE(frame().action("Undo")->text(), QString("&Undo edit of channel 1"));
        Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!document().modified);
        QCOMPARE(status->text(), QString("plan.dat"));
        QVERIFY(ToBytes(document().image) == ReadWholeFile(path));
        QVERIFY(Cell(1, kColRxFreq).isEmpty());
    }

    void aBandChangeThatLeavesChannelsOutsideAsksFirst() {
        Load(WithChannels({1, 2}));
        QComboBox *band = frame().view()->bandSelector();
        band->setFocus();
        {
            Answer no(QMessageBox::No);
            QTest::keyClick(band, Qt::Key_Up); // 350-390
            QTRY_COMPARE(no.texts.size(), 1);
            QVERIFY2(no.texts[0].startsWith("2 channels lie outside 350-390 MHz"),
                     qPrintable(no.texts[0]));
        }
        QCOMPARE(band->currentIndex(), 2);
        {
            Answer yes(QMessageBox::Yes);
            QTest::keyClick(band, Qt::Key_Up);
            QTRY_COMPARE(yes.texts.size(), 1);
        }
        QCOMPARE(band->currentIndex(), 1);
        QCOMPARE(frame().action("Undo")->text(), QString("&Undo band change"));
        frame().action("Undo")->trigger();
        QCOMPARE(band->currentIndex(), 2);
    }

    void anEditorSessionIsOneStepAndItsCloseButtonCloses() {
        const Image before = document().image;
        QTimer::singleShot(50, this, [] {
            auto *dialog = qobject_cast<CEditorDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->closeButton());
            QVERIFY(!dialog->closeButton()->isDefault() && !dialog->closeButton()->autoDefault());
            auto *mode = dialog->findChild<QComboBox *>("scan_mode");
            mode->setCurrentIndex(2);
            auto *delay = dialog->findChild<QLineEdit *>("resume_delay");
            delay->setText("4.0");
            dialog->closeButton()->setFocus();
            QTest::keyClick(dialog->closeButton(), Qt::Key_Space);
        });
        frame().OnEditor(EditorId::ScanInfo);
        QCOMPARE(int(document().image[kScanSettings]), 2);
        QCOMPARE(frame().action("Undo")->text(), QString("&Undo changes in Scan Info"));
        frame().action("Undo")->trigger();
        QVERIFY(document().image == before);
    }
};

QTEST_MAIN(ChannelTableOpsTest)
#include "channel_table_ops_test.moc"
