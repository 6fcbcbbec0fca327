#include "core/fields/list_table.h"

#include <algorithm>

namespace dpmr {

namespace {

bool ValidRow(const ListState &rows, int row) {
    return row >= 0 && row < rows.size();
}

bool ValidCell(const ListTable &table, const ListState &rows, int row, int column) {
    return ValidRow(rows, row) && column >= 0 && column < static_cast<int>(table.columns.size());
}

} // namespace

ListState LoadList(const ListTable &table, const FieldContext &context) {
    ListState rows = table.load(context);
    rows.loadedCount = rows.size();
    return rows;
}

void StoreList(const ListTable &table, Image &image, const BandLimits &band,
               const ListState &rows) {
    table.store(image, band, rows);
}

bool CanAddRow(const ListTable &table, const ListState &rows) {
    return !table.fixedRows && table.insert && rows.size() < table.capacity;
}

bool CanEraseRow(const ListTable &table, const ListState &rows) {
    return !table.fixedRows && rows.size() > std::max(table.keepRows, 0);
}

int InsertRow(const ListTable &table, Image &image, ListState &rows, int before) {
    if (!CanAddRow(table, rows))
        return -1;
    return table.insert(image, rows, ValidRow(rows, before) ? before : -1);
}

bool EraseRow(const ListTable &table, Image &image, ListState &rows, int row) {
    if (!CanEraseRow(table, rows) || !ValidRow(rows, row))
        return false;
    if (table.erase)
        return table.erase(image, rows, row);
    rows.rows.erase(rows.rows.begin() + row);
    return true;
}

bool MoveRow(const ListTable &table, ListState &rows, int from, int to) {
    if (table.fixedRows || !ValidRow(rows, from) || !ValidRow(rows, to) || from == to)
        return false;
    ListRow moving = std::move(rows.rows[static_cast<std::size_t>(from)]);
    rows.rows.erase(rows.rows.begin() + from);
    rows.rows.insert(rows.rows.begin() + to, std::move(moving));
    return true;
}

bool EditCell(const ListTable &table, const FieldContext &context, ListState &rows, int row,
              int column, CellEdit &edit) {
    if (!ValidCell(table, rows, row, column))
        return false;
    if (table.edit)
        return table.edit(context, rows, row, column, edit);
    const auto c = static_cast<std::size_t>(column);
    edit.text = NormaliseText(table.columns[c].rule, context, edit.text);
    rows.rows[static_cast<std::size_t>(row)].cells.at(c) = edit.text;
    return true;
}

ChoiceList CellChoices(const ListTable &table, const Image &image, const ListState &rows, int row,
                       int column) {
    if (!ValidCell(table, rows, row, column))
        return {};
    if (table.choicesFor)
        return table.choicesFor(image, rows.rows[static_cast<std::size_t>(row)], column);
    return ChoicesOf(table.columns[static_cast<std::size_t>(column)].rule, image);
}

int ChosenPosition(const ListTable &table, const Image &image, const ListState &rows, int row,
                   int column) {
    if (!ValidCell(table, rows, row, column))
        return -1;
    const ListRow &r = rows.rows[static_cast<std::size_t>(row)];
    const auto c = static_cast<std::size_t>(column);
    const ChoiceList choices = CellChoices(table, image, rows, row, column);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (c < r.codes.size() ? choices[i].code == r.codes[c] : choices[i].text == r.cells.at(c))
            return static_cast<int>(i);
    return -1;
}

ListState LoadRecordRows(const PageTable &page, const FieldContext &context) {
    ListState rows;
    for (int record = page.firstRecord; record <= page.lastRecord; ++record)
        rows.rows.push_back({LoadPage(page, context, record), {}, 0});
    return rows;
}

void StoreRecordRows(const PageTable &page, Image &image, const BandLimits &band,
                     const ListState &rows) {
    for (int record = page.firstRecord; record <= page.lastRecord; ++record) {
        const auto row = static_cast<std::size_t>(record - page.firstRecord);
        if (row < rows.rows.size())
            StorePage(page, image, band, record, rows.rows[row].cells);
    }
}

int ColumnIndex(const ListTable &table, std::string_view name) {
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (name == table.columns[i].name)
            return static_cast<int>(i);
    return -1;
}

} // namespace dpmr
