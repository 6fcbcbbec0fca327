// The arrows beside the number fields, the names a screen reader gives them, the tooltips made
// from the field tables, the tab keys that work from any control, the label shortcuts, and F1.

#include "core/app/page_registry.h"
#include "core/settings/basic_settings.h"
#include "core/settings_text/field_tooltip.h"
#include "dialog_test.h"
#include "ui/app/about_dlg.h"
#include "ui/app/editor_commands.h"
#include "ui/channels/vfo_dlg.h"
#include "ui/dpmr/dpmr_dlg.h"
#include "ui/dtmf/dtmf_dlg.h"
#include "ui/settings/alarm_dlg.h"
#include "ui/settings/basic_setting_dlg.h"
#include "ui/widgets/editor_page.h"
#include "ui/widgets/manual.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace dpmr;

namespace {

QString Spoken(QWidget *widget) {
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class HelpAndArrowsTest : public DialogTest<> {
    Q_OBJECT

    // Clicks a field's arrow as a mouse user would; returns what the field shows then.
    QString Click(const char *field, const char *direction) {
        auto *arrow = dialog_->findChild<QToolButton *>(QString(field) + "_" + direction);
        if (!arrow)
            return QString("no arrow ") + field + "_" + direction;
        QTest::mouseClick(arrow, Qt::LeftButton);
        return Shown(field);
    }

private slots:
    void init() { document_.New(); }

    void dpmrTimingsStepWithArrowsNamedByTheirField() {
        Open<CDpmrDlg>();
        Type("group_hold_time", "30");
        QCOMPARE(Click("group_hold_time", "up"), QString("0")); // it wraps
        QCOMPARE(Click("group_hold_time", "down"), QString("30"));
        QCOMPARE(Click("single_call_time", "up"), QString("5"));
        QCOMPARE(Click("tx_pre_carrier", "up"), QString("20"));
        QCOMPARE(Click("ack_reply_delay", "down"), QString("4.9"));
        QCOMPARE(Click("ack_reply_wait", "down"), QString("9"));
        QCOMPARE(Click("tx_delay_time", "down"), QString("4.9"));
        QCOMPARE(Spoken(dialog_->findChild<QToolButton *>("group_hold_time_up")),
                 QString("Group hold time, up"));
        QCOMPARE(Spoken(dialog_->findChild<QToolButton *>("tx_delay_time_down")),
                 QString("Tx delay time, down"));
        Close();
        QCOMPARE(Bytes(0x154A, 2), (std::vector<int>{30, 5}));
        QCOMPARE(Bytes(0x3E80, 3), (std::vector<int>{49, 9, 49}));
    }

    void alarmAndDtmfNumbersHaveArrows() {
        Open<CAlarmDlg>();
        const QString before = Shown("tx_interval");
        QVERIFY(Click("tx_interval", "up") != before);
        for (const char *field :
             {"alarm_time", "tx_time", "rx_time", "cycle", "work_alone_time",
              "work_alone_pre_remind", "upside_angle", "recovery_angle", "entry_delay_time",
              "upside_pre_prompt", "exit_delay", "query_interval"})
            for (const char *direction : {"up", "down"}) {
                auto *arrow = dialog_->findChild<QToolButton *>(QString(field) + "_" + direction);
                QVERIFY2(arrow && Spoken(arrow).endsWith(QString(", ") + direction), field);
                QCOMPARE(arrow->focusPolicy(), Qt::NoFocus); // the edit takes Up and Down
            }
        QCOMPARE(Spoken(dialog_->findChild<QToolButton *>("exit_delay_up")),
                 QString("Exit delay (s), up"));
        Close();

        Open<CDtmfDlg>();
        Type("first_digit_delay", "300");
        QCOMPARE(Click("first_digit_delay", "up"), QString("400"));
        Type("hold_time", "1.0");
        QCOMPARE(Click("hold_time", "down"), QString("0.9"));
        SelectTab(1);
        const QString reset = Shown("auto_reset_time");
        QVERIFY(Click("auto_reset_time", "up") != reset);
        Close();
    }

    void everyBoundControlIsNamedByItsLabelAndExplainsItself() {
        Open<CBasicSettingDlg>();
        auto *sql = dialog_->findChild<QComboBox *>("sql");
        QCOMPARE(Spoken(sql), QString("SQL")); // never the value it shows
        QCOMPARE(sql->toolTip(), QString::fromStdString(
                                     FieldTooltip("basic", kBasicPage.fields[0], document_.image)));
        QVERIFY(sql->toolTip().contains("squelch"));
        QCOMPARE(sql->whatsThis(), sql->toolTip());
        Close();
        // Every page's controls: a tooltip from its field, and a name.
        for (const EditorCommand &command : EditorCommands()) {
            if (!command.make)
                continue;
            std::unique_ptr<QDialog> dialog = command.make({document_, 1, nullptr});
            for (CTablePage *page : dialog->findChildren<CTablePage *>())
                for (std::size_t i = 0; i < page->table().fields.size(); ++i) {
                    QWidget *control = page->binder()->control(static_cast<int>(i));
                    if (!control)
                        continue;
                    const QString where =
                        QString("%1.%2").arg(page->table().name, page->table().fields[i].name);
                    QVERIFY2(control->toolTip().contains('\n'), qPrintable(where));
                    QVERIFY2(!Spoken(control).isEmpty(), qPrintable(where));
                }
        }
    }

    void tabKeysSwitchPagesFromAnyControlDropDownsIncluded() {
        Open<CBasicSettingDlg>();
        auto *tabs = dialog_->findChild<QTabWidget *>();
        QComboBox *sql = Control<QComboBox>("sql");
        QVERIFY(sql->hasFocus());
        QTest::keyClick(sql, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), tabs->count() - 1); // it wraps
        Close();
    }

    void labelShortcutsGoToTheirFields() {
        Open<CAlarmDlg>();
        auto *label = dialog_->findChild<QLabel *>("tx_interval_label");
        const qsizetype at = label->text().indexOf('&');
        QVERIFY2(at >= 0, qPrintable(label->text()));
        const QChar letter = label->text().at(at + 1).toUpper();
        Edit("alarm_time");
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(letter.unicode()),
                        Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("tx_interval"));
        Close();
    }

