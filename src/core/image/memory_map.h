#pragma once
// Every offset of the code plug image, named once. Offsets are absolute image offsets.

#include <cstddef>

namespace dpmr {

inline constexpr std::size_t kImageSize = 16384;

// 0x0000-0x00FF never travels over the radio link; it lives in files only.
inline constexpr std::size_t kFileOnlyEnd = 0x0100;
inline constexpr std::size_t kLinkFirst = 0x0100;
inline constexpr std::size_t kLinkEnd = 0x4000;
inline constexpr std::size_t kLinkBlockSize = 32;
inline constexpr int kLinkBlockCount = (kLinkEnd - kLinkFirst) / kLinkBlockSize; // 504

inline constexpr int kChannelCount = 199;
inline constexpr int kVfoChannel = 200; // the VFO uses a 200th record of channel layout
inline constexpr std::size_t kChannelRecords = 0x0100;
inline constexpr std::size_t kChannelRecordSize = 24;
inline constexpr std::size_t kVfoRecord = 0x13A8;
inline constexpr std::size_t kVfoRxFreq = 0x13A8;
inline constexpr std::size_t kVfoTxFreq = 0x13AC;
inline constexpr std::size_t kVfoScanMode = 0x13BB;
inline constexpr unsigned kVfoScanPms = 0x80; // 0x80 + (k - 1) sweeps PMS entry k
inline constexpr std::size_t kVfoGroupRxList = 0x13BC;
inline constexpr std::size_t kVfoStep = 0x13BF;

inline constexpr std::size_t kPmsEntries = 0x13C0;
inline constexpr std::size_t kPmsEntrySize = 8;
inline constexpr int kPmsCount = 10;

inline constexpr std::size_t kBasicSettings = 0x1420;
inline constexpr std::size_t kBasicFlags = 0x1427;
inline constexpr std::size_t kToneLightSettings = 0x1438;
inline constexpr std::size_t kSideKeys = 0x1440;
inline constexpr std::size_t kMenuSettings = 0x1450;
inline constexpr std::size_t kOneKeyEntries = 0x1468;
inline constexpr std::size_t kOneKeyEntrySize = 8;
inline constexpr int kOneKeyCount = 5;
inline constexpr std::size_t kPowerOnPassword = 0x1490;
inline constexpr std::size_t kScanSettings = 0x14C0;
// Channel numbers (0 = none) that the scan settings name.
inline constexpr std::size_t kScanPriorityChannel = 0x14C8;
inline constexpr std::size_t kScanSpecifiedChannel = 0x14CA;
inline constexpr std::size_t kScanBitmap = 0x14D0;
inline constexpr std::size_t kChannelBitmapSize = 25;
inline constexpr std::size_t kAlarmSettings = 0x14F0;
inline constexpr std::size_t kDpmrBasic = 0x1518;
inline constexpr std::size_t kDpmrDialAccess = 0x1518;
inline constexpr std::size_t kDpmrAreaCode = 0x1519;
inline constexpr std::size_t kDpmrRadioName = 0x1520;
inline constexpr std::size_t kDpmrRadioId = 0x1528;
inline constexpr std::size_t kDpmrEmergencyCode = 0x1530;
inline constexpr std::size_t kDpmrStunCode = 0x1538;
inline constexpr std::size_t kDpmrActiveCode = 0x1540;
inline constexpr std::size_t kDpmrWakeFrame = 0x1548;
inline constexpr std::size_t kDpmrPreCarrier = 0x1549;
inline constexpr std::size_t kDpmrGroupHoldTime = 0x154A;
inline constexpr std::size_t kDpmrSingleCallTime = 0x154B;
inline constexpr std::size_t kDpmrAckReplyTimes = 0x154E;
inline constexpr std::size_t kDpmrOptions = 0x154F;
inline constexpr std::size_t kEncryption = 0x1550;
inline constexpr std::size_t kKeyPresentBitmap = 0x1556;
inline constexpr std::size_t kEncryptionKeys = 0x1558;

inline constexpr std::size_t kContactIndex = 0x1600;
inline constexpr int kContactCount = 64;
inline constexpr std::size_t kContactRecords = 0x1680;
inline constexpr std::size_t kContactRecordSize = 16;
inline constexpr std::size_t kContactLastRecord = 0x1A70;
inline constexpr std::size_t kContactFlags = 7; // within a record
inline constexpr std::size_t kContactName = 8;  // within a record
inline constexpr std::size_t kContactNameLength = 8;

inline constexpr std::size_t kMessageRecords = 0x1A80;
inline constexpr std::size_t kMessageRecordSize = 128;
inline constexpr int kMessageCount = 16;
inline constexpr std::size_t kMessageIndex = 0x2280;

inline constexpr std::size_t kGroupLists = 0x2CC0;
inline constexpr std::size_t kGroupListSize = 8;
inline constexpr int kGroupListCount = 16;

inline constexpr std::size_t kDtmfSettings = 0x3000;
inline constexpr std::size_t kDtmfAutoDial = 0x3060;
inline constexpr std::size_t kDtmfAutoDialSize = 16;
inline constexpr int kDtmfAutoDialCount = 16;
inline constexpr std::size_t kValidBitmap = 0x3160;
inline constexpr std::size_t kChannelAliases = 0x3180;
inline constexpr std::size_t kAliasSlotSize = 16;
inline constexpr std::size_t kAliasLength = 12;
inline constexpr std::size_t kVfoDigitalExt = 0x3DF0;
inline constexpr std::size_t kChannelDigitalExts = 0x3E00;
inline constexpr std::size_t kDigitalExtSize = 4;
inline constexpr int kDigitalExtChannels = 32;
inline constexpr std::size_t kDpmrBasicMore = 0x3E80;
inline constexpr std::size_t kDpmrAckReplyDelay = 0x3E80;
inline constexpr std::size_t kDpmrAckReplyWait = 0x3E81;
inline constexpr std::size_t kDpmrTxDelayTime = 0x3E82;

inline constexpr std::size_t kBandLowLimit = 0x3FA0;
inline constexpr std::size_t kBandHighLimit = 0x3FA4;
inline constexpr std::size_t kFirstValidChannel = 0x3FB8;
inline constexpr std::size_t kAlwaysZero = 0x3FBB;

} // namespace dpmr
