// The tab container's store and load order and the cell grid's in-place editing, before any
// editor relies on them.

#include "core/app/code_plug_document.h"
#include "core/fields/rule_builders.h"
#include "ui/grid/edit_grid.h"
#include "ui/widgets/editor_page.h"
#include "ui/widgets/tab_container.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace dpmr;

namespace {

// A page that writes its one edit into one image byte and logs what the container did.
class BytePage : public CEditorPage {
public:
    BytePage(CodePlugDocument &document, std::size_t offset, QStringList &log, QString name)
        : CEditorPage(document, nullptr), offset_(offset), log_(log), name_(std::move(name)) {
        edit = new QLineEdit(this);
    }
    void LoadControls() override {
        log_ << "load " + name_;
        edit->setText(QString::number(document_.image[offset_]));
    }
    void StoreControls() override {
        log_ << "store " + name_;
        document_.image[offset_] = static_cast<std::uint8_t>(edit->text().toInt());
    }
    QLineEdit *edit;

private:
    std::size_t offset_;
    QStringList &log_;
    QString name_;
};

} // namespace

class EditorPlumbingTest : public QObject {
    Q_OBJECT

private slots:
    void theContainerStoresThePageLeftBeforeLoadingTheNext() {
        CodePlugDocument document;
        QStringList log;
        CTabContainerDlg dialog("Test", nullptr);
        auto *a = new BytePage(document, 0x2300, log, "a");
        auto *b = new BytePage(document, 0x2300, log, "b"); // both pages edit one byte
        dialog.AddPage(a, "A");
        dialog.AddPage(b, "B");
        dialog.show();
        log.clear();
        a->edit->setText("17");
        dialog.tabs()->setCurrentIndex(1);
        QCOMPARE(log, (QStringList{"store a", "load b"}));
        QCOMPARE(b->edit->text(), QString("17")); // b sees a's store
        b->edit->setText("42");
        log.clear();
        // Closing stores the current page first, then the others from current data: a's
        // stale "17" never overwrites b's 42.
        dialog.close();
        QCOMPARE(log, (QStringList{"store b", "load a", "store a"}));
        QCOMPARE(document.image[0x2300], std::uint8_t{42});
    }

    void enterAndEscNeverCloseTheContainer() {
        CodePlugDocument document;
        QStringList log;
        CTabContainerDlg dialog("Test", nullptr);
        auto *page = new BytePage(document, 0x2301, log, "a");
        dialog.AddPage(page, "A");
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        page->edit->setFocus();
        QTest::keyClick(page->edit, Qt::Key_Escape);
        QTest::keyClick(page->edit, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        log.clear();
        dialog.close();
        QCOMPARE(log, QStringList{"store a"});
    }

    void theGridFiltersTypingAndPasteAndCommitsEveryWayOut() {
        CEditGrid grid;
        grid.SetColumns(
            {{"No.", 500},
             {"Code", 1500, GridColumn::Kind::Text, dpmr::DtmfDigitsRule(4)},
             {"Type", 1200, GridColumn::Kind::DropDown, {}, {"Single", "Group"}}});
        grid.SetRowCount(3);
        QStringList rejected;
        grid.endEdit = [&](int row, int column, QString &text) {
            if (text == "0000") {
                rejected << QString("%1,%2").arg(row).arg(column);
                return false;
            }
            return true;
        };
        grid.show();
        QApplication::setActiveWindow(&grid);
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
        grid.setCurrentCell(0, 1);
        QTest::keyClick(&grid, Qt::Key_Return);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "1a*x#9");
        QCOMPARE(editor->text(), QString("1A*#")); // letters upper-cased, others dropped, 4 max
        QTest::keyClick(editor, Qt::Key_Escape);   // Esc keeps what was typed
        QCOMPARE(grid.Text(0, 1), QString("1A*#"));

        grid.setCurrentCell(1, 1);
        QTest::keyClick(&grid, Qt::Key_Return);
        editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QApplication::clipboard()->setText("d-1-2-3-4-5");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("D123"));
        grid.CommitOpenEditor(); // as a store does
        QCOMPARE(grid.Text(1, 1), QString("D123"));

        grid.setCurrentCell(2, 1);
        QTest::keyClick(&grid, Qt::Key_Return);
        editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QTest::keyClicks(editor, "0000");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(rejected, QStringList{"2,1"});
        QCOMPARE(grid.Text(2, 1), QString()); // the rejected edit left the old text

        grid.SetText(2, 1, "LONGER THAN FOUR"); // loaded texts are never cut
        QCOMPARE(grid.Text(2, 1), QString("LONGER THAN FOUR"));
    }

    void theGridWrapsBetweenRowsOnlyWhereAsked() {
        CEditGrid grid;
        grid.SetColumns({{"No."}, {"Low"}, {"High"}});
        grid.SetRowCount(2);
        grid.SetWrapBetweenRows(true);
        grid.show();
        grid.setFocus();
        grid.setCurrentCell(0, 2);
        QTest::keyClick(&grid, Qt::Key_Right);
        QCOMPARE(grid.currentRow(), 1);
        QCOMPARE(grid.currentColumn(), 1);
        QTest::keyClick(&grid, Qt::Key_Left);
        QCOMPARE(grid.currentRow(), 0);
        QCOMPARE(grid.currentColumn(), 2);
        grid.setCurrentCell(1, 2);
        QTest::keyClick(&grid, Qt::Key_Right); // the last row does not wrap
        QCOMPARE(grid.currentRow(), 1);
    }
};

QTEST_MAIN(EditorPlumbingTest)
#include "editor_plumbing_test.moc"
