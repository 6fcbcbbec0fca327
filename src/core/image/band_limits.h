#pragma once
// The band limits in 10 Hz units, shared by every frequency editor and mirrored at
// 0x3FA0-0x3FA7 as two 8-digit packed decimal numbers.

#include "core/image/image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dpmr {

inline constexpr std::int64_t kUnitsPerMHz = 100000; // 10 Hz units

struct BandLimits {
    std::int64_t low = 40000000;
    std::int64_t high = 47000000;
    friend bool operator==(const BandLimits &, const BandLimits &) = default;
};

// The radio's band variants, in the band selector's order.
struct BandVariant {
    const char *entry; // the band selector's text
    long lower;        // MHz
    long upper;
};
inline constexpr std::array<BandVariant, 3> kBandVariants = {{
    {"136-174MHz", 136, 174},
    {"350-390MHz", 350, 390},
    {"400-470MHz", 400, 470},
}};
// A variant named as "136-174" (its entry without "MHz").
std::optional<BandVariant> BandVariantFromName(std::string_view name);

// A limit of 1000 MHz or more (a nibble above 9, as in a blank mirror of 0xFF bytes) can be
// neither shown nor stored: such a mirror reads as the default 400-470 MHz limits.
bool AreBandLimitsOutOfRange(const Image &image);
BandLimits DecodeBandLimits(const Image &image);
void EncodeBandLimits(Image &image, const BandLimits &limits);

} // namespace dpmr
