#pragma once
// The tooltip of a bound control: what the field means, then what it takes (range and step or
// the choices, with the unit), from the same table and rule the `fields` listing uses.

#include "core/fields/field_def.h"

#include <functional>
#include <string>
#include <string_view>

namespace dpmr {

// The line a check box's tooltip gives for its rule.
inline constexpr char kCheckRuleText[] = "on or off";

// How the program shows a core text (its translation); nothing shows it as it is.
using ShownText = std::function<std::string(std::string_view)>;

// "Idle time before battery saving starts.\n10..60 s step 5". Empty when the field has no
// meaning written for it. The meaning and the check line go through `shown`; the range line
// keeps its numbers, units and the choices' stored words.
std::string FieldTooltip(std::string_view page, const FieldDef &field, const Image &image,
                         const ShownText &shown = {});

} // namespace dpmr
