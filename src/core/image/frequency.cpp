#include "core/image/frequency.h"

#include "core/image/decimal.h"

#include <algorithm>

namespace dpmr {

std::int64_t FrequencyFromText(std::string_view text) {
    return TruncToInt64(DecimalMultiply(ParseNumber(text), 100000));
}

SnapResult SnapToStep(std::int64_t units) {
    const std::int64_t f = 10 * std::clamp<std::int64_t>(units, -(1LL << 59), 1LL << 59);
    const std::int64_t r1 = f % 2500, d1 = 2500 - r1;
    const std::int64_t r2 = f % 3125, d2 = 3125 - r2;
    if (r1 == 0 || r2 == 0)
        return {f, false};
    const std::int64_t distances[] = {r1, d1, r2, d2};
    int winner = 0;
    for (int i = 1; i < 4; ++i)
        if (distances[i] < distances[winner])
            winner = i;
    const bool down = winner == 0 || winner == 2;
    return {down ? f - distances[winner] : f + distances[winner], true};
}

std::string FrequencyText(std::int64_t units) {
    const double mhz = DecimalMultiply(static_cast<double>(SnapToStep(units).hz), 0.000001);
    return FormatFixed(mhz, 6);
}

std::int64_t ReplaceOutsideBand(std::int64_t units, const BandLimits &band) {
    return (units <= band.low || units > band.high) ? band.low : units;
}

std::int64_t ClampToBand(std::int64_t units, const BandLimits &band) {
    if (units == 0)
        return 0;
    if (units > band.high)
        return band.high;
    if (units < band.low)
        return band.low;
    return units;
}

} // namespace dpmr
