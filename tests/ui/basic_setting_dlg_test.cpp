// The "Basic setting" editor driven with real keys, focus changes, arrow buttons and pastes;
// the image bytes are checked after the dialog closes.

#include "core/dpmr/contact_list.h"
#include "core/dpmr/messages.h"
#include "core/image/memory_map.h"
#include "core/settings/one_key_settings.h"
#include "dialog_test.h"
#include "ui/grid/edit_grid.h"
#include "ui/settings/basic_setting_dlg.h"
#include "ui/settings/one_key_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace dpmr;

class BasicSettingDlgTest : public DialogTest<CBasicSettingDlg> {
    Q_OBJECT

    enum Tab { kBasic, kOneKey, kSideKey, kToneLight, kMenu, kPassword };

    // Picks an entry of a focused drop-down list with the arrow keys alone.
    static void Choose(QComboBox *combo, int position) {
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    // Opens the in-place list of a one-key cell with Enter, picks, commits with Enter.
    void ChooseInCell(CEditGrid *grid, int row, int column, int position) {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClick(grid, Qt::Key_Return);
        auto *combo = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY2(combo, "no list opened");
        Choose(combo, position);
        QTest::keyClick(combo, Qt::Key_Return);
    }

private slots:
    void init() { document_.New(); }

    void aBlankImageShowsWholeValuesNotCutByTypingLimits() {
        document_.image.Fill(0x1420, 0x1498 - 0x1420, 0xFF);
        Open();
        QCOMPARE(Shown("saving_delay"), QString("60"));
        QCOMPARE(Shown("tot"), QString("600"));
        QCOMPARE(Shown("tot_pre_alert"), QString("15"));
        QCOMPARE(Shown("tot_rekey_time"), QString("60"));
        QCOMPARE(Shown("tot_reset_time"), QString("30"));
        QCOMPARE(Shown("vox_delay"), QString("2.0"));
        QCOMPARE(Shown("menu_reset_time"), QString("10"));
        QCOMPARE(Shown("long_key_time"), QString("1.0"));
        // "Off" stays whole in a two-character edit, and typing is still limited.
        Type("tot_rekey_time", "0");
        QCOMPARE(Shown("tot_rekey_time"), QString("Off"));
        Type("tot_reset_time", "123");
        QCOMPARE(Shown("tot_reset_time"), QString("12"));
        // Enter and Esc leave the dialog open.
        QTest::keyClick(Control<QLineEdit>("tot"), Qt::Key_Return);
        QTest::keyClick(Control<QLineEdit>("tot"), Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
        Close();
        QCOMPARE(document_.image[0x1422], 60);
        QCOMPARE(document_.image[0x142B], 0);
        QCOMPARE(document_.image[0x142C], 12);
        QCOMPARE(document_.image[0x1450], 10);
        QCOMPARE(document_.image[0x1440], 10);
        for (std::size_t entry = kOneKeyEntries; entry < kOneKeyEntries + 40; entry += 8)
            QCOMPARE(document_.image.U16le(entry), 0);
    }

    void savingDelayArrowsStepByFive() {
        Open();
        auto *edit = Control<QLineEdit>("saving_delay");
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->text(), QString("15"));
        QTest::mouseClick(dialog_->findChild<QToolButton *>("saving_delay_up"), Qt::LeftButton);
        QCOMPARE(edit->text(), QString("20"));
        Type("saving_delay", "12", false);
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), QString("10"));
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), QString("60"));
        Close();
        QCOMPARE(document_.image[0x1422], 60);
    }

    void voxDelayTakesADecimalPointTypedOrPasted() {
        Open();
        Type("vox_delay", "1.5");
        QCOMPARE(Shown("vox_delay"), QString("1.5"));
        auto *edit = Control<QLineEdit>("vox_delay");
        edit->selectAll();
        QApplication::clipboard()->setText("0x.7s");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString("0.7"));
        QTest::keyClick(edit, Qt::Key_Tab);
        Close();
        QCOMPARE(document_.image[0x1432], 7);
    }

    void longKeyTimeIsClampedWhenStoredStraightFromTyping() {
        Open();
        SelectTab(kSideKey);
        Type("long_key_time", "26", false);
        Close(); // the edit still has the focus: the store clamps it
        QCOMPARE(document_.image[0x1440], 25);
    }

    void sideKeysPairAndAnUnofferedCodeIsKept() {
        document_.image[0x1444] = 17; // SK1 short press: a code no list offers
        document_.image[0x1445] = 4;
        Open();
        SelectTab(kSideKey);
        QCOMPARE(dialog_->findChild<QComboBox *>("sk1_short")->currentIndex(), -1);
        auto *sk2Short = Control<QComboBox>("sk2_short");
        Choose(sk2Short, 19); // "One key call 2" (the lists leave out code 17)
        QCOMPARE(sk2Short->currentText(), QString("One key call 2"));
        QCOMPARE(dialog_->findChild<QComboBox *>("sk2_long")->currentText(),
                 QString("One key call 2"));
        auto *sk2Long = Control<QComboBox>("sk2_long");
        Choose(sk2Long, 4); // "Scan"
        QCOMPARE(sk2Short->currentText(), QString("None"));
        Close();
        QCOMPARE(document_.image[0x1444], 17);
        QCOMPARE(document_.image[0x1445], 4);
        QCOMPARE(document_.image[0x1446], 0);
        QCOMPARE(document_.image[0x1447], 4);
    }

    void oneKeyCellsKeepTheNumberTheUserChose() {
        ContactList contacts = LoadContacts(document_.image);
        AddContact(document_.image, contacts);
        AddContact(document_.image, contacts);
        RenameContact(contacts, 0, "None");
        RenameContact(contacts, 1, "Bob");
        StoreContacts(document_.image, contacts);
        NumberedList messages;
        messages.Append("Same");
        messages.Append("Same");
        StoreMessages(document_.image, messages);
        const ChoiceList offered = OneKeyContactChoices(document_.image);
        int position = 1;
        while (offered[static_cast<std::size_t>(position)].text != "None")
            ++position;
        const auto none = static_cast<int>(offered[static_cast<std::size_t>(position)].code);
        Open();
        SelectTab(kOneKey);
        CEditGrid *grid = dialog_->findChild<COneKeyPage *>()->grid();
        // A click on an empty row opens its "Call mode" list, whatever the column.
        const QRect typeCell = grid->visualItemRect(grid->item(0, 3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, typeCell.center());
        auto *modes = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY(modes);
        QCOMPARE(modes->count(), 3);
        QTest::keyClick(modes, Qt::Key_Escape);
        ChooseInCell(grid, 0, 1, 1); // "Digit"
        QCOMPARE(grid->Text(0, 2), QString("None"));
        ChooseInCell(grid, 0, 2, position); // the contact named "None", not the entry "None"
        ChooseInCell(grid, 0, 3, 2);        // "Msg"
        ChooseInCell(grid, 0, 4, 2);        // the second "Same"
        QCOMPARE(grid->Text(0, 4), QString("Same"));
        // An in-place list still open when the dialog closes is committed first.
        grid->setCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        Choose(qobject_cast<QComboBox *>(QApplication::focusWidget()), 2); // "Analog"
        Close();
        const std::size_t entry = kOneKeyEntries;
        QCOMPARE(document_.image[entry + 0], 1);
        QCOMPARE(document_.image[entry + 1], none);
        QCOMPARE(document_.image[entry + 2], 2);
        QCOMPARE(document_.image[entry + 3], 2);
        QCOMPARE(document_.image[entry + 8], 2);
        // Reopened and closed, nothing moves: the cells select by position, not by text.
        const Image before = document_.image;
        Open();
        SelectTab(kOneKey);
        grid = dialog_->findChild<COneKeyPage *>()->grid();
        QCOMPARE(grid->Text(0, 2), QString("None"));
        grid->setFocus();
        grid->setCurrentCell(0, 4);
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Close();
        QVERIFY(document_.image == before);
    }

    void passwordIsHiddenAndPermitNeedsAPassword() {
        Open();
        SelectTab(kPassword);
        auto *edit = Control<QLineEdit>("password");
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QTest::keyClicks(edit, "12a3456789");
        QCOMPARE(edit->text(), QString("123456"));
        auto *show = Control<QCheckBox>("show_password");
        QTest::keyClick(show, Qt::Key_Space);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        auto *permit = Control<QCheckBox>("password_permit");
        QTest::keyClick(permit, Qt::Key_Space);
        auto *note = dialog_->findChild<QLabel *>("password_note");
        QVERIFY(!note->isVisible());
        Type("password", "");
        QVERIFY(note->isVisible());
        Close();
        QCOMPARE(document_.image[0x1490], 0xFF);
        QCOMPARE(document_.image[0x1492], 0xFF);
    }

    void aPasswordThatIsNoDigitsSurvivesWhileRequired() {
        document_.image[0x1490] = 0x00;
        for (std::size_t i = 0; i < 6; ++i)
            document_.image[0x1492 + i] = "12#456"[i];
        const Image before = document_.image;
        Open();
        SelectTab(kPassword);
        QCOMPARE(Shown("password"), QString("12"));
        Control<QLineEdit>("password");
        SelectTab(kMenu);
        Close();
        for (std::size_t at = 0x1490; at < 0x1498; ++at)
            QCOMPARE(document_.image[at], before[at]);
    }
};

QTEST_MAIN(BasicSettingDlgTest)
#include "basic_setting_dlg_test.moc"
