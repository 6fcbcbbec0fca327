#pragma once
// Splits CSV text into rows of fields with the line each row starts on, through libcsv. A
// quoted field may hold line ends; a line that starts with # between rows is a comment. Text
// that is no plain CSV (NUL bytes, malformed quotes, a quoted field not closed) is refused with
// the line it was found on.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

struct CsvRow {
    int line = 0; // 1-based
    std::vector<std::string> fields;
};

struct CsvParse {
    bool ok = false;
    int errorLine = 0;
    int errorColumn = 0; // 0 when the fault is not in one field
    std::string error;
    std::vector<CsvRow> rows; // blank lines and comments are skipped
};

// A leading UTF-8 byte order mark is dropped; CR LF line ends read as LF.
CsvParse ParseCsvRows(std::string_view text);

// One field as written to a file: quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);

} // namespace dpmr
