#include "core/channels/channel_record.h"

#include "core/image/bcd.h"
#include "core/image/text.h"

#include <stdexcept>

namespace dpmr {

namespace {

enum : std::size_t {
    kRxFreq = 0,
    kTxFreq = 4,
    kRxTone = 8,
    kTxTone = 10,
    kOffsetFreq = 12,
    kFlags16 = 16,
    kFlags17 = 17,
    kFlags18 = 18,
    kVfoScan = 19,
    kGroupRxList = 20,
    kContact = 21,
    kEncryptKey = 22,
    kStep = 23,
};

void CheckChannel(int n) {
    if (n < 1 || n > kVfoChannel)
        throw std::out_of_range("channel number " + std::to_string(n));
}

std::optional<std::uint64_t> ReadOptionalFrequency(const Image &image, std::size_t offset) {
    if (!IsFrequencyPresent(image, offset))
        return std::nullopt;
    return ReadFrequency(image, offset);
}

void WriteOptionalFrequency(Image &image, std::size_t offset, std::optional<std::uint64_t> v) {
    if (ReadOptionalFrequency(image, offset) != v)
        WriteFrequency(image, offset, v);
}

constexpr std::uint8_t kDataTypes[] = {0x08, 0x10, 0x20, 0x40, 0x80};

} // namespace

std::size_t ChannelRecordOffset(int n) {
    CheckChannel(n);
    return kChannelRecords + kChannelRecordSize * static_cast<std::size_t>(n - 1);
}

std::size_t ChannelAliasOffset(int n) {
    if (n < 1 || n > kChannelCount)
        throw std::out_of_range("the VFO has no alias");
    return kChannelAliases + kAliasSlotSize * static_cast<std::size_t>(n - 1);
}

bool HasDigitalExt(int n) {
    return (n >= 1 && n <= kDigitalExtChannels) || n == kVfoChannel;
}

std::size_t ChannelDigitalExtOffset(int n) {
    if (!HasDigitalExt(n))
        throw std::out_of_range("channel " + std::to_string(n) + " has no digital extension");
    if (n == kVfoChannel)
        return kVfoDigitalExt;
    return kChannelDigitalExts + kDigitalExtSize * static_cast<std::size_t>(n - 1);
}

bool IsChannelEmpty(const Image &image, int n) {
    return !IsFrequencyPresent(image, ChannelRecordOffset(n) + kRxFreq);
}

ChannelRecord ReadChannel(const Image &image, int n) {
    const std::size_t b = ChannelRecordOffset(n);
    ChannelRecord r;
    r.rxFreq = ReadOptionalFrequency(image, b + kRxFreq);
    r.txFreq = ReadOptionalFrequency(image, b + kTxFreq);
    r.rxTone = image.U16le(b + kRxTone);
    r.txTone = image.U16le(b + kTxTone);
    r.offsetFreq = ReadFrequency(image, b + kOffsetFreq);
    r.scan = image.Bit(b + kFlags16, 0);
    r.narrow = image.Bit(b + kFlags16, 1);
    r.talkAround = image.Bit(b + kFlags16, 4);
    r.reverse = image.Bit(b + kFlags16, 5);
    r.txPower = static_cast<std::uint8_t>(image.Bits(b + kFlags16, 6, 2));
    r.signalType = static_cast<std::uint8_t>(image.Bits(b + kFlags17, 0, 2));
    r.pttId = image.Bit(b + kFlags17, 2);
    r.rxOnly = image.Bit(b + kFlags17, 7);
    r.busyLock = image.Bit(b + kFlags18, 0);
    r.offsetDir = static_cast<std::uint8_t>(image.Bits(b + kFlags18, 4, 2));
    r.channelType = static_cast<std::uint8_t>(image.Bits(b + kFlags18, 6, 2));
    r.vfoScan = image[b + kVfoScan];
    r.groupRxList = image[b + kGroupRxList];
    r.contact = image[b + kContact];
    r.encryptKey = image[b + kEncryptKey];
    r.step = image[b + kStep];
    return r;
}

void WriteChannel(Image &image, int n, const ChannelRecord &r) {
    const std::size_t b = ChannelRecordOffset(n);
    WriteOptionalFrequency(image, b + kRxFreq, r.rxFreq);
    WriteOptionalFrequency(image, b + kTxFreq, r.txFreq);
    image.SetU16le(b + kRxTone, r.rxTone);
    image.SetU16le(b + kTxTone, r.txTone);
    if (ReadFrequency(image, b + kOffsetFreq) != r.offsetFreq)
        WriteFrequency(image, b + kOffsetFreq, r.offsetFreq);
    image.SetBit(b + kFlags16, 0, r.scan);
    image.SetBit(b + kFlags16, 1, r.narrow);
    image.SetBit(b + kFlags16, 4, r.talkAround);
    image.SetBit(b + kFlags16, 5, r.reverse);
    image.SetBits(b + kFlags16, 6, 2, r.txPower);
    image.SetBits(b + kFlags17, 0, 2, r.signalType);
    image.SetBit(b + kFlags17, 2, r.pttId);
    image.SetBit(b + kFlags17, 7, r.rxOnly);
    image.SetBit(b + kFlags18, 0, r.busyLock);
    image.SetBits(b + kFlags18, 4, 2, r.offsetDir);
    image.SetBits(b + kFlags18, 6, 2, r.channelType);
    if (n == kVfoChannel) {
        image[b + kVfoScan] = r.vfoScan;
        image[b + kStep] = r.step;
    }
    image[b + kGroupRxList] = r.groupRxList;
    image[b + kContact] = r.contact;
    image[b + kEncryptKey] = r.encryptKey;
}

void ClearChannel(Image &image, int n) {
    const std::size_t b = ChannelRecordOffset(n);
    image.Fill(b, kChannelRecordSize, 0xFF);
    EncodeBcd(image, b + kOffsetFreq, 60000, 4);
    image[b + kFlags16] = 0xC1;
    image[b + kFlags17] = 0x00;
    image[b + kFlags18] = 0x41;
}

std::string ReadAlias(const Image &image, int n) {
    return ReadTextSlot(image, ChannelAliasOffset(n), kAliasLength);
}

void WriteAlias(Image &image, int n, const std::string &alias) {
    WriteTextSlot(image, ChannelAliasOffset(n), kAliasSlotSize, kAliasLength, alias);
}

std::optional<ChannelDigitalExt> ReadDigitalExt(const Image &image, int n) {
    if (!HasDigitalExt(n))
        return std::nullopt;
    const std::size_t e = ChannelDigitalExtOffset(n);
    ChannelDigitalExt ext;
    ext.rxColor = image[e + 0];
    ext.txColor = image[e + 1];
    ext.oacsu = image.Bit(e + 2, 0);
    const auto type = static_cast<std::uint8_t>(image.Bits(e + 2, 3, 5) << 3);
    ext.dataType = 0x08;
    for (std::uint8_t known : kDataTypes)
        if (type == known)
            ext.dataType = known;
    ext.statusInfo = image[e + 3];
    return ext;
}

void WriteDigitalExt(Image &image, int n, const ChannelDigitalExt &ext) {
    if (!HasDigitalExt(n))
        return;
    const std::size_t e = ChannelDigitalExtOffset(n);
    image[e + 0] = ext.rxColor;
    image[e + 1] = ext.txColor;
    image.SetBit(e + 2, 0, ext.oacsu);
    // A pattern the reader could not name stays until the data type really changes.
    if (ReadDigitalExt(image, n)->dataType != ext.dataType)
        image.SetBits(e + 2, 3, 5, static_cast<unsigned>(ext.dataType >> 3));
    image[e + 3] = ext.statusInfo;
}

} // namespace dpmr
