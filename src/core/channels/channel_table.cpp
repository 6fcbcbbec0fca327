#include "core/channels/channel_table.h"

#include "core/channels/band_edits.h"
#include "core/channels/channel_record.h"
#include "core/channels/new_channel.h"
#include "core/image/bcd.h"
#include "core/image/derived_data.h"
#include "core/image/frequency.h"
#include "core/image/tone.h"

#include <algorithm>

namespace dpmr {

namespace {

constexpr std::uint8_t kHighPower = 3;

// Columns 5-8 store the index of their choice, except power (0 or 3) and scan ("Add" is 1).
constexpr std::size_t kPowerLow = 0, kPowerHigh = 1, kScanAdd = 0, kScanDel = 1;
constexpr std::size_t kWide = 0, kNarrow = 1;

const std::string &Choice(int column, std::size_t index) {
    return ColumnChoices(column)[index];
}

// The index of text among the column's choices; 0 when it names none.
std::uint8_t ChoiceIndex(int column, const std::string &text) {
    const auto &choices = ColumnChoices(column);
    const auto it = std::find(choices.begin(), choices.end(), text);
    return it == choices.end() ? 0 : static_cast<std::uint8_t>(it - choices.begin());
}

// A tone whose high byte is 0x00 is a blank from the radio, not a 0.x Hz tone; one that would
// store as another tone shows as none.
bool ToneNamesNone(ToneCode code) {
    const unsigned high = code >> 8;
    return high == 0x00 || high == 0xFF;
}

std::string ToneCellText(ToneCode code) {
    return ToneNamesNone(code) || !IsToneShowable(code) ? ToneText(kNoTone) : ToneText(code);
}

// A cell that still shows the stored tone keeps its bytes: an odd encoding from a radio, or a
// tone no text can store again, changes only when the user picks another tone.
ToneCode StoredTone(const std::string &cell, ToneCode stored) {
    if (!ToneNamesNone(stored) && cell == ToneCellText(stored))
        return stored;
    return ToneCodeFromText(cell);
}

void ClearRow(ChannelRow &row) {
    std::fill(row.begin() + kColRxFreq, row.end(), std::string());
}

void LoadRow(const Image &image, int n, ChannelRow &row) {
    const std::size_t b = ChannelRecordOffset(n);
    if (!IsFrequencyShown(image, b) || IsFrequencyOutOfRange(image, b, channel_layout::kRxFreq)) {
        ClearRow(row);
        return;
    }
    const ChannelRecord r = ReadChannel(image, n);
    row[kColRxFreq] = FrequencyText(static_cast<std::int64_t>(*r.rxFreq));
    // An unset transmit frequency (a receive-only channel from the channel editor or a radio)
    // shows empty rather than as the number its 0xFF bytes would decode to; so does one of
    // 1000 MHz or more, which no text could store again.
    row[kColTxFreq] = r.txFreq && !IsFrequencyOutOfRange(image, b, channel_layout::kTxFreq)
                          ? FrequencyText(static_cast<std::int64_t>(*r.txFreq))
                          : std::string();
    row[kColRxTone] = ToneCellText(r.rxTone);
    row[kColTxTone] = ToneCellText(r.txTone);
    // Power bits 01 and 10 name no choice; the cell stays empty and a store writes "Low".
    row[kColPower] = r.txPower == 0            ? Choice(kColPower, kPowerLow)
                     : r.txPower == kHighPower ? Choice(kColPower, kPowerHigh)
                                               : std::string();
    row[kColScan] = Choice(kColScan, r.scan ? kScanAdd : kScanDel);
    row[kColBandwidth] = Choice(kColBandwidth, r.narrow ? kNarrow : kWide);
    row[kColChannelType] = Choice(kColChannelType, r.channelType);
    row[kColName] = ReadAlias(image, n);
}

// Only the fields the table shows are written; the channel editor's fields keep their bits. A
// row that brings an empty channel into use first gets the new-channel settings.
void StoreRow(const ChannelRow &row, Image &image, const BandLimits &limits, int n) {
    const std::size_t b = ChannelRecordOffset(n);
    if (row[kColRxFreq].empty()) {
        // A receive frequency of 1000 MHz or more showed as an empty row: nobody emptied it.
        // (Deleting a channel clears its record at once.)
        if (!IsFrequencyOutOfRange(image, b, channel_layout::kRxFreq))
            ClearChannel(image, n);
        return;
    }
    const std::int64_t rx = FrequencyFromText(row[kColRxFreq]);
    // A row that showed empty for a frequency no text can store, filled in, is a new channel.
    if (!IsFrequencyShown(image, b) || IsFrequencyOutOfRange(image, b, channel_layout::kRxFreq))
        WriteNewChannel(image, limits, n, static_cast<std::uint64_t>(rx));
    ChannelRecord r = ReadChannel(image, n);
    r.rxFreq = static_cast<std::uint64_t>(rx);
    if (row[kColTxFreq].empty()) {
        // No transmit frequency (a receive-only channel) stays unset, offset untouched;
        // storing it as 0 would make a split of the whole receive frequency. One that showed
        // empty because it is out of range keeps its bytes.
        if (!IsFrequencyOutOfRange(image, b, channel_layout::kTxFreq))
            r.txFreq = std::nullopt;
    } else {
        r.txFreq = static_cast<std::uint64_t>(FrequencyFromText(row[kColTxFreq]));
        DeriveOffset(r);
    }
    r.rxTone = StoredTone(row[kColRxTone], r.rxTone);
    r.txTone = StoredTone(row[kColTxTone], r.txTone);
    r.txPower = row[kColPower] == Choice(kColPower, kPowerHigh) ? kHighPower : 0;
    r.scan = row[kColScan] == Choice(kColScan, kScanAdd);
    r.narrow = row[kColBandwidth] == Choice(kColBandwidth, kNarrow);
    r.channelType = ChoiceIndex(kColChannelType, row[kColChannelType]);
    WriteChannel(image, n, r);
}

} // namespace

const std::array<ColumnInfo, kChannelColumns> &ChannelColumns() {
    static const std::array<ColumnInfo, kChannelColumns> columns{{
        {"", 500, CellEditor::None},
        {"Rx Freq", 1400, CellEditor::Frequency},
        {"Tx Freq", 1400, CellEditor::Frequency},
        {"Rx Tone", 1100, CellEditor::Tone},
        {"Tx Tone", 1100, CellEditor::Tone},
        {"Power", 1100, CellEditor::Choice},
        {"Scan", 1000, CellEditor::Choice},
        {"Bandwidth", 1000, CellEditor::Choice},
        {"Channel type", 1500, CellEditor::Choice},
        {"Name", 1200, CellEditor::Alias},
    }};
    return columns;
}

const std::vector<std::string> &ColumnChoices(int column) {
    static const std::vector<std::string> power{"Low", "High"};
    static const std::vector<std::string> scan{"Add", "Del"};
    static const std::vector<std::string> bandwidth{"Wide", "Narrow"};
    static const std::vector<std::string> type{"Analog", "Digit", "Mixed(Digit)", "Mixed(Analog)"};
    static const std::vector<std::string> none;
    switch (column) {
    case kColPower:
        return power;
    case kColScan:
        return scan;
    case kColBandwidth:
        return bandwidth;
    case kColChannelType:
        return type;
    default:
        return none;
    }
}

void LoadChannelTable(const Image &image, BandLimits &limits, ChannelTable &table) {
    limits = DecodeBandLimits(image);
    table.band = BandEditsFor(limits);
    for (int n = 1; n <= kChannelCount; ++n)
        LoadRow(image, n, table.rows[static_cast<std::size_t>(n - 1)]);
}

void LoadChannelRow(const Image &image, int n, ChannelRow &row) {
    LoadRow(image, n, row);
}

void StoreChannelRow(const ChannelRow &row, Image &image, const BandLimits &limits, int n) {
    StoreRow(row, image, limits, n);
}

void StoreChannelTable(const ChannelTable &table, Image &image, BandLimits &limits) {
    limits = LimitsFromEdits(table.band);
    // A mirror that could not be shown keeps its bytes until the user picks a band.
    if (!AreBandLimitsOutOfRange(image) || limits != DecodeBandLimits(image))
        EncodeBandLimits(image, limits);
    for (int n = 1; n <= kChannelCount; ++n)
        StoreRow(table.rows[static_cast<std::size_t>(n - 1)], image, limits, n);
    RefreshDerivedData(image, limits);
}

void ReloadChannelView(Image &image, BandLimits &limits, ChannelTable &table) {
    LoadChannelTable(image, limits, table);
    RepairContactNames(image);
    CheckContactAndGroupReferences(image);
}

int InitialChoiceIndex(int column, std::string_view cellText) {
    const std::vector<std::string> &choices = ColumnChoices(column);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (std::string_view(choices[i]).substr(0, cellText.size()) == cellText)
            return static_cast<int>(i);
    return -1;
}

int EditColumnFor(const ChannelTable &table, int channel, int column) {
    // A new channel always begins with its receive frequency.
    return table.IsRowEmpty(channel) ? kColRxFreq : column;
}

} // namespace dpmr
