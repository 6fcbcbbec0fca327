#include "ui/grid/edit_grid.h"

#include "core/fields/field_rule.h"
#include "ui/widgets/core_text.h"
#include "ui/widgets/typing_limits.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 pixels an inch

} // namespace

// The in-place editors: a line edit with the column's typing limits or a drop-down list.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(CEditGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override {
        const GridColumn &column = grid_->columns_.at(static_cast<std::size_t>(index.column()));
        if (column.kind == GridColumn::Kind::DropDown) {
            const QStringList choices =
                grid_->choicesFor ? grid_->choicesFor(index.row(), index.column()) : column.choices;
            if (choices.isEmpty())
                return nullptr;
            // The words shown in the user's language; the core's words are the items' data.
            auto *combo = new QComboBox(parent);
            for (const QString &choice : choices)
                combo->addItem(UiText(choice.toStdString()), choice);
            return combo;
        }
        auto *edit = new QLineEdit(parent);
        ApplyTypingLimits(edit, column.rule);
        return edit;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            edit->setText(text);
            edit->selectAll();
        } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            // A cell that keeps its list position selects that entry, even among equal texts.
            bool known = false;
            const int position = index.data(Qt::UserRole).toInt(&known);
            if (known && position >= 0 && position < combo->count() &&
                combo->itemData(position).toString() == text)
                combo->setCurrentIndex(position);
            else
                combo->setCurrentIndex(combo->findData(text));
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override {
        QString text;
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            text = edit->text();
        else if (auto *combo = qobject_cast<QComboBox *>(editor))
            text = combo->currentIndex() >= 0 ? combo->currentData().toString() : QString();
        auto *combo = qobject_cast<QComboBox *>(editor);
        grid_->chosenIndex_ = combo ? combo->currentIndex() : -1;
        if (grid_->endEdit && !grid_->endEdit(index.row(), index.column(), text))
            return; // rejected: the cell keeps its text
        grid_->SetText(index.row(), index.column(), text);
        emit grid_->cellCommitted(index.row(), index.column());
    }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &) const override {
        editor->setGeometry(option.rect); // exactly over the cell
    }

protected:
    // A drop-down cell holds the core's word and shows it in the user's language.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto column = static_cast<std::size_t>(index.column());
        if (column < grid_->columns_.size() &&
            grid_->columns_[column].kind == GridColumn::Kind::DropDown)
            option->text = UiText(option->text.toStdString());
    }

    bool eventFilter(QObject *object, QEvent *event) override {
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
                key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                // Nothing typed is thrown away: every way out of the editor commits it.
                auto *edit = qobject_cast<QLineEdit *>(editor);
                const bool empty = edit && edit->text().isEmpty();
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                grid_->setFocus();
                if (key == Qt::Key_Escape)
                    emit grid_->escapeInEditor();
                else if (key == Qt::Key_Return || key == Qt::Key_Enter)
                    emit grid_->enterInEditor(empty);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    CEditGrid *grid_;
};

CEditGrid::CEditGrid(QWidget *parent) : QTableWidget(parent) {
    setItemDelegate(new GridCellDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide(); // column 0 shows the numbers
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

// Headers come from the core's list tables: core texts.
static QString HeaderText(const GridColumn &column) {
    return UiText(column.header.toStdString());
}

void CEditGrid::SetColumns(const std::vector<GridColumn> &columns) {
    columns_ = columns;
    if (!columns_.empty())
        columns_[0].kind = GridColumn::Kind::ReadOnly;
    setColumnCount(static_cast<int>(columns_.size()));
    QStringList headers;
    for (const GridColumn &column : columns_)
        headers << HeaderText(column);
    setHorizontalHeaderLabels(headers);
    const QFontMetrics metrics(font());
    for (int c = 0; c < columnCount(); ++c) {
        const GridColumn &column = columns_[static_cast<std::size_t>(c)];
        int width = std::max(column.widthTwips / kTwipsPerPixel,
                             metrics.horizontalAdvance(HeaderText(column)) + 14);
        for (const QString &choice : column.choices)
            width = std::max(width, metrics.horizontalAdvance(UiText(choice.toStdString())) +
                                        3 * metrics.height());
        setColumnWidth(c, width);
    }
}

void CEditGrid::SetRowCount(int rows) {
    setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        SetText(r, 0, QString::number(r + 1));
}

QString CEditGrid::Text(int row, int column) const {
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CEditGrid::SetText(int row, int column, const QString &text) {
    QTableWidgetItem *cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        const bool readOnly =
            columns_.at(static_cast<std::size_t>(column)).kind == GridColumn::Kind::ReadOnly;
        if (readOnly)
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setToolTip(text); // a long text can be read whole
}

void CEditGrid::SetCellData(int row, int column, const QVariant &data) {
    if (!item(row, column))
        SetText(row, column, {});
    item(row, column)->setData(Qt::UserRole, data);
}

QVariant CEditGrid::CellData(int row, int column) const {
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->data(Qt::UserRole) : QVariant();
}

void CEditGrid::SetReadOnly(int row, int column, bool readOnly) {
    if (!item(row, column))
        SetText(row, column, {});
    QTableWidgetItem *cell = item(row, column);
    cell->setFlags(readOnly ? cell->flags() & ~Qt::ItemIsEditable
                            : cell->flags() | Qt::ItemIsEditable);
}

void CEditGrid::CommitOpenEditor() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CEditGrid::BeginCellEdit() {
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.column() > 0 && (model()->flags(current) & Qt::ItemIsEditable))
        edit(current);
}

void CEditGrid::keyPressEvent(QKeyEvent *event) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && state() != QAbstractItemView::EditingState &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const int row = current.row();
        const int last = columnCount() - 1;
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2: // every cell, drop-down lists included
            BeginCellEdit();
            return;
        case Qt::Key_Right:
            if (wrap_ && current.column() == last && row < rowCount() - 1) {
                setCurrentCell(row + 1, 1);
                return;
            }
            break;
        case Qt::Key_Left:
            if (wrap_ && current.column() == 1 && row > 0) {
                setCurrentCell(row - 1, last);
                return;
            }
            break;
        default:
            break;
        }
    }
    QTableWidget::keyPressEvent(event);
}
