#pragma once
// The code plug image: 16384 bytes addressed by absolute offset. Fields are read and written
// through accessors that state width, byte order and bit position; a bit field is written by
// clearing and setting only its own bits so that reserved bits survive.

#include "core/image/memory_map.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace dpmr {

class Image {
public:
    Image() { bytes_.fill(0xFF); }

    std::uint8_t &operator[](std::size_t offset) { return bytes_.at(offset); }
    std::uint8_t operator[](std::size_t offset) const { return bytes_.at(offset); }

    std::uint8_t *data() { return bytes_.data(); }
    const std::uint8_t *data() const { return bytes_.data(); }
    static constexpr std::size_t size() { return kImageSize; }

    void Fill(std::uint8_t value) { bytes_.fill(value); }
    void Fill(std::size_t offset, std::size_t count, std::uint8_t value);

    unsigned Bits(std::size_t offset, unsigned shift, unsigned width) const;
    void SetBits(std::size_t offset, unsigned shift, unsigned width, unsigned value);
    bool Bit(std::size_t offset, unsigned bit) const { return Bits(offset, bit, 1) != 0; }
    void SetBit(std::size_t offset, unsigned bit, bool on) { SetBits(offset, bit, 1, on ? 1 : 0); }

    std::uint16_t U16le(std::size_t offset) const;
    void SetU16le(std::size_t offset, std::uint16_t value);

    friend bool operator==(const Image &, const Image &) = default;

private:
    std::array<std::uint8_t, kImageSize> bytes_;
};

// Bit n (1-based channel) of a 25-byte channel bitmap: bit (n-1)%8 of byte (n-1)/8.
void SetChannelBit(Image &image, std::size_t bitmap, int channel, bool on);
bool ChannelBit(const Image &image, std::size_t bitmap, int channel);

} // namespace dpmr
