#include "core/channels/vfo_editor.h"

#include "core/fields/rule_builders.h"
#include "core/image/bcd.h"
#include "core/image/decimal.h"
#include "core/image/frequency.h"
#include "core/image/record_layouts.h"

namespace dpmr {

namespace {

namespace ch = channel_layout;

std::optional<std::size_t> VfoRecordOf(int n) {
    if (n != kVfoChannel)
        return std::nullopt;
    return ChannelRecordAt(kVfoChannel);
}

ChoiceList VfoRxOnlyChoices(const Image &) {
    return {{"None", 0}, {"Only rx", 1}};
}
ChoiceList OffsetDirChoices(const Image &) {
    return {{"Off", 0}, {"+", 1}, {"-", 2}};
}
ChoiceList StepChoices(const Image &) {
    return {{"5", 0},  {"6.25", 1}, {"10", 2}, {"12.5", 3},
            {"20", 4}, {"25", 5},   {"50", 6}, {"100", 7}};
}

constexpr std::uint64_t kScanBand = 4;
constexpr std::uint64_t kScanBandOld = 3; // never written; read as "BAND" too
constexpr std::uint64_t kStep12k5 = 3;

FieldRule OffsetRule() {
    FieldRule rule{.kind = RuleKind::Frequency};
    rule.maxLength = 9;
    return rule;
}

std::array<FieldDef, kVfoEditFieldCount> BuildFields() {
    std::array<FieldDef, kVfoEditFieldCount> fields{};
    const auto &channel = ChannelEditFields();
    for (std::size_t i = 0; i < channel.size(); ++i)
        fields[i] = channel[i];
    fields[kEditRxOnly].rule.choices = VfoRxOnlyChoices;
    fields[kVfoEditOffsetDir] = {"offset_dir", VfoRecordOf, ch::kOffsetDir,
                                 ChoiceRule(OffsetDirChoices, 0, 0)};
    fields[kVfoEditOffsetFreq] = {"offset_freq", VfoRecordOf, ch::kOffsetFreq, OffsetRule()};
    // A code that names no entry (5, or a PMS entry that is not defined) shows "1MHz" and
    // stores 0, never whatever entry sits at that position of the list.
    fields[kVfoEditScan] = {"vfo_scan", VfoRecordOf, ch::kVfoScan,
                            ChoiceRule(VfoScanChoices, 0, 0)};
    fields[kVfoEditStep] = {"step", VfoRecordOf, ch::kStep,
                            ChoiceRule(StepChoices, kStep12k5, kStep12k5)};
    return fields;
}

// Safe at start-up: the channel editor's table is constant-initialised.
const std::array<FieldDef, kVfoEditFieldCount> kFields = BuildFields();

std::size_t VfoBase() {
    return ChannelRecordAt(kVfoChannel);
}

// Snapped to the channel grid, in MHz with five decimals.
std::string OffsetText(std::int64_t units) {
    return FormatFixed(DecimalMultiply(static_cast<double>(SnapToStep(units).hz), 0.000001), 5);
}

bool OffsetInRange(std::int64_t units) {
    return units >= 0 && units <= ch::kMaxOffsetFreq;
}

// Above 50 MHz or below 0 it becomes 0.6 MHz; else it is snapped to the channel grid.
std::string NormaliseOffset(std::string_view text) {
    const std::int64_t v = FrequencyFromText(text);
    return OffsetText(OffsetInRange(v) ? v : static_cast<std::int64_t>(ch::kDefaultOffsetFreq));
}

FieldTexts LoadPageHook(const FieldContext &context, int) {
    return LoadVfoEditor(context);
}

// Changes made all at once: receive and offset are normalised first and the transmit frequency
// follows the final receive, direction and offset, whatever order they were given in (a
// direction is only turned "Off" when that final pair leaves the band).
void CommitPageHook(const FieldContext &context, int, const BatchEdit &edit, FieldTexts &texts) {
    auto changed = [&](int field) { return edit.Changed(texts, field); };
    if (changed(kEditRxFreq))
        texts[kEditRxFreq] = NormaliseText(kFields[kEditRxFreq].rule, context, texts[kEditRxFreq]);
    if (changed(kVfoEditOffsetFreq))
        texts[kVfoEditOffsetFreq] = NormaliseOffset(texts[kVfoEditOffsetFreq]);
    if (changed(kEditRxFreq) || changed(kEditTxFreq) || changed(kVfoEditOffsetFreq) ||
        changed(kVfoEditOffsetDir)) {
        VfoDirection direction{texts[kVfoEditOffsetDir]};
        RecomputeVfoTx(context, texts, direction);
    }
    for (int tone : {kEditRxTone, kEditTxTone})
        if (changed(tone))
            CommitTone(texts, tone);
    CommitGivenTones(edit, texts);
}
void StorePageHook(Image &image, const BandLimits &band, int, const FieldTexts &texts) {
    StoreVfoEditor(image, band, texts);
}

} // namespace

const std::array<FieldDef, kVfoEditFieldCount> &VfoEditFields() {
    return kFields;
}

const PageTable kVfoEditPage{
    .name = "vfo",
    .fields = kFields,
    .firstRecord = kVfoChannel,
    .lastRecord = kVfoChannel,
    .load = LoadPageHook,
    .store = StorePageHook,
    .commit = CommitPageHook,
};

ChoiceList VfoScanChoices(const Image &image) {
    ChoiceList list{{"1MHz", 0}, {"2MHz", 1}, {"5MHz", 2}, {"BAND", kScanBand}};
    for (int k = 1; k <= kPmsCount; ++k)
        if (IsPmsEntryDefined(image, k))
            list.push_back(
                {"PMS " + std::to_string(k), kVfoScanPms + static_cast<unsigned>(k - 1)});
    return list;
}

FieldTexts LoadVfoEditor(const FieldContext &context) {
    FieldTexts texts = ShowFields(context, kVfoChannel, kFields);
    for (int field : {kEditRxFreq, kEditTxFreq})
        if (texts[static_cast<std::size_t>(field)].empty())
            texts[static_cast<std::size_t>(field)] = FrequencyText(context.band.low);
    // Unlike a channel frequency, an offset whose top byte is 0x00 is a small offset.
    const std::size_t b = VfoBase();
    texts[kVfoEditOffsetFreq] = IsFrequencyPresent(context.image, b + ch::kOffsetFreq.offset)
                                    ? FrequencyText(static_cast<std::int64_t>(
                                          ReadNumber(context.image, b, ch::kOffsetFreq)))
                                    : std::string();
    if (ReadNumber(context.image, b, ch::kVfoScan) == kScanBandOld)
        texts[kVfoEditScan] = "BAND";
    return texts;
}

void StoreVfoEditor(Image &image, const BandLimits &band, const FieldTexts &texts) {
    for (std::size_t i = 0; i < kFields.size() && i < texts.size(); ++i) {
        if (i == kVfoEditOffsetFreq)
            continue;
        std::string text = texts[i];
        // The record always holds a receive frequency, never the not-set form.
        if (i == kEditRxFreq && text.empty())
            text = FrequencyText(band.low);
        // One of 1000 MHz or more showed as the lower band limit: it stays until another
        // frequency is entered.
        if ((i == kEditRxFreq || i == kEditTxFreq) && text == FrequencyText(band.low) &&
            IsFrequencyOutOfRange(image, VfoBase(), kFields[i].layout))
            continue;
        StoreField(image, band, kVfoChannel, kFields[i], text);
    }
    if (texts.size() <= kVfoEditOffsetFreq)
        return;
    const std::string &offset = texts[kVfoEditOffsetFreq];
    if (offset.empty()) {
        WriteOptionalFrequency(image, VfoBase(), ch::kOffsetFreq, std::nullopt);
        return;
    }
    const std::int64_t v = FrequencyFromText(offset);
    WriteNumber(image, VfoBase(), ch::kOffsetFreq,
                OffsetInRange(v) ? static_cast<std::uint64_t>(v) : ch::kDefaultOffsetFreq);
}

bool RecomputeVfoTx(const FieldContext &context, FieldTexts &texts, VfoDirection &direction) {
    const std::int64_t rx = FrequencyFromText(texts.at(kEditRxFreq));
    const std::int64_t offset = FrequencyFromText(texts.at(kVfoEditOffsetFreq));
    std::string &dir = texts.at(kVfoEditOffsetDir);
    const bool leaves = (dir == "+" && rx + offset > context.band.high) ||
                        (dir == "-" && rx - offset < context.band.low);
    if (leaves) {
        dir = "Off";
        direction.remembered = dir;
    }
    const int sign = dir == "+" ? 1 : dir == "-" ? -1 : 0;
    texts[kEditTxFreq] = FrequencyText(rx + sign * offset);
    return leaves;
}

void CommitVfoReceive(const FieldContext &context, FieldTexts &texts, VfoDirection &direction) {
    texts.at(kEditRxFreq) = NormaliseText(kFields[kEditRxFreq].rule, context, texts[kEditRxFreq]);
    RecomputeVfoTx(context, texts, direction);
}

void CommitVfoOffset(const FieldContext &context, FieldTexts &texts, VfoDirection &direction) {
    texts.at(kVfoEditOffsetFreq) = NormaliseOffset(texts[kVfoEditOffsetFreq]);
    RecomputeVfoTx(context, texts, direction);
}

void CommitOffsetDirection(const FieldContext &context, FieldTexts &texts,
                           VfoDirection &direction) {
    if (texts.at(kVfoEditOffsetDir) == direction.remembered)
        return;
    direction.remembered = texts[kVfoEditOffsetDir];
    RecomputeVfoTx(context, texts, direction);
}

bool IsOffsetEditable(const FieldTexts &texts) {
    const std::string &dir = texts.at(kVfoEditOffsetDir);
    return dir == "+" || dir == "-";
}

} // namespace dpmr
