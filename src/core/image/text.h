#pragma once
// Names in fixed slots padded with 0xFF, and the 7-digit identities.

#include "core/image/image.h"

#include <string>
#include <string_view>

namespace dpmr {

// Characters from the start while printable ASCII (0x20-0x7E), at most limit.
std::string ReadTextSlot(const Image &image, std::size_t offset, std::size_t limit);
// The whole slot becomes 0xFF, then at most limit characters are copied.
void WriteTextSlot(Image &image, std::size_t offset, std::size_t slotSize, std::size_t limit,
                   std::string_view text);

// Cut to n characters, or extended to n with fill, on the left when atLeft.
std::string PadText(std::string_view text, char fill, std::size_t n, bool atLeft);
// "%07d" brought to exactly 7 characters.
std::string IdText(long number);
bool IsReservedId(std::string_view text);

} // namespace dpmr
