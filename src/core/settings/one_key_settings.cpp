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
    return kOneKeyEntries + kOneKeyEntrySize * static_cast<std::size_t>(n - 1);
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

const PageTable kOneKeyPage{"one_key",        kOneKeyFields,    1, kOneKeyCount, LoadOneKeyTexts,
                            StoreOneKeyTexts, OneKeyUnusedBytes};

} // namespace dpmr
