#pragma once
// The tooltip of a bound control: what the field means, then what it takes (range and step or
// the choices, with the unit), from the same table and rule the `fields` listing uses.

#include "core/fields/field_def.h"

#include <string>
#include <string_view>

namespace dpmr {

// "Idle time before battery saving starts.\n10..60 s step 5". Empty when the field has no
// meaning written for it.
std::string FieldTooltip(std::string_view page, const FieldDef &field, const Image &image);

} // namespace dpmr
