#include "cli/code_plug_summary.h"

#include "core/channels/channel_record.h"
#include "core/image/band_limits.h"

#include <bit>
#include <cstdio>

namespace dpmr::cli {

namespace {

// Index entries in list order; the first one outside [first, last] ends the list.
int CountIndex(const Image &image, std::size_t index, int count, std::size_t first,
               std::size_t last) {
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = image.U16le(index + 2 * static_cast<std::size_t>(i));
        if (entry < first || entry > last)
            return i;
    }
    return count;
}

constexpr std::size_t kLastMessageRecord = 0x2200;

} // namespace

CodePlugSummary Summarize(const Image &image) {
    CodePlugSummary summary;
    const BandLimits limits = DecodeBandLimits(image);
    summary.bandSet = image[kBandLowLimit + 3] != 0xFF;
    summary.lowMHz = limits.low / kUnitsPerMHz;
    summary.highMHz = limits.high / kUnitsPerMHz;
    for (int n = 1; n <= kChannelCount; ++n)
        summary.channels += IsChannelEmpty(image, n) ? 0 : 1;
    summary.contacts =
        CountIndex(image, kContactIndex, kContactCount, kContactRecords, kContactLastRecord);
    summary.messages =
        CountIndex(image, kMessageIndex, kMessageCount, kMessageRecords, kLastMessageRecord);
    summary.keys = std::popcount(image.U16le(kKeyPresentBitmap));
    summary.encryption = image[kEncryption] == 1;
    return summary;
}

std::string FormatSummary(const std::string &file, const CodePlugSummary &s) {
    char text[512];
    char band[64];
    if (s.bandSet)
        std::snprintf(band, sizeof band, "%lld-%lld MHz", s.lowMHz, s.highMHz);
    else
        std::snprintf(band, sizeof band, "not set");
    std::snprintf(text, sizeof text,
                  "File:      %s\n"
                  "Band:      %s\n"
                  "Channels:  %d in use of %d\n"
                  "Contacts:  %d of %d\n"
                  "Messages:  %d of %d\n"
                  "Keys:      %d of 16, encryption %s\n",
                  file.c_str(), band, s.channels, kChannelCount, s.contacts, kContactCount,
                  s.messages, kMessageCount, s.keys, s.encryption ? "on" : "off");
    return text;
}

} // namespace dpmr::cli
