// The "Alarm" and "DTMF" editors driven with real keys, focus changes and pastes; the image
// bytes are checked after the dialog closes.

#include "dialog_test.h"
#include "ui/dtmf/dtmf_auto_dial_page.h"
#include "ui/dtmf/dtmf_dlg.h"
#include "ui/grid/edit_grid.h"
#include "ui/settings/alarm_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace dpmr;

class AlarmDtmfDlgTest : public DialogTest<> {
    Q_OBJECT

private slots:
    void init() { document_.New(); }

    void alarmOnABlankImageShowsWholeReplacementsAndWords() {
        for (std::size_t i = 0x14F0; i <= 0x1512; ++i)
            document_.image[i] = 0xFF;
        Open<CAlarmDlg>();
        QCOMPARE(Shown("alarm_time"), QString("255"));
        QCOMPARE(Shown("cycle"), QString("255"));
        QCOMPARE(Shown("upside_pre_prompt"), QString("5"));
        QCOMPARE(Shown("entry_delay_time"), QString("10"));
        QCOMPARE(Shown("upside_angle"), QString("30"));
        QCOMPARE(Shown("recovery_angle"), QString("60"));
        // A three-character edit still shows the whole word.
        QCOMPARE(Shown("exit_delay"), QString("unlimited"));
        QTest::keyClick(Edit("cycle"), Qt::Key_Escape); // Esc closes and stores
        QTRY_VERIFY(!dialog_->isVisible());
        dialog_.reset();
        QCOMPARE(document_.image[0x150B], 255);
        QCOMPARE(document_.image[0x150A], 5);
        QCOMPARE(document_.image[0x1511], 25);
        QCOMPARE(document_.image[0x1512], 1);
    }

    void alarmReplacesOutOfRangeTypingAndStepsThroughTheWords() {
        Open<CAlarmDlg>();
        Type("alarm_time", "0");
        QCOMPARE(Shown("alarm_time"), QString("10"));
        Type("tx_interval", "37");
        QCOMPARE(Shown("tx_interval"), QString("35"));
        Type("tx_interval", "65");
        QCOMPARE(Shown("tx_interval"), QString("25"));
        QLineEdit *cycle = Edit("cycle");
        QCOMPARE(cycle->text(), QString("continuous"));
        QTest::keyClick(cycle, Qt::Key_Down);
        QCOMPARE(cycle->text(), QString("255"));
        QTest::keyClick(cycle, Qt::Key_Up);
        QCOMPARE(cycle->text(), QString("continuous"));
        Type("exit_delay", "254");
        QTest::keyClick(Edit("exit_delay"), Qt::Key_Up);
        QCOMPARE(Shown("exit_delay"), QString("unlimited"));
        Type("rx_time", "9");
        QTest::keyClick(Edit("rx_time"), Qt::Key_Return); // Enter closes and stores
        QTRY_VERIFY(!dialog_->isVisible());
        dialog_.reset();
        QCOMPARE(document_.image[0x14F4], 10);
        QCOMPARE(document_.image[0x14F6], 9);
        QCOMPARE(document_.image[0x14F7], 0);
        QCOMPARE(document_.image[0x150B], 255);
        QCOMPARE(document_.image[0x1511], 25);
    }

    void pastedDigitsAreFilteredLikeTyping() {
        Open<CAlarmDlg>();
        QLineEdit *id = Edit("id_code");
        Paste(id, "1-2ab*#xyz999");
        QCOMPARE(id->text(), QString("12AB*#99"));
        Close();
        const std::uint8_t expected[] = {0x01, 0x02, 0x0A, 0x0B, 0x0E, 0x0F, 0x09, 0x09};
        for (std::size_t i = 0; i < 8; ++i)
            QCOMPARE(document_.image[0x14F8 + i], expected[i]);

        Open<CDtmfDlg>();
        QLineEdit *online = Edit("online_code");
        Paste(online, "12*#a, call me");
        QCOMPARE(online->text(), QString("12*#ACA"));
        SelectTab(1);
        QLineEdit *stun = Edit("stun_code");
        Paste(stun, "dddd dddd dddd dddd");
        QCOMPARE(stun->text(), QString(15, QChar('D')));
        Close();
        const std::uint8_t code[] = {0x01, 0x02, 0x0E, 0x0F, 0x0A, 0x0C, 0x0A, 0xFF};
        for (std::size_t i = 0; i < 8; ++i)
            QCOMPARE(document_.image[0x3010 + i], code[i]);
        QCOMPARE(document_.image[0x305E], 0x0D);
        QCOMPARE(document_.image[0x305F], 0xFF);
    }

    void dtmfNumbersAreLimitedBeforeTheyBecomeAByte() {
        Open<CDtmfDlg>();
        Type("response_wait_time", "30");
        QCOMPARE(Shown("response_wait_time"), QString("10.0"));
        Type("first_digit_delay", "250");
        QCOMPARE(Shown("first_digit_delay"), QString("200"));
        QLineEdit *hold = Edit("hold_time");
        Type("hold_time", "2.0");
        QTest::keyClick(hold, Qt::Key_Up);
        QCOMPARE(hold->text(), QString("0.5"));
        SelectTab(1);
        Type("auto_reset_time", "300");
        QCOMPARE(Shown("auto_reset_time"), QString("255"));
        Close();
        QCOMPARE(document_.image[0x3009], 100);
        QCOMPARE(document_.image[0x3001], 2);
        QCOMPARE(document_.image[0x3008], 5);
        QCOMPARE(document_.image[0x3034], 255);
    }

    void sharedByteKeepsItsOtherBits() {
        document_.image[0x3007] = 0x7D; // side tone on, bits 2-6 of no DTMF field
        Open<CDtmfDlg>();
        auto *side = dialog_->findChild<QComboBox *>("side_tone");
        side->setFocus();
        QTest::keyClick(side, Qt::Key_Up); // "Allow" -> "Inhibit"
        QCOMPARE(side->currentText(), QString("Inhibit"));
        Close();
        QCOMPARE(document_.image[0x3007], 0x7C);
    }

    void autoDialCommitsAnOpenEditorOnCloseAndFiltersPastes() {
        Open<CDtmfDlg>();
        SelectTab(2);
        auto *page = dialog_->findChild<CDtmfAutoDialPage *>();
        CEditGrid *grid = page->grid();
        QCOMPARE(grid->rowCount(), 16);
        grid->setFocus();
        grid->setCurrentCell(0, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        Paste(editor, "12ab-x#");
        QCOMPARE(editor->text(), QString("12AB#"));
        QTest::keyClick(editor, Qt::Key_Return); // commits and moves down
        grid->setCurrentCell(15, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "1234567890abcd*#99");
        Close(); // the editor is still open: its text reaches the image
        const std::uint8_t first[] = {0x01, 0x02, 0x0A, 0x0B, 0x0F, 0xFF};
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(document_.image[0x3060 + i], first[i]);
        QCOMPARE(document_.image[0x3150], 0x01);
        QCOMPARE(document_.image[0x315F], 0x0F);
    }
};

QTEST_MAIN(AlarmDtmfDlgTest)
#include "alarm_dtmf_dlg_test.moc"
