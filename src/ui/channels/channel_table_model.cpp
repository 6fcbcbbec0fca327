#include "ui/channels/channel_table_model.h"

#include "ui/widgets/core_text.h"

using namespace dpmr;

ChannelTableModel::ChannelTableModel(CodePlugDocument &document, QObject *parent)
    : QAbstractTableModel(parent), document_(document) {}

int ChannelTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : kChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : kChannelColumns;
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (index.column() == kColNumber)
            return QString::number(Channel(index));
        const std::string &cell = document_.table.Cell(Channel(index), index.column());
        // Choice words are shown in the user's language; editing works on the core's words.
        const CellEditor editor = ChannelColumns()[index.column()].editor;
        if (role == Qt::DisplayRole && (editor == CellEditor::Choice || editor == CellEditor::Tone))
            return UiText(cell);
        return QString::fromStdString(cell);
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::asprintf("%d", section + 1);
    // The number column is hidden (the row header shows the numbers) but still in the
    // accessibility tree: a screen reader reads its header.
    if (section == kColNumber)
        return QStringLiteral("No.");
    if (section >= 0 && section < kChannelColumns)
        return UiText(ChannelColumns()[section].header);
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (ChannelColumns()[index.column()].editor != CellEditor::None)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int channel = Channel(index);
    const int column = index.column();
    if (ChannelColumns()[column].editor == CellEditor::None)
        return false;
    const std::string text = value.toString().toStdString();
    const bool inUse = !document_.table.IsRowEmpty(channel);
    const std::string notice =
        ChannelColumns()[column].editor == CellEditor::Frequency && (inUse || column == kColRxFreq)
            ? ClampNotice(text, document_.limits)
            : std::string();
    // Each edit goes into the image at once, so Undo can take it back.
    const Image before = document_.image;
    EndCellEdit(document_.table, document_.image, document_.limits, channel, column, text);
    StoreChannelTable(document_.table, document_.image, document_.limits);
    document_.RecordChange(before, "edit of channel " + std::to_string(channel));
    // A receive frequency edit can fill or clear the whole row.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kChannelColumns - 1));
    emit CellEdited(QString::fromStdString(notice));
    return true;
}

void ChannelTableModel::Reload() {
    beginResetModel();
    endResetModel();
}
