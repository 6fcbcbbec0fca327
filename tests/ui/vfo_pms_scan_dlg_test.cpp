// The VFO, PMS and Scan Info dialogs driven with real key and focus events, checked against
// the image bytes; and the three Edit-menu entries that open them.

#include "core/app/code_plug_document.h"
#include "core/channels/channel_table.h"
#include "core/image/bcd.h"
#include "core/image/record_layouts.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/pms_dlg.h"
#include "ui/channels/program_view.h"
#include "ui/channels/vfo_dlg.h"
#include "ui/grid/edit_grid.h"
#include "ui/settings/scan_info_dlg.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <set>

using namespace dpmr;

namespace {

constexpr std::size_t kVfo = 0x13A8;

template <typename T> T *Child(QWidget *dialog, const char *name) {
    T *widget = dialog->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Selects everything in the edit (as a user would) and types `text`.
void Retype(QLineEdit *edit, const QString &text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Picks a choice with the arrow keys, as the keyboard does: Home, then Down until it shows
// (a dialog may turn a pick down at once).
void Pick(QComboBox *combo, const QString &text) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != text; ++i) {
        const int before = combo->currentIndex();
        QTest::keyClick(combo, Qt::Key_Down);
        if (combo->currentIndex() <= before)
            return;
    }
}

void DefinePms(Image &image, int k, std::uint64_t low, std::uint64_t high) {
    WriteNumber(image, PmsEntryOffset(k), pms_layout::kLow, low);
    WriteNumber(image, PmsEntryOffset(k), pms_layout::kHigh, high);
}

} // namespace

class VfoPmsScanDlgTest : public QObject {
    Q_OBJECT

    CodePlugDocument document_;
    std::unique_ptr<QWidget> window_; // keeps a focus window around the dialogs

    template <typename Dialog> std::unique_ptr<Dialog> Open() {
        auto dialog = std::make_unique<Dialog>(document_, window_.get());
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("dialog not active");
        return dialog;
    }
    std::uint64_t Vfo(const FieldLayout &field) const {
        return ReadNumber(document_.image, kVfo, field);
    }

private slots:
    void init() {
        document_ = CodePlugDocument();
        document_.limits = {40000000, 47000000};
        document_.New();
        window_ = std::make_unique<QWidget>();
    }

    // VFO

