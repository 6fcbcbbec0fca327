#pragma once
// The bytes of the radio programming protocol, shared by the engine and the virtual radio.

#include "core/image/memory_map.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace dpmr {

// 0x02 then "PROGRA".
inline constexpr std::array<std::uint8_t, 7> kWakeUp = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
inline constexpr int kWakeUpAttempts = 4;
inline constexpr int kWakeUpByteGapMs = 2;
// "M" then 0x02.
inline constexpr std::array<std::uint8_t, 2> kIdentRequest = {0x4D, 0x02};
inline constexpr std::size_t kIdentReplySize = 16;
inline constexpr std::size_t kIdentLowEdge = 12; // MHz, 16-bit little-endian
inline constexpr std::size_t kIdentHighEdge = 14;
inline constexpr std::uint8_t kAck = 0x41;                                             // "A"
inline constexpr std::array<std::uint8_t, 4> kTrailerRead = {0x45, 0x4E, 0x44, 0x52};  // "ENDR"
inline constexpr std::array<std::uint8_t, 4> kTrailerWrite = {0x45, 0x4E, 0x44, 0x57}; // "ENDW"

inline constexpr std::uint8_t kReadCommand = 0x52;  // "R"
inline constexpr std::uint8_t kWriteCommand = 0x57; // "W"
inline constexpr std::size_t kFrameHeaderSize = 4;
// The radio answers a read frame with 4 header bytes of its own before the data.
inline constexpr std::size_t kReplyHeaderSize = 4;

inline std::array<std::uint8_t, kFrameHeaderSize> FrameHeader(std::uint8_t command,
                                                              std::size_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(kLinkBlockSize)};
}

// Block k (1-based) starts at 0x0100 + 32 * (k - 1).
inline constexpr std::size_t BlockAddress(int block) {
    return kLinkFirst + kLinkBlockSize * static_cast<std::size_t>(block - 1);
}
inline constexpr int BlockNumber(std::size_t address) {
    return static_cast<int>((address - kLinkFirst) / kLinkBlockSize) + 1;
}

// Bytes on the line for one whole exchange, both directions: what a 9600 baud line must carry
// at the least.
inline constexpr std::size_t kReadBlockWireBytes =
    kFrameHeaderSize + kReplyHeaderSize + kLinkBlockSize + 2; // 42: header, reply, "A", "A"
inline constexpr std::size_t kWriteBlockWireBytes = kFrameHeaderSize + kLinkBlockSize + 1; // 37
inline constexpr std::size_t kExchangeFrameWireBytes =
    kWakeUp.size() + 1 + kIdentRequest.size() + kIdentReplySize + 2 + kTrailerRead.size();
inline constexpr std::size_t ExchangeWireBytes(bool read) {
    return kExchangeFrameWireBytes + static_cast<std::size_t>(kLinkBlockCount) *
                                         (read ? kReadBlockWireBytes : kWriteBlockWireBytes);
}
inline constexpr int kLineBaud = 9600;
inline constexpr int kBitsPerByte = 10; // start, 8 data, stop

} // namespace dpmr
