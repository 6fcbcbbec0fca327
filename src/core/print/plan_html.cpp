#include "core/print/plan_html.h"

namespace dpmr {

namespace {

std::string Escaped(const std::string &text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

constexpr const char *kStyle =
    "body{font-family:Helvetica,Arial,sans-serif;font-size:9pt}"
    "header{display:flex;justify-content:space-between;border-bottom:1px solid #000}"
    "table{border-collapse:collapse;width:100%;margin-bottom:2em}"
    "thead{display:table-header-group}"
    "th{background:#d9d9d9;text-align:left}th,td{padding:2px 4px}"
    "tbody tr:nth-child(even){background:#f2f2f2}"
    ".num{text-align:right}.heading td{background:#e6e6e6;font-weight:bold}"
    "section+section{break-before:page}"
    "@page{margin:15mm}";

void AddTable(std::string &out, const PrintTable &table) {
    out += "<section>\n<h1>" + Escaped(table.title) + "</h1>\n<table>\n<thead><tr>";
    for (const PrintColumn &column : table.columns)
        out +=
            (column.alignRight ? "<th class=\"num\">" : "<th>") + Escaped(column.header) + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (const PrintRow &row : table.rows) {
        if (row.heading) {
            out += "<tr class=\"heading\"><td colspan=\"" + std::to_string(table.columns.size()) +
                   "\">" + Escaped(row.cells.empty() ? std::string() : row.cells.front()) +
                   "</td></tr>\n";
            continue;
        }
        out += "<tr>";
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const std::string cell = c < row.cells.size() ? row.cells[c] : std::string();
            out += (table.columns[c].alignRight ? "<td class=\"num\">" : "<td>") + Escaped(cell) +
                   "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n</section>\n";
}

} // namespace

std::string DocumentHtml(const PrintDocument &document) {
    const PrintHeader &header = document.header;
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>" +
                      Escaped(header.fileName) + "</title>\n<style>" + kStyle +
                      "</style>\n</head>\n<body>\n<header><strong>" + Escaped(header.fileName) +
                      "</strong><span>Band " + Escaped(header.band) + "</span><span>" +
                      Escaped(header.date) + "</span></header>\n";
    for (const PrintTable &table : document.tables)
        AddTable(out, table);
    return out + "</body>\n</html>\n";
}

FileResult WriteHtmlFile(const std::string &path, const PrintDocument &document) {
    const std::string html = DocumentHtml(document);
    return WriteFileAtomically(path, html.data(), html.size());
}

} // namespace dpmr
