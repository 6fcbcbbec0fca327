#include "core/channels/channel_editor.h"

#include "core/channels/channel_record.h"
#include "core/channels/contact_index.h"
#include "core/channels/new_channel.h"
#include "core/fields/rule_builders.h"
#include "core/image/decimal.h"
#include "core/image/frequency.h"
#include "core/image/record_layouts.h"
#include "core/image/text.h"
#include "core/image/tone.h"

#include <algorithm>

namespace dpmr {

namespace {

namespace ch = channel_layout;
namespace ext = digital_ext_layout;

std::optional<std::size_t> RecordOf(int n) {
    return ChannelRecordOffset(n);
}
std::optional<std::size_t> AliasOf(int n) {
    if (n < 1 || n > kChannelCount)
        return std::nullopt; // the VFO has no alias
    return ChannelAliasOffset(n);
}
std::optional<std::size_t> DigitalExtOf(int n) {
    if (!HasDigitalExt(n))
        return std::nullopt;
    return ChannelDigitalExtOffset(n);
}

ChoiceList PowerChoices(const Image &) {
    return {{"Low", 0}, {"High", 3}};
}
ChoiceList SignalChoices(const Image &) {
    return {{"None", 0}, {"DTMF", 1}};
}
ChoiceList BandwidthChoices(const Image &) {
    return {{"Wide", 0}, {"Narrow", 1}};
}
ChoiceList RxOnlyChoices(const Image &) {
    return {{"None", 0}, {"only rx", 1}};
}
ChoiceList ChannelTypeChoices(const Image &) {
    return {{"Analog", 0}, {"Digit", 1}, {"Mixed(Digit)", 2}, {"Mixed(Analog)", 3}};
}
// Codes are the data type bits 3-7 shifted down: exactly one of them is set.
ChoiceList DataTypeChoices(const Image &) {
    return {{"Data Type 1", 0x01},
            {"Data Type 2", 0x02},
            {"Data Type 3", 0x04},
            {"Slow user data", 0x08},
            {"Status message", 0x10}};
}
ChoiceList ColorChoices(const Image &) {
    ChoiceList list{{"Auto", kAutoColor}};
    for (int c = 0; c <= 63; ++c)
        list.push_back({std::to_string(c), static_cast<std::uint64_t>(c)});
    return list;
}
ChoiceList StatusInfoChoices(const Image &) {
    ChoiceList list;
    for (int s = 0; s <= 31; ++s)
        list.push_back({std::to_string(s), static_cast<std::uint64_t>(s)});
    return list;
}

constexpr FieldRule FrequencyRule() {
    FieldRule rule{.kind = RuleKind::Frequency};
    rule.charset = kDecimalChars;
    rule.maxLength = 10;
    rule.band = BandRule::ReplaceOutsideBand;
    return rule;
}
constexpr FieldRule ToneRule() {
    return {.kind = RuleKind::Tone};
}
constexpr FieldRule AliasRule() {
    FieldRule rule{.kind = RuleKind::Text};
    rule.maxLength = static_cast<int>(kAliasLength);
    return rule;
}

// Constant-initialised, so that the VFO's table can be built from it at start-up.
constexpr std::array<FieldDef, kChannelEditFieldCount> kFields = {{
    {"rx_freq", RecordOf, ch::kRxFreq, FrequencyRule()},
    {"tx_freq", RecordOf, ch::kTxFreq, FrequencyRule()},
    {"rx_tone", RecordOf, ch::kRxTone, ToneRule()},
    {"tx_tone", RecordOf, ch::kTxTone, ToneRule()},
    {"channel_type", RecordOf, ch::kChannelType, ChoiceRule(ChannelTypeChoices, kNoSelection, 1)},
    // Power bits 01 and 10 show no choice; a store then writes "High".
    {"tx_power", RecordOf, ch::kTxPower, ChoiceRule(PowerChoices, kNoSelection, 3)},
    {"signal_type", RecordOf, ch::kSignalType, ChoiceRule(SignalChoices)},
    {"bandwidth", RecordOf, ch::kNarrow, ChoiceRule(BandwidthChoices, kNoSelection, 0)},
    {"alias", AliasOf, alias_layout::kAlias, AliasRule()},
    {"status_info", DigitalExtOf, ext::kStatusInfo, ChoiceRule(StatusInfoChoices, 30, 0)},
    {"data_type", DigitalExtOf, ext::kDataType, ChoiceRule(DataTypeChoices, 0x01)},
    // Either busy bit reads as busy; a store clears both and sets bit 0.
    {"busy_lock", RecordOf, ch::kBusyBits, CheckRule()},
    {"reverse", RecordOf, ch::kReverse, CheckRule()},
    {"scan", RecordOf, ch::kScan, CheckRule()},
    {"talk_around", RecordOf, ch::kTalkAround, CheckRule()},
    {"ptt_id", RecordOf, ch::kPttId, CheckRule()},
    {"rx_only", RecordOf, ch::kRxOnly, ChoiceRule(RxOnlyChoices, kNoSelection, 0)},
    // A key, list or contact that no longer exists shows "None" and is stored as 0.
    {"encrypt_key", RecordOf, ch::kEncryptKey, ChoiceRule(EncryptKeyChoices)},
    {"contact", RecordOf, ch::kContact, ChoiceRule(ContactChoices, 0, kNoContact)},
    {"group_rx_list", RecordOf, ch::kGroupRxList, ChoiceRule(GroupListChoices)},
    {"oacsu", DigitalExtOf, ext::kOacsu, CheckRule()},
    {"rx_color", DigitalExtOf, ext::kRxColor, ChoiceRule(ColorChoices, kAutoColor)},
    {"tx_color", DigitalExtOf, ext::kTxColor, ChoiceRule(ColorChoices, kAutoColor)},
}};

// ChannelEditField indexes this table: the names pin the order, so a field moved in one and
// not the other fails to build.
constexpr bool FieldIs(ChannelEditField field, std::string_view name) {
    return std::string_view(kFields[static_cast<std::size_t>(field)].name) == name;
}
static_assert(FieldIs(kEditRxFreq, "rx_freq") && FieldIs(kEditTxFreq, "tx_freq") &&
              FieldIs(kEditRxTone, "rx_tone") && FieldIs(kEditTxTone, "tx_tone") &&
              FieldIs(kEditChannelType, "channel_type") && FieldIs(kEditTxPower, "tx_power") &&
              FieldIs(kEditSignalType, "signal_type") && FieldIs(kEditBandwidth, "bandwidth") &&
              FieldIs(kEditAlias, "alias") && FieldIs(kEditStatusInfo, "status_info") &&
              FieldIs(kEditDataType, "data_type") && FieldIs(kEditBusy, "busy_lock") &&
              FieldIs(kEditReverse, "reverse") && FieldIs(kEditScan, "scan") &&
              FieldIs(kEditTalkAround, "talk_around") && FieldIs(kEditPttId, "ptt_id") &&
              FieldIs(kEditRxOnly, "rx_only") && FieldIs(kEditEncryptKey, "encrypt_key") &&
              FieldIs(kEditContact, "contact") && FieldIs(kEditGroupRxList, "group_rx_list") &&
              FieldIs(kEditOacsu, "oacsu") && FieldIs(kEditRxColor, "rx_color") &&
              FieldIs(kEditTxColor, "tx_color"));

// Cleared controls: edits empty, choosers without selection, check boxes unchecked.
FieldTexts ClearedTexts() {
    FieldTexts texts(kChannelEditFieldCount);
    for (int i = 0; i < kChannelEditFieldCount; ++i)
        if (kFields[static_cast<std::size_t>(i)].rule.kind == RuleKind::Check)
            texts[static_cast<std::size_t>(i)] = "0";
    return texts;
}

FieldTexts LoadPageHook(const FieldContext &context, int n) {
    return LoadChannelEditor(context, n);
}

void StorePageHook(Image &image, const BandLimits &band, int n, const FieldTexts &texts) {
    StoreChannelEditor(image, band, n, texts);
}

// Changes made all at once take the dialog's commits: a channel given its first receive
// frequency gets the new-channel defaults for what the change does not name.
void CommitPageHook(const FieldContext &context, int n, const BatchEdit &edit, FieldTexts &texts) {
    if (edit.Changed(texts, kEditRxFreq)) {
        const FieldTexts wanted = texts;
        std::string previousRx = edit.before[kEditRxFreq];
        if (CommitReceiveFrequency(context, n, texts, previousRx))
            for (std::size_t i = 0; i < texts.size(); ++i)
                if (edit.given[i] && i != kEditRxFreq)
                    texts[i] = wanted[i];
    }
    if (edit.Changed(texts, kEditTxFreq))
        CommitTransmitFrequency(context, texts);
    for (int tone : {kEditRxTone, kEditTxTone})
        if (edit.Changed(texts, tone))
            CommitTone(texts, tone);
    CommitGivenTones(edit, texts);
}

// An emptied channel becomes the canonical empty record: all of its 24 bytes.
void WholeRecordWritten(int n, BitMask &mask) {
    for (std::size_t i = 0; i < kChannelRecordSize; ++i)
        mask.Add(ChannelRecordOffset(n) + i, 0xFF);
}

} // namespace

const std::array<FieldDef, kChannelEditFieldCount> &ChannelEditFields() {
    return kFields;
}

const PageTable kChannelEditPage{
    .name = "channel",
    .fields = kFields,
    .firstRecord = 1,
    .lastRecord = kChannelCount,
    .load = LoadPageHook,
    .store = StorePageHook,
    .alsoWrites = WholeRecordWritten,
    .commit = CommitPageHook,
};

bool IsDigitalEditField(int field) {
    return kFields.at(static_cast<std::size_t>(field)).base == DigitalExtOf;
}

const FieldRule kChannelNumberRule = [] {
    FieldRule rule{.kind = RuleKind::Number};
    rule.min = 1;
    rule.max = kChannelCount;
    rule.wrap = true;
    rule.charset = kDigitChars;
    rule.maxLength = 4;
    return rule;
}();

int ChannelNumberFromText(std::string_view text) {
    return static_cast<int>(NumberFromText(kChannelNumberRule, text));
}

int StepChannelNumber(std::string_view text, int direction) {
    // A number outside 1..199 (only reachable by typing) goes to the far end of travel.
    long typed = 0;
    ParseLeadingInt(text, typed);
    const long next = typed + direction;
    if (next < 1 || next > kChannelCount)
        return direction < 0 ? kChannelCount : 1;
    return static_cast<int>(next);
}

ChoiceList EncryptKeyChoices(const Image &image) {
    ChoiceList list{{"None", 0}};
    const unsigned mask = image.U16le(kKeyPresentBitmap);
    for (unsigned key = 1; key <= 16 && (mask >> (key - 1) & 1u); ++key)
        list.push_back({std::to_string(key), key});
    return list;
}

ChoiceList GroupListChoices(const Image &image) {
    ChoiceList list{{"None", 0}};
    for (int g = 1; g <= kGroupListCount; ++g)
        if (image[GroupListOffset(g)] != 0xFF)
            list.push_back({std::to_string(g), static_cast<std::uint64_t>(g)});
    return list;
}

ChoiceList ContactChoices(const Image &image) {
    ChoiceList list{{"None", 0}};
    for (std::size_t record : ContactIndexEntries(image))
        list.push_back({ReadString(image, record, contact_layout::kName),
                        static_cast<std::uint64_t>(ContactSlot(record))});
    return list;
}

FieldTexts LoadChannelEditor(const FieldContext &context, int n) {
    // A receive frequency whose top byte is 0x00 shows empty, as in the channel table; the
    // channel then is empty here too, so that closing the dialog stores what it showed.
    // So does one of 1000 MHz or more, which no text could store again.
    const std::size_t b = ChannelRecordOffset(n);
    if (!IsFrequencyShown(context.image, b, channel_layout::kRxFreq) ||
        IsFrequencyOutOfRange(context.image, b, channel_layout::kRxFreq))
        return ClearedTexts();
    return ShowFields(context, n, kFields);
}

void StoreChannelEditor(Image &image, const BandLimits &band, int n, const FieldTexts &texts) {
    const bool outOfRange =
        IsFrequencyOutOfRange(image, ChannelRecordOffset(n), channel_layout::kRxFreq);
    if (texts.at(kEditRxFreq).empty() && outOfRange)
        return; // it showed as an empty channel; nobody emptied it
    // Given a frequency, such a channel is a new one: it starts from the empty record.
    if (outOfRange)
        ClearChannel(image, n);
    if (texts.at(kEditRxFreq).empty()) {
        // An empty channel is stored as the canonical empty record, the one the table writes
        // for every empty row: opening and closing an empty channel changes no byte, and an
        // emptied one loses its old settings (reserved bits included). Its digital extension
        // keeps its bytes, as a cleared channel's does.
        ClearChannel(image, n);
        if (const auto alias = AliasOf(n))
            WriteString(image, *alias, alias_layout::kAlias, "");
        return;
    }
    // A channel that comes into use starts from the settings every path gives a new channel;
    // the texts then go over them, and its offset follows its frequencies as in the table.
    const bool isNew = !IsFrequencyShown(image, ChannelRecordOffset(n), channel_layout::kRxFreq);
    if (isNew)
        WriteNewChannel(image, band, n,
                        static_cast<std::uint64_t>(FrequencyFromText(texts[kEditRxFreq])));
    StoreFields(image, band, n, kFields, texts);
    if (isNew) {
        ChannelRecord record = ReadChannel(image, n);
        DeriveOffset(record);
        WriteChannel(image, n, record);
    }
}

bool CommitReceiveFrequency(const FieldContext &context, int n, FieldTexts &texts,
                            std::string &previousRx) {
    if (texts.at(kEditRxFreq).empty()) {
        texts = ClearedTexts();
        previousRx.clear();
        return false;
    }
    texts[kEditRxFreq] = NormaliseText(kFields[kEditRxFreq].rule, context, texts[kEditRxFreq]);
    if (previousRx.empty()) {
        texts[kEditTxFreq] = texts[kEditRxFreq];
        texts[kEditRxTone] = texts[kEditTxTone] = "None";
        texts[kEditTxPower] = "High";
        texts[kEditScan] = "1";
        texts[kEditBandwidth] = "Wide";
        texts[kEditReverse] = "0";
        texts[kEditSignalType] = "None";
        texts[kEditChannelType] = "Digit";
        texts[kEditRxOnly] = "None";
        texts[kEditContact] = "None";
        texts[kEditEncryptKey] = "None";
        if (HasDigitalExt(n)) {
            texts[kEditRxColor] = texts[kEditTxColor] = "Auto";
            texts[kEditDataType] = "Data Type 1";
            texts[kEditOacsu] = "1";
            texts[kEditStatusInfo] = "30";
        }
    }
    previousRx = texts[kEditRxFreq];
    return true;
}

void CommitTransmitFrequency(const FieldContext &context, FieldTexts &texts) {
    if (texts.at(kEditRxFreq).empty())
        return;
    // An empty transmit text becomes the lower band limit too.
    texts[kEditTxFreq] = NormaliseText(kFields[kEditTxFreq].rule, context, texts[kEditTxFreq]);
}

void CommitGivenTones(const BatchEdit &edit, FieldTexts &texts) {
    if (texts.at(kEditRxFreq).empty())
        return;
    for (int tone : {kEditRxTone, kEditTxTone})
        if (edit.given.at(static_cast<std::size_t>(tone)) &&
            texts[static_cast<std::size_t>(tone)].empty())
            texts[static_cast<std::size_t>(tone)] = ToneText(kNoTone);
}

void CommitTone(FieldTexts &texts, int field) {
    if (texts.at(kEditRxFreq).empty())
        return;
    std::string &text = texts.at(static_cast<std::size_t>(field));
    text = NormalizeToneText(text);
}

} // namespace dpmr
