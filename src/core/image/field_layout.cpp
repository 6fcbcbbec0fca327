#include "core/image/field_layout.h"

#include "core/image/bcd.h"
#include "core/image/digit_codes.h"
#include "core/image/text.h"

#include <stdexcept>

namespace dpmr {

std::uint64_t ReadNumber(const Image &image, std::size_t base, const FieldLayout &field) {
    const std::size_t at = base + field.offset;
    switch (field.codec) {
    case Codec::Bits:
        return image.Bits(at, field.shift, field.width);
    case Codec::U16le:
        return image.U16le(at);
    case Codec::Bcd:
    case Codec::Frequency:
        return DecodeBcd(image, at, static_cast<int>(field.size));
    case Codec::TextSlot:
    case Codec::DigitCodes:
    case Codec::ContactDigits:
        break;
    }
    throw std::logic_error("not a number field");
}

void WriteNumber(Image &image, std::size_t base, const FieldLayout &field, std::uint64_t value) {
    const std::size_t at = base + field.offset;
    switch (field.codec) {
    case Codec::Bits:
        image.SetBits(at, field.shift, field.width, static_cast<unsigned>(value));
        return;
    case Codec::U16le:
        image.SetU16le(at, static_cast<std::uint16_t>(value));
        return;
    case Codec::Bcd:
    case Codec::Frequency:
        EncodeBcd(image, at, value, static_cast<int>(field.size));
        return;
    case Codec::TextSlot:
    case Codec::DigitCodes:
    case Codec::ContactDigits:
        break;
    }
    throw std::logic_error("not a number field");
}

std::optional<std::uint64_t> ReadOptionalFrequency(const Image &image, std::size_t base,
                                                   const FieldLayout &field) {
    if (!IsFrequencyPresent(image, base + field.offset))
        return std::nullopt;
    return ReadFrequency(image, base + field.offset);
}

bool IsFrequencyShown(const Image &image, std::size_t base, const FieldLayout &field) {
    return IsFrequencyShown(image, base + field.offset);
}

bool IsFrequencyOutOfRange(const Image &image, std::size_t base, const FieldLayout &field) {
    return IsFrequencyOutOfRange(image, base + field.offset);
}

void WriteOptionalFrequency(Image &image, std::size_t base, const FieldLayout &field,
                            std::optional<std::uint64_t> value) {
    WriteFrequency(image, base + field.offset, value);
}

std::string ReadString(const Image &image, std::size_t base, const FieldLayout &field) {
    const std::size_t at = base + field.offset;
    if (field.codec == Codec::TextSlot)
        return ReadTextSlot(image, at, field.limit);
    std::string digits;
    for (std::size_t i = 0; i < field.limit; ++i) {
        const char c = field.codec == Codec::DigitCodes ? DtmfCharFromCode(image[at + i])
                                                        : ContactCharFromCode(image[at + i]);
        if (c == '\0' || c == static_cast<char>(0xFF))
            break;
        digits += c;
    }
    return digits;
}

void WriteString(Image &image, std::size_t base, const FieldLayout &field,
                 const std::string &text) {
    const std::size_t at = base + field.offset;
    if (field.codec == Codec::TextSlot) {
        WriteTextSlot(image, at, field.size, field.limit, text);
        return;
    }
    image.Fill(at, field.size, kNoDigit);
    for (std::size_t i = 0; i < text.size() && i < field.limit; ++i)
        image[at + i] = field.codec == Codec::DigitCodes ? DtmfCodeFromChar(text[i])
                                                         : ContactCodeFromChar(text[i]);
}

} // namespace dpmr
