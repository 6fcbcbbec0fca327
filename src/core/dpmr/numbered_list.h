#pragma once
// A list whose entries other records name by their position (messages, encryption keys): the
// working copy of texts, and for each row the number it had when the list was loaded, so that
// a store can move every reference along with its entry.

#include "core/fields/list_table.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dpmr {

struct NumberedList {
    std::vector<std::string> texts;
    std::vector<int> loadedAs; // the 1-based number a row had at load; 0 for a new row
    int capacity = 16;
    int loadedCount = 0; // entries the list had when it was loaded

    int size() const { return static_cast<int>(texts.size()); }
    bool CanAdd() const { return size() < capacity; }
    void Append(std::string text, int number = 0);
    // Before `row` (0-based); appends when row is outside the list.
    void Insert(int row, std::string text);
    void Erase(int row);
    // Old number -> new number for every entry that survived; deleted ones are absent.
    std::map<int, int> Renumbering() const;
};

// The list as a list table's rows (one text cell; a row's origin is its loaded number) and back.
ListState NumberedRows(const NumberedList &list);
NumberedList FromNumberedRows(const ListState &rows, int capacity = 16);

// A list table's load, store, insert and edit for a numbered list, from the list's own
// functions: `NumberedHooks<LoadMessages, StoreMessages, InsertMessage, EditMessage, 16>`.
template <auto Load, auto Store, auto Insert, auto Edit, int Capacity> struct NumberedHooks {
    static ListState LoadRows(const FieldContext &context) {
        return NumberedRows(Load(context.image));
    }
    static void StoreRows(Image &image, const BandLimits &, const ListState &rows) {
        Store(image, FromNumberedRows(rows, Capacity));
    }
    static int InsertRow(Image &, ListState &rows, int before) {
        NumberedList list = FromNumberedRows(rows, Capacity);
        Insert(list, before);
        rows = NumberedRows(list);
        return before < 0 ? rows.size() - 1 : before;
    }
    static bool EditRow(const FieldContext &, ListState &rows, int row, int, CellEdit &edit) {
        NumberedList list = FromNumberedRows(rows, Capacity);
        if (!Edit(list, row, edit.text))
            return false;
        rows = NumberedRows(list);
        return true;
    }
};

// The number a reference should hold after the list was stored: its entry's new number, 0
// ("None") when its entry was deleted, or unchanged when it named no entry of the list.
std::uint8_t Renumbered(std::uint8_t reference, const std::map<int, int> &renumbering,
                        int loadedCount);

} // namespace dpmr
