#pragma once
// The rule builders every field table is written with: checks, choices, typed numbers whose
// arrows wrap over their range, tenths, digit strings.

#include "core/fields/field_rule.h"

namespace dpmr {

constexpr FieldRule CheckRule() {
    return {.kind = RuleKind::Check};
}

// A stored value that names no entry shows as `unknownShowsAs` (kNoSelection: no entry
// selected); no selection stores `noSelectionStores`.
constexpr FieldRule ChoiceRule(ChoiceSource source, std::uint64_t unknownShowsAs,
                               std::uint64_t noSelectionStores) {
    FieldRule rule{.kind = RuleKind::Choice};
    rule.choices = source;
    rule.unknownShowsAs = unknownShowsAs;
    rule.noSelectionStores = noSelectionStores;
    return rule;
}
// The common case: a stored value naming no entry shows as `replacement`, which no selection
// also stores.
constexpr FieldRule ChoiceRule(ChoiceSource source, std::uint64_t replacement = 0) {
    return ChoiceRule(source, replacement, replacement);
}

// A number typed in digits, clamped into min..max; arrows step by one and wrap.
constexpr FieldRule WrappingNumber(std::int64_t min, std::int64_t max, int typedLength) {
    FieldRule rule;
    rule.min = min;
    rule.max = max;
    rule.wrap = true;
    rule.charset = kDigitChars;
    rule.maxLength = typedLength;
    return rule;
}

// Tenths of a second shown with one decimal; a decimal point may be typed; arrows wrap.
constexpr FieldRule TenthsRule(std::int64_t min, std::int64_t max, int typedLength = 3) {
    FieldRule rule = WrappingNumber(min, max, typedLength);
    rule.decimals = 1;
    rule.charset = kDecimalChars;
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

// Typing is free: the edit takes any character (the rule still normalises what was typed).
constexpr FieldRule AnyCharacter(FieldRule rule) {
    rule.charset = {};
    return rule;
}

// Dialling digits of up to `length` characters.
constexpr FieldRule DtmfDigitsRule(int length) {
    FieldRule rule{.kind = RuleKind::Digits};
    rule.charset = kDtmfChars;
    rule.maxLength = length;
    return rule;
}

} // namespace dpmr
