#pragma once
// Column names and value words shared by the CSV export and import.

#include <array>
#include <string_view>

namespace dpmr::csv {

inline constexpr std::array<std::string_view, 19> kColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",      "Offset",    "Tone", "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode",  "CrossMode", "Mode", "TStep",
    "Skip",      "Power",    "Comment",      "ChannelType", "Bandwidth"};

// Tone modes; Cross takes its pair from CrossMode ("Tone->DTCS": transmit, then receive).
inline constexpr std::string_view kToneModeTone = "Tone"; // transmit CTCSS rToneFreq only
inline constexpr std::string_view kToneModeTsql = "TSQL"; // cToneFreq both ways
inline constexpr std::string_view kToneModeDtcs = "DTCS"; // DtcsCode both ways
inline constexpr std::string_view kToneModeCross = "Cross";
// Reversed modes (squelch opens when the tone is absent): this radio has none.
inline constexpr std::string_view kToneModeDtcsReversed = "DTCS-R";
inline constexpr std::string_view kToneModeTsqlReversed = "TSQL-R";
inline constexpr std::string_view kCrossTone = "Tone";
inline constexpr std::string_view kCrossDtcs = "DTCS";
inline constexpr std::string_view kCrossArrow = "->";

// Modes: analog wide and narrow, and the word the other tools use for digital and mixed
// channels (ChannelType then says which). "Auto" and an empty Mode read as FM; "DPMR" is what
// earlier versions of this program wrote for DIG.
inline constexpr std::string_view kModeWide = "FM";
inline constexpr std::string_view kModeNarrow = "NFM";
inline constexpr std::string_view kModeAuto = "Auto";
inline constexpr std::string_view kModeDigital = "DIG";
inline constexpr std::string_view kModeDigitalOld = "DPMR";

// Values written where a column does not apply, as other tools expect a value there.
inline constexpr std::string_view kDefaultCtcss = "88.5";
inline constexpr std::string_view kDefaultDcs = "023";
inline constexpr std::string_view kDefaultPolarity = "NN";
inline constexpr std::string_view kDefaultCross = "Tone->Tone";

} // namespace dpmr::csv
