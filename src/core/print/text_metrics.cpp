#include "core/print/text_metrics.h"

#include <array>

namespace dpmr {

namespace {

// Advance widths in thousandths of the size for the characters 0x20 to 0x7E.
constexpr std::array<short, 95> kRegular = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr std::array<short, 95> kBold = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722, 667,
    611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556,
    278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};
constexpr int kOtherWidth = 556;
constexpr std::string_view kEllipsis = "...";

int Thousandths(unsigned char c, bool bold) {
    if (c >= 0x20 && c <= 0x7E)
        return (bold ? kBold : kRegular)[c - 0x20];
    return (c & 0xC0) == 0x80 ? 0 : kOtherWidth; // a UTF-8 continuation byte adds nothing
}

} // namespace

double TextWidth(std::string_view text, double size, bool bold) {
    long total = 0;
    for (char c : text)
        total += Thousandths(static_cast<unsigned char>(c), bold);
    return static_cast<double>(total) * size / 1000.0;
}

std::string_view FittingPrefix(std::string_view text, double size, bool bold, double width,
                               bool &cut) {
    // A column is made exactly as wide as its widest text: allow for rounding in that sum.
    constexpr double kRounding = 0.001;
    cut = TextWidth(text, size, bold) > width + kRounding;
    if (!cut)
        return text;
    const double room = width - TextWidth(kEllipsis, size, bold);
    std::size_t length = 0;
    for (double used = 0; length < text.size(); ++length) {
        used += Thousandths(static_cast<unsigned char>(text[length]), bold) * size / 1000.0;
        if (used > room)
            break;
    }
    while (length > 0 && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length; // never split a UTF-8 character
    return text.substr(0, length);
}

} // namespace dpmr
