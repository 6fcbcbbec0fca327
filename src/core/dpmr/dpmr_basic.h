#pragma once
// The dPMR "Basic" page: the radio's 7-digit identity split into area code and radio id by
// Dial access, its name, the three codes, the vocoder and the call and timing options.

#include "core/fields/page_table.h"

#include <string>
#include <string_view>

namespace dpmr {

extern const PageTable kDpmrBasicPage;

// What a field of the page shows after it is left: the identities padded to 7 digits with a
// reserved value reverting to its factory value, numbers limited to their range; other fields
// by their rule.
std::string NormaliseDpmrBasicField(std::string_view field, std::string_view text);

// Dial access n: the radio id takes the last n digits of the identity, the area code the
// first 7 - n. The characters each can take while typing.
int AreaCodeLength(int dialAccess);
int RadioIdLength(int dialAccess);

// How the identity splits for the Dial access a page shows (-1: none selected, taken as 7):
// each part's typing length, and whether it has any digits to edit.
struct IdentitySplit {
    int areaCodeLength;
    int radioIdLength;
    bool areaCodeEditable;
    bool radioIdEditable;
};
IdentitySplit SplitForDialAccess(int dialAccess);

} // namespace dpmr
