#include "core/exchange/csv_rows.h"

#include <algorithm>
#include <csv.h>

namespace dpmr {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct RowCollector {
    explicit RowCollector(CsvParse &parsed) : result(parsed) {}
    CsvParse &result;
    int line = 1;         // the line being fed
    int rowStartLine = 0; // 0 until the current row has a field
    int openLine = 1;     // the last line that was fed between rows: where an open row began
    CsvRow row;
    bool failed = false;

    void Fail(int atLine, int column, std::string why) {
        if (failed)
            return;
        failed = true;
        result.errorLine = atLine;
        result.errorColumn = column;
        result.error = std::move(why);
    }
};

void OnField(void *data, std::size_t size, void *context) {
    auto &c = *static_cast<RowCollector *>(context);
    std::string field(static_cast<const char *>(data), size);
    const auto newlines = static_cast<int>(std::count(field.begin(), field.end(), '\n'));
    // A quoted field may run over line ends (a comment of several lines): the row starts on
    // the line its first field started on.
    if (c.rowStartLine == 0)
        c.rowStartLine = c.line - newlines;
    c.row.fields.push_back(std::move(field));
}

void OnRowEnd(int, void *context) {
    auto &c = *static_cast<RowCollector *>(context);
    c.row.line = c.rowStartLine != 0 ? c.rowStartLine : c.line;
    c.result.rows.push_back(std::move(c.row));
    c.row = {};
    c.rowStartLine = 0;
}

// Spaces are part of a field; the reader of a column decides whether they count.
int NoSpaces(unsigned char) {
    return 0;
}

} // namespace

CsvParse ParseCsvRows(std::string_view text) {
    CsvParse result;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    RowCollector collector{result};

    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        result.error = "out of memory";
        return result;
    }
    csv_set_space_func(&parser, NoSpaces);
    // A NUL byte anywhere, comments included, says the file is no text.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        const std::size_t lineStart = text.rfind('\n', nul);
        const std::size_t column = lineStart == std::string_view::npos ? nul : nul - lineStart - 1;
        collector.Fail(1 + static_cast<int>(std::count(text.begin(), text.begin() + nul, '\n')), 0,
                       "holds a NUL byte at character " + std::to_string(column + 1) +
                           ": not a text file");
    }
    // Fed a line at a time so that every field and row knows its line.
    std::size_t start = 0;
    while (start < text.size() && !collector.failed) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        const std::string_view line = text.substr(start, end - start);
        // A line that starts with # between rows is a comment; inside a quoted field it is
        // part of the field.
        const bool betweenRows = collector.rowStartLine == 0 && parser.quoted == 0;
        if (betweenRows && !line.empty() && line.front() == '#') {
            start = end;
            if (text[end - 1] == '\n')
                ++collector.line;
            continue;
        }
        if (betweenRows)
            collector.openLine = collector.line;
        if (csv_parse(&parser, line.data(), line.size(), OnField, OnRowEnd, &collector) !=
            line.size()) {
            collector.Fail(collector.line, 0,
                           std::string("unbalanced or misplaced quote (") +
                               csv_strerror(csv_error(&parser)) + ")");
        }
        start = end;
        if (end > 0 && text[end - 1] == '\n')
            ++collector.line;
    }
    if (!collector.failed && csv_fini(&parser, OnField, OnRowEnd, &collector) != 0)
        collector.Fail(collector.openLine, 0, "a quoted field is not closed by the end");
    csv_free(&parser);
    result.ok = !collector.failed;
    return result;
}

std::string CsvField(std::string_view text) {
    const bool edgeSpace = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    if (!edgeSpace && text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace dpmr
