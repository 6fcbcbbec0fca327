#include "core/settings/scan_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/record_layouts.h"

#include <array>

namespace dpmr {

namespace {

std::optional<std::size_t> ScanBase(int) {
    return kScanSettings;
}

ChoiceList ScanModeChoices(const Image &) {
    return {{"Time", 0}, {"Carrier", 1}, {"Search", 2}};
}
ChoiceList ToneScanChoices(const Image &) {
    return {{"No", 0}, {"No pri ch", 1}, {"limited ch", 2}, {"all ch", 3}};
}
ChoiceList OffOnChoices(const Image &) {
    return {{"Off", 0}, {"On", 1}};
}
ChoiceList ScanTxChannelChoices(const Image &) {
    return {{"entry ch before scan", 0}, {"last active ch", 1}, {"Specified ch", 2}};
}

// Tenths of a second shown with one decimal; the arrows wrap at the ends.
constexpr FieldRule SecondsRule(std::int64_t min, std::int64_t max, std::int64_t step,
                                int maxLength) {
    FieldRule rule{.kind = RuleKind::Number};
    rule.min = min;
    rule.max = max;
    rule.step = step;
    rule.onGrid = step > 1;
    rule.wrap = true;
    rule.decimals = 1;
    rule.maxLength = maxLength;
    return rule;
}

// A channel that is not in use (or above 199) shows "None" and is stored as 0.
constexpr FieldRule ChannelRule() {
    return ChoiceRule(ChannelsInUseChoices, 0, 0);
}

constexpr std::array<FieldDef, kScanFieldCount> kFields = {{
    {"scan_mode", ScanBase, FieldLayout::Byte(0), ChoiceRule(ScanModeChoices, 1, 1)},
    {"tone_scan_mode", ScanBase, FieldLayout::Byte(1), ChoiceRule(ToneScanChoices, 0, 0)},
    {"stop_time", ScanBase, FieldLayout::Byte(2), SecondsRule(5, 100, 5, 4)},
    {"resume_delay", ScanBase, FieldLayout::Byte(4), SecondsRule(1, 50, 1, 3)},
    // Bits 1, 4 and 5 of +7 are not ours and keep their value.
    {"talk_back", ScanBase, FieldLayout::BitField(7, 0, 1), ChoiceRule(OffOnChoices, 0, 0)},
    {"scan_begin_tone", ScanBase, FieldLayout::BitField(7, 2, 1), ChoiceRule(OffOnChoices, 1, 1)},
    {"scan_end_tone", ScanBase, FieldLayout::BitField(7, 3, 1), ChoiceRule(OffOnChoices, 1, 1)},
    {"scan_tx_channel", ScanBase, FieldLayout::BitField(7, 6, 2),
     ChoiceRule(ScanTxChannelChoices, 2, 2)},
    {"priority_channel", ScanBase, FieldLayout::Byte(8), ChannelRule()},
    {"specified_channel", ScanBase, FieldLayout::Byte(10), ChannelRule()},
}};

} // namespace

const PageTable kScanPage{
    .name = "scan",
    .fields = kFields,
};

ChoiceList ChannelsInUseChoices(const Image &image) {
    ChoiceList list{{"None", 0}};
    for (int n = 1; n <= kChannelCount; ++n)
        if (IsFrequencyShown(image, ChannelRecordAt(n), channel_layout::kRxFreq))
            list.push_back({std::to_string(n), static_cast<std::uint64_t>(n)});
    return list;
}

} // namespace dpmr
