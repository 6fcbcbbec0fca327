#pragma once
// The channel grid: Enter or a left click starts a cell edit (on an empty row always in the
// receive frequency), Right at the row end wraps to the next row and Left at its start back.

#include <QTableView>

class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget *parent);

    // Starts editing the cell at (row, column), moving to column 1 on an empty row.
    void StartCellEdit(const QModelIndex &index);
    // Moves the current cell by whole cells, staying inside the table.
    void MoveCurrent(int rows, int columns);
    // Ends an open cell edit as losing the focus would: its end-of-edit rule runs.
    void CommitOpenEditor();
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
