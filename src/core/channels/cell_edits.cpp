// What a cell shows when its in-place editor loses the focus.

#include "core/channels/channel_table.h"

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
    row[kColSpare].clear();
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
            // Deleting a channel takes effect at once, not at the next store.
            if (inUse)
                ClearChannel(image, channel);
        } else if (inUse) {
            row[kColRxFreq] = shown;
        } else {
            StartNewChannel(row, shown);
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

} // namespace dpmr
