// The dPMR "Basic" page in its dialog, driven with real keys and focus changes.

#include "dialog_test.h"
#include "ui/dpmr/dpmr_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace dpmr;

class DpmrBasicPageTest : public DialogTest<CDpmrDlg> {
    Q_OBJECT

private slots:
    void init() { document_.New(); }

    void newImageShowsTheFactoryIdentity() {
        Open();
        QCOMPARE(Edit("radio_id")->text(), QString("0000001"));
        QVERIFY(!Edit("area_code")->isEnabled());
        auto *dial = dialog_->findChild<QComboBox *>("dial_access");
        QCOMPARE(dial->currentText(), QString("7"));
        QVERIFY(!dial->isEnabled());
        QCOMPARE(Edit("ack_reply_delay")->text(), QString("5.0"));
        Close();
        QCOMPARE(Bytes(0x3E80, 3), (std::vector<int>{50, 10, 50}));
    }

    void typedIdentitiesPadAndReservedOnesRevert() {
        Open();
        Type("radio_id", "123");
        QCOMPARE(Edit("radio_id")->text(), QString("0000123"));
        Type("stun_code", "3000000");
        QCOMPARE(Edit("stun_code")->text(), QString("5173820"));
        Type("emergency_code", "5000001");
        QCOMPARE(Edit("emergency_code")->text(), QString("5000001"));
        Close();
        QCOMPARE(Bytes(0x1528, 7), (std::vector<int>{0, 0, 0, 0, 1, 2, 3}));
        QCOMPARE(Bytes(0x1530, 7), (std::vector<int>{5, 0, 0, 0, 0, 0, 1}));
    }

    void timingsClampBeforeTheyBecomeAByte() {
        Open();
        Type("ack_reply_delay", "26");
        QCOMPARE(Edit("ack_reply_delay")->text(), QString("5.0"));
        Type("tx_pre_carrier", "45");
        QCOMPARE(Edit("tx_pre_carrier")->text(), QString("40"));
        Edit("tx_pre_carrier")->setFocus();
        QTest::keyClick(Edit("tx_pre_carrier"), Qt::Key_Down);
        QCOMPARE(Edit("tx_pre_carrier")->text(), QString("20"));
        Type("group_hold_time", "30");
        Close();
        QCOMPARE(document_.image[0x3E80], std::uint8_t{50});
        QCOMPARE(document_.image[0x1549], std::uint8_t{1});
        Open();
        QCOMPARE(Edit("group_hold_time")->text(), QString("30"));
        Close();
    }

    void dialAccessThreeLimitsTypingAndKeepsAnAreaOfZeros() {
        document_.image[0x1518] = 3;
        for (std::size_t i = 0; i < 4; ++i)
            document_.image[0x1519 + i] = 0;
        Open();
        QCOMPARE(Edit("area_code")->text(), QString("0000"));
        Close();
        const Image untouched = document_.image;
        Open();
        Close();
        QVERIFY(document_.image == untouched);

        Open();
        Type("area_code", "12345");
        QCOMPARE(Edit("area_code")->text(), QString("1234"));
        Type("radio_id", "5678");
        Close();
        QCOMPARE(Bytes(0x1519, 7), (std::vector<int>{1, 2, 3, 4, 0xFF, 0xFF, 0xFF}));
        QCOMPARE(Bytes(0x1528, 7), (std::vector<int>{0, 0, 0, 0, 5, 6, 7}));
        Open();
        QCOMPARE(Edit("area_code")->text(), QString("1234"));
        QCOMPARE(Edit("radio_id")->text(), QString("567"));
        Close();
    }

    void enterAndEscapeDoNotCloseTheDialog() {
        Open();
        Edit("radio_name")->setFocus();
        QTest::keyClicks(Edit("radio_name"), "ABCDEFGHIJ");
        QTest::keyClick(Edit("radio_name"), Qt::Key_Return);
        QTest::keyClick(Edit("radio_name"), Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
        Close();
        QCOMPARE(Bytes(0x1520, 8), (std::vector<int>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
    }
};

QTEST_MAIN(DpmrBasicPageTest)
#include "dpmr_basic_page_test.moc"
