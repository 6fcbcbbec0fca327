#include "core/dpmr/dpmr_basic.h"

#include "core/fields/rule_builders.h"
#include "core/image/digit_codes.h"
#include "core/image/factory_defaults.h"
#include "core/image/text.h"

#include <algorithm>
#include <array>

namespace dpmr {

namespace {

constexpr std::size_t kIdDigits = 7;

ChoiceList OffOn(const Image &) {
    return {{"Off", 0}, {"On", 1}};
}
ChoiceList DialAccessChoices(const Image &) {
    ChoiceList list;
    for (int n = 0; n <= 7; ++n)
        list.push_back({std::to_string(n), static_cast<std::uint64_t>(n)});
    return list;
}
ChoiceList CodecChoices(const Image &) {
    return {{"AMBE+2C", 0}, {"ASELP", 1}, {"ASELP 2", 2}};
}
ChoiceList StunTypeChoices(const Image &) {
    return {{"Tx inhibit", 0}, {"tx/rx inhibit", 1}, {"Stun", 2}};
}
ChoiceList RepeatChoices(const Image &) {
    return {{"Direct", 0}, {"repeat", 1}};
}
ChoiceList WakeFrameChoices(const Image &) {
    ChoiceList list{{"None", 0}};
    for (int n = 1; n <= 15; ++n)
        list.push_back({std::to_string(n), static_cast<std::uint64_t>(n)});
    return list;
}

constexpr FieldRule Identity() {
    return {.kind = RuleKind::Digits, .maxLength = 7, .valueCharset = kDigitChars};
}
constexpr FieldRule Minutes(int maxLength) {
    return {.min = 0, .max = 30, .wrap = true, .maxLength = maxLength};
}

constexpr std::size_t kOptions = kDpmrOptions;

// The byte at 0x1549 holds the shown value / 20: the page's load and store scale it, the rule
// is in shown units.
const std::array<FieldDef, 21> kFields = {{
    {"radio_name",
     AbsoluteBase,
     FieldLayout::Text(kDpmrRadioName, 8, 8),
     {.kind = RuleKind::Text, .maxLength = 8}},
    {"radio_id", AbsoluteBase, FieldLayout::Digits(kDpmrRadioId, kIdDigits), Identity()},
    {"dial_access", AbsoluteBase, FieldLayout::Byte(kDpmrDialAccess),
     ChoiceRule(DialAccessChoices, 7)},
    {"voice_store", AbsoluteBase, FieldLayout::BitField(kOptions, 3, 1), ChoiceRule(OffOn)},
    {"emergency_code", AbsoluteBase, FieldLayout::Digits(kDpmrEmergencyCode, kIdDigits),
     Identity()},
    {"stun_code", AbsoluteBase, FieldLayout::Digits(kDpmrStunCode, kIdDigits), Identity()},
    {"active_code", AbsoluteBase, FieldLayout::Digits(kDpmrActiveCode, kIdDigits), Identity()},
    {"allow_all_call", AbsoluteBase, FieldLayout::BitField(kOptions, 7, 1), ChoiceRule(OffOn)},
    {"codec_type", AbsoluteBase, FieldLayout::BitField(kOptions, 0, 2), ChoiceRule(CodecChoices)},
    {"stun_decode", AbsoluteBase, FieldLayout::BitField(kOptions, 2, 1), ChoiceRule(OffOn)},
    {"stun_type", AbsoluteBase, FieldLayout::BitField(kOptions, 4, 2), ChoiceRule(StunTypeChoices)},
    {"area_code", AbsoluteBase, FieldLayout::Digits(kDpmrAreaCode, kIdDigits), Identity()},
    {"group_hold_time", AbsoluteBase, FieldLayout::Byte(kDpmrGroupHoldTime), Minutes(2)},
    {"single_call_time", AbsoluteBase, FieldLayout::Byte(kDpmrSingleCallTime), Minutes(2)},
    {"tx_pre_carrier",
     AbsoluteBase,
     FieldLayout::Byte(kDpmrPreCarrier),
     {.min = 0, .max = 1000, .step = 20, .wrap = true, .onGrid = true, .maxLength = 4}},
    {"wake_frame", AbsoluteBase, FieldLayout::Byte(kDpmrWakeFrame), ChoiceRule(WakeFrameChoices)},
    {"repeat_mode", AbsoluteBase, FieldLayout::BitField(kOptions, 6, 1), ChoiceRule(RepeatChoices)},
    {"ack_reply_delay", AbsoluteBase, FieldLayout::Byte(kDpmrAckReplyDelay),
     AnyCharacter(TenthsRule(1, 50))},
    {"ack_reply_wait",
     AbsoluteBase,
     FieldLayout::Byte(kDpmrAckReplyWait),
     {.min = 0, .max = 10, .wrap = true, .maxLength = 1}},
    {"tx_delay_time", AbsoluteBase, FieldLayout::Byte(kDpmrTxDelayTime),
     AnyCharacter(TenthsRule(1, 50))},
    // Not shown: carried through load and store.
    {"ack_reply_times",
     AbsoluteBase,
     FieldLayout::Byte(kDpmrAckReplyTimes),
     {.min = 1, .max = 10, .replaceOutOfRange = true, .replacement = 1}},
}};

int Index(std::string_view name) {
    return FieldIndex(kFields, name);
}
std::string &Text(FieldTexts &texts, std::string_view name) {
    return texts[static_cast<std::size_t>(Index(name))];
}
const std::string &Text(const FieldTexts &texts, std::string_view name) {
    return texts[static_cast<std::size_t>(Index(name))];
}

const char *FactoryIdentity(std::string_view field) {
    if (field == "radio_id")
        return kFactoryRadioId;
    if (field == "emergency_code")
        return kFactoryEmergencyCode;
    if (field == "stun_code")
        return kFactoryStunCode;
    if (field == "active_code")
        return kFactoryActiveCode;
    return nullptr;
}

// The radio id is right-aligned: read from its last byte backwards.
std::string ReadRadioId(const Image &image) {
    std::string id;
    for (std::size_t i = kIdDigits; i-- > 0;) {
        const char c = DtmfCharFromCode(image[kDpmrRadioId + i]);
        if (c == '\0')
            break;
        id.insert(id.begin(), c);
    }
    return id;
}

void WriteRadioId(Image &image, std::string_view id) {
    image.Fill(kDpmrRadioId, kIdDigits, kNoDigit);
    std::size_t at = kIdDigits;
    for (std::size_t i = id.size(); i-- > 0 && at > 0;)
        image[kDpmrRadioId + --at] = DtmfCodeFromChar(id[i]);
}

int DialAccess(const FieldTexts &texts) {
    // A choice text "0".."7"; anything else is no selection, which stores 7.
    const std::string &text = Text(texts, "dial_access");
    return text.size() == 1 && text[0] >= '0' && text[0] <= '7' ? text[0] - '0' : 7;
}

std::string Last(const std::string &text, std::size_t n) {
    return text.substr(text.size() - std::min(n, text.size()));
}

// Both parts padded to 7 digits; each shows the digits of the identity it owns. Only an
// identity of seven zeros as a whole is replaced: an area code 0000 stays 0000.
void SplitIdentity(FieldTexts &texts) {
    const auto n = static_cast<std::size_t>(DialAccess(texts));
    const std::string area = PadText(Text(texts, "area_code"), '0', kIdDigits, true);
    const std::string id = PadText(Text(texts, "radio_id"), '0', kIdDigits, true);
    if (n == 0) {
        Text(texts, "radio_id").clear();
        Text(texts, "area_code") = area == "0000000" ? std::string(kFactoryRadioId) : area;
    } else if (n == kIdDigits) {
        Text(texts, "area_code").clear();
        Text(texts, "radio_id") = id;
    } else {
        Text(texts, "area_code") = Last(area, kIdDigits - n);
        Text(texts, "radio_id") = Last(id, n);
    }
}

FieldTexts LoadBasic(const FieldContext &context, int record) {
    FieldTexts texts = ShowFields(context, record, kFields);
    Text(texts, "radio_id") = ReadRadioId(context.image);
    const int carrier = context.image[kDpmrPreCarrier] * 20;
    Text(texts, "tx_pre_carrier") = std::to_string(carrier);
    for (std::size_t i = 0; i < kFields.size(); ++i)
        texts[i] = NormaliseDpmrBasicField(kFields[i].name, texts[i]);
    SplitIdentity(texts);
    return texts;
}

void StoreBasic(Image &image, const BandLimits &band, int record, const FieldTexts &shown) {
    FieldTexts texts = shown;
    // With Dial access 0 the radio id is not shown and stays as it is; likewise the area code
    // with Dial access 7, which stores empty.
    const int n = DialAccess(texts);
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (!(n == 0 && std::string_view(kFields[i].name) == "radio_id"))
            texts[i] = NormaliseDpmrBasicField(kFields[i].name, texts[i]);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const std::string_view name = kFields[i].name;
        if (name == "radio_id" || name == "tx_pre_carrier")
            continue;
        StoreField(image, band, record, kFields[i], texts[i]);
    }
    if (n != 0)
        WriteRadioId(image, Text(texts, "radio_id"));
    image[kDpmrPreCarrier] = static_cast<std::uint8_t>(
        NumberFromText(kFields[Index("tx_pre_carrier")].rule, Text(texts, "tx_pre_carrier")) / 20);
}

// A field left is shown as it will be stored: identities padded or reverted, numbers limited.
// The identity is split again whenever Dial access changes, keeping the parts given with it;
// otherwise the parts would be split only by the next load, and applying the same changes
// again would store them differently.
void CommitBasic(const FieldContext &, int, const BatchEdit &edit, FieldTexts &texts) {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].rule.kind != RuleKind::Choice && edit.Changed(texts, static_cast<int>(i)))
            texts[i] = NormaliseDpmrBasicField(kFields[i].name, texts[i]);
    if (!edit.Changed(texts, Index("dial_access")))
        return;
    const FieldTexts wanted = texts;
    SplitIdentity(texts);
    for (const char *name : {"radio_id", "area_code"})
        if (edit.given.at(static_cast<std::size_t>(Index(name))))
            Text(texts, name) = Text(wanted, name);
}

} // namespace

