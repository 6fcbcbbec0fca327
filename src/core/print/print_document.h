#pragma once
// What a printout holds, before it is put on pages: tables of texts with their headers, and
// the page header. The channel plan and the settings sheet are built here from the same rules
// the editors and dpmr-tool use, so the program, the PDF and the HTML show the same plan.

#include "core/image/image.h"

#include <string>
#include <vector>

namespace dpmr {

struct PrintColumn {
    std::string header;
    bool alignRight = false;
};

struct PrintRow {
    std::vector<std::string> cells; // one per column; a heading row has one, across the table
    bool heading = false;
};

struct PrintTable {
    std::string title; // "Channel plan"
    std::vector<PrintColumn> columns;
    std::vector<PrintRow> rows;
};

// The line at the top of every page.
struct PrintHeader {
    std::string fileName; // as the user knows it: "fleet.dat"
    std::string band;     // "400-470 MHz"
    std::string date;     // "2026-12-07"
};

struct PrintDocument {
    PrintHeader header;
    std::vector<PrintTable> tables; // each starts on a page of its own
};

// "136-174 MHz" for a band variant, else the limits the image holds ("401-469.5 MHz").
std::string BandText(const Image &image);
// The file name without its folder; "Data" (a new code plug's name) stays as it is.
PrintHeader HeaderFor(const Image &image, const std::string &path, const std::string &date);
// Today's date in the local time zone, "YYYY-MM-DD".
std::string TodayText();

// Every channel in use, in channel order: number, name, frequencies, tones, power, scan,
// bandwidth and channel type as the channel table shows them; the contact, group receive list
// and key as the channel editor names them, for channels with a digital part.
PrintTable ChannelPlan(const Image &image);
// Every other setting as name and value, one heading per editor page or list row, from the
// same lists dpmr-tool dump walks.
PrintTable SettingsSheet(const Image &image);

// The channel plan, and the settings sheet when asked for.
PrintDocument PlanDocument(const Image &image, const PrintHeader &header, bool withSettings);

} // namespace dpmr
