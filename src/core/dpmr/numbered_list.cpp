#include "core/dpmr/numbered_list.h"

namespace dpmr {

void NumberedList::Append(std::string text, int number) {
    texts.push_back(std::move(text));
    loadedAs.push_back(number);
}

void NumberedList::Insert(int row, std::string text) {
    if (row < 0 || row >= size()) {
        Append(std::move(text));
        return;
    }
    texts.insert(texts.begin() + row, std::move(text));
    loadedAs.insert(loadedAs.begin() + row, 0);
}

void NumberedList::Erase(int row) {
    if (row < 0 || row >= size())
        return;
    texts.erase(texts.begin() + row);
    loadedAs.erase(loadedAs.begin() + row);
}

std::map<int, int> NumberedList::Renumbering() const {
    std::map<int, int> renumbering;
    for (int row = 0; row < size(); ++row)
        if (loadedAs[static_cast<std::size_t>(row)] > 0)
            renumbering[loadedAs[static_cast<std::size_t>(row)]] = row + 1;
    return renumbering;
}

ListState NumberedRows(const NumberedList &list) {
    ListState rows;
    for (int row = 0; row < list.size(); ++row) {
        const auto r = static_cast<std::size_t>(row);
        rows.rows.push_back({{list.texts[r]}, {}, static_cast<std::size_t>(list.loadedAs[r])});
    }
    rows.loadedCount = list.loadedCount;
    return rows;
}

NumberedList FromNumberedRows(const ListState &rows, int capacity) {
    NumberedList list;
    list.capacity = capacity;
    for (const ListRow &row : rows.rows)
        list.Append(row.cells.at(0), static_cast<int>(row.origin));
    list.loadedCount = rows.loadedCount;
    return list;
}

std::uint8_t Renumbered(std::uint8_t reference, const std::map<int, int> &renumbering,
                        int loadedCount) {
    if (reference < 1 || reference > loadedCount)
        return reference; // it named no entry of the loaded list
    const auto it = renumbering.find(reference);
    return it == renumbering.end() ? 0 : static_cast<std::uint8_t>(it->second);
}

} // namespace dpmr
