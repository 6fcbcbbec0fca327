#pragma once
// The channel grid. Enter, F2, a typed character or a left click starts a cell edit (on an
// empty row always in the receive frequency); a typed character becomes the editor's text.
// Right at the row end wraps to the next row and Left at its start back. Rows are selected
// with Shift and Ctrl clicks and Shift+arrows for the row operations.

#include <QTableView>
#include <vector>

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
    // The channels (1-199) of the selected cells, the current one when none is selected.
    std::vector<int> SelectedChannels() const;
    // Selects whole rows first..last and makes first current, keeping the column.
    void SelectChannels(int first, int last);

    // Typing edits cells, so it never searches for a row.
    void keyboardSearch(const QString &) override {}

signals:
    // The Delete key: clear the selected channels.
    void ClearRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Starts an edit and hands it the key that started it.
    void StartEditWithKey(QKeyEvent *event);
};
