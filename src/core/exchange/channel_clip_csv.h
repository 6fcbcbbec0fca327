#pragma once
// The clipboard's text form of channels: the rows of the channel CSV exchange, so a copy
// pastes into a spreadsheet or a text editor and rows copied from one paste back. The one
// place the clipboard calls the CSV exchange.

#include "core/channels/channel_rows.h"
#include "core/image/image.h"

#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

// The header and the rows of the given channels that are in use.
std::string ChannelsToCsvText(const Image &image, const std::vector<int> &channels);

struct SkippedCsvRow {
    int line = 0; // 0 when the fault is not in one line
    std::string reason;
};

struct CsvClip {
    ChannelClip clip; // in the order of their Location, to be pasted from the current row down
    std::vector<SkippedCsvRow> skipped;
};

// Text from a spreadsheet or a text editor, read by the import rules against the band and
// contacts of `image`. Tab-separated rows (what spreadsheets put on the clipboard) are taken
// as well as commas, and rows without the header line get the exchange's own header.
CsvClip ChannelsFromCsvText(std::string_view text, const Image &image);

} // namespace dpmr
