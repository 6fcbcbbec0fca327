#pragma once
// Whole channels as bytes and the row operations of the channel table: insert, delete, move,
// clear, copy and paste. A channel is its 24-byte record, its alias slot and, for channels
// 1-32, its digital extension. Moving channels renumbers every reference to a channel number
// in the image; a reference to a deleted channel becomes 0 ("None").

#include "core/image/band_limits.h"
#include "core/image/image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dpmr {

struct ChannelBytes {
    std::array<std::uint8_t, kChannelRecordSize> record{};
    std::array<std::uint8_t, kAliasSlotSize> alias{};
    // Only channels 1-32 have one; a channel without one gets the default extension there.
    std::optional<std::array<std::uint8_t, kDigitalExtSize>> ext;

    friend bool operator==(const ChannelBytes &, const ChannelBytes &) = default;
};

ChannelBytes ReadChannelBytes(const Image &image, int n);
void WriteChannelBytes(Image &image, int n, const ChannelBytes &bytes);
// The canonical empty record, an empty alias and the default digital extension.
ChannelBytes EmptyChannelBytes();
bool IsEmptyChannel(const ChannelBytes &bytes);

// order[i] is the channel that moves to channel i + 1, or 0 for an empty channel there.
// A channel named nowhere in `order` is gone. References follow their channel; the derived
// tables are rebuilt.
using ChannelOrder = std::array<int, kChannelCount>;
ChannelOrder IdentityOrder();
// 1, 2, ..., 199.
std::vector<int> AllChannels();
void RearrangeChannels(Image &image, const ChannelOrder &order);

// Every place in the image that holds a channel number (the scan priority and specified
// channels): the new number of each old one, 0 when gone.
void RenumberChannelReferences(Image &image, const std::array<int, kChannelCount + 1> &newNumber);

struct RowResult {
    bool ok = false;
    std::string message; // why not, when !ok
    explicit operator bool() const { return ok; }
};

// An empty channel at `at`; the channels below move down one. Refused while channel 199 is in
// use.
RowResult InsertEmptyChannel(Image &image, int at);
// The channels below each deleted one move up; the last channels become empty.
void DeleteChannels(Image &image, const std::vector<int> &channels);
// Each channel of the set swaps places with its neighbour in `direction` (-1 up, +1 down),
// a block moving as one. Refused when one of them is at that end of the table.
RowResult MoveChannels(Image &image, const std::vector<int> &channels, int direction);
// As clearing the receive frequency: the canonical empty record; the alias slot is left.
void ClearChannels(Image &image, const std::vector<int> &channels);

// Channels on the clipboard, with the band they came from.
struct ChannelClip {
    struct Entry {
        int source = 0; // the channel number it was copied from
        ChannelBytes bytes;
    };
    std::vector<Entry> entries;
    BandLimits band;
};

ChannelClip CopyChannels(const Image &image, const BandLimits &band,
                         const std::vector<int> &channels);
// The exact bytes for another running program; nullopt for anything that is no clip.
std::string SerializeClip(const ChannelClip &clip);
std::optional<ChannelClip> DeserializeClip(const std::string &data);

// What a paste at `at` would do: entries below channel 199 that do not fit, and channels in use
// whose frequencies lie outside the band of the image they land in. Both are left out.
struct PastePlan {
    int at = 1;
    int fitting = 0;              // entries that land on channels at..199
    int beyondEnd = 0;            // entries that would land after channel 199
    std::vector<int> outOfBand;   // source numbers of entries outside the band
    std::vector<int> destination; // channel of each fitting entry that is pasted, or 0
    int pasted() const;
    bool Clean() const { return beyondEnd == 0 && outOfBand.empty(); }
    // "3 of 12 channels do not fit below channel 197; channels 5 and 7 lie outside
    // 136-174 MHz." Empty when everything fits.
    std::string Problems(const BandLimits &band) const;
};
PastePlan PlanPaste(const ChannelClip &clip, int at, const BandLimits &band);
// Writes the entries the plan pastes; the channels they land on are replaced.
void ApplyPaste(Image &image, const ChannelClip &clip, const PastePlan &plan);

} // namespace dpmr
