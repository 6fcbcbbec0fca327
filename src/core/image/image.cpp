#include "core/image/image.h"

#include <stdexcept>

namespace dpmr {

void Image::Fill(std::size_t offset, std::size_t count, std::uint8_t value) {
    if (offset > kImageSize || count > kImageSize - offset)
        throw std::out_of_range("image fill outside 16384 bytes");
    for (std::size_t i = 0; i < count; ++i)
        bytes_[offset + i] = value;
}

unsigned Image::Bits(std::size_t offset, unsigned shift, unsigned width) const {
    const unsigned mask = (1u << width) - 1u;
    return (static_cast<unsigned>(bytes_.at(offset)) >> shift) & mask;
}

void Image::SetBits(std::size_t offset, unsigned shift, unsigned width, unsigned value) {
    const unsigned mask = ((1u << width) - 1u) << shift;
    unsigned byte = bytes_.at(offset);
    byte = (byte & ~mask) | ((value << shift) & mask);
    bytes_[offset] = static_cast<std::uint8_t>(byte);
}

std::uint16_t Image::U16le(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes_.at(offset) | (bytes_.at(offset + 1) << 8));
}

void Image::SetU16le(std::size_t offset, std::uint16_t value) {
    bytes_.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
    bytes_[offset] = static_cast<std::uint8_t>(value & 0xFF);
}

void SetChannelBit(Image &image, std::size_t bitmap, int channel, bool on) {
    const int bit = channel - 1;
    image.SetBit(bitmap + static_cast<std::size_t>(bit / 8), static_cast<unsigned>(bit % 8), on);
}

bool ChannelBit(const Image &image, std::size_t bitmap, int channel) {
    const int bit = channel - 1;
    return image.Bit(bitmap + static_cast<std::size_t>(bit / 8), static_cast<unsigned>(bit % 8));
}

} // namespace dpmr
