#pragma once
// The layouts of the records the channel editors and the contact list share: the 24-byte
// channel record (also the VFO's), its alias slot and digital extension, and the contact
// record. Every bit position of these records is written here and nowhere else.

#include "core/image/field_layout.h"
#include "core/image/memory_map.h"

#include <array>
#include <cstdint>

namespace dpmr {

struct NamedLayout {
    const char *name;
    FieldLayout layout;
};

namespace channel_layout {
inline constexpr FieldLayout kRxFreq = FieldLayout::Freq(0);
inline constexpr FieldLayout kTxFreq = FieldLayout::Freq(4);
inline constexpr FieldLayout kRxTone = FieldLayout::Word(8);
inline constexpr FieldLayout kTxTone = FieldLayout::Word(10);
inline constexpr FieldLayout kOffsetFreq = FieldLayout::Freq(12);
inline constexpr FieldLayout kScan = FieldLayout::BitField(16, 0, 1);
inline constexpr FieldLayout kNarrow = FieldLayout::BitField(16, 1, 1);
inline constexpr FieldLayout kTalkAround = FieldLayout::BitField(16, 4, 1);
inline constexpr FieldLayout kReverse = FieldLayout::BitField(16, 5, 1);
inline constexpr FieldLayout kTxPower = FieldLayout::BitField(16, 6, 2);
inline constexpr FieldLayout kSignalType = FieldLayout::BitField(17, 0, 2);
inline constexpr FieldLayout kPttId = FieldLayout::BitField(17, 2, 1);
inline constexpr FieldLayout kRxOnly = FieldLayout::BitField(17, 7, 1);
inline constexpr FieldLayout kBusyLock = FieldLayout::BitField(18, 0, 1);
// Bit 1 of byte +18 is a second busy bit: it reads as busy and only the channel editor
// clears it.
inline constexpr FieldLayout kBusyBits = FieldLayout::BitField(18, 0, 2);
inline constexpr FieldLayout kOffsetDir = FieldLayout::BitField(18, 4, 2);
inline constexpr FieldLayout kChannelType = FieldLayout::BitField(18, 6, 2);
inline constexpr FieldLayout kVfoScan = FieldLayout::Byte(19);
inline constexpr FieldLayout kGroupRxList = FieldLayout::Byte(20);
inline constexpr FieldLayout kContact = FieldLayout::Byte(21);
inline constexpr FieldLayout kEncryptKey = FieldLayout::Byte(22);
inline constexpr FieldLayout kStep = FieldLayout::Byte(23);

// The three flag bytes of the canonical empty record and of the factory defaults: scan on,
// wide, high power; busy lock on, offset off, digital.
inline constexpr std::size_t kFlagBytes = 16;
inline constexpr std::array<std::uint8_t, 3> kDefaultFlags = {0xC1, 0x00, 0x41};
// 0.6 MHz: the offset a new or cleared record carries, and the one a split wider than the
// largest repeater offset falls back to.
inline constexpr std::uint64_t kDefaultOffsetFreq = 60000;
inline constexpr std::int64_t kMaxOffsetFreq = 5000000; // 50 MHz

inline constexpr std::array<NamedLayout, 22> kFields = {{
    {"rx_freq", kRxFreq},
    {"tx_freq", kTxFreq},
    {"rx_tone", kRxTone},
    {"tx_tone", kTxTone},
    {"offset_freq", kOffsetFreq},
    {"scan", kScan},
    {"narrow", kNarrow},
    {"talk_around", kTalkAround},
    {"reverse", kReverse},
    {"tx_power", kTxPower},
    {"signal_type", kSignalType},
    {"ptt_id", kPttId},
    {"rx_only", kRxOnly},
    {"busy_lock", kBusyBits},
    {"offset_dir", kOffsetDir},
    {"channel_type", kChannelType},
    {"vfo_scan", kVfoScan},
    {"group_rx_list", kGroupRxList},
    {"contact", kContact},
    {"encrypt_key", kEncryptKey},
    {"step", kStep},
    {"flags_18_reserved", FieldLayout::BitField(18, 2, 2)},
}};
} // namespace channel_layout

namespace alias_layout {
inline constexpr FieldLayout kAlias = FieldLayout::Text(0, kAliasSlotSize, kAliasLength);
inline constexpr std::array<NamedLayout, 1> kFields = {{{"alias", kAlias}}};
} // namespace alias_layout

namespace digital_ext_layout {
inline constexpr FieldLayout kRxColor = FieldLayout::Byte(0);
inline constexpr FieldLayout kTxColor = FieldLayout::Byte(1);
inline constexpr FieldLayout kOacsu = FieldLayout::BitField(2, 0, 1);
inline constexpr FieldLayout kDataType = FieldLayout::BitField(2, 3, 5); // one-hot
inline constexpr FieldLayout kStatusInfo = FieldLayout::Byte(3);
inline constexpr std::array<NamedLayout, 5> kFields = {{
    {"rx_color", kRxColor},
    {"tx_color", kTxColor},
    {"oacsu", kOacsu},
    {"data_type", kDataType},
    {"status_info", kStatusInfo},
}};
} // namespace digital_ext_layout

namespace contact_layout {
inline constexpr FieldLayout kNumber = FieldLayout::ContactNumber(0, 7);
inline constexpr FieldLayout kGroupCall = FieldLayout::BitField(kContactFlags, 0, 1);
inline constexpr FieldLayout kAllCall = FieldLayout::BitField(kContactFlags, 1, 1);
inline constexpr FieldLayout kUsed = FieldLayout::BitField(kContactFlags, 7, 1);
inline constexpr FieldLayout kName = FieldLayout::Text(kContactName, 8, kContactNameLength);
inline constexpr std::array<NamedLayout, 5> kFields = {{
    {"number", kNumber},
    {"group_call", kGroupCall},
    {"all_call", kAllCall},
    {"used", kUsed},
    {"name", kName},
}};
} // namespace contact_layout

namespace message_layout {
// +127 bit 7: a one-key call sends this message (kept by the derived data).
inline constexpr FieldLayout kUsed = FieldLayout::BitField(kMessageRecordSize - 1, 7, 1);
} // namespace message_layout

// A one-key call entry (8 bytes): a digital call names a contact and, with a message, the
// message it sends.
namespace one_key_layout {
inline constexpr FieldLayout kCallType = FieldLayout::Byte(0);
inline constexpr FieldLayout kContact = FieldLayout::Byte(1);
inline constexpr FieldLayout kMessageMode = FieldLayout::Byte(2);
inline constexpr FieldLayout kMessage = FieldLayout::Byte(3);
inline constexpr std::uint64_t kDigitalCall = 1;
inline constexpr std::uint64_t kWithMessage = 2;
} // namespace one_key_layout

// A PMS entry: the lower and the upper edge of a range VFO scanning sweeps.
namespace pms_layout {
inline constexpr FieldLayout kLow = FieldLayout::Freq(0);
inline constexpr FieldLayout kHigh = FieldLayout::Freq(4);
inline constexpr std::array<NamedLayout, 2> kFields = {{{"low_freq", kLow}, {"high_freq", kHigh}}};
} // namespace pms_layout

// The 0.6 MHz offset and the default flag bytes of the record at `record`: what a cleared
// channel and every record of a new image carry.
void WriteDefaultRecordFields(Image &image, std::size_t record);

// Contact record k (1-64).
std::size_t ContactRecordOffset(int contact);
// Message record m (1-16).
std::size_t MessageRecordOffset(int message);
// PMS entry k (1-10).
std::size_t PmsEntryOffset(int entry);
// One-key entry k (1-5).
std::size_t OneKeyEntryOffset(int entry);
// Group receive list k (1-16).
std::size_t GroupListOffset(int list);
// Both edges hold a frequency (top byte neither 0xFF nor 0x00): only such an entry can be
// chosen as the VFO scan range.
bool IsPmsEntryDefined(const Image &image, int entry);

// Channel record n (1-199, 200 the VFO), without a range check: the derived data and the
// factory defaults walk all records.
constexpr std::size_t ChannelRecordAt(int n) {
    return kChannelRecords + kChannelRecordSize * static_cast<std::size_t>(n - 1);
}

} // namespace dpmr
