// Every editor and every page of it as a keyboard-only user and a screen reader meet it, on the
// offscreen platform through QAccessible: every input control has a name, Tab and Shift+Tab
// each make one cycle through every control, every label has a shortcut letter of its own, and
// the pages that are not shown report nothing as focused.

#include "core/app/code_plug_document.h"
#include "ui/app/about_dlg.h"
#include "ui/app/editor_commands.h"
#include "ui/channels/csv_import_dlg.h"
#include "ui/channels/program_view.h"
#include "ui/link/port_dlg.h"
#include "ui/link/read_write_dlg.h"
#include "ui/widgets/keyboard_access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace dpmr;

namespace {

bool InsideCompound(const QWidget *widget, const QWidget *top) {
    for (QWidget *up = widget->parentWidget(); up && up != top; up = up->parentWidget())
        if (qobject_cast<QComboBox *>(up) || qobject_cast<QAbstractSpinBox *>(up) ||
            qobject_cast<QAbstractItemView *>(up) || qobject_cast<QTabBar *>(up))
            return true;
    return false;
}

bool IsInput(const QWidget *widget) {
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QProgressBar *>(widget);
}

QString Describe(const QWidget *widget) {
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

// The controls a user meets on the dialog as it is shown now.
QList<QWidget *> ShownControls(QWidget *dialog) {
    QList<QWidget *> shown;
    for (QWidget *widget : dialog->findChildren<QWidget *>())
        if (widget->isVisible() && !InsideCompound(widget, dialog))
            shown << widget;
    return shown;
}

QWidget *Owner(QWidget *focus) {
    // An editable drop-down's own edit stands for the drop-down.
    for (QWidget *up = focus; up; up = up->parentWidget())
        if (qobject_cast<QComboBox *>(up) || qobject_cast<QAbstractSpinBox *>(up))
            return up;
    return focus;
}

// Presses the key until the focus is back where it started; the widgets met on the way.
QList<QWidget *> Cycle(QWidget *start, Qt::Key key, int limit) {
    QList<QWidget *> met;
    start->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < limit; ++i) {
        QWidget *focus = Owner(QApplication::focusWidget());
        met << focus;
        QTest::keyClick(QApplication::focusWidget(), key);
        if (Owner(QApplication::focusWidget()) == start)
            return met;
    }
    met << nullptr; // no cycle back to the start
    return met;
}

} // namespace

class KeyboardAndReaderTest : public QObject {
    Q_OBJECT

private:
    CodePlugDocument document_;
    QStringList unnamedReport_;

    // Every page of the dialog in turn: (dialog name, page title) and the checks.
    void WalkDialog(QDialog *dialog, const QString &name) {
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *tabs = dialog->findChild<QTabWidget *>();
        const int pages = tabs ? tabs->count() : 1;
        int unnamed = 0;
        for (int page = 0; page < pages; ++page) {
            if (tabs)
                tabs->setCurrentIndex(page);
            const QString where = tabs ? name + " > " + tabs->tabText(page).remove('&') : name;
            CheckNames(dialog, where, unnamed);
            CheckTabCycles(dialog, where);
            CheckMnemonics(dialog, where);
            if (tabs)
                CheckHiddenPagesQuiet(tabs, where);
        }
        unnamedReport_ << QString("%1: %2 unnamed").arg(name).arg(unnamed);
        QCOMPARE(unnamed, 0);
        dialog->close();
    }

    void CheckNames(QWidget *dialog, const QString &where, int &unnamed) {
        for (QWidget *widget : ShownControls(dialog)) {
            if (!IsInput(widget))
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            const QString spoken = face ? face->text(QAccessible::Name) : QString();
            if (spoken.trimmed().isEmpty()) {
                ++unnamed;
                qWarning("%s: %s has no accessible name", qPrintable(where),
                         qPrintable(Describe(widget)));
            }
            // A drop-down is announced by what it is, not by the entry it shows.
            if (auto *combo = qobject_cast<QComboBox *>(widget);
                combo && !combo->currentText().isEmpty() && spoken == combo->currentText())
                QFAIL(qPrintable(where + ": " + Describe(widget) + " is named by its value"));
        }
    }

