#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/exchange/channel_csv.h"
#include "core/exchange/channel_csv_columns.h"
#include "core/exchange/channel_csv_row.h"
#include "core/exchange/csv_rows.h"
#include "core/image/frequency.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace dpmr {

namespace {

using namespace csv;

// One tone cell of the table: "None", "88.5" or "D023N".
struct ToneCell {
    enum Kind { None, Ctcss, Dcs } kind = None;
    std::string ctcss; // "88.5"
    std::string code;  // "023"
    char polarity = 'N';
};

ToneCell ClassifyTone(const std::string &text) {
    ToneCell cell;
    if (text.empty() || text == "None")
        return cell;
    if (text[0] == 'D') {
        cell.kind = ToneCell::Dcs;
        cell.code = text.substr(1, text.size() - 2);
        cell.polarity = text.back() == 'I' ? 'R' : 'N';
    } else {
        cell.kind = ToneCell::Ctcss;
        cell.ctcss = text;
    }
    return cell;
}

struct ToneColumns {
    std::string mode, rTone{kDefaultCtcss}, cTone{kDefaultCtcss}, dtcs{kDefaultDcs},
        polarity{kDefaultPolarity}, rxDtcs{kDefaultDcs}, cross{kDefaultCross};
};

std::string_view CrossWord(const ToneCell &cell) {
    return cell.kind == ToneCell::Ctcss ? kCrossTone
           : cell.kind == ToneCell::Dcs ? kCrossDtcs
                                        : std::string_view();
}

ToneColumns ToneColumnsFor(const ToneCell &tx, const ToneCell &rx) {
    ToneColumns out;
    if (tx.kind == ToneCell::None && rx.kind == ToneCell::None)
        return out;
    out.polarity = {tx.kind == ToneCell::Dcs ? tx.polarity : 'N',
                    rx.kind == ToneCell::Dcs ? rx.polarity : 'N'};
    if (tx.kind == ToneCell::Ctcss && rx.kind == ToneCell::None) {
        out.mode = kToneModeTone;
        out.rTone = tx.ctcss;
    } else if (tx.kind == ToneCell::Ctcss && rx.kind == ToneCell::Ctcss && tx.ctcss == rx.ctcss) {
        out.mode = kToneModeTsql;
        out.cTone = out.rTone = tx.ctcss;
    } else if (tx.kind == ToneCell::Dcs && rx.kind == ToneCell::Dcs && tx.code == rx.code) {
        out.mode = kToneModeDtcs;
        out.dtcs = out.rxDtcs = tx.code;
    } else {
        out.mode = kToneModeCross;
        out.cross = std::string(CrossWord(tx)).append(kCrossArrow).append(CrossWord(rx));
        if (tx.kind == ToneCell::Ctcss)
            out.rTone = tx.ctcss;
        if (tx.kind == ToneCell::Dcs)
            out.dtcs = tx.code;
        if (rx.kind == ToneCell::Ctcss)
            out.cTone = rx.ctcss;
        if (rx.kind == ToneCell::Dcs)
            out.rxDtcs = rx.code;
    }
    return out;
}

// An offset is a difference of two grid points and not on the grid itself, so it is written
// exactly rather than through FrequencyText, which snaps.
std::string OffsetText(std::int64_t units) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(units / kUnitsPerMHz),
                  static_cast<long long>(units % kUnitsPerMHz * 10));
    return text;
}

std::string Row(const std::array<std::string, kColumns.size()> &fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line.append(i == 0 ? "" : ",").append(CsvField(fields[i]));
    return line + '\n';
}

std::string TableToCsv(const Image &image, const ChannelTable &table,
                       std::span<const int> channels) {
    std::array<std::string, kColumns.size()> header;
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        header[i] = kColumns[i];
    std::string text = Row(header);

    const std::string &analog = ColumnChoices(kColChannelType)[0];
    const std::string &narrow = ColumnChoices(kColBandwidth)[1];
    const std::string &high = ColumnChoices(kColPower)[1];
    for (const int n : channels) {
        if (n < 1 || n > kChannelCount)
            continue;
        if (table.IsRowEmpty(n)) {
            std::array<std::string, kColumns.size()> empty;
            empty[0] = std::to_string(n);
            text += Row(empty);
            continue;
        }
        const ChannelRow &row = table.rows[static_cast<std::size_t>(n - 1)];
        const std::int64_t rx = FrequencyFromText(row[kColRxFreq]);
        std::string_view duplex = "off";
        std::string offset = OffsetText(0);
        if (!row[kColTxFreq].empty()) {
            const std::int64_t tx = FrequencyFromText(row[kColTxFreq]);
            duplex = tx > rx ? "+" : tx < rx ? "-" : "";
            offset = OffsetText(std::llabs(tx - rx));
        }
        const ToneColumns tones =
            ToneColumnsFor(ClassifyTone(row[kColTxTone]), ClassifyTone(row[kColRxTone]));
        const bool isAnalog = row[kColChannelType] == analog;
        const bool isNarrow = row[kColBandwidth] == narrow;
        // Other tools know no dPMR: digital and mixed channels are DIG to them, and our own
        // ChannelType and Bandwidth columns say exactly which.
        const std::string mode(isAnalog ? (isNarrow ? kModeNarrow : kModeWide) : kModeDigital);
        // Power bits that name no choice show empty in the table and are stored as Low.
        const std::string power = PowerWattsText(row[kColPower] == high);
        const bool skip = row[kColScan] == ColumnChoices(kColScan)[1];
        // The grid the frequency sits on: 2.5 kHz steps are 250 units of 10 Hz.
        const std::string step = rx % 250 == 0 ? "2.50" : "3.125";
        text += Row({std::to_string(n), ReadAlias(image, n), row[kColRxFreq], std::string(duplex),
                     offset, tones.mode, tones.rTone, tones.cTone, tones.dtcs, tones.polarity,
                     tones.rxDtcs, tones.cross, mode, step, skip ? "S" : "", power, "",
                     row[kColChannelType], row[kColBandwidth]});
    }
    return text;
}

} // namespace

std::string ChannelsToCsv(const Image &image, std::span<const int> channels) {
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    return TableToCsv(image, table, channels);
}

std::string ChannelsToCsv(const Image &image) {
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    std::vector<int> used;
    for (int n = 1; n <= kChannelCount; ++n)
        if (!table.IsRowEmpty(n))
            used.push_back(n);
    return TableToCsv(image, table, used);
}

FileResult ExportChannelsCsvFile(const std::string &path, const Image &image) {
    const std::string text = ChannelsToCsv(image);
    return WriteFileAtomically(path, text.data(), text.size());
}

FileResult ExportChannelsCsvFile(const std::string &path, const Image &image,
                                 std::span<const int> channels) {
    const std::string text = ChannelsToCsv(image, channels);
    return WriteFileAtomically(path, text.data(), text.size());
}

} // namespace dpmr
