#pragma once
// Rules the DTMF pages share.

#include "core/fields/field_rule.h"

namespace dpmr {

inline constexpr std::string_view kDtmfCharacters = "0123456789ABCD*#";

constexpr FieldRule DtmfDigitsRule(int length) {
    FieldRule rule;
    rule.kind = RuleKind::Digits;
    rule.charset = kDtmfCharacters;
    rule.maxLength = length;
    return rule;
}

} // namespace dpmr
