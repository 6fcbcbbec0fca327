#pragma once
// A page that edits a numbered list in a cell grid with "Add", "Insert" and "Delete": the
// messages and the encryption keys. The list's rules are in the core; this keeps the grid, the
// buttons and the working list in step.

#include "core/dpmr/numbered_list.h"
#include "ui/grid/edit_grid.h"
#include "ui/widgets/editor_page.h"

#include <QPushButton>

class CNumberedListPage : public CEditorPage {
    Q_OBJECT
public:
    using CEditorPage::CEditorPage;

    CEditGrid *grid() const { return grid_; }
    const dpmr::NumberedList &list() const { return list_; }

protected:
    // Call once the form is set up: the grid's columns and the three buttons.
    void Wire(CEditGrid *grid, QPushButton *add, QPushButton *insert, QPushButton *remove,
              const GridColumn &column);
    // Grid rows from the list, then the button states.
    void Refresh();
    virtual bool ButtonsAllowed() const { return true; }
    virtual void OnAdd() = 0;
    virtual void OnInsert(int row) = 0;
    virtual bool OnEdit(int row, std::string &text) = 0;
    // The grid's current row, -1 when it has none.
    int CurrentRow() const;

    dpmr::NumberedList list_;

private:
    CEditGrid *grid_ = nullptr;
    QPushButton *add_ = nullptr;
    QPushButton *insert_ = nullptr;
    QPushButton *remove_ = nullptr;
};
