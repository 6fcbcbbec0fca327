#pragma once

#include "core/image/band_limits.h"
#include "core/image/image.h"

namespace dpmr {

// Brings every table that depends on the channels, contacts and one-key entries up to date
// (scan and valid-channel bitmaps, first valid channel, contact and message used flags) and
// puts the VFO scan mode and VFO frequencies back into the band. Runs before every save and
// every write to the radio.
void RefreshDerivedData(Image &image, const BandLimits &band);

} // namespace dpmr
