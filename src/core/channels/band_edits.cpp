#include "core/channels/band_edits.h"

#include <memory>

#include "core/image/bcd.h"
#include "core/image/decimal.h"

namespace dpmr {

const std::vector<std::string> &BandChoices() {
    static const std::vector<std::string> choices = [] {
        std::vector<std::string> entries;
        for (const BandVariant &variant : kBandVariants)
            entries.emplace_back(variant.entry);
        return entries;
    }();
    return choices;
}

std::optional<BandRange> BandEntryRange(int bandIndex) {
    if (bandIndex < 0 || bandIndex >= static_cast<int>(BandChoices().size()))
        return std::nullopt;
    const std::string_view entry = BandChoices()[static_cast<std::size_t>(bandIndex)];
    BandRange range{};
    std::size_t used = 0;
    if (!ParseLeadingInt(entry, range.lower, &used) || used >= entry.size() || entry[used] != '-')
        return std::nullopt;
    if (!ParseLeadingInt(entry.substr(used + 1), range.upper))
        return std::nullopt;
    return range;
}

long BandEditValue(const std::string &edit) {
    long value = 0;
    return ParseLeadingInt(edit, value) ? value : 0;
}

BandLimits LimitsFromEdits(const BandEdits &edits) {
    return {BandEditValue(edits.low) * kUnitsPerMHz, BandEditValue(edits.high) * kUnitsPerMHz};
}

BandEdits BandEditsFor(const BandLimits &limits) {
    const std::int64_t lo = limits.low / kUnitsPerMHz;
    const std::int64_t hi = limits.high / kUnitsPerMHz;
    for (int i = 0; i < static_cast<int>(BandChoices().size()); ++i) {
        const auto range = BandEntryRange(i);
        if (range && lo >= range->lower && hi <= range->upper)
            return {i, std::to_string(lo), std::to_string(hi)};
    }
    // Limits that fit no band show the default 400-470 band; the limits themselves stay
    // until the next store takes them from the edits.
    return BandEdits{};
}

void ValidateBandEdits(ChannelTable &table, BandLimits &limits) {
    const long low = BandEditValue(table.band.low);
    const long high = BandEditValue(table.band.high);
    const auto range = BandEntryRange(table.band.bandIndex);
    if (range && (low < range->lower || low > high || high > range->upper)) {
        table.band.low = std::to_string(range->lower);
        table.band.high = std::to_string(range->upper);
    }
    limits = LimitsFromEdits(table.band);
}

void SelectBand(ChannelTable &table, Image &image, BandLimits &limits, int bandIndex) {
    const auto range = BandEntryRange(bandIndex);
    if (!range)
        return;
    table.band.bandIndex = bandIndex;
    // A narrower range the user typed inside the new band is kept as it is.
    if (BandEditValue(table.band.low) > range->lower &&
        BandEditValue(table.band.high) < range->upper)
        return;
    ValidateBandEdits(table, limits);
    // The VFO starts over at the bottom of the new band.
    WriteFrequency(image, kVfoRxFreq, static_cast<std::uint64_t>(limits.low));
    WriteFrequency(image, kVfoTxFreq, static_cast<std::uint64_t>(limits.low));
}

BandLimits LimitsAfterSelecting(const ChannelTable &table, const BandLimits &limits,
                                int bandIndex) {
    ChannelTable edits = table;
    BandLimits scratchLimits = limits;
    auto scratch = std::make_unique<Image>();
    SelectBand(edits, *scratch, scratchLimits, bandIndex);
    return LimitsFromEdits(edits.band);
}

} // namespace dpmr
