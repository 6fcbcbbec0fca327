// The "Contact" and "Group rx" pages in the dPMR dialog: buttons clicked, cells typed, tabs
// switched, the dialog closed; then the image bytes.

#include "core/image/record_layouts.h"
#include "dialog_test.h"
#include "ui/dpmr/dpmr_contact_page.h"
#include "ui/dpmr/dpmr_dlg.h"
#include "ui/grid/edit_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace dpmr;

class DpmrContactGroupPagesTest : public DialogTest<CDpmrDlg> {
    Q_OBJECT

    QWidget *Tab(int index) {
        dialog_->tabs()->setCurrentIndex(index);
        return dialog_->page(index);
    }
    void Click(QWidget *page, const char *name) {
        QTest::mouseClick(page->findChild<QPushButton *>(name), Qt::LeftButton);
    }
    std::vector<int> GroupList(int n) {
        std::vector<int> bytes;
        for (std::size_t i = 0; i < kGroupListSize; ++i)
            bytes.push_back(document_.image[kGroupLists + kGroupListSize * (n - 1) + i]);
        return bytes;
    }

private slots:
    void init() { document_.New(); }

    void closingFromTheContactTabDoesNotBringBackADeletedMember() {
        Open();
        QWidget *contacts = Tab(2);
        Click(contacts, "add");
        Click(contacts, "add");
        QWidget *groups = Tab(4);
        auto *available = groups->findChild<QListWidget *>("available");
        QCOMPARE(available->count(), 3);
        available->selectAll();
        Click(groups, "add");
        QCOMPARE(groups->findChild<QListWidget *>("members")->count(), 3);
        contacts = Tab(2);
        QCOMPARE(GroupList(1), (std::vector<int>{1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
        auto *grid = static_cast<CDpmrContactPage *>(contacts)->grid();
        grid->setCurrentCell(1, 1);
        Click(contacts, "remove");
        Close();
        QCOMPARE(GroupList(1), (std::vector<int>{1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
        QCOMPARE(document_.image[ContactRecordOffset(2)], std::uint8_t{0xFF});
    }

    void anOpenCellEditorIsCommittedWhenTheDialogCloses() {
        Open();
        auto *page = static_cast<CDpmrContactPage *>(Tab(2));
        CEditGrid *grid = page->grid();
        grid->setFocus();
        grid->setCurrentCell(0, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "Base");
        Close();
        QCOMPARE(ReadString(document_.image, ContactRecordOffset(1), contact_layout::kName),
                 std::string("Base"));
    }

    void upAndDownStopAtTheEnds() {
        Open();
        QWidget *contacts = Tab(2);
        for (int i = 0; i < 3; ++i)
            Click(contacts, "add");
        QWidget *groups = Tab(4);
        groups->findChild<QListWidget *>("available")->selectAll();
        Click(groups, "add");
        auto *members = groups->findChild<QListWidget *>("members");
        members->clearSelection();
        members->item(0)->setSelected(true);
        QVERIFY(!groups->findChild<QPushButton *>("up")->isEnabled());
        members->clearSelection();
        QVERIFY(!groups->findChild<QPushButton *>("down")->isEnabled());
        members->item(3)->setSelected(true);
        QVERIFY(!groups->findChild<QPushButton *>("down")->isEnabled());
        members->clearSelection();
        members->item(1)->setSelected(true);
        Click(groups, "down");
        Close();
        QCOMPARE(GroupList(1), (std::vector<int>{1, 3, 2, 4, 0xFF, 0xFF, 0xFF, 0xFF}));
    }
};

QTEST_MAIN(DpmrContactGroupPagesTest)
#include "dpmr_contact_group_pages_test.moc"
