#pragma once
// What a channel gets when it comes into use. Every path that fills an empty channel gives the
// same bytes: a receive frequency typed into the table, the channel editor, `set` and `apply`,
// a CSV row.
//
// The canonical empty record, then the channel editor's new-channel settings: transmit on the
// receive frequency (offset off, 0 MHz), no tones, High, scanned, Wide, Digit; busy lock,
// reverse, talk around and PTT ID off; signal None, not receive only; encryption key, contact
// and group receive list None; the alias empty. Channels 1-32 also get their digital
// extension's settings: colours Auto, Data Type 1, OACSU on, status info 30.

#include "core/channels/channel_record.h"
#include "core/image/band_limits.h"
#include "core/image/image.h"

#include <cstdint>

namespace dpmr {

// Channel n as a new channel on `rxFreq` (10 Hz units, inside the band), transmitting on it.
void WriteNewChannel(Image &image, const BandLimits &band, int n, std::uint64_t rxFreq);

// offsetDir and offsetFreq from the frequencies, as the channel table's store derives them:
// direction 0, 1 ("+") or 2 ("-"), distance |tx - rx| or 0.6 MHz past 50 MHz. A channel
// without a transmit frequency keeps both.
void DeriveOffset(ChannelRecord &record);

} // namespace dpmr
