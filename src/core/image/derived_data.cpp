#include "core/image/derived_data.h"

#include "core/image/bcd.h"
#include "core/image/record_layouts.h"

#include <array>

namespace dpmr {

namespace {

using namespace channel_layout;

// An unset VFO frequency (top byte 0xFF or 0x00) counts as the lower band limit.
std::int64_t VfoFrequencyOrLow(const Image &image, std::size_t offset, const BandLimits &band) {
    return IsFrequencyShown(image, offset) ? static_cast<std::int64_t>(ReadFrequency(image, offset))
                                           : band.low;
}

void MarkChannels(Image &image, const BandLimits &band) {
    image.Fill(kScanBitmap, kChannelBitmapSize, 0x00);
    image.Fill(kValidBitmap, kChannelBitmapSize, 0x00);
    std::array<int, kContactCount> contactUse{};
    bool anyValid = false;
    for (int n = 1; n <= kChannelCount; ++n) {
        const std::size_t record = ChannelRecordAt(n);
        // Blank bytes decode far above any band, so an empty channel is never valid.
        const auto rx = static_cast<std::int64_t>(ReadNumber(image, record, kRxFreq));
        if (band.low <= rx && rx <= band.high) {
            if (!anyValid)
                image[kFirstValidChannel] = static_cast<std::uint8_t>(n);
            anyValid = true;
            SetChannelBit(image, kValidBitmap, n, true);
            if (ReadNumber(image, record, kScan) != 0)
                SetChannelBit(image, kScanBitmap, n, true);
        }
        // Contacts count whether or not the channel is in the band.
        const auto contact = static_cast<int>(ReadNumber(image, record, kContact));
        if (contact >= 1 && contact <= kContactCount)
            ++contactUse[contact - 1];
    }
    for (int k = 1; k <= kContactCount; ++k)
        WriteNumber(image, ContactRecordOffset(k), contact_layout::kUsed, contactUse[k - 1] > 0);
    if (!anyValid)
        image[kFirstValidChannel] = 0xFF;
}

void MarkOneKeyTargets(Image &image) {
    namespace key = one_key_layout;
    for (int m = 1; m <= kMessageCount; ++m)
        WriteNumber(image, MessageRecordOffset(m), message_layout::kUsed, 0);
    for (int e = 1; e <= kOneKeyCount; ++e) {
        const std::size_t entry = OneKeyEntryOffset(e);
        if (ReadNumber(image, entry, key::kCallType) != key::kDigitalCall)
            continue;
        const auto contact = static_cast<int>(ReadNumber(image, entry, key::kContact));
        if (contact >= 1 && contact <= kContactCount)
            WriteNumber(image, ContactRecordOffset(contact), contact_layout::kUsed, 1);
        if (ReadNumber(image, entry, key::kMessageMode) == key::kWithMessage) {
            const auto message = static_cast<int>(ReadNumber(image, entry, key::kMessage));
            if (message >= 1 && message <= kMessageCount)
                WriteNumber(image, MessageRecordOffset(message), message_layout::kUsed, 1);
        } else {
            WriteNumber(image, entry, key::kMessage, 0);
        }
    }
}

void CheckVfo(Image &image, const BandLimits &band) {
    const std::uint8_t scanMode = image[kVfoScanMode];
    if (scanMode >= kVfoScanPms && scanMode < kVfoScanPms + kPmsCount &&
        !IsPmsEntryDefined(image, scanMode - kVfoScanPms + 1))
        image[kVfoScanMode] = 0x00;
    // An empty receive frequency reads as the lower limit, passes, and so stays empty.
    const std::int64_t rx = VfoFrequencyOrLow(image, kVfoRxFreq, band);
    if (rx < band.low || rx >= band.high)
        WriteFrequency(image, kVfoRxFreq, static_cast<std::uint64_t>(band.low));
    const std::int64_t tx = VfoFrequencyOrLow(image, kVfoTxFreq, band);
    if (!(band.low < tx && tx <= band.high))
        WriteFrequency(image, kVfoTxFreq, static_cast<std::uint64_t>(band.low));
}

} // namespace

void RefreshDerivedData(Image &image, const BandLimits &band) {
    image.SetBit(kBasicFlags, 1, true);
    MarkChannels(image, band);
    MarkOneKeyTargets(image);
    image[kAlwaysZero] = 0x00;
    CheckVfo(image, band);
}

} // namespace dpmr
