#pragma once
// A list page as data: its columns as field rules, and the list's load, store, add, insert,
// erase, move and cell edit with accept or reject. The same table drives the grid pages, the
// command-line tool and the list tests.

#include "core/fields/page_table.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dpmr {

// The heading of the number column every list grid starts with.
inline constexpr char kNumberHeader[] = "No.";

struct ListColumn {
    const char *name;   // lower_snake_case: the command-line tool names the column by it
    const char *header; // the grid's heading
    int widthTwips;
    FieldRule rule; // what a cell may hold: its characters and length, or its choices
};

struct ListRow {
    FieldTexts cells; // one shown text per column
    // Per column, the code of the chosen entry where a row names entries by number rather
    // than by text (one-key calls); empty when the cells say it all.
    std::vector<std::uint64_t> codes;
    // What the row was when the list was loaded: its number (messages, keys) or its record
    // (contacts); 0 for a row added since.
    std::size_t origin = 0;
};

struct ListState {
    std::vector<ListRow> rows;
    int loadedCount = 0; // rows the list had when it was loaded
    int size() const { return static_cast<int>(rows.size()); }
};

// A cell's new text, and for a drop-down the position chosen in its list (-1: typed).
struct CellEdit {
    std::string text;
    int chosen = -1;
};

struct ListTable {
    const char *name;           // "dpmr.contacts": the tool's section
    const char *accessibleName; // what a screen reader calls the grid
    std::span<const ListColumn> columns;
    int capacity = 16;
    int keepRows = 0;       // Delete leaves at least this many rows
    bool fixedRows = false; // a fixed set of records: nothing is added or deleted
    // The records' page table where one also edits them (dumped and applied as that page).
    const PageTable *records = nullptr;

    ListState (*load)(const FieldContext &context) = nullptr;
    void (*store)(Image &image, const BandLimits &band, const ListState &rows) = nullptr;
    // A new row before `before` (appended when outside the list); it may take its record in
    // the image at once. Returns the row, -1 when none can be made.
    int (*insert)(Image &image, ListState &rows, int before) = nullptr;
    // The row leaves the list; the image may forget it at once (a contact's references).
    bool (*erase)(Image &image, ListState &rows, int row) = nullptr;
    // The end of a cell edit: false keeps the cell as it was. The hook may change the text and
    // any cell of the row. Default: the column rule's normalised text, always accepted.
    bool (*edit)(const FieldContext &context, ListState &rows, int row, int column,
                 CellEdit &edit) = nullptr;
    // The entries a drop-down cell offers for its row (empty: nothing opens there). Default:
    // the column rule's choices.
    ChoiceList (*choicesFor)(const Image &image, const ListRow &row, int column) = nullptr;
};

ListState LoadList(const ListTable &table, const FieldContext &context);
void StoreList(const ListTable &table, Image &image, const BandLimits &band, const ListState &rows);

bool CanAddRow(const ListTable &table, const ListState &rows);
bool CanEraseRow(const ListTable &table, const ListState &rows);
// Appends (before < 0 or past the end) or inserts a new row; its index, -1 when full.
int InsertRow(const ListTable &table, Image &image, ListState &rows, int before = -1);
bool EraseRow(const ListTable &table, Image &image, ListState &rows, int row);
// The row moves to position `to`, keeping what it was loaded as.
bool MoveRow(const ListTable &table, ListState &rows, int from, int to);
bool EditCell(const ListTable &table, const FieldContext &context, ListState &rows, int row,
              int column, CellEdit &edit);
ChoiceList CellChoices(const ListTable &table, const Image &image, const ListState &rows, int row,
                       int column);
// The position of the row's entry in its cell's list: by code where the row keeps codes, by
// text otherwise; -1 when the list has none.
int ChosenPosition(const ListTable &table, const Image &image, const ListState &rows, int row,
                   int column);

// A fixed list whose rows are the records of a page table, one cell per field.
ListState LoadRecordRows(const PageTable &page, const FieldContext &context);
void StoreRecordRows(const PageTable &page, Image &image, const BandLimits &band,
                     const ListState &rows);

int ColumnIndex(const ListTable &table, std::string_view name);

} // namespace dpmr
