#pragma once
// The "Tone and Light" and "Menu" pages: prompt tones and lights as single bits, the menu
// time-out and language.

#include "core/fields/page_table.h"

namespace dpmr {

extern const PageTable kToneLightPage;
extern const PageTable kMenuPage;

} // namespace dpmr
