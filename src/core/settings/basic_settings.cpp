#include "core/settings/basic_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"

#include <array>

namespace dpmr {

namespace {

ChoiceList Digits0To9(const Image &) {
    ChoiceList list;
    for (std::uint64_t d = 0; d <= 9; ++d)
        list.push_back({std::to_string(d), d});
    return list;
}
ChoiceList SavingModes(const Image &) {
    ChoiceList list{{"Off", 0}};
    for (std::uint64_t r = 1; r <= 6; ++r)
        list.push_back({"1:" + std::to_string(r), r});
    return list;
}
ChoiceList PowerOffTimes(const Image &) {
    return {{"Off", 0}, {"10M", 1}, {"30M", 2}, {"1H", 3}, {"2H", 4}};
}
ChoiceList TailEliminations(const Image &) {
    return {{"Freq", 0}, {"120", 1}, {"180", 2}, {"240", 3}};
}
ChoiceList LampModes(const Image &) {
    return {{"Off", 0}, {"On", 1}, {"Auto", 2}};
}
ChoiceList OffOn(const Image &) {
    return {{"Off", 0}, {"On", 1}};
}

constexpr FieldLayout At(std::size_t offset) {
    return FieldLayout::Byte(kBasicSettings + offset);
}
// Byte 0x1427 is shared bit by bit; bits 0 and 1 belong to no field and are kept.
constexpr FieldLayout FlagBits(unsigned shift, unsigned width) {
    return FieldLayout::BitField(kBasicFlags, shift, width);
}

// Saving delay: 10..60 s on the 5 s grid, so the arrows never show a value the store lowers.
constexpr FieldRule SavingDelay() {
    return OnGrid(WrappingNumber(10, 60, 2), 5);
}

const std::array<FieldDef, 15> kBasicFields{{
    {"sql", AbsoluteBase, At(0x00), ChoiceRule(Digits0To9, 5)},
    {"saving_mode", AbsoluteBase, At(0x01), ChoiceRule(SavingModes, 4)},
    {"saving_delay", AbsoluteBase, At(0x02), SavingDelay()},
    {"apo", AbsoluteBase, At(0x03), ChoiceRule(PowerOffTimes, 0)},
    {"ste", AbsoluteBase, FlagBits(2, 2), ChoiceRule(TailEliminations, 3)},
    {"lamp_mode", AbsoluteBase, FlagBits(4, 2), ChoiceRule(LampModes, 0)},
    {"wired_copy_hidden", AbsoluteBase, FlagBits(6, 1), ChoiceRule(OffOn, 1)},
    {"wired_copy", AbsoluteBase, FlagBits(7, 1), ChoiceRule(OffOn, 1)},
    {"tot", AbsoluteBase, FieldLayout::Word(kBasicSettings + 0x08),
     OffForZero(OnGrid(WrappingNumber(0, 600, 3), 30))},
    {"tot_pre_alert", AbsoluteBase, At(0x0A), OffForZero(WrappingNumber(0, 15, 2))},
    {"tot_rekey_time", AbsoluteBase, At(0x0B), OffForZero(WrappingNumber(0, 60, 2))},
    {"tot_reset_time", AbsoluteBase, At(0x0C), OffForZero(WrappingNumber(0, 30, 2))},
    {"vox", AbsoluteBase, At(0x10), ChoiceRule(OffOn, 0)},
    {"vox_sense", AbsoluteBase, At(0x11), ChoiceRule(Digits0To9, 5)},
    {"vox_delay", AbsoluteBase, At(0x12), TenthsRule(1, 20)},
}};

} // namespace

const PageTable kBasicPage{"basic", kBasicFields};

} // namespace dpmr
