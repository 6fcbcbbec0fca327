#pragma once
// The band selector's entries as numbers and the band edits as limits; shared by the table's
// load and store and by the band selector's rules.

#include "core/channels/channel_table.h"

#include <optional>

namespace dpmr {

struct BandRange {
    long lower;
    long upper;
};
// "%d-%d" of the entry; nullopt for an index outside BandChoices().
std::optional<BandRange> BandEntryRange(int bandIndex);

// What the band edits take: whole MHz, in digits.
inline constexpr FieldRule kBandEditRule{.charset = kDigitChars};

// A band edit as an integer in MHz; a text that is not a number reads as 0.
long BandEditValue(const std::string &edit);
BandLimits LimitsFromEdits(const BandEdits &edits);

// The entry and edits that show limits read from an image.
BandEdits BandEditsFor(const BandLimits &limits);

} // namespace dpmr