const PageTable kDpmrBasicPage{.name = "dpmr.basic",
                               .fields = kFields,
                               .load = LoadBasic,
                               .store = StoreBasic,
                               .commit = CommitBasic};

std::string NormaliseDpmrBasicField(std::string_view field, std::string_view text) {
    const int index = Index(field);
    if (index < 0)
        return std::string(text);
    if (const char *factory = FactoryIdentity(field)) {
        const std::string padded = PadText(text, '0', kIdDigits, true);
        return IsReservedId(padded) ? std::string(factory) : padded;
    }
    const FieldRule &rule = kFields[static_cast<std::size_t>(index)].rule;
    if (rule.kind == RuleKind::Number)
        return NumberText(rule, NumberFromText(rule, text));
    // Choices and texts as they stand: a loaded text is never cut by a typing limit.
    return std::string(text);
}

int AreaCodeLength(int dialAccess) {
    return 7 - std::clamp(dialAccess, 0, 7);
}
int RadioIdLength(int dialAccess) {
    return std::clamp(dialAccess, 0, 7);
}

IdentitySplit SplitForDialAccess(int dialAccess) {
    const int n = dialAccess < 0 ? 7 : std::clamp(dialAccess, 0, 7);
    return {AreaCodeLength(n), RadioIdLength(n), AreaCodeLength(n) > 0, RadioIdLength(n) > 0};
}

} // namespace dpmr
