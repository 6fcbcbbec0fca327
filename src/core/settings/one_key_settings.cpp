#include "core/settings/one_key_settings.h"

#include "core/channels/channel_editor.h"
#include "core/dpmr/messages.h"
#include "core/dtmf/auto_dial.h"
#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"
#include "core/image/record_layouts.h"

#include <algorithm>
#include <array>

namespace dpmr {

namespace {

namespace key = one_key_layout;

std::optional<std::size_t> OneKeyEntry(int n) {
    if (n < 1 || n > kOneKeyCount)
        return std::nullopt;
    return OneKeyEntryOffset(n);
}

bool Offers(const ChoiceList &choices, int number) {
    return number > 0 && std::any_of(choices.begin(), choices.end(), [&](const ChoiceItem &item) {
               return item.code == static_cast<std::uint64_t>(number);
           });
}

// The reference if the list holds it, else "None".
int Kept(const ChoiceList &choices, int number) {
    return Offers(choices, number) ? number : 0;
}

int KeptType(CallMode mode, int type) {
    const int highest = mode == CallMode::Digit ? kCallTypeMsg : 1;
    return type >= 0 && type <= highest ? type : 0;
}

int KeptMessage(const Image &image, const OneKeyCall &call) {
    if (call.mode != CallMode::Digit || call.type != kCallTypeMsg)
        return 0;
    return Kept(OneKeyMessageChoices(image), call.message);
}

// Every reference checked against what the image holds now.
OneKeyCall Checked(const Image &image, OneKeyCall call) {
    if (call.mode != CallMode::Digit && call.mode != CallMode::Analog)
        return {};
    call.list =
        Kept(call.mode == CallMode::Digit ? OneKeyContactChoices(image) : AutoDialChoices(image),
             call.list);
    call.type = KeptType(call.mode, call.type);
    call.message = KeptMessage(image, call);
    return call;
}

constexpr FieldRule Reference(std::int64_t highest) {
    FieldRule rule;
    rule.min = 0;
    rule.max = highest;
    rule.charset = kDigitChars;
    return rule;
}

const std::array<FieldDef, 4> kOneKeyFields{{
    {"call_mode", OneKeyEntry, key::kCallType, ChoiceRule(CallModeChoices, kNoSelection, 0)},
    {"call_list", OneKeyEntry, key::kContact, Reference(kContactCount)},
    {"call_type", OneKeyEntry, key::kMessageMode, Reference(kCallTypeMsg)},
    {"msg", OneKeyEntry, key::kMessage, Reference(kMessageCount)},
}};
enum : std::size_t { kModeText, kListText, kTypeText, kMessageText };

std::string ModeText(CallMode mode) {
    switch (mode) {
    case CallMode::Digit:
        return "Digit";
    case CallMode::Analog:
        return "Analog";
    case CallMode::None:
        break;
    }
    return {};
}

FieldTexts LoadOneKeyTexts(const FieldContext &context, int n) {
    const OneKeyCall call = LoadOneKeyCall(context.image, n);
    return {ModeText(call.mode), std::to_string(call.list), std::to_string(call.type),
            std::to_string(call.message)};
}

int NumberOf(const std::string &text) {
    return static_cast<int>(NumberFromText(Reference(255), text));
}

void StoreOneKeyTexts(Image &image, const BandLimits &, int n, const FieldTexts &texts) {
    OneKeyCall call;
    for (const ChoiceItem &item : CallModeChoices(image))
        if (item.text == texts.at(kModeText))
            call.mode = static_cast<CallMode>(item.code);
    call.list = NumberOf(texts.at(kListText));
    call.type = NumberOf(texts.at(kTypeText));
    call.message = NumberOf(texts.at(kMessageText));
    StoreOneKeyCall(image, n, call);
}

void OneKeyUnusedBytes(int n, BitMask &mask) {
    for (std::size_t i = 4; i < kOneKeyEntrySize; ++i)
        mask.Add(*OneKeyEntry(n) + i, 0xFF);
}

enum OneKeyColumn { kModeColumn, kListColumn, kTypeColumn, kMessageColumn, kOneKeyColumns };

OneKeyCall CallOf(const ListRow &row) {
    OneKeyCall call;
    call.mode = static_cast<CallMode>(row.codes.at(kModeColumn));
    call.list = static_cast<int>(row.codes.at(kListColumn));
    call.type = static_cast<int>(row.codes.at(kTypeColumn));
    call.message = static_cast<int>(row.codes.at(kMessageColumn));
    return call;
}

// The list a cell offers for a call: empty when nothing opens there.
ChoiceList CallChoices(const Image &image, const OneKeyCall &call, int column) {
    if (column == kModeColumn)
        return CallModeChoices(image);
    if (call.mode == CallMode::None)
        return {};
    switch (column) {
    case kListColumn:
        return call.mode == CallMode::Digit ? OneKeyContactChoices(image) : AutoDialChoices(image);
    case kTypeColumn:
        return CallTypeChoices(image, call.mode);
    case kMessageColumn:
        return call.mode == CallMode::Digit && call.type == kCallTypeMsg
                   ? OneKeyMessageChoices(image)
                   : ChoiceList{};
    default:
        return {};
    }
}

// The row of a call: its numbers, and the text of each in its cell's list. A call that sends
// no message shows "None" there.
ListRow CallRow(const Image &image, const OneKeyCall &call) {
    ListRow row;
    row.codes = {static_cast<std::uint64_t>(call.mode), static_cast<std::uint64_t>(call.list),
                 static_cast<std::uint64_t>(call.type), static_cast<std::uint64_t>(call.message)};
    for (int column = kModeColumn; column < kOneKeyColumns; ++column) {
        std::string text;
        if (call.mode != CallMode::None) {
            ChoiceList list = CallChoices(image, call, column);
            if (column == kMessageColumn && list.empty())
                list = {{"None", 0}};
            for (const ChoiceItem &item : list)
                if (item.code == row.codes[static_cast<std::size_t>(column)]) {
                    text = item.text;
                    break;
                }
        }
        row.cells.push_back(text);
    }
    return row;
}

ListState LoadOneKeyRows(const FieldContext &context) {
    ListState rows;
    for (int n = 1; n <= kOneKeyCount; ++n)
        rows.rows.push_back(CallRow(context.image, LoadOneKeyCall(context.image, n)));
    return rows;
}

void StoreOneKeyRows(Image &image, const BandLimits &, const ListState &rows) {
    for (int n = 1; n <= kOneKeyCount && n <= rows.size(); ++n)
        StoreOneKeyCall(image, n, CallOf(rows.rows[static_cast<std::size_t>(n - 1)]));
}

ChoiceList OneKeyCellChoices(const Image &image, const ListRow &row, int column) {
    return CallChoices(image, CallOf(row), column);
}

// The chosen entry's number goes into the call, never its text; the row is shown afresh.
bool EditOneKeyRow(const FieldContext &context, ListState &rows, int row, int column,
                   CellEdit &edit) {
    ListRow &r = rows.rows.at(static_cast<std::size_t>(row));
    OneKeyCall call = CallOf(r);
    const ChoiceList list = CallChoices(context.image, call, column);
    const int number = edit.chosen >= 0 && edit.chosen < static_cast<int>(list.size())
                           ? static_cast<int>(list[static_cast<std::size_t>(edit.chosen)].code)
                           : 0;
    switch (column) {
    case kModeColumn:
        call = WithMode(call, static_cast<CallMode>(number));
        break;
    case kListColumn:
        call.list = number;
        break;
    case kTypeColumn:
        call.type = number;
        if (call.type != kCallTypeMsg)
            call.message = 0;
        break;
    case kMessageColumn:
        call.message = number;
        break;
    default:
        return false;
    }
    r = CallRow(context.image, call);
    edit.text = r.cells.at(static_cast<std::size_t>(column));
    return true;
}

ChoiceList DigitalCallTypeChoices(const Image &image) {
    return CallTypeChoices(image, CallMode::Digit);
}

const std::array<ListColumn, kOneKeyColumns> kOneKeyColumnTable{{
    {"call_mode", "Call mode", 1200, ChoiceRule(CallModeChoices, kNoSelection, 0)},
    {"call_list", "Call list", 3000, ChoiceRule(OneKeyContactChoices, kNoSelection, 0)},
    {"call_type", "Call type", 1200, ChoiceRule(DigitalCallTypeChoices, kNoSelection, 0)},
    {"msg", "Msg", 1200, ChoiceRule(OneKeyMessageChoices, kNoSelection, 0)},
}};

} // namespace

ChoiceList OneKeyContactChoices(const Image &image) {
    ChoiceList choices = ContactChoices(image);
    std::erase_if(choices, [&](const ChoiceItem &item) {
        const int contact = static_cast<int>(item.code);
        return contact != 0 && image[ContactRecordOffset(contact)] == 0xFF;
    });
    return choices;
}

ChoiceList OneKeyMessageChoices(const Image &image) {
    ChoiceList choices;
    for (const MessageChoice &message : MessageChoices(image))
        choices.push_back({message.text, static_cast<std::uint64_t>(message.number)});
    return choices;
}

ChoiceList CallModeChoices(const Image &) {
    return {{"None", 0}, {"Digit", 1}, {"Analog", 2}};
}

ChoiceList CallTypeChoices(const Image &, CallMode mode) {
    ChoiceList types{{"None", 0}, {"Call", 1}};
    if (mode == CallMode::Digit)
        types.push_back({"Msg", kCallTypeMsg});
    return types;
}

OneKeyCall LoadOneKeyCall(const Image &image, int n) {
    const std::size_t entry = *OneKeyEntry(n);
    OneKeyCall call;
    call.mode = static_cast<CallMode>(ReadNumber(image, entry, key::kCallType));
    call.list = static_cast<int>(ReadNumber(image, entry, key::kContact));
    call.type = static_cast<int>(ReadNumber(image, entry, key::kMessageMode));
    call.message = static_cast<int>(ReadNumber(image, entry, key::kMessage));
    return Checked(image, call);
}

void StoreOneKeyCall(Image &image, int n, const OneKeyCall &call) {
    const std::size_t entry = *OneKeyEntry(n);
    const OneKeyCall checked = Checked(image, call);
    image.Fill(entry, kOneKeyEntrySize, 0xFF);
    WriteNumber(image, entry, key::kCallType, static_cast<std::uint64_t>(checked.mode));
    WriteNumber(image, entry, key::kContact, static_cast<std::uint64_t>(checked.list));
    WriteNumber(image, entry, key::kMessageMode, static_cast<std::uint64_t>(checked.type));
    WriteNumber(image, entry, key::kMessage, static_cast<std::uint64_t>(checked.message));
}

OneKeyCall WithMode(const OneKeyCall &call, CallMode mode) {
    if (mode == CallMode::None)
        return {};
    if (call.mode == CallMode::None)
        return {mode, 0, 0, 0};
    OneKeyCall changed = call;
    changed.mode = mode;
    if (mode != call.mode)
        changed.list = 0; // a contact is no auto-dial number, nor the other way round
    changed.type = KeptType(mode, call.type);
    if (mode == CallMode::Analog)
        changed.message = 0;
    return changed;
}

const ListTable kOneKeyList{.name = "one_key",
                            .accessibleName = "One key calls",
                            .columns = kOneKeyColumnTable,
                            .capacity = kOneKeyCount,
                            .fixedRows = true,
                            .records = &kOneKeyPage,
                            .load = LoadOneKeyRows,
                            .store = StoreOneKeyRows,
                            .edit = EditOneKeyRow,
                            .choicesFor = OneKeyCellChoices};

const PageTable kOneKeyPage{"one_key",        kOneKeyFields,    1, kOneKeyCount, LoadOneKeyTexts,
                            StoreOneKeyTexts, OneKeyUnusedBytes};

} // namespace dpmr
