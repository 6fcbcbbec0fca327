#pragma once
// The main window's channel table as texts: 199 rows of 10 columns plus the band selector
// and its two edits. The widgets only show these texts; every rule that turns them into
// image bytes, or decides what a cell shows after an edit, is here.

#include "core/fields/field_rule.h"
#include "core/image/band_limits.h"
#include "core/image/image.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

enum ChannelColumn : int {
    kColNumber = 0,
    kColRxFreq = 1,
    kColTxFreq = 2,
    kColRxTone = 3,
    kColTxTone = 4,
    kColPower = 5,
    kColScan = 6,
    kColBandwidth = 7,
    kColChannelType = 8,
    kColName = 9, // the channel's alias
};
inline constexpr int kChannelColumns = 10;

enum class CellEditor { None, Frequency, Tone, Choice, Alias };

struct ColumnInfo {
    const char *header; // "" for column 0
    int widthTwips;
    CellEditor editor;
};
const std::array<ColumnInfo, kChannelColumns> &ChannelColumns();
// "Low"/"High", "Add"/"Del", "Wide"/"Narrow", the four channel types; empty for others.
const std::vector<std::string> &ColumnChoices(int column);
// The choice the drop-down shows when a choice edit starts: the first one that begins with
// the cell's text, -1 when none does.
int InitialChoiceIndex(int column, std::string_view cellText);

// "136-174MHz", "350-390MHz", "400-470MHz".
const std::vector<std::string> &BandChoices();

struct BandEdits {
    int bandIndex = 2; // index into BandChoices()
    std::string low = "400";
    std::string high = "470";
};

using ChannelRow = std::array<std::string, kChannelColumns>; // column 0 unused (the number)

struct ChannelTable {
    std::array<ChannelRow, kChannelCount> rows; // rows[n - 1] is channel n
    BandEdits band;

    std::string &Cell(int channel, int column) { return rows.at(channel - 1).at(column); }
    const std::string &Cell(int channel, int column) const {
        return rows.at(channel - 1).at(column);
    }
    bool IsRowEmpty(int channel) const { return Cell(channel, kColRxFreq).empty(); }
};

// Image -> band limits, band edits and rows.
void LoadChannelTable(const Image &image, BandLimits &limits, ChannelTable &table);
// Band edits and rows -> image, then RefreshDerivedData.
void StoreChannelTable(const ChannelTable &table, Image &image, BandLimits &limits);
// One row, as those two load and store it (no RefreshDerivedData): for changes to a few
// channels that leave the others' bytes alone. A row that brings an empty channel into use
// gets the new-channel settings (core/channels/new_channel.h) before its cells are stored.
void LoadChannelRow(const Image &image, int n, ChannelRow &row);
void StoreChannelRow(const ChannelRow &row, Image &image, const BandLimits &limits, int n);

// After every load: unique, non-empty contact names, then stale contact and group references.
void RepairContactNames(Image &image);
void CheckContactAndGroupReferences(Image &image);
// LoadChannelTable, RepairContactNames, CheckContactAndGroupReferences: what New, Open and a
// completed Read show.
void ReloadChannelView(Image &image, BandLimits &limits, ChannelTable &table);

// The column an edit of (channel, column) really starts in: column 1 on an empty row.
int EditColumnFor(const ChannelTable &table, int channel, int column);

// Ends of cell edits. A cleared receive frequency empties the record at once.
void EndFrequencyEdit(ChannelTable &table, Image &image, const BandLimits &limits, int channel,
                      int column, std::string_view text);
void EndToneEdit(ChannelTable &table, int channel, int column, std::string_view text);
void EndChoiceEdit(ChannelTable &table, int channel, int column, std::string_view text);
// The Name cell: the alias rules (printable, 12 characters) applied as typing does; written
// into the alias slot at once, as the channel editor would.
void EndAliasEdit(ChannelTable &table, Image &image, int channel, std::string_view text);
// The rules of the Name and frequency cells' editors: the channel editor's.
const FieldRule &AliasCellRule();
const FieldRule &FrequencyCellRule();
// Ends an edit of any cell by its column's rule.
void EndCellEdit(ChannelTable &table, Image &image, const BandLimits &limits, int channel,
                 int column, std::string_view text);

// "446.1 MHz is outside 136-174 MHz: set to 174.000000" when a typed frequency is clamped
// into the band; empty otherwise.
std::string ClampNotice(std::string_view typed, const BandLimits &limits);
// Channels in use in the table whose receive or transmit frequency lies outside `limits`.
int ChannelsOutsideBand(const ChannelTable &table, const BandLimits &limits);
// The limits the band selector's entry would give, edits reset as SelectBand would.
BandLimits LimitsAfterSelecting(const ChannelTable &table, const BandLimits &limits, int bandIndex);

// The band selector changed to an entry: may reset the edits, sets the limits and both VFO
// frequencies.
void SelectBand(ChannelTable &table, Image &image, BandLimits &limits, int bandIndex);
// A band edit lost the focus: out-of-band edits are reset to the selected band; the limits
// follow the edits.
void ValidateBandEdits(ChannelTable &table, BandLimits &limits);

} // namespace dpmr
