#pragma once
// The band limits in 10 Hz units, shared by every frequency editor and mirrored at
// 0x3FA0-0x3FA7 as two 8-digit packed decimal numbers.

#include "core/image/image.h"

#include <cstdint>

namespace dpmr {

inline constexpr std::int64_t kUnitsPerMHz = 100000; // 10 Hz units

struct BandLimits {
    // A blank mirror (all 0xFF) decodes to 166666665, far above every band.
    std::int64_t low = 40000000;
    std::int64_t high = 47000000;
    friend bool operator==(const BandLimits &, const BandLimits &) = default;
};

BandLimits DecodeBandLimits(const Image &image);
void EncodeBandLimits(Image &image, const BandLimits &limits);

} // namespace dpmr
