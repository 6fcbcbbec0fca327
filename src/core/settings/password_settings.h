#pragma once
// The "Password" page: the radio's power-on password, up to six digits, and whether the radio
// asks for it.

#include "core/fields/page_table.h"

namespace dpmr {

extern const PageTable kPasswordPage;
inline constexpr int kPasswordPermitField = 0;
inline constexpr int kPasswordField = 1;

// Whether a store of these texts leaves the radio asking for a password: only when there is
// one to ask for.
bool PasswordRequired(const Image &image, const FieldTexts &texts);

} // namespace dpmr
