#pragma once
// A print document put on pages of a given paper size: every text, line and shaded band with
// its place in points from the top-left corner of the paper. The PDF writer and the program's
// printer both draw these pages as they are, so they paginate alike.

#include "core/print/print_document.h"

#include <string>
#include <vector>

namespace dpmr {

struct PaperSize {
    const char *name;
    double width; // points (1/72 inch)
    double height;
};
inline constexpr PaperSize kA4Paper{"A4", 595.276, 841.89};
inline constexpr PaperSize kLetterPaper{"Letter", 612.0, 792.0};

struct PageText {
    double x;    // left end of the text
    double y;    // its baseline
    double size; // points
    bool bold;
    std::string text; // UTF-8, already cut to its room
};
struct PageLine {
    double x1, y1, x2, y2;
    double width;
};
struct PageShade {
    double x, y, width, height;
    double gray; // 0 black .. 1 white
};

// Which rows of which table a page shows.
struct PageRows {
    int table = 0;
    int first = 0;
    int count = 0;
};

struct PrintPage {
    std::vector<PageShade> shades; // drawn first
    std::vector<PageLine> lines;
    std::vector<PageText> texts;
    PageRows rows;
};

// The room every page keeps free on each side, in points (15 mm).
inline constexpr double kPageMargin = 42.52;

std::vector<PrintPage> LayoutPages(const PrintDocument &document, const PaperSize &paper);

} // namespace dpmr
