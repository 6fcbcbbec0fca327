#include "core/print/page_layout.h"

#include "core/print/text_metrics.h"

#include <algorithm>
#include <numeric>

namespace dpmr {

namespace {

constexpr double kHeaderSize = 9;
constexpr double kTitleSize = 13;
constexpr double kFooterSize = 8;
constexpr double kTableTop = 40;    // below the top margin: header line and title above
constexpr double kFooterRoom = 14;  // above the bottom margin
constexpr double kLargestCell = 9;  // font sizes of the table, in points
constexpr double kSmallestCell = 7; // still readable on paper
constexpr double kCellPadding = 4;
constexpr double kHeaderShade = 0.85, kHeadingShade = 0.9, kStripeShade = 0.95;

struct Frame {
    double left, right, top, bottom;
    double Width() const { return right - left; }
};

// The table's font size and column widths: the widest text of each column, at the largest size
// that lets every column fit; when even the smallest size is too wide, the widest column gives
// up room (its long texts are cut). Room left over is shared out evenly.
struct Columns {
    double size = kLargestCell;
    std::vector<double> widths;
};

Columns FitColumns(const PrintTable &table, double room) {
    const std::size_t n = table.columns.size();
    std::vector<double> natural(n, 0.0); // text widths at 1 pt
    for (std::size_t c = 0; c < n; ++c)
        natural[c] = TextWidth(table.columns[c].header, 1, true);
    for (const PrintRow &row : table.rows)
        if (!row.heading)
            for (std::size_t c = 0; c < n && c < row.cells.size(); ++c)
                natural[c] = std::max(natural[c], TextWidth(row.cells[c], 1, false));
    const double padding = 2 * kCellPadding * static_cast<double>(n);
    const double text = std::accumulate(natural.begin(), natural.end(), 0.0);
    Columns columns;
    columns.size =
        std::clamp(text > 0 ? (room - padding) / text : kLargestCell, kSmallestCell, kLargestCell);
    for (double width : natural)
        columns.widths.push_back(width * columns.size + 2 * kCellPadding);
    const double used = std::accumulate(columns.widths.begin(), columns.widths.end(), 0.0);
    if (used > room) {
        auto widest = std::max_element(columns.widths.begin(), columns.widths.end());
        *widest = std::max(2 * kCellPadding, *widest - (used - room));
    } else {
        for (double &width : columns.widths)
            width += (room - used) / static_cast<double>(n);
    }
    return columns;
}

double RowHeight(double size) {
    return size * 1.5 + 2;
}

// Text placed in a cell: cut to its room, left or right aligned, on the row's baseline.
PageText CellText(const std::string &text, double size, bool bold, double x, double width,
                  bool alignRight, double baseline) {
    bool cut = false;
    std::string shown(FittingPrefix(text, size, bold, width - 2 * kCellPadding, cut));
    if (cut)
        shown += "...";
    const double left =
        alignRight ? x + width - kCellPadding - TextWidth(shown, size, bold) : x + kCellPadding;
    return {left, baseline, size, bold, std::move(shown)};
}

double Baseline(double rowTop, double size) {
    return rowTop + (RowHeight(size) + 0.7 * size) / 2; // capitals centred in the row
}

// The file name, band and date above every page's table, and the table's title.
void AddPageHeader(PrintPage &page, const PrintHeader &header, const std::string &title,
                   const Frame &frame) {
    const double baseline = frame.top + kHeaderSize;
    page.texts.push_back({frame.left, baseline, kHeaderSize, true, header.fileName});
    const std::string band = "Band " + header.band;
    page.texts.push_back({frame.left + (frame.Width() - TextWidth(band, kHeaderSize, false)) / 2,
                          baseline, kHeaderSize, false, band});
    page.texts.push_back({frame.right - TextWidth(header.date, kHeaderSize, false), baseline,
                          kHeaderSize, false, header.date});
    page.lines.push_back({frame.left, frame.top + 13, frame.right, frame.top + 13, 0.75});
    page.texts.push_back({frame.left, frame.top + 31, kTitleSize, true, title});
}

void AddHeaderRow(PrintPage &page, const PrintTable &table, const Columns &columns,
                  const Frame &frame, double top) {
    const double height = RowHeight(columns.size);
    page.shades.push_back({frame.left, top, frame.Width(), height, kHeaderShade});
    double x = frame.left;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        page.texts.push_back(CellText(table.columns[c].header, columns.size, true, x,
                                      columns.widths[c], table.columns[c].alignRight,
                                      Baseline(top, columns.size)));
        x += columns.widths[c];
    }
    page.lines.push_back({frame.left, top + height, frame.right, top + height, 0.75});
}

void AddRow(PrintPage &page, const PrintTable &table, const PrintRow &row, const Columns &columns,
            const Frame &frame, double top, bool stripe) {
    const double height = RowHeight(columns.size);
    const double baseline = Baseline(top, columns.size);
    if (row.heading) {
        page.shades.push_back({frame.left, top, frame.Width(), height, kHeadingShade});
        page.texts.push_back(CellText(row.cells.empty() ? std::string() : row.cells.front(),
                                      columns.size, true, frame.left, frame.Width(), false,
                                      baseline));
        return;
    }
    if (stripe)
        page.shades.push_back({frame.left, top, frame.Width(), height, kStripeShade});
    double x = frame.left;
    for (std::size_t c = 0; c < table.columns.size() && c < row.cells.size(); ++c) {
        if (!row.cells[c].empty())
            page.texts.push_back(CellText(row.cells[c], columns.size, false, x, columns.widths[c],
                                          table.columns[c].alignRight, baseline));
        x += columns.widths[c];
    }
}

void LayoutTable(const PrintDocument &document, int index, const Frame &frame,
                 std::vector<PrintPage> &pages) {
    const PrintTable &table = document.tables[static_cast<std::size_t>(index)];
    const Columns columns = FitColumns(table, frame.Width());
    const double height = RowHeight(columns.size);
    const double tableTop = frame.top + kTableTop;
    const double tableBottom = frame.bottom - kFooterRoom;
    const int perPage = std::max(2, static_cast<int>((tableBottom - tableTop - height) / height));
    const int rowCount = static_cast<int>(table.rows.size());
    int first = 0;
    do {
        int count = std::min(perPage, rowCount - first);
        // A heading never ends a page: it goes with the rows it heads.
        if (first + count < rowCount && count > 1 &&
            table.rows[static_cast<std::size_t>(first + count - 1)].heading)
            --count;
        PrintPage page;
        page.rows = {index, first, count};
        AddPageHeader(page, document.header, table.title, frame);
        AddHeaderRow(page, table, columns, frame, tableTop);
        double top = tableTop + height;
        for (int r = first; r < first + count; ++r, top += height)
            AddRow(page, table, table.rows[static_cast<std::size_t>(r)], columns, frame, top,
                   (r - first) % 2 == 1);
        page.lines.push_back({frame.left, top, frame.right, top, 0.5});
        pages.push_back(std::move(page));
        first += count;
    } while (first < rowCount);
}

} // namespace

std::vector<PrintPage> LayoutPages(const PrintDocument &document, const PaperSize &paper) {
    const Frame frame{kPageMargin, paper.width - kPageMargin, kPageMargin,
                      paper.height - kPageMargin};
    std::vector<PrintPage> pages;
    for (int t = 0; t < static_cast<int>(document.tables.size()); ++t)
        LayoutTable(document, t, frame, pages);
    const std::string total = std::to_string(pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::string footer = "page " + std::to_string(p + 1) + " of " + total;
        pages[p].texts.push_back(
            {frame.left + (frame.Width() - TextWidth(footer, kFooterSize, false)) / 2,
             frame.bottom - 2, kFooterSize, false, footer});
    }
    return pages;
}

} // namespace dpmr
