#pragma once
// The in-place editors of the channel table: frequency (a line edit taking only digits and a
// decimal point, typed or pasted), tone (an editable drop-down of the tone list), choice (a
// drop-down list) and name (a line edit with the alias rules). An edit ends when its editor loses
// the focus or on Enter; Esc cancels it.

#include <QStyledItemDelegate>

class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ChannelCellDelegate(QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

signals:
    // After Enter ended an edit: where the current cell moves (rows, columns).
    void MoveAfterEnter(int rows, int columns);

protected:
    bool eventFilter(QObject *editor, QEvent *event) override;
};
