#include "core/settings/tone_menu_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"

#include <array>

namespace dpmr {

namespace {

// Every tone and light is one bit; the bits between them are kept.
constexpr FieldLayout Bit(std::size_t offset, unsigned bit) {
    return FieldLayout::BitField(kToneLightSettings + offset, bit, 1);
}

const std::array<FieldDef, 14> kToneLightFields{{
    {"call_end_tone", AbsoluteBase, Bit(0, 0), CheckRule()},
    {"exhaled_end_tone", AbsoluteBase, Bit(0, 1), CheckRule()},
    {"group_call_tone", AbsoluteBase, Bit(0, 2), CheckRule()},
    {"single_call_tone", AbsoluteBase, Bit(0, 3), CheckRule()},
    {"low_voltage", AbsoluteBase, Bit(0, 4), CheckRule()},
    {"call_out_tone", AbsoluteBase, Bit(0, 5), CheckRule()},
    {"power_on_tone", AbsoluteBase, Bit(0, 6), CheckRule()},
    {"tone", AbsoluteBase, Bit(0, 7), CheckRule()},
    {"low_voltage_light", AbsoluteBase, Bit(2, 3), CheckRule()},
    {"scan_state_light", AbsoluteBase, Bit(2, 4), CheckRule()},
    {"rx_light", AbsoluteBase, Bit(2, 5), CheckRule()},
    {"tx_light", AbsoluteBase, Bit(2, 6), CheckRule()},
    {"light", AbsoluteBase, Bit(2, 7), CheckRule()},
    {"shock", AbsoluteBase, Bit(3, 0), CheckRule()},
}};

ChoiceList Languages(const Image &) {
    return {{"English", 0}, {"Chinese", 1}};
}

const std::array<FieldDef, 2> kMenuFields{{
    {"menu_reset_time", AbsoluteBase, FieldLayout::Byte(kMenuSettings),
     Replacing(WrappingNumber(5, 30, 2), 10)},
    {"menu_language", AbsoluteBase, FieldLayout::Byte(kMenuSettings + 1), ChoiceRule(Languages)},
}};

} // namespace

const PageTable kToneLightPage{"tone_light", kToneLightFields};
const PageTable kMenuPage{"menu", kMenuFields};

} // namespace dpmr
