#pragma once
// The VFO editor: record 200 of the channel layout, edited with the channel editor's fields
// plus the offset, the VFO scan range and the tuning step. Its transmit frequency is derived
// from the receive frequency, the offset direction and the offset.

#include "core/channels/channel_editor.h"

#include <array>
#include <string>

namespace dpmr {

// Fields 0 .. kChannelEditFieldCount - 1 are the channel editor's, in its order, so its
// ChannelEditField indexes and tone commit serve here too. Record 200 has no alias: that
// field is absent, as the digital fields are for channel 40.
enum VfoEditField : int {
    kVfoEditOffsetDir = kChannelEditFieldCount,
    kVfoEditOffsetFreq,
    kVfoEditScan,
    kVfoEditStep,
    kVfoEditFieldCount
};

const std::array<FieldDef, kVfoEditFieldCount> &VfoEditFields();
extern const PageTable kVfoEditPage;

// "1MHz", "2MHz", "5MHz", "BAND", then "PMS k" for every defined PMS entry.
ChoiceList VfoScanChoices(const Image &image);

// Unset frequencies show the lower band limit: the VFO record is never empty.
FieldTexts LoadVfoEditor(const FieldContext &context);
void StoreVfoEditor(Image &image, const BandLimits &band, const FieldTexts &texts);

// The direction the dialog last acted on ("Off", "+", "-"): picking the same entry again
// changes nothing.
struct VfoDirection {
    std::string remembered;
};

// Transmit = receive + or - offset. A direction that would leave the band is set to "Off"
// (and remembered so). Returns whether it was.
bool RecomputeVfoTx(const FieldContext &context, FieldTexts &texts, VfoDirection &direction);
// The receive edit was left: outside the band (or empty) it becomes the lower limit.
void CommitVfoReceive(const FieldContext &context, FieldTexts &texts, VfoDirection &direction);
// The offset edit was left: above 50 MHz or below 0 it becomes 0.6 MHz; else it is snapped to
// the channel grid. Shown in MHz with five decimals.
void CommitVfoOffset(const FieldContext &context, FieldTexts &texts, VfoDirection &direction);
// An offset direction was picked.
void CommitOffsetDirection(const FieldContext &context, FieldTexts &texts, VfoDirection &direction);
// The offset edit is editable exactly while a direction other than "Off" is selected, however
// the selection came about.
bool IsOffsetEditable(const FieldTexts &texts);

} // namespace dpmr
