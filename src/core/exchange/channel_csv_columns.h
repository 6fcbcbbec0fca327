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
inline constexpr std::string_view kToneModeTone = "Tone"; // transmit CTCSS only
inline constexpr std::string_view kToneModeTsql = "TSQL"; // the same CTCSS both ways
inline constexpr std::string_view kToneModeDtcs = "DTCS"; // DCS both ways
inline constexpr std::string_view kToneModeCross = "Cross";
inline constexpr std::string_view kCrossTone = "Tone";
inline constexpr std::string_view kCrossDtcs = "DTCS";

inline constexpr std::string_view kModeWide = "FM";
inline constexpr std::string_view kModeNarrow = "NFM";
inline constexpr std::string_view kModeDigital = "DPMR";

// Values written where a column does not apply, as other tools expect a value there.
inline constexpr std::string_view kDefaultCtcss = "88.5";
inline constexpr std::string_view kDefaultDcs = "023";

} // namespace dpmr::csv
