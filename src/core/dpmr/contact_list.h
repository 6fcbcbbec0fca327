#pragma once
// The contact list as the "Contact" page edits it: rows in list order over 64 fixed record
// slots. A contact keeps its slot for life, so references elsewhere in the image name it by
// slot number; storing clears references to contacts that are gone.

#include "core/fields/list_table.h"
#include "core/image/image.h"

#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

inline constexpr const char *kSingleCall = "Single call";
inline constexpr const char *kGroupCall = "Group call";
inline constexpr const char *kAllCall = "All call";

inline constexpr std::size_t kContactNumberDigits = 7;

struct ContactRow {
    std::string name;
    std::string number; // up to 7 digits
    std::string type;   // kSingleCall, kGroupCall or kAllCall
    std::size_t record; // image offset of its slot
};

struct ContactList {
    std::vector<ContactRow> rows;
    bool CanAdd() const { return rows.size() < 64; }
    bool CanDelete() const { return rows.size() >= 2; }
};

ContactList LoadContacts(const Image &image);

// A new contact "Name k" / 000000k in a free slot, written into the image at once; appended
// (before < 0 or past the end) or inserted before row `before`. The slot's old references are
// cleared first, so nothing that named an earlier contact of that slot names the new one.
// Returns the new row, or -1 when the list is full.
int AddContact(Image &image, ContactList &list, int before = -1);
// Frees the row's slot and clears every reference to it. False when it may not act.
bool DeleteContact(Image &image, ContactList &list, int row);

// Cell edits: false (the cell keeps its text) for an empty or duplicate name, an empty or
// duplicate number, or an unknown type. A number is padded to 7 digits.
bool RenameContact(ContactList &list, int row, std::string_view name);
bool SetContactNumber(ContactList &list, int row, std::string_view number);
bool SetContactType(ContactList &list, int row, std::string_view type);

// Sorts the rows by name (byte order), writes the index and the records, then clears
// references to contacts no longer kept and purges the group receive lists.
void StoreContacts(Image &image, ContactList &list);

// "Single call", "Group call", "All call" as a type cell offers them.
ChoiceList ContactTypeChoices(const Image &image);

// The "Contact" list: columns "name", "number", "type"; a row's origin is its record.
extern const ListTable kContactList;

// Every channel, the VFO, one-key entry and group list member that names the contact stops
// naming it.
void ClearContactReferences(Image &image, int contact);

} // namespace dpmr
