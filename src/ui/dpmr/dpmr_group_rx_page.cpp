#include "ui/dpmr/dpmr_group_rx_page.h"

#include "core/image/memory_map.h"

#include "ui_dpmr_group_rx_page.h"

using namespace dpmr;

namespace {

std::vector<int> SelectedRows(const QListWidget *list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

void Fill(QListWidget *list, const std::vector<GroupRxEntry> &entries,
          const std::vector<int> &selected) {
    list->clear();
    for (const GroupRxEntry &e : entries) {
        auto *item = new QListWidgetItem(QString::fromStdString(e.name), list);
        item->setData(Qt::UserRole, e.contact);
    }
    for (int row : selected)
        if (row >= 0 && row < list->count())
            list->item(row)->setSelected(true);
    if (!selected.empty() && selected.front() >= 0 && selected.front() < list->count())
        list->setCurrentRow(selected.front(), QItemSelectionModel::NoUpdate);
}

// The entry above the first that left, or the first.
std::vector<int> Above(const std::vector<int> &left, int count) {
    if (count == 0)
        return {};
    const int first = left.empty() ? 0 : std::max(0, left.front() - 1);
    return {std::min(first, count - 1)};
}

} // namespace

CDpmrGroupRxPage::CDpmrGroupRxPage(CodePlugDocument &document, QWidget *parent)
    : CEditorPage(document, parent), ui_(std::make_unique<Ui::CDpmrGroupRxPage>()) {
    ui_->setupUi(this);
    for (int n = 1; n <= kGroupListCount; ++n) {
        auto *item = new QTreeWidgetItem(ui_->lists, {tr("Group rx %1").arg(n)});
        item->setData(0, Qt::UserRole, n);
    }
    ui_->lists->setCurrentItem(ui_->lists->topLevelItem(0));
    connect(ui_->lists, &QTreeWidget::currentItemChanged, this, &CDpmrGroupRxPage::OnListChanged);
    connect(ui_->available, &QListWidget::itemSelectionChanged, this,
            &CDpmrGroupRxPage::UpdateButtons);
    connect(ui_->members, &QListWidget::itemSelectionChanged, this,
            &CDpmrGroupRxPage::UpdateButtons);
    connect(ui_->add, &QPushButton::clicked, this, [this] {
        const std::vector<int> picked = SelectedRows(ui_->available);
        const std::vector<int> moved = AddGroupRxMembers(entries_, picked);
        Show(Above(picked, static_cast<int>(entries_.available.size())), moved);
    });
    connect(ui_->remove, &QPushButton::clicked, this, [this] {
        const std::vector<int> picked = SelectedRows(ui_->members);
        const std::vector<int> moved = RemoveGroupRxMembers(entries_, picked);
        Show(moved, Above(picked, static_cast<int>(entries_.members.size())));
    });
    connect(ui_->up, &QPushButton::clicked, this, [this] {
        const std::vector<int> selected =
            MoveMembersUp(entries_.members, SelectedRows(ui_->members));
        Show(SelectedRows(ui_->available), selected);
    });
    connect(ui_->down, &QPushButton::clicked, this, [this] {
        const std::vector<int> selected =
            MoveMembersDown(entries_.members, SelectedRows(ui_->members));
        Show(SelectedRows(ui_->available), selected);
    });
}

CDpmrGroupRxPage::~CDpmrGroupRxPage() = default;

int CDpmrGroupRxPage::SelectedList() const {
    const QTreeWidgetItem *item = ui_->lists->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 1;
}

void CDpmrGroupRxPage::LoadControls() {
    shownList_ = SelectedList();
    entries_ = LoadGroupRxList(document_.image, shownList_);
    Show(entries_.available.empty() ? std::vector<int>{} : std::vector<int>{0},
         entries_.members.empty() ? std::vector<int>{} : std::vector<int>{0});
}

void CDpmrGroupRxPage::StoreControls() {
    // Members that stopped being group-call contacts since the load are left out.
    StoreGroupRxList(document_.image, shownList_, entries_);
}

void CDpmrGroupRxPage::OnListChanged() {
    StoreControls();
    LoadControls();
}

void CDpmrGroupRxPage::Show(const std::vector<int> &availableSelection,
                            const std::vector<int> &memberSelection) {
    const QSignalBlocker a(ui_->available), m(ui_->members);
    Fill(ui_->available, entries_.available, availableSelection);
    Fill(ui_->members, entries_.members, memberSelection);
    UpdateButtons();
}

void CDpmrGroupRxPage::UpdateButtons() {
    const std::vector<int> members = SelectedRows(ui_->members);
    ui_->add->setEnabled(static_cast<int>(entries_.members.size()) < kGroupRxMaxMembers &&
                         !SelectedRows(ui_->available).empty());
    ui_->remove->setEnabled(!members.empty());
    ui_->up->setEnabled(CanMoveUp(members));
    ui_->down->setEnabled(CanMoveDown(members, static_cast<int>(entries_.members.size())));
}
