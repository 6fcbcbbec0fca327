#pragma once
// The image a new document starts from.

#include "core/image/band_limits.h"
#include "core/image/image.h"

namespace dpmr {

// The name a new document proposes when it is first saved (relative, no extension).
inline constexpr const char *kNewDocumentName = "Data";

// The four 7-digit identities of a new radio; also the fallback when a typed code is reserved.
inline constexpr const char *kFactoryRadioId = "0000001";
inline constexpr const char *kFactoryEmergencyCode = "9999998";
inline constexpr const char *kFactoryStunCode = "5173820";
inline constexpr const char *kFactoryActiveCode = "5173821";

// Every byte 0xFF, then the fixed table, the channel and VFO defaults and the band limits as
// they stand now.
void WriteFactoryDefaults(Image &image, const BandLimits &band);

} // namespace dpmr
