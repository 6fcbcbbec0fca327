#include "ui/channels/channel_table_view.h"

#include "core/channels/channel_table.h"
#include "ui/channels/channel_table_model.h"

#include <QKeyEvent>

using namespace dpmr;

ChannelTableView::ChannelTableView(QWidget *parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers); // edits start as below only
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
}

void ChannelTableView::StartCellEdit(const QModelIndex &index) {
    if (!index.isValid())
        return;
    auto *channels = qobject_cast<ChannelTableModel *>(model());
    const int column =
        EditColumnFor(channels->table(), ChannelTableModel::Channel(index), index.column());
    const QModelIndex target = index.siblingAtColumn(column);
    setCurrentIndex(target);
    if (ChannelColumns()[target.column()].editor != CellEditor::None)
        edit(target);
}

void ChannelTableView::MoveCurrent(int rows, int columns) {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int row = std::clamp(current.row() + rows, 0, model()->rowCount() - 1);
    const int column = std::clamp(current.column() + columns, 1, model()->columnCount() - 1);
    setCurrentIndex(model()->index(row, column));
}

void ChannelTableView::CommitOpenEditor() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelTableView::keyPressEvent(QKeyEvent *event) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && state() != QAbstractItemView::EditingState &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const int row = current.row();
        const int last = model()->rowCount() - 1;
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            StartCellEdit(current);
            return;
        case Qt::Key_Right:
            if (current.column() == kColSpare && row < last) {
                setCurrentIndex(model()->index(row + 1, kColRxFreq));
                return;
            }
            break;
        case Qt::Key_Left:
            if (current.column() == kColRxFreq && row > 0) {
                setCurrentIndex(model()->index(row - 1, kColSpare));
                return;
            }
            break;
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}

void ChannelTableView::mousePressEvent(QMouseEvent *event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index.column() != kColNumber)
        StartCellEdit(index);
}
