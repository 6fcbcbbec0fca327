#pragma once
// Typing limits of an edit: characters outside the field's set are dropped (lower-case letters
// become upper-case where the set has only upper-case ones) and the length limit holds for what
// the user types or pastes. Text set by the program is never cut.

#include "core/fields/field_rule.h"

class QLineEdit;

// An int property of this name on the edit replaces the rule's length limit.
inline constexpr const char *kTypingLimitProperty = "typingLimitMaxLength";

void ApplyTypingLimits(QLineEdit *edit, const dpmr::FieldRule &rule);
