#include "ui/channels/channel_table_view.h"

#include "core/channels/channel_table.h"
#include "ui/channels/channel_table_model.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <set>

using namespace dpmr;

ChannelTableView::ChannelTableView(QWidget *parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers); // edits start as below only
    setSelectionMode(QAbstractItemView::ExtendedSelection);
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

std::vector<int> ChannelTableView::SelectedChannels() const {
    std::set<int> channels;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        channels.insert(index.row() + 1);
    if (channels.empty() && currentIndex().isValid())
        channels.insert(currentIndex().row() + 1);
    return {channels.begin(), channels.end()};
}

void ChannelTableView::SelectChannels(int first, int last) {
    const int column = currentIndex().isValid() ? currentIndex().column() : kColRxFreq;
    setCurrentIndex(model()->index(first - 1, column));
    const QItemSelection rows(model()->index(first - 1, 0),
                              model()->index(last - 1, model()->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void ChannelTableView::StartEditWithKey(QKeyEvent *event) {
    StartCellEdit(currentIndex());
    QWidget *editor = IsEditing() ? indexWidget(currentIndex()) : nullptr;
    if (!editor)
        return;
    // The editor starts with its text selected, so the key replaces it as typing would.
    QWidget *target = editor;
    if (auto *combo = qobject_cast<QComboBox *>(editor); combo && combo->lineEdit())
        target = combo->lineEdit();
    QKeyEvent copy(QEvent::KeyPress, event->key(), event->modifiers(), event->text());
    QApplication::sendEvent(target, &copy);
}

void ChannelTableView::keyPressEvent(QKeyEvent *event) {
    const QModelIndex current = currentIndex();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (current.isValid() && state() != QAbstractItemView::EditingState &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        const int row = current.row();
        const int last = model()->rowCount() - 1;
        const QString text = event->text();
        const bool printable = text.size() == 1 && text.at(0).isPrint();
        if (printable && current.column() != kColNumber) {
            StartEditWithKey(event);
            return;
        }
        if (modifiers == Qt::NoModifier) {
            switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                StartCellEdit(current);
                return;
            case Qt::Key_F2:
                StartCellEdit(current);
                if (auto *line = qobject_cast<QLineEdit *>(indexWidget(currentIndex())))
                    line->deselect(); // the text is kept, the cursor at its end
                else if (auto *combo = qobject_cast<QComboBox *>(indexWidget(currentIndex()));
                         combo && combo->lineEdit())
                    combo->lineEdit()->deselect();
                return;
            case Qt::Key_Delete:
                emit ClearRequested();
                return;
            case Qt::Key_Right:
                if (current.column() == kColName && row < last) {
                    setCurrentIndex(model()->index(row + 1, kColRxFreq));
                    return;
                }
                break;
            case Qt::Key_Left:
                if (current.column() == kColRxFreq && row > 0) {
                    setCurrentIndex(model()->index(row - 1, kColName));
                    return;
                }
                break;
            default:
                break;
            }
        }
    }
    QTableView::keyPressEvent(event);
}

void ChannelTableView::mousePressEvent(QMouseEvent *event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    // Shift and Ctrl clicks select rows; a plain click edits.
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier &&
        index.isValid() && index.column() != kColNumber)
        StartCellEdit(index);
}
