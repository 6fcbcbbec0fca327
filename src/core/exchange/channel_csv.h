#pragma once
// The 199 memory channels as CSV, in the column layout that radio programming tools commonly
// use for channel lists:
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
//   RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment
// read with that format's meaning (README.md, "CSV channel lists"), plus two columns of our own,
// ChannelType and Bandwidth, that keep the exact dPMR channel type. Rows become table rows and
// are stored by the channel table's rules, as if typed into the main window.
//
// Both directions work on text, not files, so that the clipboard can use them too: copy is
// ChannelsToCsv(image, the selected channels), paste is ImportChannelsCsv with `pasteAt`.

#include "core/image/code_plug_file.h"
#include "core/image/image.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

// A channel list is some 30 KB; anything far larger is not one.
inline constexpr std::size_t kMaxChannelCsvSize = 1024 * 1024;

// The nominal output of the radio's two power levels. Watts in a file go to the nearer level
// (3 W and above High); the export writes these figures.
inline constexpr double kHighPowerWatts = 5.0;
inline constexpr double kLowPowerWatts = 1.0;

// The header and one row per channel in use, in channel order, LF line ends.
std::string ChannelsToCsv(const Image &image);
// The header and one row for each of `channels` (1-199), in the order given. An empty channel
// is a row with only its Location, which the import reads as "delete this channel".
std::string ChannelsToCsv(const Image &image, std::span<const int> channels);
FileResult ExportChannelsCsvFile(const std::string &path, const Image &image);
FileResult ExportChannelsCsvFile(const std::string &path, const Image &image,
                                 std::span<const int> channels);

struct CsvImportOptions {
    // Refuse the whole text at the first row this radio cannot hold; notes stay notes.
    bool strict = false;
    // 0: every row goes to its Location. 1-199: a paste; the rows go to this channel and the
    // ones after it in the order they come, whatever their Location (which may be missing).
    // A row that would land past 199 is skipped.
    int pasteAt = 0;
};

// A row that was skipped, or applied with something to say.
struct CsvRowNote {
    int line = 0;     // 1-based, where the row starts
    int channel = 0;  // its Location (or paste target); 0 when it has none
    std::string what; // "433.500000 MHz is outside the band 136.000000-174.000000 MHz"
};

struct CsvImportResult {
    bool ok = false;
    std::string message;             // when refused: one line naming the source and the line
    int channels = 0;                // channels written: imported plus deleted
    int deleted = 0;                 // rows with a Location and no Frequency
    std::vector<int> written;        // the channel numbers written, in the order of the rows
    std::vector<CsvRowNote> skipped; // rows this radio cannot hold, left out
    std::vector<CsvRowNote> notes;   // rows applied with a change: a name cut
    explicit operator bool() const { return ok; }

    // "12 channels imported, 3 rows skipped", and ", 1 channels deleted" when some were.
    std::string Summary() const;
};

// "line 9: skipped: ..." or "line 4: note: ...": one line for lists shown to the user.
std::string DescribeRow(const CsvRowNote &row, bool skipped);

// Malformed text refuses the whole text: more than 1 MiB, NUL bytes, a bad quote, a field
// count that differs from the header's, no Location or Frequency column, a non-number where a
// number must be, a Location given twice. So does a text whose rows all fail to fit (the
// message gives the first reason), and with `strict` the first row that does not fit.
// Otherwise the rows this radio can hold are applied and the others listed in `skipped`.
// Channels the text does not name keep every byte; a row with an empty Frequency deletes its
// channel. `source` names the text in messages. The image changes only when the result is ok.
CsvImportResult ImportChannelsCsv(std::string_view text, const std::string &source, Image &image,
                                  const CsvImportOptions &options = {});
CsvImportResult ImportChannelsCsvFile(const std::string &path, Image &image,
                                      const CsvImportOptions &options = {});

} // namespace dpmr
