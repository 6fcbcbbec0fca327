#pragma once
// One memory channel: a 24-byte record, a 16-byte alias slot and, for channels 1-32 and the
// VFO, a 4-byte digital extension. Channel 200 is the VFO record.

#include "core/image/image.h"
#include "core/image/record_layouts.h"
#include "core/image/tone.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dpmr {

struct ChannelRecord {
    std::optional<std::uint64_t> rxFreq; // 10 Hz units; nullopt when not set (top byte 0xFF)
    std::optional<std::uint64_t> txFreq;
    ToneCode rxTone = kNoTone;
    ToneCode txTone = kNoTone;
    std::uint64_t offsetFreq = channel_layout::kDefaultOffsetFreq;
    bool scan = true;
    bool narrow = false;
    bool talkAround = false;
    bool reverse = false;
    std::uint8_t txPower = 3; // 0 "Low", 3 "High"; 1 and 2 name no choice
    std::uint8_t signalType = 0;
    bool pttId = false;
    bool rxOnly = false;
    bool busyLock = true;
    std::uint8_t offsetDir = 0;   // 0 off, 1 "+", 2 "-"
    std::uint8_t channelType = 1; // 0 analog, 1 digital, 2 mixed (digital), 3 mixed (analog)
    std::uint8_t vfoScan = 0xFF;
    std::uint8_t groupRxList = 0;
    std::uint8_t contact = 0xFF;
    std::uint8_t encryptKey = 0xFF;
    std::uint8_t step = 0xFF;
};

inline constexpr std::uint8_t kAutoColor = 0xFF;

struct ChannelDigitalExt {
    std::uint8_t rxColor = kAutoColor; // 0-63; anything above is "Auto"
    std::uint8_t txColor = kAutoColor;
    bool oacsu = true;
    std::uint8_t dataType = 0x08; // exactly one of 0x08, 0x10, 0x20, 0x40, 0x80
    std::uint8_t statusInfo = 0xFF;
};

std::size_t ChannelRecordOffset(int n);
std::size_t ChannelAliasOffset(int n);      // 1-199
std::size_t ChannelDigitalExtOffset(int n); // 1-32 and 200
bool HasDigitalExt(int n);

bool IsChannelEmpty(const Image &image, int n);
ChannelRecord ReadChannel(const Image &image, int n);
// Fields whose decoded value did not change keep their bytes, so odd encodings from a radio
// survive a load and store; reserved bits always survive. Bit 1 of byte +18 (a second busy
// bit that only the channel editor clears) and, for channels, bytes +19 and +23 are kept.
void WriteChannel(Image &image, int n, const ChannelRecord &record);
// The canonical empty record; alias and digital extension are left alone.
void ClearChannel(Image &image, int n);

std::string ReadAlias(const Image &image, int n);
void WriteAlias(Image &image, int n, const std::string &alias);

// nullopt (and no byte written) for channels without an extension (33-199).
std::optional<ChannelDigitalExt> ReadDigitalExt(const Image &image, int n);
void WriteDigitalExt(Image &image, int n, const ChannelDigitalExt &ext);
// The data type the type bits of an extension name: 0x08 for any pattern that is not one-hot.
std::uint8_t DataTypeOf(std::uint64_t typeBits);

} // namespace dpmr
