#include "core/dpmr/group_rx_list.h"

#include "core/channels/contact_index.h"
#include "core/fields/rule_builders.h"
#include "core/image/record_layouts.h"

#include <algorithm>
#include <array>

namespace dpmr {

namespace {

std::string ContactName(const Image &image, int contact) {
    return ReadString(image, ContactRecordOffset(contact), contact_layout::kName);
}

// Only indices inside the list, each once, ascending.
std::vector<int> Clean(std::vector<int> selected, std::size_t count) {
    std::erase_if(selected, [&](int i) { return i < 0 || i >= static_cast<int>(count); });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

ListRow GroupRow(const std::vector<GroupRxEntry> &members) {
    ListRow row;
    for (std::size_t m = 0; m < static_cast<std::size_t>(kGroupRxMaxMembers); ++m) {
        row.cells.push_back(m < members.size() ? members[m].name : std::string());
        row.codes.push_back(m < members.size() ? static_cast<std::uint64_t>(members[m].contact)
                                               : 0);
    }
    return row;
}

std::vector<GroupRxEntry> MembersOf(const ListRow &row) {
    std::vector<GroupRxEntry> members;
    for (std::size_t m = 0; m < row.codes.size(); ++m)
        if (row.codes[m] != 0)
            members.push_back({row.cells.at(m), static_cast<int>(row.codes[m])});
    return members;
}

ListState LoadGroupRows(const FieldContext &context) {
    ListState rows;
    for (int list = 1; list <= kGroupListCount; ++list)
        rows.rows.push_back(GroupRow(LoadGroupRxList(context.image, list).members));
    return rows;
}

void StoreGroupRows(Image &image, const BandLimits &, const ListState &rows) {
    for (int list = 1; list <= kGroupListCount && list <= rows.size(); ++list)
        StoreGroupRxList(image, list,
                         {MembersOf(rows.rows[static_cast<std::size_t>(list - 1)]), {}});
}

// A member chosen from the list or named by text; an empty cell leaves. A contact is a member
// once.
bool EditGroupRow(const FieldContext &context, ListState &rows, int row, int column,
                  CellEdit &edit) {
    ListRow &r = rows.rows.at(static_cast<std::size_t>(row));
    std::vector<GroupRxEntry> members = MembersOf(r);
    const auto at = static_cast<std::size_t>(column);
    const ChoiceList choices = GroupCallContactChoices(context.image);
    const ChoiceItem *chosen = nullptr;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (edit.chosen >= 0 ? static_cast<int>(i) == edit.chosen : choices[i].text == edit.text)
            chosen = &choices[i];
    if (!edit.text.empty() && !chosen)
        return false;
    if (chosen && std::any_of(members.begin(), members.end(), [&](const GroupRxEntry &e) {
            return e.contact == static_cast<int>(chosen->code) && e.name != r.cells.at(at);
        }))
        return false;
    const GroupRxEntry entry =
        chosen ? GroupRxEntry{chosen->text, static_cast<int>(chosen->code)} : GroupRxEntry{};
    if (at < members.size()) {
        if (chosen)
            members[at] = entry;
        else
            members.erase(members.begin() + static_cast<std::ptrdiff_t>(at));
    } else if (chosen) {
        members.push_back(entry);
    }
    r = GroupRow(members);
    edit.text = r.cells.at(at);
    return true;
}

ChoiceList GroupCellChoices(const Image &image, const ListRow &, int) {
    return GroupCallContactChoices(image);
}

constexpr FieldRule MemberRule() {
    return ChoiceRule(GroupCallContactChoices, kNoSelection, 0);
}

constexpr std::array<ListColumn, kGroupRxMaxMembers> kMemberColumns{{
    {"member_1", "1", 1200, MemberRule()},
    {"member_2", "2", 1200, MemberRule()},
    {"member_3", "3", 1200, MemberRule()},
    {"member_4", "4", 1200, MemberRule()},
    {"member_5", "5", 1200, MemberRule()},
    {"member_6", "6", 1200, MemberRule()},
    {"member_7", "7", 1200, MemberRule()},
    {"member_8", "8", 1200, MemberRule()},
}};

} // namespace

const ListTable kGroupRxListTable{.name = "dpmr.group_rx",
                                  .accessibleName = "Group lists",
                                  .columns = kMemberColumns,
                                  .capacity = kGroupListCount,
                                  .fixedRows = true,
                                  .load = LoadGroupRows,
                                  .store = StoreGroupRows,
                                  .edit = EditGroupRow,
                                  .choicesFor = GroupCellChoices};

ChoiceList GroupCallContactChoices(const Image &image) {
    ChoiceList choices;
    for (std::size_t record : ContactIndexEntries(image))
        if (IsGroupCallContact(image, ContactSlot(record)))
            choices.push_back({ContactName(image, ContactSlot(record)),
                               static_cast<std::uint64_t>(ContactSlot(record))});
    return choices;
}

GroupRxList LoadGroupRxList(const Image &image, int list) {
    GroupRxList entries;
    for (std::uint8_t member : GroupListMembers(image, list))
        if (member <= kContactCount)
            entries.members.push_back({ContactName(image, member), member});
    for (std::size_t record : ContactIndexEntries(image)) {
        const int contact = ContactSlot(record);
        const bool member =
            std::any_of(entries.members.begin(), entries.members.end(),
                        [&](const GroupRxEntry &e) { return e.contact == contact; });
        if (!member && IsGroupCallContact(image, contact))
            entries.available.push_back({ContactName(image, contact), contact});
    }
    return entries;
}

void StoreGroupRxList(Image &image, int list, const GroupRxList &entries) {
    std::vector<std::uint8_t> members;
    for (const GroupRxEntry &e : entries.members)
        if (IsGroupCallContact(image, e.contact) && members.size() < kGroupListSize)
            members.push_back(static_cast<std::uint8_t>(e.contact));
    WriteGroupList(image, list, members);
}

std::vector<int> AddGroupRxMembers(GroupRxList &entries, const std::vector<int> &selected) {
    std::vector<int> moved;
    std::vector<int> picks = Clean(selected, entries.available.size());
    std::vector<int> taken;
    for (int i : picks) {
        if (static_cast<int>(entries.members.size()) >= kGroupRxMaxMembers)
            break;
        moved.push_back(static_cast<int>(entries.members.size()));
        entries.members.push_back(entries.available[static_cast<std::size_t>(i)]);
        taken.push_back(i);
    }
    for (auto it = taken.rbegin(); it != taken.rend(); ++it)
        entries.available.erase(entries.available.begin() + *it);
    return moved;
}

std::vector<int> RemoveGroupRxMembers(GroupRxList &entries, const std::vector<int> &selected) {
    std::vector<int> picks = Clean(selected, entries.members.size());
    std::vector<int> moved;
    for (auto it = picks.rbegin(); it != picks.rend(); ++it) {
        moved.push_back(static_cast<int>(entries.available.size()));
        entries.available.push_back(entries.members[static_cast<std::size_t>(*it)]);
        entries.members.erase(entries.members.begin() + *it);
    }
    return moved;
}

bool CanMoveUp(const std::vector<int> &selected) {
    return !selected.empty() && selected.back() != static_cast<int>(selected.size()) - 1;
}

bool CanMoveDown(const std::vector<int> &selected, int count) {
    return !selected.empty() && selected.front() != count - static_cast<int>(selected.size());
}

std::vector<int> MoveMembersUp(std::vector<GroupRxEntry> &members, std::vector<int> selected) {
    selected = Clean(std::move(selected), members.size());
    if (!CanMoveUp(selected))
        return selected;
    // Members already at the top stay; the others move past an unselected neighbour.
    int floor = 0;
    for (int &i : selected) {
        if (i == floor) {
            ++floor;
            continue;
        }
        std::swap(members[static_cast<std::size_t>(i)], members[static_cast<std::size_t>(i - 1)]);
        --i;
        floor = i + 1;
    }
    return selected;
}

std::vector<int> MoveMembersDown(std::vector<GroupRxEntry> &members, std::vector<int> selected) {
    selected = Clean(std::move(selected), members.size());
    const int count = static_cast<int>(members.size());
    if (!CanMoveDown(selected, count))
        return selected;
    int ceiling = count - 1;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        int &i = *it;
        if (i == ceiling) {
            --ceiling;
            continue;
        }
        std::swap(members[static_cast<std::size_t>(i)], members[static_cast<std::size_t>(i + 1)]);
        ++i;
        ceiling = i - 1;
    }
    return selected;
}

} // namespace dpmr
