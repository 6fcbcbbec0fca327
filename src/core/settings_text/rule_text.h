#pragma once
// What a field's rule accepts, in words (the `fields` listing and the dump's comments), and
// whether a text given from outside is one the field's control could hold.

#include "core/fields/field_rule.h"
#include "core/text/message_text.h" // Quoted, for the messages that use these

#include <string>
#include <string_view>

namespace dpmr {

// "0..9", "0.0..25.5 step 0.5, 0 = Off", "one of: Narrow, Wide", "MHz", "text, 16 characters".
// Choices that come from the image are those of `image`.
// A number's unit ("s") follows its range: "0..30 s".
std::string DescribeRule(const FieldRule &rule, const Image &image, std::string_view unit = {});

// Empty when `text` is a value the field takes (numbers past the ends are fine: the rule
// clamps them as the editor does); otherwise why not, in a few words.
std::string RejectText(const FieldRule &rule, const Image &image, std::string_view text);

} // namespace dpmr
