#pragma once
// Every setting of a code plug as a flat, ordered list of named shown values: one section per
// editor page and record, then the lists (contacts, messages, keys, group receive lists). dump,
// get and diff read it;
// the names are the page tables' own, so a new registered page appears without code here.

#include "core/fields/page_table.h"
#include "core/image/image.h"

#include <string>
#include <vector>

namespace dpmr {

struct Setting {
    std::string section;   // "basic", "channel.5", "dpmr.contacts.2"
    std::string key;       // "squelch", "rx_freq", "name"
    std::string text;      // the shown value
    const FieldRule *rule; // nullptr for a list column
    std::string Path() const { return section + "." + key; }
};

// The value as dump writes it, unquoted: a check as true or false, anything else its text.
std::string ValueText(const Setting &setting);
// What a check given by name means: true/false (as dump writes it) or 1/0, as "1"/"0".
// Other texts come back as they are.
std::string CheckFromText(std::string_view text);

// The lists that are not page tables, in this order; each row is a section "<name>.<row>".
inline constexpr const char *kContactsSection = "dpmr.contacts";
inline constexpr const char *kMessagesSection = "dpmr.messages";
inline constexpr const char *kKeysSection = "dpmr.keys";
// A group receive list in use is a section "dpmr.group_rx.<list>" of its members by name,
// "member_1" to "member_8".
inline constexpr const char *kGroupRxSection = "dpmr.group_rx";
std::string GroupRxMemberKey(int position); // 1-8

// Pages in registry order, records in order; a record of a many-record page whose every
// field shows empty (an unused channel) is left out.
std::vector<Setting> ReadSettings(const Image &image);

// "channel.5" for record 5 of a many-record page, the page's name otherwise.
std::string SectionName(const PageTable &page, int record);
bool IsManyRecordPage(const PageTable &page);

} // namespace dpmr

namespace dpmr {

struct SettingDifference {
    std::string path;
    std::string a, b; // "" where one side has no such setting (an unused channel)
};
// In the order of `a`, then what only `b` has.
std::vector<SettingDifference> DiffSettings(const std::vector<Setting> &a,
                                            const std::vector<Setting> &b);

} // namespace dpmr
