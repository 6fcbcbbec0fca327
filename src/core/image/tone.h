#pragma once
// Tone codes: two bytes, low byte first. The high byte says what the code is: 0xFF no tone,
// 0x00-0x7F a CTCSS tone in tenths of Hz (4 packed digits), 0x80-0xBF a normal DCS code and
// 0xC0-0xFE an inverted one (first code digit in the high byte, the last two packed in the low).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

using ToneCode = std::uint16_t; // low byte | high byte << 8, as U16le reads it
inline constexpr ToneCode kNoTone = 0xFFFF;
inline constexpr int kToneListSize = 261;

// "None", 50 CTCSS tones, 105 DCS codes with "N", the same 105 with "I".
const std::vector<std::string> &ToneList();

std::string ToneText(ToneCode code);
ToneCode ToneCodeFromText(std::string_view text);
// False when the code's text would store as another tone: digits above 9 in a CTCSS word (48 7E
// shows 844.8, which stores as a DCS code) or in a DCS code's last two digits. Editors show
// such a tone as "None" and keep its bytes until the user chooses a tone.
bool IsToneShowable(ToneCode code);
// What a tone chooser shows after the user typed into it: "d23i" becomes "D023I".
std::string NormalizeToneText(std::string_view text);

} // namespace dpmr
