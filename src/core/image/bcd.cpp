#include "core/image/bcd.h"

namespace dpmr {

std::uint8_t EncodeBcdByte(std::uint64_t value) {
    const unsigned v = static_cast<unsigned>(value % 100);
    return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10));
}

unsigned DecodeBcdByte(std::uint8_t byte) {
    return 10u * (byte >> 4) + (byte & 0x0F);
}

void EncodeBcd(std::uint8_t *out, std::uint64_t value, int n) {
    for (int i = 0; i < n; ++i) {
        out[i] = EncodeBcdByte(value % 100);
        value /= 100;
    }
}

std::uint64_t DecodeBcd(const std::uint8_t *bytes, int n) {
    std::uint64_t value = 0;
    for (int i = n - 1; i >= 0; --i)
        value = 100 * value + DecodeBcdByte(bytes[i]);
    return value;
}

void EncodeBcd(Image &image, std::size_t offset, std::uint64_t value, int n) {
    std::uint8_t bytes[8];
    EncodeBcd(bytes, value, n);
    for (int i = 0; i < n; ++i)
        image[offset + static_cast<std::size_t>(i)] = bytes[i];
}

std::uint64_t DecodeBcd(const Image &image, std::size_t offset, int n) {
    std::uint8_t bytes[8];
    for (int i = 0; i < n; ++i)
        bytes[i] = image[offset + static_cast<std::size_t>(i)];
    return DecodeBcd(bytes, n);
}

std::uint64_t ReadFrequency(const Image &image, std::size_t offset) {
    return DecodeBcd(image, offset, kFrequencySize);
}

bool IsFrequencyPresent(const Image &image, std::size_t offset) {
    return image[offset + 3] != 0xFF;
}

bool IsFrequencyShown(const Image &image, std::size_t offset) {
    const std::uint8_t top = image[offset + 3];
    return top != 0xFF && top != 0x00;
}

bool IsFrequencyOutOfRange(const Image &image, std::size_t offset) {
    return IsFrequencyShown(image, offset) && ReadFrequency(image, offset) > kMaxShownFrequency;
}

void WriteFrequency(Image &image, std::size_t offset, std::optional<std::uint64_t> value) {
    if (value)
        EncodeBcd(image, offset, *value, kFrequencySize);
    else
        image.Fill(offset, kFrequencySize, 0xFF);
}

} // namespace dpmr