    void CheckTabCycles(QDialog *dialog, const QString &where) {
        QList<QWidget *> reachable;
        for (QWidget *widget : ShownControls(dialog))
            if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabled() &&
                !widget->focusProxy())
                reachable << widget;
        QVERIFY2(!reachable.isEmpty(), qPrintable(where));
        QWidget *start = reachable.first();
        const int limit = 3 * static_cast<int>(reachable.size()) + 5;
        const QList<QWidget *> forward = Cycle(start, Qt::Key_Tab, limit);
        const QList<QWidget *> backward = Cycle(start, Qt::Key_Backtab, limit);
        for (const auto &[keys, met] :
             {std::pair{"Tab", forward}, std::pair{"Shift+Tab", backward}}) {
            QStringList path;
            for (QWidget *widget : met)
                path << (widget ? widget->objectName() : QString("..."));
            QVERIFY2(!met.contains(nullptr),
                     qPrintable(QString("%1: %2 does not come back to %3 (%4)")
                                    .arg(where, keys, Describe(start), path.mid(0, 30).join(' '))));
            for (QWidget *widget : reachable)
                QVERIFY2(
                    met.contains(widget),
                    qPrintable(
                        QString("%1: %2 never reaches %3").arg(where, keys, Describe(widget))));
            QCOMPARE(met.size(), reachable.size()); // each control once
        }
        // Shift+Tab goes the same way back.
        QList<QWidget *> reversed(forward.rbegin(), forward.rend());
        reversed.prepend(reversed.takeLast());
        QCOMPARE(backward, reversed);
    }

    // Every label has a shortcut of its own, unless each letter of it is another's shortcut
    // (a page with more labels than letters); a push button may go without.
    void CheckMnemonics(QDialog *dialog, const QString &where) {
        QHash<QChar, QString> used;
        QStringList without;
        for (QWidget *widget : ShownControls(dialog)) {
            QString text;
            if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
                text = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                text = button->text();
            if (text.isEmpty())
                continue;
            const QChar letter = MnemonicOf(text);
            if (letter.isNull()) {
                if (!qobject_cast<QPushButton *>(widget))
                    without << text;
                continue;
            }
            QVERIFY2(!used.contains(letter),
                     qPrintable(QString("%1: \"%2\" and \"%3\" share Alt+%4")
                                    .arg(where, used.value(letter), text, letter)));
            used.insert(letter, text);
        }
        for (const QString &text : without)
            for (const QChar c : text)
                if (c.isLetterOrNumber() && c.unicode() < 128)
                    QVERIFY2(used.contains(c.toLower()),
                             qPrintable(QString("%1: \"%2\" has no shortcut though %3 is free")
                                            .arg(where, text, c)));
        if (!without.isEmpty())
            qInfo("%s: no letter left for %s", qPrintable(where), qPrintable(without.join(", ")));
    }

    void CheckHiddenPagesQuiet(QTabWidget *tabs, const QString &where) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == tabs->currentIndex())
                continue;
            for (QWidget *widget : tabs->widget(i)->findChildren<QWidget *>()) {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
                if (!face)
                    continue;
                const QAccessible::State state = face->state();
                QVERIFY2(!state.focused,
                         qPrintable(where + ": hidden " + Describe(widget) + " reports the focus"));
                QVERIFY2(state.invisible, qPrintable(where + ": hidden " + Describe(widget) +
                                                     " reports itself visible"));
            }
        }
    }

private slots:
    void initTestCase() { document_.New(); }

    void everyEditorAndPage() {
        for (const EditorCommand &command : EditorCommands()) {
            if (!command.make)
                continue;
            std::unique_ptr<QDialog> dialog = command.make({document_, 1, nullptr});
            const QString name = command.text;
            WalkDialog(dialog.get(), name);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%s", qPrintable(unnamedReport_.join("; ")));
    }

    // The main window's band chooser, limits and table, and the dialogs outside the editors.
    void mainViewAndOtherDialogs() {
        const auto check = [this](QWidget *top, const QString &name) {
            top->show();
            QVERIFY(QTest::qWaitForWindowExposed(top));
            int unnamed = 0;
            CheckNames(top, name, unnamed);
            unnamedReport_ << QString("%1: %2 unnamed").arg(name).arg(unnamed);
            QCOMPARE(unnamed, 0);
        };
        unnamedReport_.clear();
        CProgramView view(document_, nullptr);
        check(&view, "Main window");
        auto *table = view.findChild<QTableView *>();
        // The hidden number column still has a header a screen reader can read.
        QCOMPARE(table->model()->headerData(0, Qt::Horizontal).toString(), QString("No."));
        for (QLineEdit *limit : view.findChildren<QLineEdit *>())
            QVERIFY(limit->accessibleName().contains("band limit (MHz)"));

        LinkFlags flags;
        CReadWriteDlg readWrite("Read data", LinkDirection::Read, "/nonexistent", document_.image,
                                flags, nullptr);
        check(&readWrite, "Read data");
        std::string port = "COM1";
        CPortDlg portDlg(port, nullptr);
        check(&portDlg, "Port");
        CCsvImportDlg import(nullptr);
        check(&import, "Import channels");
        CAboutDlg about(nullptr);
        check(&about, "About");
        qInfo("%s", qPrintable(unnamedReport_.join("; ")));
    }
};

QTEST_MAIN(KeyboardAndReaderTest)
#include "keyboard_and_reader_test.moc"
