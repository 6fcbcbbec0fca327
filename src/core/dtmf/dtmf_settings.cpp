#include "core/dtmf/dtmf_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/digit_codes.h"
#include "core/image/memory_map.h"

#include <array>

namespace dpmr {

namespace {

ChoiceList Speeds(const Image &) {
    return {{"50", 50}, {"75", 75}, {"100", 100}};
}
ChoiceList InhibitAllow(const Image &) {
    return {{"Inhibit", 0}, {"Allow", 1}};
}
ChoiceList PttIdTypes(const Image &) {
    return {{"On-line", 0}, {"Off-line", 1}, {"Both", 2}};
}
ChoiceList DecodeResponses(const Image &) {
    return {{"None", 0}, {"Bell", 1}, {"remind", 2}, {"response", 3}, {"remind and response", 4}};
}
ChoiceList ProhibitAllow(const Image &) {
    return {{"prohibit", 0}, {"allow", 1}};
}
ChoiceList StunTypes(const Image &) {
    return {{"tx inhibit", 0}, {"tx/rx inhibit", 1}, {"stun", 2}};
}
// A digit 0-9 is no group call code: it shows as "None".
ChoiceList GroupCallCodes(const Image &) {
    return {{"None", kNoDigit}, {"A", 0x0A}, {"B", 0x0B}, {"C", 0x0C},
            {"D", 0x0D},        {"*", 0x0E}, {"#", 0x0F}};
}

// Milliseconds on the 100 ms grid, stored in tenths of a second; arrows wrap.
constexpr FieldRule Milliseconds(std::int64_t min) {
    FieldRule rule;
    rule.min = min;
    rule.max = 1000;
    rule.step = 100;
    rule.onGrid = true;
    rule.wrap = true;
    rule.storedUnit = 100;
    rule.charset = kDigitChars;
    rule.maxLength = 4;
    return rule;
}

constexpr FieldRule AutoResetSeconds() {
    FieldRule rule;
    rule.min = 0;
    rule.max = 255;
    rule.wrap = true;
    rule.charset = kDigitChars;
    rule.maxLength = 3;
    return rule;
}

constexpr FieldLayout At(std::size_t offset) {
    return FieldLayout::Byte(kDtmfSettings + offset);
}
constexpr FieldLayout Bits(std::size_t offset, unsigned shift, unsigned width) {
    return FieldLayout::BitField(kDtmfSettings + offset, shift, width);
}
constexpr FieldLayout Digits(std::size_t offset, std::size_t bytes) {
    return FieldLayout::Digits(kDtmfSettings + offset, bytes);
}

enum EncodeField : int { kSpeed };

const std::array<FieldDef, 12> kEncodeFields{{
    {"speed", AbsoluteBase, At(0x00), ChoiceRule(Speeds, 100)},
    {"first_digit_delay", AbsoluteBase, At(0x01), Milliseconds(100)},
    {"first_digit", AbsoluteBase, At(0x02), Milliseconds(0)},
    {"star_hash_tone", AbsoluteBase, At(0x03), Milliseconds(0)},
    {"short_beep", AbsoluteBase, Bits(0x07, 1, 1), ChoiceRule(InhibitAllow, 0)},
    {"side_tone", AbsoluteBase, Bits(0x07, 0, 1), ChoiceRule(InhibitAllow, 1)},
    {"ptt_id_type", AbsoluteBase, At(0x05), ChoiceRule(PttIdTypes, 0)},
    {"online_code", AbsoluteBase, Digits(0x10, 16), DtmfDigitsRule(16)},
    {"offline_code", AbsoluteBase, Digits(0x20, 16), DtmfDigitsRule(16)},
    {"hold_time", AbsoluteBase, At(0x08), TenthsRule(5, 20, 3)},
    {"response_wait", AbsoluteBase, Bits(0x07, 7, 1), ChoiceRule(InhibitAllow, 0)},
    {"response_wait_time", AbsoluteBase, At(0x09), TenthsRule(5, 100, 4)},
}};

// A stored speed selects the first choice its digits begin ("5" selects "50").
FieldTexts LoadEncode(const FieldContext &context, int record) {
    FieldTexts texts = ShowFields(context, record, kEncodeFields);
    const std::string stored = std::to_string(context.image[kDtmfSettings]);
    for (const ChoiceItem &item : Speeds(context.image))
        if (item.text.starts_with(stored)) {
            texts[kSpeed] = item.text;
            break;
        }
    return texts;
}

const std::array<FieldDef, 7> kDecodeFields{{
    {"decode_response", AbsoluteBase, At(0x31), ChoiceRule(DecodeResponses, 4)},
    {"decode_display", AbsoluteBase, Bits(0x37, 0, 1), ChoiceRule(ProhibitAllow, 1)},
    {"group_call_code", AbsoluteBase, At(0x30), ChoiceRule(GroupCallCodes, kNoDigit)},
    {"stun_type", AbsoluteBase, Bits(0x37, 6, 2), ChoiceRule(StunTypes, 0)},
    {"stun_code", AbsoluteBase, Digits(0x50, 15), DtmfDigitsRule(15)},
    {"person_id", AbsoluteBase, Digits(0x40, 16), DtmfDigitsRule(16)},
    {"auto_reset_time", AbsoluteBase, At(0x34), AutoResetSeconds()},
}};

std::optional<std::size_t> AutoDialRecord(int n) {
    if (n < 1 || n > kDtmfAutoDialCount)
        return std::nullopt;
    return kDtmfAutoDial + kDtmfAutoDialSize * static_cast<std::size_t>(n - 1);
}

const std::array<FieldDef, 1> kAutoDialFields{{
    {"code", AutoDialRecord, FieldLayout::Digits(0, kDtmfAutoDialSize),
     DtmfDigitsRule(static_cast<int>(kDtmfAutoDialSize))},
}};

} // namespace

const PageTable kDtmfEncodePage{"dtmf.encode", kEncodeFields, 0, 0, LoadEncode};
const PageTable kDtmfDecodePage{"dtmf.decode", kDecodeFields};
const PageTable kDtmfAutoDialPage{"dtmf.auto_dial", kAutoDialFields, 1, kDtmfAutoDialCount};

} // namespace dpmr