    void vfoOpensAnUnsetReceiveAtTheLowerLimitAndSwallowsEnterAndEsc() {
        QCOMPARE(document_.image[kVfo + 3], 0xFF);
        auto dialog = Open<CVfoDlg>();
        auto *rx = Child<QLineEdit>(dialog.get(), "rx_freq");
        QCOMPARE(rx->text(), QString("400.000000"));
        QVERIFY(!Child<QLineEdit>(dialog.get(), "tx_freq")->isEnabled());
        QVERIFY(!Child<QLineEdit>(dialog.get(), "offset_freq")->isEnabled()); // "Off"
        QTest::keyClick(rx, Qt::Key_Escape);
        QTest::keyClick(rx, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        Retype(rx, "4a3b8.x5");
        QCOMPARE(rx->text(), QString("438.5")); // letters are dropped as they are typed
        QApplication::clipboard()->setText("4x39.y25");
        QTest::keyClick(rx, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(rx, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rx->text(), QString("439.25")); // and as they are pasted
        dialog->close();
        QCOMPARE(Vfo(channel_layout::kRxFreq), 43925000u);
    }

    void vfoDirectionThatLeavesTheBandIsForcedOffAndDisablesTheOffset() {
        auto dialog = Open<CVfoDlg>();
        auto *rx = Child<QLineEdit>(dialog.get(), "rx_freq");
        auto *offset = Child<QLineEdit>(dialog.get(), "offset_freq");
        auto *direction = Child<QComboBox>(dialog.get(), "offset_dir");
        Retype(rx, "465");
        Pick(direction, "-");
        QVERIFY(offset->isEnabled());
        Retype(offset, "10");
        direction->setFocus(); // leaving the offset commits it
        QCOMPARE(offset->text(), QString("10.00000"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "tx_freq")->text(), QString("455.000000"));
        Pick(direction, "+"); // 475 MHz is above the band
        QCOMPARE(direction->currentText(), QString("Off"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "tx_freq")->text(), QString("465.000000"));
        QVERIFY(!offset->isEnabled());
        Pick(direction, "+"); // and again
        QCOMPARE(direction->currentText(), QString("Off"));
        dialog->close();
        QCOMPARE(Vfo(channel_layout::kOffsetDir), 0u);
        QCOMPARE(Vfo(channel_layout::kTxFreq), 46500000u);
        QCOMPARE(Vfo(channel_layout::kOffsetFreq), 1000000u);
    }

    void vfoTransmitFollowsReceiveAndTheSnappedOffset() {
        auto dialog = Open<CVfoDlg>();
        Retype(Child<QLineEdit>(dialog.get(), "rx_freq"), "438.5");
        Pick(Child<QComboBox>(dialog.get(), "offset_dir"), "-");
        auto *offset = Child<QLineEdit>(dialog.get(), "offset_freq");
        Retype(offset, "60");
        QTest::keyClick(offset, Qt::Key_Return); // commits, and does not close
        QCOMPARE(offset->text(), QString("0.60000"));
        Retype(offset, "5");
        QTest::keyClick(offset, Qt::Key_Tab);
        QCOMPARE(offset->text(), QString("5.00000"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "tx_freq")->text(), QString("433.500000"));
        dialog->close();
        QCOMPARE(Vfo(channel_layout::kTxFreq), 43350000u);
        QCOMPARE(Vfo(channel_layout::kOffsetDir), 2u);
    }

    void vfoScanAndStepShowNamedEntriesOrTheirFallbacks() {
        DefinePms(document_.image, 2, 43000000, 44000000);
        DefinePms(document_.image, 4, 43000000, 44000000);
        document_.image[kVfo + 19] = 0x83;
        document_.image[kVfo + 23] = 9;
        {
            auto dialog = Open<CVfoDlg>();
            auto *scan = Child<QComboBox>(dialog.get(), "vfo_scan");
            QCOMPARE(scan->count(), 6); // 1MHz 2MHz 5MHz BAND, PMS 2, PMS 4
            QCOMPARE(scan->currentText(), QString("PMS 4"));
            QCOMPARE(Child<QComboBox>(dialog.get(), "step")->currentText(), QString("12.5"));
            dialog->close();
        }
        QCOMPARE(document_.image[kVfo + 19], 0x83);
        QCOMPARE(document_.image[kVfo + 23], 3);
        // Code 5 is the position of "PMS 2" in this list; it names no entry.
        document_.image[kVfo + 19] = 5;
        {
            auto dialog = Open<CVfoDlg>();
            QCOMPARE(Child<QComboBox>(dialog.get(), "vfo_scan")->currentText(), QString("1MHz"));
            dialog->close();
        }
        QCOMPARE(document_.image[kVfo + 19], 0);
    }

    void vfoDigitalSettingsAreAlwaysEnabledAndStored() {
        auto dialog = Open<CVfoDlg>();
        auto *rxColor = Child<QComboBox>(dialog.get(), "rx_color");
        QVERIFY(rxColor->isEnabled());
        Pick(rxColor, "7");
        Pick(Child<QComboBox>(dialog.get(), "status_info"), "3");
        Pick(Child<QComboBox>(dialog.get(), "data_type"), "Slow user data");
        dialog->close();
        QCOMPARE(document_.image[0x3DF0], 7);
        QCOMPARE(document_.image[0x3DF2] & 0xF8, 0x40);
        QCOMPARE(document_.image[0x3DF3], 3);
    }

    // PMS

    void pmsEnterOpensTheEditorAndTypedEdgesAreClampedAndMoveOn() {
        auto dialog = Open<CPmsDlg>();
        CEditGrid *grid = dialog->grid();
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Low freq"));
        QCOMPARE(grid->Text(9, 0), QString("10"));
        grid->setCurrentCell(0, 1);
        auto typeEdge = [&](const QString &text) {
            QTest::keyClick(grid, Qt::Key_Return);
            QWidget *editor = QApplication::focusWidget();
            QVERIFY(editor && editor != grid);
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
        };
        typeEdge("3x90");
        QCOMPARE(grid->Text(0, 1), QString("400.000000"));
        QCOMPARE(grid->currentColumn(), 2); // a value moves one cell right
        typeEdge("480");
        QCOMPARE(grid->Text(0, 2), QString("470.000000"));
        QCOMPARE(grid->currentRow(), 1); // and wraps to the next row
        QCOMPARE(grid->currentColumn(), 1);
        typeEdge("438.503");
        QCOMPARE(grid->Text(1, 1), QString("438.503125"));
        grid->setCurrentCell(2, 1);
        typeEdge(""); // an empty edit moves one row down
        QCOMPARE(grid->currentRow(), 3);
        QCOMPARE(grid->currentColumn(), 1);
        dialog->close();
        QCOMPARE(ReadNumber(document_.image, PmsEntryOffset(1), pms_layout::kLow), 40000000u);
        QCOMPARE(ReadNumber(document_.image, PmsEntryOffset(1), pms_layout::kHigh), 47000000u);
        QVERIFY(IsPmsEntryDefined(document_.image, 1));
        QVERIFY(!IsPmsEntryDefined(document_.image, 2)); // its upper edge is empty
        QCOMPARE(document_.image[PmsEntryOffset(2) + 7], 0xFF);
    }

    void pmsArrowsWrapBetweenRowsButNotPastTheLast() {
        auto dialog = Open<CPmsDlg>();
        CEditGrid *grid = dialog->grid();
        grid->setCurrentCell(2, 2);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(3, 1));
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(2, 2));
        grid->setCurrentCell(9, 2);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(9, 2));
        // A letter typed on the grid does nothing.
        QTest::keyClick(grid, Qt::Key_A);
        QCOMPARE(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(9, 2));
        QVERIFY(dialog->isVisible());
        // A press on an edge opens its editor at once; one on the number column does not.
        auto press = [&](int row, int column) {
            const QRect cell = grid->visualRect(grid->model()->index(row, column));
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
        };
        press(3, 0);
        QCOMPARE(QApplication::focusWidget(), grid);
        press(3, 2);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QCOMPARE(grid->currentRow(), 3);
    }

    void pmsEscInTheEditorClosesWithTheTypedEdgeClamped() {
        document_.image[PmsEntryOffset(5) + 3] = 0x00; // shows empty, stored as not set
        auto dialog = Open<CPmsDlg>();
        CEditGrid *grid = dialog->grid();
        QCOMPARE(grid->Text(4, 1), QString());
        grid->setCurrentCell(6, 2);
        QTest::keyClick(grid, Qt::Key_Return);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid);
        QTest::keyClicks(editor, "480");
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(ReadNumber(document_.image, PmsEntryOffset(7), pms_layout::kHigh), 47000000u);
        for (std::size_t i = 0; i < 4; ++i)
            QCOMPARE(document_.image[PmsEntryOffset(5) + i], 0xFF);
    }

    // Scan Info

    void scanInfoShowsANewImageAndClosesWithEnterOrEsc() {
        auto dialog = Open<CScanInfoDlg>();
        QCOMPARE(Child<QComboBox>(dialog.get(), "scan_mode")->currentText(), QString("Carrier"));
        QCOMPARE(Child<QComboBox>(dialog.get(), "priority_channel")->currentText(),
                 QString("None"));
        auto *stop = Child<QLineEdit>(dialog.get(), "stop_time");
        QCOMPARE(stop->text(), QString("3.0"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "resume_delay")->text(), QString("3.0"));
        Retype(stop, "7.5");
        QTest::keyClick(stop, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(document_.image[0x14C2], 75);

        dialog = Open<CScanInfoDlg>();
        Pick(Child<QComboBox>(dialog.get(), "scan_mode"), "Search");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(document_.image[0x14C0], 2);
    }

    void scanInfoLoadsStoredTimesWholeBeforeNormalising() {
        document_.image.Fill(0x14C0, 11, 0xFF);
        auto dialog = Open<CScanInfoDlg>();
        // 25.5 s is above the range: shown as its clamp, not as its first three characters.
        QCOMPARE(Child<QLineEdit>(dialog.get(), "resume_delay")->text(), QString("5.0"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "stop_time")->text(), QString("10.0"));
        dialog->close();
        QCOMPARE(document_.image[0x14C0], 1);
        QCOMPARE(document_.image[0x14C2], 100);
        QCOMPARE(document_.image[0x14C4], 50);
        QCOMPARE(document_.image[0x14C7], 0xBF);
        QCOMPARE(document_.image[0x14C8], 0);
        QCOMPARE(document_.image[0x14CA], 0);
    }

    void scanInfoStopTimeTypedAndStepped() {
        auto dialog = Open<CScanInfoDlg>();
        auto *stop = Child<QLineEdit>(dialog.get(), "stop_time");
        auto *delay = Child<QLineEdit>(dialog.get(), "resume_delay");
        Retype(stop, "1.2");
        delay->setFocus();
        QCOMPARE(stop->text(), QString("1.0"));
        Retype(stop, "12");
        delay->setFocus();
        QCOMPARE(stop->text(), QString("10.0"));
        stop->setFocus();
        QTest::keyClick(stop, Qt::Key_Up); // wraps
        QCOMPARE(stop->text(), QString("0.5"));
        Retype(stop, "1.2"); // the arrows start from the typed value, off the grid
        QTest::keyClick(stop, Qt::Key_Up);
        QCOMPARE(stop->text(), QString("1.5"));
        Retype(stop, "1.2");
        QTest::mouseClick(Child<QToolButton>(dialog.get(), "stop_time_down"), Qt::LeftButton);
        QCOMPARE(stop->text(), QString("1.0"));
        QCOMPARE(QApplication::focusWidget(), stop);
        Retype(delay, "0.1");
        QTest::keyClick(delay, Qt::Key_Down);
        QCOMPARE(delay->text(), QString("5.0"));
        Retype(delay, "12345"); // the typing limit holds for typing and pasting
        QCOMPARE(delay->text(), QString("123"));
        QApplication::clipboard()->setText("4.56");
        QTest::keyClick(delay, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(delay, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(delay->text(), QString("4.5"));
        dialog->close();
        QCOMPARE(document_.image[0x14C2], 10);
        QCOMPARE(document_.image[0x14C4], 45);
    }

    // The Edit menu

    void menuEntriesStoreTheTableFirstAndOpenTheirEditors() {
        QTemporaryDir folder;
        CProgramApp app((folder.path() + "/").toStdString());
        QString error;
        QVERIFY(app.InitInstance({}, error));
        CMainFrame &frame = *app.mainFrame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CodePlugDocument &document = app.document();

        // A frequency typed into the table is in use by the time Scan Info opens.
        ChannelTableView *table = frame.view()->table();
        table->setFocus();
        table->setCurrentIndex(table->model()->index(6, kColRxFreq));
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "440");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        struct Entry {
            const char *action;
            const char *title;
        };
        for (const Entry &entry : {Entry{"ScanInfo", "Scan Info"}, Entry{"Vfo", "VFO mode"},
                                   Entry{"PmsCh", "PMS Channel"}}) {
            QAction *action = frame.action(entry.action);
            QVERIFY(action && action->isEnabled());
            QStringList choices;
            qint64 shownAfter = -1;
            QElapsedTimer clock;
            QTimer::singleShot(0, [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                if (!dialog)
                    return;
                shownAfter = clock.elapsed();
                QCOMPARE(dialog->windowTitle(), QString(entry.title));
                if (auto *priority = dialog->findChild<QComboBox *>("priority_channel"))
                    for (int i = 0; i < priority->count(); ++i)
                        choices << priority->itemText(i);
                dialog->close();
            });
            clock.start();
            action->trigger();
            QVERIFY2(shownAfter >= 0, entry.action);
            qInfo("%s: menu command to shown dialog %lld ms", entry.action, shownAfter);
            if (std::string_view(entry.action) == "ScanInfo")
                QCOMPARE(choices, (QStringList{"None", "7"}));
        }
        // The table was stored before the editors opened; the VFO is at the lower limit.
        QVERIFY(IsFrequencyShown(document.image, ChannelRecordAt(7)));
        QCOMPARE(ReadNumber(document.image, kVfo, channel_layout::kRxFreq), 40000000u);
        QVERIFY(document.modified);
    }

    // Opening each editor on a new image and closing it changes only the listed bytes the
    // first time, and nothing the second time.
    void openedTwiceOnANewImageSettles() {
        const Image fresh = document_.image;
        auto openAndClose = [&](auto tag) {
            using Dialog = typename decltype(tag)::type;
            auto dialog = Open<Dialog>();
            dialog->close();
        };
        auto roundOfAll = [&] {
            openAndClose(std::type_identity<CVfoDlg>{});
            openAndClose(std::type_identity<CPmsDlg>{});
            openAndClose(std::type_identity<CScanInfoDlg>{});
        };
        roundOfAll();
        const Image first = document_.image;
        roundOfAll();
        QVERIFY(document_.image == first);
        // The unset VFO frequencies open at the lower band limit; the VFO's contact, key and
        // group list (0xFF, 0xFF, 1 with no contact, key or list to name) show "None"; its
        // blank digital extension shows "Data Type 1" and status "30".
        const std::set<std::size_t> replaced = {0x13A8, 0x13A9, 0x13AA, 0x13AB, 0x13AC,
                                                0x13AD, 0x13AE, 0x13AF, 0x13BC, 0x13BD,
                                                0x13BE, 0x3DF2, 0x3DF3};
        for (std::size_t offset = 0; offset < kImageSize; ++offset)
            if (fresh[offset] != first[offset])
                QVERIFY2(replaced.count(offset), qPrintable(QString::number(offset, 16)));
    }
};

QTEST_MAIN(VfoPmsScanDlgTest)
#include "vfo_pms_scan_dlg_test.moc"
