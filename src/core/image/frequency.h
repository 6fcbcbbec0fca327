#pragma once
// Frequencies as the user types and sees them: MHz texts <-> 10 Hz units, on the
// 2.5 kHz / 3.125 kHz channel grid.

#include "core/image/band_limits.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dpmr {

// trunc(DecimalMultiply(ParseNumber(text), 100000)); an empty text gives 0.
std::int64_t FrequencyFromText(std::string_view text);

struct SnapResult {
    std::int64_t hz; // in Hz, not 10 Hz units
    bool moved;
};
// The nearest point of either grid; ties go to the earlier of r1, d1, r2, d2.
SnapResult SnapToStep(std::int64_t units);

// "%3.6lf" of the snapped frequency in MHz: 43850312 gives "438.503125".
std::string FrequencyText(std::int64_t units);

// The band rules the editors apply when a frequency edit loses the focus.
// Receive and transmit frequency of the channel and VFO editors: unless low < v <= high,
// v becomes low.
std::int64_t ReplaceOutsideBand(std::int64_t units, const BandLimits &band);
// Channel table and PMS edges: 0 stays 0 (empty); above high gives high, below low gives low.
std::int64_t ClampToBand(std::int64_t units, const BandLimits &band);

} // namespace dpmr
