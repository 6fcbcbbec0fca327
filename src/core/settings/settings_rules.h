#pragma once
// Rule builders the radio settings pages share: choice lists with a fixed replacement, and
// typed numbers whose arrows wrap over their range.

#include "core/fields/field_rule.h"

namespace dpmr {

inline constexpr std::string_view kTypedDigits = "0123456789";
inline constexpr std::string_view kTypedDecimal = "0123456789.";

// A stored value naming no choice shows as `replacement`, which no selection also stores.
constexpr FieldRule ListOr(ChoiceSource source, std::uint64_t replacement) {
    return ChoiceRule(source, replacement, replacement);
}

// A number typed in digits, clamped into min..max; arrows step by one and wrap.
constexpr FieldRule WrappingNumber(std::int64_t min, std::int64_t max, int typedLength) {
    FieldRule rule;
    rule.min = min;
    rule.max = max;
    rule.wrap = true;
    rule.charset = kTypedDigits;
    rule.maxLength = typedLength;
    return rule;
}

// Tenths of a second shown with one decimal; a decimal point may be typed.
constexpr FieldRule WrappingTenths(std::int64_t min, std::int64_t max) {
    FieldRule rule = WrappingNumber(min, max, 3);
    rule.decimals = 1;
    rule.charset = kTypedDecimal;
    return rule;
}

// 0 shown as a word ("Off", "continuous"), the top of the range as another ("unlimited").
constexpr FieldRule WithZeroWord(FieldRule rule, const char *word) {
    rule.zeroWord = word;
    return rule;
}
constexpr FieldRule WithMaxWord(FieldRule rule, const char *word) {
    rule.maxWord = word;
    return rule;
}
constexpr FieldRule OffForZero(FieldRule rule) {
    return WithZeroWord(rule, "Off");
}

// Values lie on min + k * step: a typed value is lowered onto it, arrows move along it.
constexpr FieldRule OnGrid(FieldRule rule, std::int64_t step) {
    rule.step = step;
    rule.onGrid = true;
    return rule;
}

// A stored value outside the range shows as `replacement` (a typed one is still clamped).
constexpr FieldRule Replacing(FieldRule rule, std::int64_t replacement) {
    rule.replaceOutOfRange = true;
    rule.replacement = replacement;
    return rule;
}

} // namespace dpmr
