#include "core/settings_text/settings_apply.h"

#include "core/app/list_registry.h"
#include "core/app/page_registry.h"
#include "core/channels/contact_index.h"
#include "core/dpmr/contact_list.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_rx_list.h"
#include "core/dpmr/messages.h"
#include "core/image/band_limits.h"
#include "core/image/derived_data.h"
#include "core/image/memory_map.h"
#include "core/image/record_layouts.h"
#include "core/image/text.h"
#include "core/settings_text/rule_text.h"
#include "core/settings_text/setting_list.h"
#include "core/text/message_text.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

namespace dpmr {

namespace {

struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(const SettingChange &change, const std::string &why) {
    throw Refusal{change.where + ", " + EscapedText(change.path) + ": " + why};
}

// The number at the front of `rest` ("5.rx_freq" gives 5 and "rx_freq"); 0 when none.
int LeadingNumber(std::string_view &rest) {
    const auto dot = rest.find('.');
    const std::string_view digits = rest.substr(0, dot);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || dot == rest.npos)
        return 0;
    rest.remove_prefix(dot + 1);
    return value;
}

// Changes sorted by what they change: a page record's fields, or a list's rows and columns.
using Columns = std::map<std::string, const SettingChange *>;
struct Sorted {
    std::map<std::pair<std::size_t, int>, std::map<int, const SettingChange *>> records;
    std::map<std::string, std::map<int, Columns>> lists;
};

// "dpmr.group_rx.3.member_2" goes under list 3, position 2.
bool PutGroupRx(Sorted &sorted, const SettingChange &change) {
    const std::string prefix = std::string(kGroupRxSection) + ".";
    if (!change.path.starts_with(prefix))
        return false;
    std::string_view rest = std::string_view(change.path).substr(prefix.size());
    const int list = LeadingNumber(rest);
    if (list < 1 || list > kGroupListCount)
        Refuse(change,
               "no group receive list by that number (1.." + std::to_string(kGroupListCount) + ")");
    int position = 1;
    while (position <= kGroupRxMaxMembers && rest != GroupRxMemberKey(position))
        ++position;
    if (position > kGroupRxMaxMembers)
        Refuse(change,
               "unknown field (member_1..member_" + std::to_string(kGroupRxMaxMembers) + ")");
    sorted.lists[kGroupRxSection][list][std::string(rest)] = &change;
    return true;
}

bool PutList(Sorted &sorted, const SettingChange &change) {
    if (PutGroupRx(sorted, change))
        return true;
    for (const ListTable *table : ListRegistry()) {
        if (table->records)
            continue; // applied as its page
        const std::string prefix = std::string(table->name) + ".";
        if (!change.path.starts_with(prefix))
            continue;
        std::string_view rest = std::string_view(change.path).substr(prefix.size());
        const int row = LeadingNumber(rest);
        if (row < 1 || row > table->capacity)
            Refuse(change, std::string("no row of ") + table->name + " by that number (1.." +
                               std::to_string(table->capacity) + ")");
        if (ColumnIndex(*table, rest) < 0)
            Refuse(change, "unknown field");
        sorted.lists[table->name][row][std::string(rest)] = &change;
        return true;
    }
    return false;
}

void PutPage(Sorted &sorted, const SettingChange &change) {
    const auto &pages = PageRegistry();
    std::size_t best = pages.size();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string prefix = std::string(pages[i]->name) + ".";
        if (change.path.starts_with(prefix) &&
            (best == pages.size() || prefix.size() > std::string_view(pages[best]->name).size()))
            best = i;
    }
    if (best == pages.size())
        Refuse(change, "unknown section");
    const PageTable &page = *pages[best];
    std::string_view rest =
        std::string_view(change.path).substr(std::string_view(page.name).size() + 1);
    int record = page.firstRecord;
    if (IsManyRecordPage(page)) {
        record = LeadingNumber(rest);
        if (record < page.firstRecord || record > page.lastRecord)
            Refuse(change, std::string("no ") + page.name + " by that number (" +
                               std::to_string(page.firstRecord) + ".." +
                               std::to_string(page.lastRecord) + ")");
    }
    const int field = FieldIndex(page.fields, rest);
    if (field < 0 || !page.fields[static_cast<std::size_t>(field)].base(record))
        Refuse(change, "unknown field");
    sorted.records[{best, record}][field] = &change;
}

