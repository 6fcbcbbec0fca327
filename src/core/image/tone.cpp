#include "core/image/tone.h"

#include "core/image/bcd.h"
#include "core/image/decimal.h"

#include <array>
#include <cstdio>

namespace dpmr {

namespace {

constexpr std::array<const char *, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<int, 105> kDcs = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

std::string DcsText(int code, char polarity) {
    char text[32];
    std::snprintf(text, sizeof text, "D%03d%c", code, polarity);
    return text;
}

std::vector<std::string> MakeToneList() {
    std::vector<std::string> list{"None"};
    list.insert(list.end(), kCtcss.begin(), kCtcss.end());
    for (char polarity : {'N', 'I'})
        for (int code : kDcs)
            list.push_back(DcsText(code, polarity));
    return list;
}

bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// sscanf(text, "<prefix>%d<anything>"): the literal prefix must match, then an integer.
// Running out of text before the conversion counts as a match with n left at 0, as sscanf's
// EOF return does.
bool ScanPrefixed(std::string_view text, std::string_view prefix, long &n) {
    if (text.size() <= prefix.size() && text == prefix.substr(0, text.size())) {
        return true; // input exhausted before the conversion
    }
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    return ParseLeadingInt(text.substr(prefix.size()), n);
}

// sscanf(text, "%d<suffix>"): the integer is what counts; the suffix need not be there.
bool ScanLeading(std::string_view text, long &n) {
    if (text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos)
        return true; // exhausted before the conversion
    return ParseLeadingInt(text, n);
}

} // namespace

const std::vector<std::string> &ToneList() {
    static const std::vector<std::string> list = MakeToneList();
    return list;
}

std::string ToneText(ToneCode code) {
    const std::uint8_t high = static_cast<std::uint8_t>(code >> 8);
    const std::uint8_t low = static_cast<std::uint8_t>(code & 0xFF);
    if (high == 0xFF)
        return "None";
    if (high <= 0x7F) {
        const unsigned tenths = DecodeBcdByte(high) * 100 + DecodeBcdByte(low);
        return FormatFixed(DecimalMultiply(tenths, 0.1), 1);
    }
    const unsigned first = high >= 0xC0 ? high - 0xC0u : high - 0x80u;
    const unsigned number = first * 100 + DecodeBcdByte(low);
    const char polarity = high >= 0xC0 ? 'I' : 'N';
    return std::string(first == 0 ? "D0" : "D") + std::to_string(number) + polarity;
}

ToneCode ToneCodeFromText(std::string_view text) {
    if (Contains(text, 'D')) {
        std::string_view rest = text.substr(1);
        long n = 0;
        ParseLeadingInt(rest, n);
        const unsigned u = static_cast<unsigned>(n);
        const bool normal = Contains(rest, 'N');
        // A first code digit that would carry the high byte out of its polarity's range
        // (into the other polarity, or onto 0xFF, "None") names no code: store "None" in its
        // canonical form rather than some other tone.
        if (n < 0 || u / 100 > (normal ? 0x3Fu : 0x3Eu))
            return kNoTone;
        const unsigned high = u / 100 + (normal ? 0x80u : 0xC0u);
        return static_cast<ToneCode>(high << 8 | EncodeBcdByte(u % 100));
    }
    if (text == "None")
        return kNoTone;
    const std::int64_t tenths = TruncToInt64(DecimalMultiply(ParseNumber(text), 10));
    std::uint8_t bytes[2];
    EncodeBcd(bytes, static_cast<std::uint64_t>(tenths), 2);
    return static_cast<ToneCode>(bytes[1] << 8 | bytes[0]);
}

bool IsToneShowable(ToneCode code) {
    const std::uint8_t high = static_cast<std::uint8_t>(code >> 8);
    const unsigned last = DecodeBcdByte(static_cast<std::uint8_t>(code & 0xFF));
    if (high == 0xFF)
        return true;
    // 800.0 Hz and up would store with a high byte of 0x80 or more: a DCS code.
    if (high <= 0x7F)
        return DecodeBcdByte(high) * 100 + last < 8000;
    // A last pair beyond 99 carries into the first code digit: the same code number, unless
    // the text had a leading zero ("D0100N") or the carry leaves the polarity's range.
    const bool inverted = high >= 0xC0;
    const unsigned first = high - (inverted ? 0xC0u : 0x80u);
    return last < 100 || (first >= 1 && first + 1 <= (inverted ? 0x3Eu : 0x3Fu));
}

std::string NormalizeToneText(std::string_view typed) {
    if (typed.empty())
        return {};
    std::string text(typed);
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (Contains(text, '.')) {
        const std::int64_t tenths = TruncToInt64(DecimalMultiply(ParseNumber(text), 10));
        return (tenths >= 600 && tenths <= 2800) ? text : "None";
    }
    long n = 0;
    bool found = false;
    for (std::string_view prefix : {"D", "DN", "DI", "ND", "ID", "N", "I"}) {
        if (ScanPrefixed(text, prefix, n)) {
            found = true;
            break;
        }
    }
    if (!found)
        found = ScanLeading(text, n); // "%dN", "%dD", "%dI" read the same integer
    if (!found || n < 1 || n > 777)
        return "None";
    char result[16];
    std::snprintf(result, sizeof result, "D%03ld%c", n, Contains(text, 'I') ? 'I' : 'N');
    return result;
}

} // namespace dpmr
