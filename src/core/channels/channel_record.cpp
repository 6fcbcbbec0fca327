#include "core/channels/channel_record.h"

#include "core/image/bcd.h"
#include "core/image/record_layouts.h"

#include <stdexcept>

namespace dpmr {

namespace {

using namespace channel_layout;
namespace ext_layout = digital_ext_layout;

void CheckChannel(int n) {
    if (n < 1 || n > kVfoChannel)
        throw std::out_of_range("channel number " + std::to_string(n));
}

// Fields whose decoded value did not change keep their bytes.
void KeepOrWriteFrequency(Image &image, std::size_t b, const FieldLayout &field,
                          std::optional<std::uint64_t> v) {
    if (ReadOptionalFrequency(image, b, field) != v)
        WriteOptionalFrequency(image, b, field, v);
}

std::uint8_t ReadByteField(const Image &image, std::size_t b, const FieldLayout &field) {
    return static_cast<std::uint8_t>(ReadNumber(image, b, field));
}

constexpr std::uint8_t kDataTypes[] = {0x08, 0x10, 0x20, 0x40, 0x80};

} // namespace

std::size_t ChannelRecordOffset(int n) {
    CheckChannel(n);
    return ChannelRecordAt(n);
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
    return !ReadOptionalFrequency(image, ChannelRecordOffset(n), kRxFreq).has_value();
}

ChannelRecord ReadChannel(const Image &image, int n) {
    const std::size_t b = ChannelRecordOffset(n);
    ChannelRecord r;
    r.rxFreq = ReadOptionalFrequency(image, b, kRxFreq);
    r.txFreq = ReadOptionalFrequency(image, b, kTxFreq);
    r.rxTone = static_cast<ToneCode>(ReadNumber(image, b, kRxTone));
    r.txTone = static_cast<ToneCode>(ReadNumber(image, b, kTxTone));
    r.offsetFreq = ReadNumber(image, b, kOffsetFreq);
    r.scan = ReadNumber(image, b, kScan) != 0;
    r.narrow = ReadNumber(image, b, kNarrow) != 0;
    r.talkAround = ReadNumber(image, b, kTalkAround) != 0;
    r.reverse = ReadNumber(image, b, kReverse) != 0;
    r.txPower = ReadByteField(image, b, kTxPower);
    r.signalType = ReadByteField(image, b, kSignalType);
    r.pttId = ReadNumber(image, b, kPttId) != 0;
    r.rxOnly = ReadNumber(image, b, kRxOnly) != 0;
    r.busyLock = ReadNumber(image, b, kBusyLock) != 0;
    r.offsetDir = ReadByteField(image, b, kOffsetDir);
    r.channelType = ReadByteField(image, b, kChannelType);
    r.vfoScan = ReadByteField(image, b, kVfoScan);
    r.groupRxList = ReadByteField(image, b, kGroupRxList);
    r.contact = ReadByteField(image, b, kContact);
    r.encryptKey = ReadByteField(image, b, kEncryptKey);
    r.step = ReadByteField(image, b, kStep);
    return r;
}

void WriteChannel(Image &image, int n, const ChannelRecord &r) {
    const std::size_t b = ChannelRecordOffset(n);
    KeepOrWriteFrequency(image, b, kRxFreq, r.rxFreq);
    KeepOrWriteFrequency(image, b, kTxFreq, r.txFreq);
    WriteNumber(image, b, kRxTone, r.rxTone);
    WriteNumber(image, b, kTxTone, r.txTone);
    if (ReadNumber(image, b, kOffsetFreq) != r.offsetFreq)
        WriteNumber(image, b, kOffsetFreq, r.offsetFreq);
    WriteNumber(image, b, kScan, r.scan);
    WriteNumber(image, b, kNarrow, r.narrow);
    WriteNumber(image, b, kTalkAround, r.talkAround);
    WriteNumber(image, b, kReverse, r.reverse);
    WriteNumber(image, b, kTxPower, r.txPower);
    WriteNumber(image, b, kSignalType, r.signalType);
    WriteNumber(image, b, kPttId, r.pttId);
    WriteNumber(image, b, kRxOnly, r.rxOnly);
    WriteNumber(image, b, kBusyLock, r.busyLock);
    WriteNumber(image, b, kOffsetDir, r.offsetDir);
    WriteNumber(image, b, kChannelType, r.channelType);
    if (n == kVfoChannel) {
        WriteNumber(image, b, kVfoScan, r.vfoScan);
        WriteNumber(image, b, kStep, r.step);
    }
    WriteNumber(image, b, kGroupRxList, r.groupRxList);
    WriteNumber(image, b, kContact, r.contact);
    WriteNumber(image, b, kEncryptKey, r.encryptKey);
}

void ClearChannel(Image &image, int n) {
    const std::size_t b = ChannelRecordOffset(n);
    image.Fill(b, kChannelRecordSize, 0xFF);
    WriteDefaultRecordFields(image, b);
}

std::string ReadAlias(const Image &image, int n) {
    return ReadString(image, ChannelAliasOffset(n), alias_layout::kAlias);
}

void WriteAlias(Image &image, int n, const std::string &alias) {
    WriteString(image, ChannelAliasOffset(n), alias_layout::kAlias, alias);
}

std::optional<ChannelDigitalExt> ReadDigitalExt(const Image &image, int n) {
    if (!HasDigitalExt(n))
        return std::nullopt;
    const std::size_t e = ChannelDigitalExtOffset(n);
    ChannelDigitalExt ext;
    ext.rxColor = ReadByteField(image, e, ext_layout::kRxColor);
    ext.txColor = ReadByteField(image, e, ext_layout::kTxColor);
    ext.oacsu = ReadNumber(image, e, ext_layout::kOacsu) != 0;
    ext.dataType = DataTypeOf(ReadNumber(image, e, ext_layout::kDataType));
    ext.statusInfo = ReadByteField(image, e, ext_layout::kStatusInfo);
    return ext;
}

std::uint8_t DataTypeOf(std::uint64_t typeBits) {
    const auto type = static_cast<std::uint8_t>(typeBits << ext_layout::kDataType.shift);
    for (std::uint8_t known : kDataTypes)
        if (type == known)
            return known;
    return kDataTypes[0];
}

void WriteDigitalExt(Image &image, int n, const ChannelDigitalExt &ext) {
    if (!HasDigitalExt(n))
        return;
    const std::size_t e = ChannelDigitalExtOffset(n);
    WriteNumber(image, e, ext_layout::kRxColor, ext.rxColor);
    WriteNumber(image, e, ext_layout::kTxColor, ext.txColor);
    WriteNumber(image, e, ext_layout::kOacsu, ext.oacsu);
    // A pattern the reader could not name stays until the data type really changes.
    if (ReadDigitalExt(image, n)->dataType != ext.dataType)
        WriteNumber(image, e, ext_layout::kDataType, ext.dataType >> ext_layout::kDataType.shift);
    WriteNumber(image, e, ext_layout::kStatusInfo, ext.statusInfo);
}

} // namespace dpmr