void ApplyRecord(Image &image, const PageTable &page, int record,
                 const std::map<int, const SettingChange *> &fields, bool &changed) {
    const BandLimits band = DecodeBandLimits(image);
    const FieldTexts loaded = LoadPage(page, {image, band}, record);
    FieldTexts texts = loaded;
    BatchEdit edit{loaded, std::vector<bool>(texts.size(), false)};
    for (const auto &[field, change] : fields) {
        const auto i = static_cast<std::size_t>(field);
        edit.given[i] = true;
        const FieldRule &rule = page.fields[i].rule;
        const std::string text =
            rule.kind == RuleKind::Check ? CheckFromText(change->text) : change->text;
        if (text == loaded[i])
            continue; // what the record shows now, whatever the rule would say of it
        if (const std::string why = RejectText(rule, image, text); !why.empty())
            Refuse(*change, Quoted(change->text) + ": " + why);
        texts[i] = text;
    }
    if (texts == loaded)
        return;
    if (page.commit) {
        page.commit({image, band}, record, edit, texts);
        if (texts == loaded)
            return;
    }
    StorePage(page, image, band, record, texts);
    changed = true;
}

// Whole: rows 1..n without a gap. Edit: rows up to `size` and any after it in a run from
// size + 1.
void CheckRows(const std::map<int, Columns> &rows, ListRows mode, std::size_t size) {
    int expected = mode == ListRows::Whole ? 1 : static_cast<int>(size) + 1;
    for (const auto &[row, columns] : rows) {
        if (mode == ListRows::Edit && row < expected)
            continue;
        if (row != expected)
            Refuse(*columns.begin()->second,
                   mode == ListRows::Whole
                       ? "rows must run 1.." + std::to_string(rows.size()) + " without a gap"
                       : "no row " + std::to_string(row) + " yet; the next new row is " +
                             std::to_string(expected));
        ++expected;
    }
}

void ApplyContacts(Image &image, const std::map<int, Columns> &rows, ListRows mode, bool &changed) {
    ContactList list = LoadContacts(image);
    CheckRows(rows, mode, list.rows.size());
    const ContactList before = list;
    for (const auto &[row, columns] : rows) {
        const int r = row - 1;
        if (r >= static_cast<int>(list.rows.size()) && AddContact(image, list) < 0)
            Refuse(*columns.begin()->second, "the contact list is full");
        for (const auto &[column, change] : columns) {
            ContactRow &contact = list.rows[static_cast<std::size_t>(r)];
            const std::string &now = column == "name"     ? contact.name
                                     : column == "number" ? contact.number
                                                          : contact.type;
            // A number is compared as the row stores it: "5" is contact 0000005's own.
            const std::string given = column == "number"
                                          ? PadText(change->text, '0', kContactNumberDigits, true)
                                          : change->text;
            if (given == now)
                continue;
            // The slot holds 8 characters: a longer name would be cut into another's.
            if (column == "name" && change->text.size() > kContactNameLength)
                Refuse(*change, Quoted(change->text) + ": longer than " +
                                    std::to_string(kContactNameLength) + " characters");
            // The record keeps a name up to its first unprintable character and a number up to
            // its first non-digit: anything else would not read back as given.
            if (column == "name" && !std::all_of(change->text.begin(), change->text.end(),
                                                 [](char c) { return c >= 0x20 && c <= 0x7E; }))
                Refuse(*change, Quoted(change->text) + ": not printable ASCII");
            if (column == "number" &&
                change->text.find_first_not_of(kDigitChars) != std::string::npos)
                Refuse(*change, Quoted(change->text) + ": not digits");
            const bool ok = column == "name"     ? RenameContact(list, r, change->text)
                            : column == "number" ? SetContactNumber(list, r, change->text)
                                                 : SetContactType(list, r, change->text);
            if (!ok)
                Refuse(*change, Quoted(change->text) + ": refused (empty, taken or not " +
                                    (column == "type" ? "a call type)" : "allowed)"));
        }
    }
    while (mode == ListRows::Whole && list.rows.size() > rows.size())
        if (!DeleteContact(image, list, static_cast<int>(list.rows.size()) - 1))
            Refuse(*rows.begin()->second.begin()->second, "a contact list keeps one contact");
    bool same = list.rows.size() == before.rows.size();
    for (std::size_t i = 0; same && i < list.rows.size(); ++i)
        same = list.rows[i].name == before.rows[i].name &&
               list.rows[i].number == before.rows[i].number &&
               list.rows[i].type == before.rows[i].type;
    if (same)
        return;
    StoreContacts(image, list);
    changed = true;
}

