#include "core/image/text.h"

#include <algorithm>
#include <cstdio>

namespace dpmr {

std::string ReadTextSlot(const Image &image, std::size_t offset, std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < limit; ++i) {
        const std::uint8_t byte = image[offset + i];
        if (byte < 0x20 || byte > 0x7E)
            break;
        text += static_cast<char>(byte);
    }
    return text;
}

void WriteTextSlot(Image &image, std::size_t offset, std::size_t slotSize, std::size_t limit,
                   std::string_view text) {
    image.Fill(offset, slotSize, 0xFF);
    const std::size_t count = std::min({text.size(), limit, slotSize});
    for (std::size_t i = 0; i < count; ++i)
        image[offset + i] = static_cast<std::uint8_t>(text[i]);
}

std::string PadText(std::string_view text, char fill, std::size_t n, bool atLeft) {
    if (text.size() >= n)
        return std::string(text.substr(0, n));
    const std::string padding(n - text.size(), fill);
    return atLeft ? padding + std::string(text) : std::string(text) + padding;
}

std::string IdText(long number) {
    char text[32];
    std::snprintf(text, sizeof text, "%07ld", number);
    return PadText(text, '0', 7, true);
}

bool IsReservedId(std::string_view text) {
    if (text.size() != 7 || text[0] < '0' || text[0] > '9')
        return false;
    return text.substr(1) == "000000";
}

} // namespace dpmr
