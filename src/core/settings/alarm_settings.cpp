#include "core/settings/alarm_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"

#include <array>

namespace dpmr {

namespace {

ChoiceList AlarmTypes(const Image &) {
    return {{"close", 0}, {"only whistle", 1}, {"normal", 2}, {"secret", 3}, {"send alarm id", 4}};
}
ChoiceList IdTypes(const Image &) {
    return {{"None", 0}, {"DTMF", 1}};
}
ChoiceList ProhibitAllow(const Image &) {
    return {{"prohibit", 0}, {"allow", 1}};
}

// Arrows wrap over min..max; a value outside it becomes `replacement`.
constexpr FieldRule Seconds(std::int64_t min, std::int64_t max, std::int64_t replacement,
                            int typedLength = 3) {
    return Replacing(WrappingNumber(min, max, typedLength), replacement);
}

constexpr FieldRule IdCode() {
    FieldRule rule;
    rule.kind = RuleKind::Digits;
    rule.charset = kDtmfChars;
    rule.maxLength = 8;
    return rule;
}

constexpr FieldLayout At(std::size_t offset) {
    return FieldLayout::Byte(kAlarmSettings + offset);
}

const std::array<FieldDef, 19> kAlarmFields{{
    {"alarm_type", AbsoluteBase, At(0x00), ChoiceRule(AlarmTypes)},
    {"id_type", AbsoluteBase, At(0x01), ChoiceRule(IdTypes)},
    {"id_code", AbsoluteBase, FieldLayout::Digits(kAlarmSettings + 0x08, 8), IdCode()},
    {"alarm_time", AbsoluteBase, At(0x04), Seconds(1, 255, 10)},
    {"tx_time", AbsoluteBase, At(0x05), Seconds(1, 255, 5)},
    {"rx_time", AbsoluteBase, At(0x06), Seconds(1, 255, 8)},
    {"cycle", AbsoluteBase, At(0x07), WithZeroWord(Seconds(0, 255, 0), "continuous")},
    {"work_alone", AbsoluteBase, At(0x10), ChoiceRule(ProhibitAllow)},
    {"work_alone_time", AbsoluteBase, At(0x11), Seconds(1, 255, 10)},
    {"work_alone_pre_remind", AbsoluteBase, At(0x12), Seconds(0, 255, 10)},
    {"upside", AbsoluteBase, At(0x18), ChoiceRule(ProhibitAllow)},
    {"upside_angle", AbsoluteBase, At(0x1E), Seconds(0, 90, 30, 2)},
    {"recovery_angle", AbsoluteBase, At(0x1F), Seconds(0, 90, 60, 2)},
    {"entry_delay_time", AbsoluteBase, At(0x19), Seconds(1, 60, 10, 2)},
    {"upside_pre_prompt", AbsoluteBase, At(0x1A), Seconds(0, 59, 5, 2)},
    {"exit_delay", AbsoluteBase, At(0x1B), WithMaxWord(Seconds(0, 255, 10), "unlimited")},
    {"auto_contact", AbsoluteBase, At(0x20), ChoiceRule(ProhibitAllow)},
    {"tx_interval", AbsoluteBase, At(0x21), OnGrid(Seconds(10, 60, 25, 2), 5)},
    {"query_interval", AbsoluteBase, At(0x22), Seconds(1, 10, 1, 2)},
}};

} // namespace

const PageTable kAlarmPage{"alarm", kAlarmFields};

} // namespace dpmr