// A list whose cells are taken as given or not at all: a row left out of a whole list is
// deleted, a row past the end is added.
void ApplyList(Image &image, const ListTable &table, const std::map<int, Columns> &rows,
               ListRows mode, bool &changed) {
    const FieldContext context{image, DecodeBandLimits(image)};
    ListState list = LoadList(table, context);
    CheckRows(rows, mode, list.rows.size());
    const auto cells = [](const ListState &state) {
        std::vector<FieldTexts> all;
        for (const ListRow &row : state.rows)
            all.push_back(row.cells);
        return all;
    };
    const std::vector<FieldTexts> before = cells(list);
    for (const auto &[row, columns] : rows) {
        const int r = row - 1;
        for (const auto &[column, change] : columns) {
            const int c = ColumnIndex(table, column);
            if (r < list.size() && list.rows[static_cast<std::size_t>(r)].cells.at(
                                       static_cast<std::size_t>(c)) == change->text)
                continue;
            if (r >= list.size() && InsertRow(table, image, list) < 0)
                Refuse(*change, std::string("the list is full"));
            CellEdit edit{change->text};
            if (!EditCell(table, context, list, r, c, edit) || edit.text != change->text)
                Refuse(*change,
                       Quoted(change->text) + ": " + (edit.text.empty() ? "empty" : "not allowed"));
        }
    }
    while (mode == ListRows::Whole && list.size() > static_cast<int>(rows.size()))
        list.rows.pop_back();
    if (cells(list) == before)
        return;
    StoreList(table, image, context.band, list);
    changed = true;
}

// Whole: each list given is its whole member list, member_1..member_m by name, and a lone empty
// member_1 empties it. Edit: the members given replace those positions or follow the last, and
// an empty one leaves. Only group-call contacts in use can be members, each once.
void ApplyGroupLists(Image &image, const std::map<int, Columns> &lists, ListRows mode,
                     bool &changed) {
    // A member as the list will hold it: kept from the list as it was, or named by a change.
    struct Member {
        GroupRxEntry entry;
        const SettingChange *given = nullptr;
    };
    for (const auto &[list, columns] : lists) {
        const std::vector<GroupRxEntry> now = LoadGroupRxList(image, list).members;
        std::map<int, Columns> positions;
        for (const auto &[key, change] : columns)
            positions[std::stoi(key.substr(key.find('_') + 1))][key] = change;
        CheckRows(positions, mode, now.size());
        std::vector<Member> wanted;
        if (mode == ListRows::Edit)
            for (const GroupRxEntry &entry : now)
                wanted.push_back({entry});
        for (const auto &[position, change] : positions) {
            const auto at = static_cast<std::size_t>(position - 1);
            if (at >= wanted.size())
                wanted.resize(at + 1);
            wanted[at] = {{change.begin()->second->text, 0}, change.begin()->second};
        }
        bool same = wanted.size() == now.size();
        for (std::size_t m = 0; same && m < now.size(); ++m)
            same = wanted[m].entry.name == now[m].name;
        if (same)
            continue; // what the list shows now, whatever it holds
        if (mode == ListRows::Whole && wanted.size() == 1 && wanted[0].entry.name.empty())
            wanted.clear();
        if (mode == ListRows::Edit)
            std::erase_if(wanted, [](const Member &m) { return m.given && m.entry.name.empty(); });
        GroupRxList next;
        for (Member &member : wanted) {
            if (member.given) {
                for (std::size_t record : ContactIndexEntries(image))
                    if (IsGroupCallContact(image, ContactSlot(record)) &&
                        ReadString(image, record, contact_layout::kName) == member.entry.name)
                        member.entry.contact = ContactSlot(record);
                if (member.entry.contact == 0)
                    Refuse(*member.given,
                           Quoted(member.entry.name) + ": no group-call contact by that name");
                for (const GroupRxEntry &other : next.members)
                    if (other.contact == member.entry.contact)
                        Refuse(*member.given, Quoted(member.entry.name) + ": a member already");
            }
            next.members.push_back(member.entry);
        }
        StoreGroupRxList(image, list, next);
        changed = true;
    }
}

} // namespace

ApplyResult ApplySettings(Image &image, const std::vector<SettingChange> &changes, ListRows rows) {
    Image work = image;
    ApplyResult result;
    try {
        Sorted sorted;
        std::set<std::string> seen;
        for (const SettingChange &change : changes) {
            if (!seen.insert(change.path).second)
                Refuse(change, "given twice");
            if (!PutList(sorted, change))
                PutPage(sorted, change);
        }
        // Lists first, so that the pages may name a contact or key the same changes add.
        for (const ListTable *table : ListRegistry()) {
            const auto given = sorted.lists.find(table->name);
            if (given == sorted.lists.end())
                continue;
            // Contacts keep their slots and names their own checks; group lists name their
            // members by contact name, after the contacts, so that a list may name a contact
            // the same changes add.
            if (table == &kContactList)
                ApplyContacts(work, given->second, rows, result.changed);
            else if (table == &kGroupRxListTable)
                ApplyGroupLists(work, given->second, rows, result.changed);
            else
                ApplyList(work, *table, given->second, rows, result.changed);
        }
        for (const auto &[key, fields] : sorted.records)
            ApplyRecord(work, *PageRegistry()[key.first], key.second, fields, result.changed);
    } catch (const Refusal &refusal) {
        return {.ok = false, .changed = false, .message = refusal.message};
    }
    if (result.changed) {
        RefreshDerivedData(work, DecodeBandLimits(work));
        image = work;
    }
    return result;
}

} // namespace dpmr
