#include "ui/channels/channel_cell_delegate.h"

#include "core/channels/channel_table.h"
#include "core/image/tone.h"
#include "ui/widgets/core_text.h"
#include "ui/widgets/tone_chooser.h"
#include "ui/widgets/typing_limits.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace dpmr;

namespace {

const char *kEditorKind = "cellEditor";

CellEditor KindOf(const QObject *editor) {
    return static_cast<CellEditor>(editor->property(kEditorKind).toInt());
}

QString EditorText(QWidget *editor) {
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        return line->text();
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return {};
    if (combo->isEditable()) {
        // The shown word for no tone is the core's word again.
        const QString none = QString::fromStdString(ToneList().front());
        return combo->currentText() == UiText(none.toStdString()) ? none : combo->currentText();
    }
    return combo->currentIndex() >= 0 ? combo->currentData().toString() : QString();
}

} // namespace

ChannelCellDelegate::ChannelCellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *ChannelCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                           const QModelIndex &index) const {
    const CellEditor kind = ChannelColumns()[index.column()].editor;
    QWidget *editor = nullptr;
    switch (kind) {
    case CellEditor::Frequency: {
        auto *line = new QLineEdit(parent);
        line->setAlignment(Qt::AlignCenter);
        ApplyTypingLimits(line, FrequencyCellRule()); // paste filtered as typing
        editor = line;
        break;
    }
    case CellEditor::Tone: {
        auto *combo = new QComboBox(parent);
        FillToneChooser(combo);
        editor = combo;
        break;
    }
    case CellEditor::Choice: {
        auto *combo = new QComboBox(parent);
        for (const std::string &choice : ColumnChoices(index.column()))
            combo->addItem(UiText(choice), QString::fromStdString(choice));
        editor = combo;
        break;
    }
    case CellEditor::Alias: {
        auto *line = new QLineEdit(parent);
        line->setAlignment(Qt::AlignCenter);
        ApplyTypingLimits(line, AliasCellRule()); // paste filtered as typing
        editor = line;
        break;
    }
    case CellEditor::None:
        return nullptr;
    }
    editor->setProperty(kEditorKind, static_cast<int>(kind));
    return editor;
}

void ChannelCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(text);
        line->selectAll();
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->isEditable()) {
            combo->setEditText(text == QString::fromStdString(ToneList().front())
                                   ? UiText(text.toStdString())
                                   : text);
            combo->lineEdit()->selectAll(); // typing replaces the tone, as in the frequency
            return;
        }
        combo->setCurrentIndex(InitialChoiceIndex(index.column(), text.toStdString()));
    }
}

void ChannelCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                       const QModelIndex &index) const {
    model->setData(index, EditorText(editor), Qt::EditRole);
}

void ChannelCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                               const QModelIndex &) const {
    editor->setGeometry(option.rect); // exactly over the cell
}

bool ChannelCellDelegate::eventFilter(QObject *object, QEvent *event) {
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const CellEditor kind = KindOf(editor);
        // Esc throws away what was typed: the cell keeps its text.
        if (key == Qt::Key_Escape) {
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return true;
        }
        // Tab ends the edit as leaving the cell does, and no editor opens on its own in the
        // next cell (a new row starts in column 1).
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            (kind == CellEditor::Frequency || kind == CellEditor::Choice ||
             kind == CellEditor::Alias)) {
            const bool empty = EditorText(editor).isEmpty();
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            if (kind == CellEditor::Frequency && empty)
                emit MoveAfterEnter(1, 0);
            else
                emit MoveAfterEnter(0, 1);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
