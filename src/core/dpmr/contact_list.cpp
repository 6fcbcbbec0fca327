#include "core/dpmr/contact_list.h"

#include "core/channels/contact_index.h"
#include "core/fields/rule_builders.h"
#include "core/image/record_layouts.h"
#include "core/image/text.h"

#include <algorithm>
#include <array>

namespace dpmr {

namespace {

constexpr std::uint8_t kNoOneKeyContact = 0;
constexpr std::size_t kNumberDigits = kContactNumberDigits;

std::size_t ContactByte(int channel) {
    return ChannelRecordAt(channel) + channel_layout::kContact.offset;
}
bool IsDigitalCallEntry(const Image &image, int e) {
    return image[OneKeyEntryOffset(e) + one_key_layout::kCallType.offset] ==
           one_key_layout::kDigitalCall;
}

std::string ReadType(const Image &image, std::size_t record) {
    // Bit 1 is what storing "All call" leaves: it loads back as "All call".
    if (ReadNumber(image, record, contact_layout::kAllCall) != 0)
        return kAllCall;
    return ReadNumber(image, record, contact_layout::kGroupCall) != 0 ? kGroupCall : kSingleCall;
}

void WriteType(Image &image, std::size_t record, std::string_view type) {
    if (type == kAllCall) {
        WriteNumber(image, record, contact_layout::kAllCall, 1);
        return;
    }
    if (type != kSingleCall && type != kGroupCall)
        return;
    WriteNumber(image, record, contact_layout::kAllCall, 0);
    WriteNumber(image, record, contact_layout::kGroupCall, type == kGroupCall ? 1 : 0);
}

// Padded to 7 characters, digits up to the first that is none.
std::string StoredNumber(std::string_view number) {
    std::string padded = PadText(number, '0', kNumberDigits, true);
    const auto end =
        std::find_if(padded.begin(), padded.end(), [](char c) { return c < '0' || c > '9'; });
    padded.erase(end, padded.end());
    return padded;
}

void WriteRecord(Image &image, const ContactRow &row) {
    image.Fill(row.record, kContactFlags, 0xFF);
    image.Fill(row.record + kContactName, kContactNameLength, 0xFF);
    WriteString(image, row.record, contact_layout::kName, row.name);
    WriteString(image, row.record, contact_layout::kNumber, StoredNumber(row.number));
    WriteType(image, row.record, row.type);
}

template <typename Member> bool Taken(const ContactList &list, Member member, std::string_view v) {
    return std::any_of(list.rows.begin(), list.rows.end(),
                       [&](const ContactRow &row) { return row.*member == v; });
}

bool ValidRow(const ContactList &list, int row) {
    return row >= 0 && row < static_cast<int>(list.rows.size());
}

ListState ContactRows(const ContactList &list) {
    ListState rows;
    for (const ContactRow &row : list.rows)
        rows.rows.push_back({{row.name, row.number, row.type}, {}, row.record});
    return rows;
}

ContactList FromContactRows(const ListState &rows) {
    ContactList list;
    for (const ListRow &row : rows.rows)
        list.rows.push_back({row.cells.at(0), row.cells.at(1), row.cells.at(2), row.origin});
    return list;
}

enum ContactColumn { kNameColumn, kNumberColumn, kTypeColumn };

constexpr FieldRule NameRule() {
    FieldRule rule{.kind = RuleKind::Text};
    rule.maxLength = static_cast<int>(kContactNameLength);
    return rule;
}

constexpr FieldRule NumberRule() {
    FieldRule rule{.kind = RuleKind::Digits};
    rule.charset = kDigitChars;
    rule.maxLength = static_cast<int>(kContactNumberDigits);
    return rule;
}

ListState LoadContactRows(const FieldContext &context) {
    return ContactRows(LoadContacts(context.image));
}

void StoreContactRows(Image &image, const BandLimits &, const ListState &rows) {
    ContactList list = FromContactRows(rows);
    StoreContacts(image, list);
}

int InsertContactRow(Image &image, ListState &rows, int before) {
    ContactList list = FromContactRows(rows);
    const int row = AddContact(image, list, before);
    const int loaded = rows.loadedCount;
    rows = ContactRows(list);
    rows.loadedCount = loaded;
    return row;
}

bool EraseContactRow(Image &image, ListState &rows, int row) {
    ContactList list = FromContactRows(rows);
    if (!DeleteContact(image, list, row))
        return false;
    rows.rows.erase(rows.rows.begin() + row);
    return true;
}

bool EditContactRow(const FieldContext &, ListState &rows, int row, int column, CellEdit &edit) {
    if (column == kNameColumn || column == kNumberColumn)
        edit.text = FilterTyped(column == kNameColumn ? NameRule() : NumberRule(), edit.text);
    ContactList list = FromContactRows(rows);
    const bool accepted = column == kNameColumn     ? RenameContact(list, row, edit.text)
                          : column == kNumberColumn ? SetContactNumber(list, row, edit.text)
                          : column == kTypeColumn   ? SetContactType(list, row, edit.text)
                                                    : false;
    if (!accepted)
        return false;
    const ContactRow &changed = list.rows[static_cast<std::size_t>(row)];
    rows.rows[static_cast<std::size_t>(row)].cells = {changed.name, changed.number, changed.type};
    edit.text = rows.rows[static_cast<std::size_t>(row)].cells.at(static_cast<std::size_t>(column));
    return true;
}

constexpr std::array<ListColumn, 3> kContactColumns{{
    {"name", "Name", 1200, NameRule()},
    {"number", "Number", 1200, NumberRule()},
    {"type", "Type", 1200, ChoiceRule(ContactTypeChoices, kNoSelection, 0)},
}};

} // namespace

ChoiceList ContactTypeChoices(const Image &) {
    return {{kSingleCall, 0}, {kGroupCall, 1}, {kAllCall, 2}};
}

const ListTable kContactList{.name = "dpmr.contacts",
                             .accessibleName = "Contacts",
                             .columns = kContactColumns,
                             .capacity = kContactCount,
                             .keepRows = 1,
                             .load = LoadContactRows,
                             .store = StoreContactRows,
                             .insert = InsertContactRow,
                             .erase = EraseContactRow,
                             .edit = EditContactRow};

ContactList LoadContacts(const Image &image) {
    ContactList list;
    for (std::size_t record : ContactIndexEntries(image))
        list.rows.push_back({ReadString(image, record, contact_layout::kName),
                             ReadString(image, record, contact_layout::kNumber),
                             ReadType(image, record), record});
    return list;
}

int AddContact(Image &image, ContactList &list, int before) {
    if (!list.CanAdd())
        return -1;
    int slot = 1;
    while (slot <= kContactCount && image[ContactRecordOffset(slot)] != 0xFF)
        ++slot;
    if (slot > kContactCount)
        return -1;
    std::vector<std::string> names, numbers;
    for (const ContactRow &row : list.rows) {
        names.push_back(row.name);
        numbers.push_back(row.number);
    }
    std::string number;
    for (int k = 1; k <= kContactCount && number.empty(); ++k)
        if (std::find(numbers.begin(), numbers.end(), IdText(k)) == numbers.end())
            number = IdText(k);
    ContactRow row{FirstFreeContactName(names), number, kGroupCall, ContactRecordOffset(slot)};
    // A free slot can still be named by a channel or list of a contact deleted earlier.
    ClearContactReferences(image, slot);
    WriteRecord(image, row);
    image[row.record + kContactFlags] = 0x01; // a group call, nothing else
    const int at = before < 0 || before >= static_cast<int>(list.rows.size())
                       ? static_cast<int>(list.rows.size())
                       : before;
    list.rows.insert(list.rows.begin() + at, row);
    return at;
}

bool DeleteContact(Image &image, ContactList &list, int row) {
    if (!list.CanDelete() || !ValidRow(list, row))
        return false;
    const std::size_t record = list.rows[static_cast<std::size_t>(row)].record;
    image.Fill(record, kContactRecordSize, 0xFF);
    ClearContactReferences(image, ContactSlot(record));
    list.rows.erase(list.rows.begin() + row);
    return true;
}

bool RenameContact(ContactList &list, int row, std::string_view name) {
    // Compare what the record will hold: two long names with one prefix are one name there.
    name = name.substr(0, kContactNameLength);
    if (!ValidRow(list, row) || name.empty() || Taken(list, &ContactRow::name, name))
        return false;
    list.rows[static_cast<std::size_t>(row)].name = std::string(name);
    return true;
}

bool SetContactNumber(ContactList &list, int row, std::string_view number) {
    if (!ValidRow(list, row) || number.empty())
        return false;
    const std::string padded = PadText(number, '0', kNumberDigits, true);
    if (Taken(list, &ContactRow::number, padded))
        return false;
    list.rows[static_cast<std::size_t>(row)].number = padded;
    return true;
}

bool SetContactType(ContactList &list, int row, std::string_view type) {
    if (!ValidRow(list, row) || (type != kSingleCall && type != kGroupCall && type != kAllCall))
        return false;
    list.rows[static_cast<std::size_t>(row)].type = std::string(type);
    return true;
}

void StoreContacts(Image &image, ContactList &list) {
    image.Fill(kContactIndex, 2 * static_cast<std::size_t>(kContactCount), 0xFF);
    std::stable_sort(list.rows.begin(), list.rows.end(),
                     [](const ContactRow &a, const ContactRow &b) { return a.name < b.name; });
    std::vector<bool> kept(kContactCount + 1, false);
    for (std::size_t r = 0; r < list.rows.size() && r < static_cast<std::size_t>(kContactCount);
         ++r) {
        const ContactRow &row = list.rows[r];
        image.SetU16le(kContactIndex + 2 * r, static_cast<std::uint16_t>(row.record));
        kept[static_cast<std::size_t>(ContactSlot(row.record))] = true;
        WriteRecord(image, row);
    }
    auto isKept = [&](int contact) {
        return contact >= 1 && contact <= kContactCount && kept[static_cast<std::size_t>(contact)];
    };
    for (int n = 1; n <= kVfoChannel; ++n)
        if (!isKept(image[ContactByte(n)]))
            image[ContactByte(n)] = kNoContact;
    for (int e = 1; e <= kOneKeyCount; ++e) {
        const int contact = image[OneKeyEntryOffset(e) + one_key_layout::kContact.offset];
        if (IsDigitalCallEntry(image, e) && contact >= 1 && contact <= kContactCount &&
            !isKept(contact))
            image[OneKeyEntryOffset(e) + one_key_layout::kContact.offset] = kNoOneKeyContact;
    }
    PurgeGroupLists(image);
}

void ClearContactReferences(Image &image, int contact) {
    for (int n = 1; n <= kVfoChannel; ++n)
        if (image[ContactByte(n)] == contact)
            image[ContactByte(n)] = kNoContact;
    for (int e = 1; e <= kOneKeyCount; ++e)
        if (IsDigitalCallEntry(image, e) &&
            image[OneKeyEntryOffset(e) + one_key_layout::kContact.offset] == contact)
            image[OneKeyEntryOffset(e) + one_key_layout::kContact.offset] = kNoOneKeyContact;
    for (int list = 1; list <= kGroupListCount; ++list) {
        std::vector<std::uint8_t> members = GroupListMembers(image, list);
        if (std::erase(members, static_cast<std::uint8_t>(contact)) > 0)
            WriteGroupList(image, list, members);
    }
}

} // namespace dpmr
