#pragma once
// The channel editor's fields and the rules of its commits. The VFO editor edits record 200
// with the same fields.

#include "core/fields/page_table.h"

#include <array>
#include <string>

namespace dpmr {

// Field order is the order of the controls: left column, check boxes, right column.
enum ChannelEditField : int {
    kEditRxFreq,
    kEditTxFreq,
    kEditRxTone,
    kEditTxTone,
    kEditChannelType,
    kEditTxPower,
    kEditSignalType,
    kEditBandwidth,
    kEditAlias,
    kEditStatusInfo,
    kEditDataType,
    kEditBusy,
    kEditReverse,
    kEditScan,
    kEditTalkAround,
    kEditPttId,
    kEditRxOnly,
    kEditEncryptKey,
    kEditContact,
    kEditGroupRxList,
    kEditOacsu,
    kEditRxColor,
    kEditTxColor,
    kChannelEditFieldCount
};

const std::array<FieldDef, kChannelEditFieldCount> &ChannelEditFields();
extern const PageTable kChannelEditPage;

// The fields of the digital extension: enabled for channels 1-32 only.
bool IsDigitalEditField(int field);

// "Channel no.": 1..199, its arrows wrap.
extern const FieldRule kChannelNumberRule;
// A typed channel number: a non-number gives 0; then clamped to 1..199.
int ChannelNumberFromText(std::string_view text);
// One arrow press from the shown number: 199 up gives 1, 1 down gives 199.
int StepChannelNumber(std::string_view text, int direction);

// The lists the choosers get from the image: keys up to the first gap of the key-present
// mask, the group receive lists that exist, the contacts in index order.
ChoiceList EncryptKeyChoices(const Image &image);
ChoiceList GroupListChoices(const Image &image);
ChoiceList ContactChoices(const Image &image);

// What the controls show for channel n: all empty when the channel is empty.
FieldTexts LoadChannelEditor(const FieldContext &context, int n);
// An empty receive text stores the canonical empty record (the alias emptied, the digital
// extension left alone).
void StoreChannelEditor(Image &image, const BandLimits &band, int n, const FieldTexts &texts);

// The receive frequency edit was left (or Enter pressed in it). An empty text clears every
// control; otherwise the frequency is put into the band and, when `previousRx` was empty, the
// channel gets the new-channel defaults. `previousRx` becomes the text shown. Returns whether
// the channel is in use.
bool CommitReceiveFrequency(const FieldContext &context, int n, FieldTexts &texts,
                            std::string &previousRx);
// Transmit and tone commits run only while the receive text is not empty.
void CommitTransmitFrequency(const FieldContext &context, FieldTexts &texts);
void CommitTone(FieldTexts &texts, int field);
// Changes by name (set, apply): a tone given empty is no tone, "None", and not the 0.0 Hz an
// empty text stores as; the same change applied again then changes nothing.
void CommitGivenTones(const BatchEdit &edit, FieldTexts &texts);

} // namespace dpmr
