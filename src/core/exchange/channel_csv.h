#pragma once
// The 199 memory channels as CSV, in the column layout common to radio programming tools:
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
//   RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment
// plus two columns of our own, ChannelType and Bandwidth, for digital and mixed channels
// (Mode DPMR). Rows become table rows and are stored by the channel table's rules, as if
// typed into the main window; README.md describes every column.

#include "core/image/code_plug_file.h"
#include "core/image/image.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace dpmr {

// A channel list is some 30 KB; anything far larger is not one.
inline constexpr std::size_t kMaxChannelCsvSize = 1024 * 1024;

// The header and one row per channel in use, in channel order, LF line ends.
std::string ChannelsToCsv(const Image &image);
FileResult ExportChannelsCsvFile(const std::string &path, const Image &image);

struct CsvImportResult {
    bool ok = false;
    std::string message; // one line naming the file, line and column when !ok
    int channels = 0;    // rows applied
    explicit operator bool() const { return ok; }
};

// All or nothing: the image changes only when every row is good. Channels the text does not
// name keep their bytes; a row with an empty Frequency deletes its channel. `source` names the
// text in messages.
CsvImportResult ImportChannelsCsv(std::string_view text, const std::string &source, Image &image);
CsvImportResult ImportChannelsCsvFile(const std::string &path, Image &image);

} // namespace dpmr
