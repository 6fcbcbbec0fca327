#pragma once
// Packed decimal digit pairs (tens digit in the high nibble), least significant pair first,
// and the 4-byte frequency form built on them.

#include "core/image/image.h"

#include <cstdint>
#include <optional>

namespace dpmr {

// 42 -> 0x42. Values outside 0..99 keep only their last two digits.
std::uint8_t EncodeBcdByte(std::uint64_t value);
// No validation: 10 * high nibble + low nibble, so 0xFF decodes to 165.
unsigned DecodeBcdByte(std::uint8_t byte);

// n bytes, least significant pair first; digits beyond the field are dropped.
void EncodeBcd(std::uint8_t *out, std::uint64_t value, int n);
std::uint64_t DecodeBcd(const std::uint8_t *bytes, int n);

void EncodeBcd(Image &image, std::size_t offset, std::uint64_t value, int n);
std::uint64_t DecodeBcd(const Image &image, std::size_t offset, int n);

// Frequencies count 10 Hz units in 8 packed digits. The field is absent when its most
// significant byte is 0xFF; for display 0x00 there counts as absent too.
inline constexpr std::size_t kFrequencySize = 4;
std::uint64_t ReadFrequency(const Image &image, std::size_t offset);
bool IsFrequencyPresent(const Image &image, std::size_t offset); // top byte not 0xFF
bool IsFrequencyShown(const Image &image, std::size_t offset);   // top byte not 0xFF or 0x00
// Eight packed digits count to 99999999 (999.99999 MHz).
inline constexpr std::uint64_t kMaxFrequency = 99999999;
// The highest frequency whose text stays below 1000 MHz: texts show the nearest 2.5 kHz or
// 3.125 kHz step, and anything above 999.99875 MHz rounds up to "1000.000000", which eight
// digits cannot hold.
inline constexpr std::uint64_t kMaxShownFrequency = 99999875;
// Shown, but above kMaxShownFrequency (a nibble above 9 in its top byte, or within a step of
// 1000 MHz): no text stores it again. Editors show such a field as empty (or its replacement)
// and keep its bytes until the user enters a frequency.
bool IsFrequencyOutOfRange(const Image &image, std::size_t offset);
// nullopt writes four 0xFF bytes (not set).
void WriteFrequency(Image &image, std::size_t offset, std::optional<std::uint64_t> value);

} // namespace dpmr
