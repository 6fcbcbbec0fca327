#pragma once
// Where a field lives inside its record and how its bytes encode it. Records are written down
// once as tables of these descriptors; the reader and the writer of a field use the same one.

#include "core/image/image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace dpmr {

enum class Codec {
    Bits,          // `width` bits from bit `shift` of one byte
    U16le,         // two bytes, low byte first
    Bcd,           // `size` bytes of packed decimal digit pairs, least significant pair first
    Frequency,     // 4-byte packed decimal in 10 Hz units; top byte 0xFF is "not set"
    TextSlot,      // `size` bytes padded with 0xFF holding at most `limit` printable characters
    DigitCodes,    // `size` bytes of one DTMF digit code each, 0xFF (or any code > 0xF) ends them
    ContactDigits, // `size` bytes of one contact digit code each; a code above 0xA ends them
};

struct FieldLayout {
    std::size_t offset; // within the record (or absolute, for a record at 0)
    Codec codec;
    unsigned shift = 0;
    unsigned width = 8;    // Bits only
    std::size_t size = 1;  // bytes taken
    std::size_t limit = 0; // characters (TextSlot, DigitCodes)

    static constexpr FieldLayout BitField(std::size_t offset, unsigned shift, unsigned width) {
        return {offset, Codec::Bits, shift, width, 1, 0};
    }
    static constexpr FieldLayout Byte(std::size_t offset) { return BitField(offset, 0, 8); }
    static constexpr FieldLayout Word(std::size_t offset) {
        return {offset, Codec::U16le, 0, 16, 2, 0};
    }
    static constexpr FieldLayout Decimal(std::size_t offset, std::size_t bytes) {
        return {offset, Codec::Bcd, 0, 0, bytes, 0};
    }
    static constexpr FieldLayout Freq(std::size_t offset) {
        return {offset, Codec::Frequency, 0, 0, 4, 0};
    }
    static constexpr FieldLayout Text(std::size_t offset, std::size_t bytes, std::size_t limit) {
        return {offset, Codec::TextSlot, 0, 0, bytes, limit};
    }
    static constexpr FieldLayout Digits(std::size_t offset, std::size_t bytes) {
        return {offset, Codec::DigitCodes, 0, 0, bytes, bytes};
    }
    static constexpr FieldLayout ContactNumber(std::size_t offset, std::size_t bytes) {
        return {offset, Codec::ContactDigits, 0, 0, bytes, bytes};
    }

    // The bits of each of its bytes that belong to this field.
    constexpr std::uint8_t Mask() const {
        if (codec != Codec::Bits)
            return 0xFF;
        return static_cast<std::uint8_t>(((1u << width) - 1u) << shift);
    }
};

// Integer codecs (Bits, U16le, Bcd, Frequency). Writing touches only the field's own bits.
std::uint64_t ReadNumber(const Image &image, std::size_t base, const FieldLayout &field);
void WriteNumber(Image &image, std::size_t base, const FieldLayout &field, std::uint64_t value);

// Frequency fields: nullopt when not set (top byte 0xFF); writing nullopt writes 0xFF bytes.
std::optional<std::uint64_t> ReadOptionalFrequency(const Image &image, std::size_t base,
                                                   const FieldLayout &field);
// Top byte neither 0xFF nor 0x00: what the editors show as a frequency.
bool IsFrequencyShown(const Image &image, std::size_t base, const FieldLayout &field);
// Shown, but 1000 MHz or more: see the offset form in bcd.h.
bool IsFrequencyOutOfRange(const Image &image, std::size_t base, const FieldLayout &field);
void WriteOptionalFrequency(Image &image, std::size_t base, const FieldLayout &field,
                            std::optional<std::uint64_t> value);

// TextSlot and digit-code fields as the characters they hold.
std::string ReadString(const Image &image, std::size_t base, const FieldLayout &field);
void WriteString(Image &image, std::size_t base, const FieldLayout &field, const std::string &text);

} // namespace dpmr
