#include "core/image/band_limits.h"

#include "core/image/bcd.h"

#include <string>

namespace dpmr {

std::optional<BandVariant> BandVariantFromName(std::string_view name) {
    for (const BandVariant &variant : kBandVariants)
        if (std::string_view(variant.entry) == std::string(name) + "MHz")
            return variant;
    return std::nullopt;
}

bool AreBandLimitsOutOfRange(const Image &image) {
    return ReadFrequency(image, kBandLowLimit) > kMaxFrequency ||
           ReadFrequency(image, kBandHighLimit) > kMaxFrequency;
}

BandLimits DecodeBandLimits(const Image &image) {
    if (AreBandLimitsOutOfRange(image))
        return BandLimits{};
    return {static_cast<std::int64_t>(ReadFrequency(image, kBandLowLimit)),
            static_cast<std::int64_t>(ReadFrequency(image, kBandHighLimit))};
}

void EncodeBandLimits(Image &image, const BandLimits &limits) {
    WriteFrequency(image, kBandLowLimit, static_cast<std::uint64_t>(limits.low));
    WriteFrequency(image, kBandHighLimit, static_cast<std::uint64_t>(limits.high));
}

} // namespace dpmr
