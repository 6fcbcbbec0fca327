#include "ui/grid/list_page.h"

#include "ui/grid/edit_grid.h"
#include "ui/widgets/core_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace dpmr;

namespace {

QStringList Texts(const ChoiceList &choices) {
    QStringList texts;
    for (const ChoiceItem &item : choices)
        texts << QString::fromStdString(item.text);
    return texts;
}

QPushButton *Button(const char *name, const QString &text, QWidget *parent) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CListPage::CListPage(CodePlugDocument &document, const ListTable &table, QWidget *parent)
    : CEditorPage(document, parent), table_(table), layout_(new QVBoxLayout(this)),
      grid_(new CEditGrid(this)) {
    grid_->setObjectName("grid");
    grid_->setAccessibleName(UiText(table_.accessibleName));
    layout_->addWidget(grid_);
    std::vector<GridColumn> columns{{kNumberHeader, 500, GridColumn::Kind::ReadOnly}};
    for (const ListColumn &column : table_.columns) {
        GridColumn cell{column.header, column.widthTwips};
        cell.rule = column.rule;
        if (column.rule.kind == RuleKind::Choice) {
            cell.kind = GridColumn::Kind::DropDown;
            cell.choices = Texts(ChoicesOf(column.rule, document_.image));
        }
        columns.push_back(cell);
    }
    grid_->SetColumns(columns);
    grid_->horizontalHeader()->setStretchLastSection(true);
    // One line per entry: a long message shows its start, the whole text in its tip and in
    // the editor.
    grid_->setWordWrap(false);
    grid_->choicesFor = [this](int row, int column) {
        return Texts(CellChoices(table_, document_.image, rows_, row, column - 1));
    };
    grid_->endEdit = [this](int row, int column, QString &text) {
        return EndEdit(row, column, text);
    };
    if (table_.fixedRows) {
        connect(grid_, &QAbstractItemView::clicked, this,
                [this](const QModelIndex &index) { OpenOnClick(index.row(), index.column()); });
        return;
    }
    // Typing on a cell edits it, as on a new row that just took the focus.
    grid_->setEditTriggers(grid_->editTriggers() | QAbstractItemView::AnyKeyPressed);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    add_ = Button("add", tr("&Add"), this);
    insert_ = Button("insert", tr("&Insert"), this);
    remove_ = Button("remove", tr("&Delete"), this);
    for (QPushButton *button : {add_, insert_, remove_})
        buttons->addWidget(button);
    layout_->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, [this] { AddRow(-1); });
    connect(insert_, &QPushButton::clicked, this, [this] { AddRow(CurrentRow()); });
    connect(remove_, &QPushButton::clicked, this, &CListPage::DeleteRow);
}

CListPage::~CListPage() {
    // The grid and an editor still open go after this: their last commit must not reach us.
    grid_->endEdit = nullptr;
    grid_->choicesFor = nullptr;
}

void CListPage::LoadControls() {
    rows_ = LoadList(table_, Context());
    Refresh();
}

void CListPage::StoreControls() {
    grid_->CommitOpenEditor();
    StoreList(table_, document_.image, document_.limits, rows_);
    // The store may have sorted the rows and moved the references: what is stored is now the
    // loaded list.
    LoadControls();
}

void CListPage::SetEditable(bool editable) {
    editable_ = editable;
    Refresh();
}

int CListPage::CurrentRow() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < rows_.size() ? row : -1;
}

void CListPage::Refresh() {
    grid_->SetRowCount(rows_.size());
    for (int row = 0; row < rows_.size(); ++row)
        ShowRow(row);
    if (add_) {
        add_->setEnabled(editable_ && CanAddRow(table_, rows_));
        insert_->setEnabled(editable_ && CanAddRow(table_, rows_));
        remove_->setEnabled(editable_ && CanEraseRow(table_, rows_));
    }
}

void CListPage::ShowRow(int row) {
    const ListRow &shown = rows_.rows[static_cast<std::size_t>(row)];
    for (int column = 1; column <= static_cast<int>(table_.columns.size()); ++column) {
        grid_->SetText(row, column, QString::fromStdString(shown.cells.at(column - 1)));
        // A drop-down reopens on its entry, even among equal texts.
        if (table_.columns[static_cast<std::size_t>(column - 1)].rule.kind == RuleKind::Choice)
            grid_->SetCellData(row, column,
                               ChosenPosition(table_, document_.image, rows_, row, column - 1));
        grid_->SetReadOnly(row, column, !editable_);
    }
}

void CListPage::FocusRow(int row) {
    if (row < 0 || row >= rows_.size())
        return;
    grid_->setCurrentCell(row, 1);
    grid_->setFocus(Qt::OtherFocusReason);
}

void CListPage::AddRow(int before) {
    grid_->CommitOpenEditor();
    const int row = InsertRow(table_, document_.image, rows_, before);
    Refresh();
    FocusRow(row);
}

void CListPage::DeleteRow() {
    grid_->CommitOpenEditor();
    const int row = CurrentRow();
    if (!EraseRow(table_, document_.image, rows_, row))
        return;
    Refresh();
    if (rows_.size() > 0)
        grid_->setCurrentCell(std::min(row, rows_.size() - 1), 1);
}

bool CListPage::EndEdit(int row, int column, QString &text) {
    CellEdit edit{text.toStdString(), grid_->ChosenIndex()};
    if (!EditCell(table_, Context(), rows_, row, column - 1, edit))
        return false;
    text = QString::fromStdString(edit.text);
    ShowRow(row); // an edit may change the row's other cells (a call's mode)
    return true;
}

// One click opens a cell's editor; on an empty row a cell that offers nothing yet opens the
// first.
void CListPage::OpenOnClick(int row, int column) {
    if (column == 0 || row < 0 || row >= rows_.size())
        return;
    const ListRow &clicked = rows_.rows[static_cast<std::size_t>(row)];
    if (table_.columns[static_cast<std::size_t>(column - 1)].rule.kind == RuleKind::Choice &&
        CellChoices(table_, document_.image, rows_, row, column - 1).empty() &&
        clicked.cells.at(0).empty())
        column = 1;
    grid_->setCurrentCell(row, column);
    grid_->BeginCellEdit();
}
