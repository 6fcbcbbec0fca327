// What a cell shows when its in-place editor loses the focus.

#include "core/channels/channel_table.h"

#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/image/frequency.h"
#include "core/image/tone.h"

namespace dpmr {

namespace {

bool IsEditedBy(int column, CellEditor editor) {
    return column >= 0 && column < kChannelColumns &&
           ChannelColumns()[static_cast<std::size_t>(column)].editor == editor;
}

// A channel begun in the table: same transmit as receive frequency, no tones, high power,
// scanned, wide, digital.
void StartNewChannel(ChannelRow &row, const std::string &frequency) {
    row[kColRxFreq] = frequency;
    row[kColTxFreq] = frequency;
    row[kColRxTone] = ToneText(kNoTone);
    row[kColTxTone] = ToneText(kNoTone);
    row[kColPower] = ColumnChoices(kColPower)[1];             // "High"
    row[kColScan] = ColumnChoices(kColScan)[0];               // "Add"
    row[kColBandwidth] = ColumnChoices(kColBandwidth)[0];     // "Wide"
    row[kColChannelType] = ColumnChoices(kColChannelType)[1]; // "Digit"
    row[kColName].clear();
}

} // namespace

void EndFrequencyEdit(ChannelTable &table, Image &image, const BandLimits &limits, int channel,
                      int column, std::string_view text) {
    const std::int64_t typed = FrequencyFromText(text);
    const std::string shown = typed != 0 ? FrequencyText(ClampToBand(typed, limits)) : "";
    ChannelRow &row = table.rows.at(static_cast<std::size_t>(channel - 1));
    const bool inUse = !row[kColRxFreq].empty();
    if (column == kColTxFreq) {
        row[kColTxFreq] = inUse ? shown : "";
    } else if (column == kColRxFreq) {
        if (shown.empty()) {
            for (int c = kColRxFreq; c < kChannelColumns; ++c)
                row[static_cast<std::size_t>(c)].clear();
            // Deleting a channel takes effect at once, not at the next store. The name stays in
            // its slot, as the record's clear leaves it.
            if (inUse)
                ClearChannel(image, channel);
        } else if (inUse) {
            row[kColRxFreq] = shown;
        } else {
            StartNewChannel(row, shown);
            row[kColName] = ReadAlias(image, channel); // the name its slot still holds
        }
    }
}

void EndToneEdit(ChannelTable &table, int channel, int column, std::string_view text) {
    if (IsEditedBy(column, CellEditor::Tone))
        table.Cell(channel, column) = table.IsRowEmpty(channel) ? "" : NormalizeToneText(text);
}

void EndChoiceEdit(ChannelTable &table, int channel, int column, std::string_view text) {
    if (IsEditedBy(column, CellEditor::Choice))
        table.Cell(channel, column) = table.IsRowEmpty(channel) ? "" : std::string(text);
}

const FieldRule &AliasCellRule() {
    return ChannelEditFields()[kEditAlias].rule;
}

const FieldRule &FrequencyCellRule() {
    return ChannelEditFields()[kEditRxFreq].rule;
}

void EndAliasEdit(ChannelTable &table, Image &image, int channel, std::string_view text) {
    if (table.IsRowEmpty(channel)) {
        table.Cell(channel, kColName).clear();
        return;
    }
    std::string alias = FilterTyped(AliasCellRule(), text);
    if (alias != ReadAlias(image, channel))
        WriteAlias(image, channel, alias);
    table.Cell(channel, kColName) = std::move(alias);
}

void EndCellEdit(ChannelTable &table, Image &image, const BandLimits &limits, int channel,
                 int column, std::string_view text) {
    if (column < 0 || column >= kChannelColumns)
        return;
    switch (ChannelColumns()[static_cast<std::size_t>(column)].editor) {
    case CellEditor::Frequency:
        EndFrequencyEdit(table, image, limits, channel, column, text);
        break;
    case CellEditor::Tone:
        EndToneEdit(table, channel, column, text);
        break;
    case CellEditor::Choice:
        EndChoiceEdit(table, channel, column, text);
        break;
    case CellEditor::Alias:
        EndAliasEdit(table, image, channel, text);
        break;
    case CellEditor::None:
        break;
    }
}

std::string ClampNotice(std::string_view typed, const BandLimits &limits) {
    const std::int64_t value = FrequencyFromText(typed);
    if (value == 0)
        return {};
    const std::int64_t clamped = ClampToBand(value, limits);
    if (clamped == value)
        return {};
    return std::string(typed) + " MHz is outside " + std::to_string(limits.low / kUnitsPerMHz) +
           "-" + std::to_string(limits.high / kUnitsPerMHz) + " MHz: set to " +
           FrequencyText(clamped);
}

int ChannelsOutsideBand(const ChannelTable &table, const BandLimits &limits) {
    int count = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.IsRowEmpty(n))
            continue;
        for (int column : {kColRxFreq, kColTxFreq}) {
            const std::string &text = table.Cell(n, column);
            if (!text.empty() &&
                ClampToBand(FrequencyFromText(text), limits) != FrequencyFromText(text)) {
                ++count;
                break;
            }
        }
    }
    return count;
}

} // namespace dpmr
