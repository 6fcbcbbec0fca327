#pragma once
// One byte per dialling digit. DTMF: 0x0-0x9, 0xA-0xD "A"-"D", 0xE "*", 0xF "#", 0xFF empty.
// Contact numbers: 0x0-0x9, 0xA "*"; anything above 0xA is no digit.

#include <cstdint>

namespace dpmr {

inline constexpr std::uint8_t kNoDigit = 0xFF;

std::uint8_t DtmfCodeFromChar(char c);
// 0x00 (end of the digit string) for codes above 0xF.
char DtmfCharFromCode(std::uint8_t code);
std::uint8_t ContactCodeFromChar(char c);
// The byte 0xFF for codes above 0xA.
char ContactCharFromCode(std::uint8_t code);

} // namespace dpmr
