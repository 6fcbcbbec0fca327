#pragma once
// The one page every list is edited on: a cell grid over a core `ListTable`, with "Add",
// "Insert" and "Delete" where rows come and go. The list's rules are all in the table; this
// keeps the grid, the buttons and the working rows in step.

#include "core/fields/list_table.h"
#include "ui/grid/edit_grid.h"
#include "ui/widgets/editor_page.h"

class QPushButton;
class QVBoxLayout;

class CListPage : public CEditorPage {
    Q_OBJECT
public:
    CListPage(dpmr::CodePlugDocument &document, const dpmr::ListTable &table, QWidget *parent);
    ~CListPage() override;

    void LoadControls() override;
    void StoreControls() override;

    CEditGrid *grid() const { return grid_; }
    const dpmr::ListState &rows() const { return rows_; }
    // Whether the rows may be changed (the keys follow their switch); cells turn read-only.
    void SetEditable(bool editable);

protected:
    // The grid and its buttons, for a page that adds controls of its own.
    QVBoxLayout *pageLayout() const { return layout_; }

private:
    void Refresh();
    void ShowRow(int row);
    int CurrentRow() const;
    // The new row's first editable cell takes the keyboard focus, so typing edits it.
    void FocusRow(int row);
    void AddRow(int before);
    void DeleteRow();
    bool EndEdit(int row, int column, QString &text);
    void OpenOnClick(int row, int column);

    const dpmr::ListTable &table_;
    dpmr::ListState rows_;
    bool editable_ = true;
    QVBoxLayout *layout_;
    CEditGrid *grid_;
    QPushButton *add_ = nullptr;
    QPushButton *insert_ = nullptr;
    QPushButton *remove_ = nullptr;
};