    void tabFollowsTheColumnsAndReachesTheLongKeyTime() {
        Open<CVfoDlg>();
        QStringList order;
        Edit("rx_freq");
        for (int i = 0; i < 12; ++i) {
            QWidget *focus = QApplication::focusWidget();
            while (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget();
            order << focus->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // The first column top to bottom (skipping what is disabled), then the second.
        QStringList column;
        for (const char *name :
             {"rx_freq", "tx_freq", "rx_tone", "tx_tone", "channel_type", "tx_power"})
            if (dialog_->findChild<QWidget *>(name)->isEnabled())
                column << name;
        QCOMPARE(order.mid(0, column.size()), column);
        QVERIFY(order.indexOf("offset_freq") < order.indexOf("busy_lock"));
        Close();

        Open<CBasicSettingDlg>();
        SelectTab(2); // Side Key
        auto *tabs = dialog_->findChild<QTabWidget *>();
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("long_key_time"));
        Close();
    }

    void f1OpensTheManualAtTheEditorsPage() {
        QList<QUrl> opened;
        ManualViewer() = [&opened](const QUrl &url) {
            opened << url;
            return true;
        };
        Open<CBasicSettingDlg>();
        SelectTab(2);
        QTest::keyClick(Control<QComboBox>("sk1_short"), Qt::Key_F1);
        Close();
        Open<CAlarmDlg>();
        QTest::keyClick(Edit("alarm_time"), Qt::Key_F1);
        Close();
        ManualViewer() = nullptr;
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].fragment(), QString("side-key"));
        QCOMPARE(opened[1].fragment(), QString("alarm"));
        // The page is there and has the part F1 points at.
        for (const QUrl &url : opened) {
            QFile page(url.toLocalFile());
            QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(url.toString()));
            QVERIFY(page.readAll().contains(QString("id=\"%1\"").arg(url.fragment()).toUtf8()));
        }
    }

    void aboutNamesTheLicenceAndTheProjectPage() {
        CAboutDlg about(nullptr);
        QStringList texts;
        for (QLabel *label : about.findChildren<QLabel *>())
            texts << label->text();
        const QString all = texts.join('\n');
        QVERIFY(all.contains("GPL-3.0-or-later"));
        QVERIFY(all.contains(QString("href=\"%1\"").arg(kProjectLink)));
    }
};

QTEST_MAIN(HelpAndArrowsTest)
#include "help_and_arrows_test.moc"
