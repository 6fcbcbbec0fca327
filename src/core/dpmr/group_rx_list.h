#pragma once
// One group receive list as the "Group rx" page edits it: its members and the group-call
// contacts still available, each a contact number with its name. Selections are row indices
// in ascending order.

#include "core/fields/list_table.h"
#include "core/image/image.h"

#include <string>
#include <vector>

namespace dpmr {

inline constexpr int kGroupRxMaxMembers = 8;

struct GroupRxEntry {
    std::string name;
    int contact; // 1-64
    bool operator==(const GroupRxEntry &) const = default;
};

struct GroupRxList {
    std::vector<GroupRxEntry> members;
    std::vector<GroupRxEntry> available;
};

GroupRxList LoadGroupRxList(const Image &image, int list);
// Members that are no longer group-call contacts in the image are left out, so a list loaded
// before a contact was deleted cannot bring it back.
void StoreGroupRxList(Image &image, int list, const GroupRxList &entries);

// The 16 group receive lists as rows, columns "member_1".."member_8" holding member names
// (codes: their contact numbers); a member is chosen among the group-call contacts, and an
// emptied cell leaves the list.
extern const ListTable kGroupRxListTable;
// The group-call contacts in use, in list order, by name.
ChoiceList GroupCallContactChoices(const Image &image);

// "Add >>": the selected available entries move to the end of the members, up to 8 members.
// Returns the new selection of members.
std::vector<int> AddGroupRxMembers(GroupRxList &entries, const std::vector<int> &selected);
// "Del <<": the selected members move to the end of the available list. Returns the new
// selection there.
std::vector<int> RemoveGroupRxMembers(GroupRxList &entries, const std::vector<int> &selected);

bool CanMoveUp(const std::vector<int> &selected);
bool CanMoveDown(const std::vector<int> &selected, int count);
// Each selected member one place up (down); a selection already a block at that end stays.
// Returns the new selection.
std::vector<int> MoveMembersUp(std::vector<GroupRxEntry> &members, std::vector<int> selected);
std::vector<int> MoveMembersDown(std::vector<GroupRxEntry> &members, std::vector<int> selected);

} // namespace dpmr
