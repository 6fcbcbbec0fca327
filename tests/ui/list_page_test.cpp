// The list page every list is edited on, driven from the keyboard and the mouse as a user
// would: where the focus goes after a new row, which keys and clicks open a cell's editor, and
// what a screen reader is told about the grid.

#include "core/app/code_plug_document.h"
#include "ui/channels/pms_dlg.h"
#include "ui/dpmr/dpmr_contact_page.h"
#include "ui/dpmr/dpmr_outbox_page.h"
#include "ui/dtmf/dtmf_auto_dial_page.h"
#include "ui/settings/one_key_page.h"
#include "ui/widgets/tab_container.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace dpmr;

class ListPageTest : public QObject {
    Q_OBJECT

    CodePlugDocument document_;
    std::unique_ptr<CTabContainerDlg> dialog_;
    std::vector<CListPage *> pages_;

    // Every list page in one shown, active dialog; the one asked for is the current tab.
    template <typename Page> Page *Open() {
        dialog_ = std::make_unique<CTabContainerDlg>("Lists", nullptr);
        pages_ = {new CDpmrContactPage(document_, nullptr), new CDpmrOutboxPage(document_, nullptr),
                  new CDtmfAutoDialPage(document_, nullptr), new COneKeyPage(document_, nullptr)};
        Page *wanted = nullptr;
        for (CListPage *page : pages_) {
            dialog_->AddPage(page, page->grid()->accessibleName());
            if (auto *match = qobject_cast<Page *>(page))
                wanted = match;
        }
        dialog_->tabs()->setCurrentWidget(wanted);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        if (!QTest::qWaitForWindowActive(dialog_.get()))
            return nullptr;
        return wanted;
    }
    void Close() {
        dialog_->close();
        dialog_.reset();
    }
    static void ClickCell(CEditGrid *grid, int row, int column) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

private slots:
    void init() { document_.New(); }

    void afterAddOrInsertTypingEditsTheNewRowsFirstCell() {
        for (const char *button : {"add", "insert"}) {
            auto *page = Open<CDpmrOutboxPage>();
            QVERIFY(page);
            QTest::mouseClick(page->findChild<QPushButton *>("add"), Qt::LeftButton);
            QTest::mouseClick(page->findChild<QPushButton *>("add"), Qt::LeftButton);
            page->grid()->setCurrentCell(1, 1);
            QTest::mouseClick(page->findChild<QPushButton *>(button), Qt::LeftButton);
            const int row = QString(button) == "add" ? 2 : 1;
            QCOMPARE(QApplication::focusWidget(), page->grid());
            QCOMPARE(page->grid()->currentRow(), row);
            QCOMPARE(page->grid()->currentColumn(), 1);
            QTest::keyClick(page->grid(), Qt::Key_H);
            auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY2(editor, button);
            QTest::keyClicks(editor, "i");
            QCOMPARE(editor->text(), QString("hi"));
            QTest::keyClick(editor, Qt::Key_Return);
            QCOMPARE(page->grid()->Text(row, 1), QString("hi"));
            Close();
        }
    }

    void f2OpensEveryCellIncludingDropDowns() {
        auto *page = Open<CDpmrContactPage>();
        QVERIFY(page);
        CEditGrid *grid = page->grid();
        grid->setFocus();
        grid->setCurrentCell(0, 3); // "Type"
        QTest::keyClick(grid, Qt::Key_F2);
        auto *types = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY(types);
        QCOMPARE(types->count(), 3);
        QTest::keyClick(types, Qt::Key_Escape);
        grid->setCurrentCell(0, 2); // "Number"
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        Close();
    }

    void aClickOnAnAutoDialCodeOpensItsEditor() {
        auto *page = Open<CDtmfAutoDialPage>();
        QVERIFY(page);
        ClickCell(page->grid(), 4, 0);
        QCOMPARE(QApplication::focusWidget(), page->grid()); // the number column stays shut
        ClickCell(page->grid(), 4, 1);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "12*");
        Close();
        QCOMPARE(document_.image[0x3060 + 4 * 16], 0x01);
    }

    void everyListGridIsNamedAndItsNumberColumnIsNo() {
        QVERIFY(Open<COneKeyPage>());
        for (CListPage *page : pages_) {
            QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(page->grid());
            QVERIFY(grid);
            QVERIFY(!grid->text(QAccessible::Name).isEmpty());
            QCOMPARE(page->grid()->horizontalHeaderItem(0)->text(), QString("No."));
        }
        Close();
        CPmsDlg pms(document_, nullptr);
        QCOMPARE(pms.grid()->accessibleName(), QString("PMS channels"));
        QCOMPARE(pms.grid()->horizontalHeaderItem(0)->text(), QString("No."));
        pms.close();
    }
};

QTEST_MAIN(ListPageTest)
#include "list_page_test.moc"
