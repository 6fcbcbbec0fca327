#pragma once
// Widths of text in the two faces every printout uses: Helvetica and Helvetica Bold, the
// standard faces every PDF reader has (and that fontconfig maps to a metric-compatible face).
// Layout measures with these, so a column fits the same on paper, in the PDF and in a preview.

#include <string_view>

namespace dpmr {

// Width in points of UTF-8 text at a size in points; characters outside ASCII count as the
// width of a digit.
double TextWidth(std::string_view text, double size, bool bold);
// The text itself when it fits `width`, else as much of it as fits followed by "...".
std::string_view FittingPrefix(std::string_view text, double size, bool bold, double width,
                               bool &cut);

} // namespace dpmr
