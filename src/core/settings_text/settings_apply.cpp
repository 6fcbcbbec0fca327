#include "core/settings_text/settings_apply.h"

#include "core/app/page_registry.h"
#include "core/dpmr/contact_list.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/messages.h"
#include "core/image/band_limits.h"
#include "core/image/derived_data.h"
#include "core/image/memory_map.h"
#include "core/settings_text/rule_text.h"
#include "core/settings_text/setting_list.h"

#include <charconv>
#include <map>
#include <set>

namespace dpmr {

namespace {

struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(const SettingChange &change, const std::string &why) {
    throw Refusal{change.where + ", " + change.path + ": " + why};
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

bool PutList(Sorted &sorted, const SettingChange &change) {
    for (const char *list : {kContactsSection, kMessagesSection, kKeysSection}) {
        const std::string prefix = std::string(list) + ".";
        if (!change.path.starts_with(prefix))
            continue;
        std::string_view rest = std::string_view(change.path).substr(prefix.size());
        const int row = LeadingNumber(rest);
        const bool contact = list == kContactsSection;
        if (row < 1 || row > (contact ? 64 : 16))
            Refuse(change, std::string("no row of ") + list + " by that number (1.." +
                               (contact ? "64" : "16") + ")");
        if (contact ? rest != "name" && rest != "number" && rest != "type" : rest != "text")
            Refuse(change, "unknown field");
        sorted.lists[list][row][std::string(rest)] = &change;
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
    std::vector<bool> given(texts.size(), false);
    for (const auto &[field, change] : fields) {
        const auto i = static_cast<std::size_t>(field);
        given[i] = true;
        if (change->text == loaded[i])
            continue; // what the record shows now, whatever the rule would say of it
        if (const std::string why = RejectText(page.fields[i].rule, image, change->text);
            !why.empty())
            Refuse(*change, Quoted(change->text) + ": " + why);
        texts[i] = change->text;
    }
    if (texts == loaded)
        return;
    if (page.commit) {
        page.commit({image, band}, record, loaded, given, texts);
        if (texts == loaded)
            return;
    }
    StorePage(page, image, band, record, texts);
    changed = true;
}

// Rows 1..n given in full: no gap, and each new row names every column it needs.
void CheckRows(const std::map<int, Columns> &rows) {
    int expected = 1;
    for (const auto &[row, columns] : rows) {
        if (row != expected)
            Refuse(*columns.begin()->second,
                   "rows must run 1.." + std::to_string(rows.size()) + " without a gap");
        ++expected;
    }
}

void ApplyContacts(Image &image, const std::map<int, Columns> &rows, bool &changed) {
    CheckRows(rows);
    ContactList list = LoadContacts(image);
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
            if (change->text == now)
                continue;
            // The slot holds 8 characters: a longer name would be cut into another's.
            if (column == "name" && change->text.size() > kContactNameLength)
                Refuse(*change, Quoted(change->text) + ": longer than " +
                                    std::to_string(kContactNameLength) + " characters");
            const bool ok = column == "name"     ? RenameContact(list, r, change->text)
                            : column == "number" ? SetContactNumber(list, r, change->text)
                                                 : SetContactType(list, r, change->text);
            if (!ok)
                Refuse(*change, Quoted(change->text) + ": refused (empty, taken or not " +
                                    (column == "type" ? "a call type)" : "allowed)"));
        }
    }
    while (list.rows.size() > rows.size())
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

template <typename Edit, typename Store>
void ApplyNumbered(Image &image, NumberedList list, const std::map<int, Columns> &rows, Edit edit,
                   Store store, bool &changed) {
    CheckRows(rows);
    const std::vector<std::string> before = list.texts;
    for (const auto &[row, columns] : rows) {
        const SettingChange &change = *columns.at("text");
        const int r = row - 1;
        if (r < list.size() && list.texts[static_cast<std::size_t>(r)] == change.text)
            continue;
        if (r >= list.size())
            list.Append(change.text);
        std::string text = change.text;
        if (!edit(list, r, text) || text != change.text)
            Refuse(change, Quoted(change.text) + ": " + (text.empty() ? "empty" : "not allowed"));
    }
    while (list.size() > static_cast<int>(rows.size()))
        list.Erase(list.size() - 1);
    if (list.texts == before)
        return;
    store(image, list);
    changed = true;
}

} // namespace

ApplyResult ApplySettings(Image &image, const std::vector<SettingChange> &changes) {
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
        if (sorted.lists.contains(kContactsSection))
            ApplyContacts(work, sorted.lists[kContactsSection], result.changed);
        if (sorted.lists.contains(kKeysSection))
            ApplyNumbered(work, LoadKeys(work), sorted.lists[kKeysSection], EditKey, StoreKeys,
                          result.changed);
        if (sorted.lists.contains(kMessagesSection))
            ApplyNumbered(work, LoadMessages(work), sorted.lists[kMessagesSection], EditMessage,
                          StoreMessages, result.changed);
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
