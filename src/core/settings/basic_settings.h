#pragma once
// The "Basic" page of the basic settings: squelch, battery saving, power-off, squelch tail,
// lamp, wired copy, VOX and the transmit time-out timers.

#include "core/fields/page_table.h"

namespace dpmr {

extern const PageTable kBasicPage;

} // namespace dpmr
