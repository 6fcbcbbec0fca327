#include "ui/dpmr/numbered_list_page.h"

#include <QHeaderView>

void CNumberedListPage::Wire(CEditGrid *grid, QPushButton *add, QPushButton *insert,
                             QPushButton *remove, const GridColumn &column) {
    grid_ = grid;
    add_ = add;
    insert_ = insert;
    remove_ = remove;
    grid_->SetColumns({{QT_TRANSLATE_NOOP("CEditGrid", "No."), 500}, column});
    grid_->horizontalHeader()->setStretchLastSection(true);
    // One line per entry: a long message shows its start, the whole text in its tip and in
    // the editor.
    grid_->setWordWrap(false);
    grid_->endEdit = [this](int row, int, QString &text) {
        std::string edited = text.toStdString();
        if (!OnEdit(row, edited))
            return false;
        text = QString::fromStdString(edited);
        return true;
    };
    connect(add_, &QPushButton::clicked, this, [this] {
        grid_->CommitOpenEditor();
        OnAdd();
        Refresh();
        grid_->setCurrentCell(list_.size() - 1, 1);
    });
    connect(insert_, &QPushButton::clicked, this, [this] {
        grid_->CommitOpenEditor();
        const int row = CurrentRow();
        OnInsert(row);
        Refresh();
        grid_->setCurrentCell(row < 0 ? list_.size() - 1 : row, 1);
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        grid_->CommitOpenEditor();
        const int row = CurrentRow();
        list_.Erase(row);
        Refresh();
        if (list_.size() > 0)
            grid_->setCurrentCell(std::min(row, list_.size() - 1), 1);
    });
}

int CNumberedListPage::CurrentRow() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < list_.size() ? row : -1;
}

void CNumberedListPage::Refresh() {
    grid_->SetRowCount(list_.size());
    for (int row = 0; row < list_.size(); ++row)
        grid_->SetText(row, 1, QString::fromStdString(list_.texts[static_cast<std::size_t>(row)]));
    const bool allowed = ButtonsAllowed();
    remove_->setEnabled(allowed && list_.size() > 0);
    add_->setEnabled(allowed && list_.CanAdd());
    insert_->setEnabled(allowed && list_.CanAdd());
}
