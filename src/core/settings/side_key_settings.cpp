#include "core/settings/side_key_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"

#include <algorithm>
#include <array>

namespace dpmr {

namespace {

constexpr std::array<const char *, 27> kFunctions = {"None",
                                                     "VFO key",
                                                     "Function key",
                                                     "Monitor",
                                                     "Scan",
                                                     "Noise ch tmp remove",
                                                     "VOX",
                                                     "Power",
                                                     "Auto contact",
                                                     "Work alone",
                                                     "Back Light",
                                                     "Encrypt",
                                                     "Talk around",
                                                     "Reverse freq",
                                                     "Msg",
                                                     "Contact",
                                                     "Upside",
                                                     "Codec",
                                                     "1750 signal",
                                                     "One key call 1",
                                                     "One key call 2",
                                                     "One key call 3",
                                                     "One key call 4",
                                                     "One key call 5",
                                                     "Channel type",
                                                     "Stun",
                                                     "Wake"};
constexpr std::uint64_t kCodec = 17; // a function the radio knows but no list offers

ChoiceList KeyFunctions(const Image &) {
    ChoiceList list;
    for (std::uint64_t code = 0; code < kFunctions.size(); ++code)
        if (code != kCodec)
            list.push_back({kFunctions[code], code});
    return list;
}

// A key slot: a code above the table loads as `onLoad`, no selection stores `onStore`.
constexpr FieldRule KeySlot(std::uint64_t onLoad, std::uint64_t onStore) {
    return ChoiceRule(KeyFunctions, onLoad, onStore);
}

constexpr FieldLayout Key(std::size_t offset) {
    return FieldLayout::Byte(kSideKeys + offset);
}

// 0.5 to 2.5 s, clamped when typed and when stored; a stored value outside loads as 1.0 s.
constexpr std::int64_t kLongKeyTimeReplacement = 10;
constexpr FieldRule LongKeyTime() {
    return TenthsRule(5, 25);
}

const std::array<FieldDef, 15> kSideKeyFields{{
    {"long_key_time", AbsoluteBase, Key(0x00), LongKeyTime()},
    {"sk3_short", AbsoluteBase, Key(0x02), KeySlot(0, 0)},
    {"sk3_long", AbsoluteBase, Key(0x03), KeySlot(0, 0)},
    {"sk1_short", AbsoluteBase, Key(0x04), KeySlot(3, 3)},
    {"sk1_long", AbsoluteBase, Key(0x05), KeySlot(3, 3)},
    {"sk2_short", AbsoluteBase, Key(0x06), KeySlot(10, 10)},
    {"sk2_long", AbsoluteBase, Key(0x07), KeySlot(0, 0)},
    {"p1_short", AbsoluteBase, Key(0x08), KeySlot(2, 2)},
    {"p1_long", AbsoluteBase, Key(0x09), KeySlot(0, 2)},
    {"p2_short", AbsoluteBase, Key(0x0A), KeySlot(0, 0)},
    {"p2_long", AbsoluteBase, Key(0x0B), KeySlot(0, 0)},
    {"p3_short", AbsoluteBase, Key(0x0C), KeySlot(1, 1)},
    {"p3_long", AbsoluteBase, Key(0x0D), KeySlot(0, 0)},
    {"p4_short", AbsoluteBase, Key(0x0E), KeySlot(0, 0)},
    {"p4_long", AbsoluteBase, Key(0x0F), KeySlot(0, 0)},
}};

bool TakesBothPresses(const std::string &function) {
    return function == "Monitor" || function.starts_with("One key call ");
}

bool NamesNoChoice(const Image &image, const FieldDef &field) {
    return ReadNumber(image, 0, field.layout) == kCodec;
}

FieldTexts LoadSideKeys(const FieldContext &context, int record) {
    FieldTexts texts = ShowFields(context, record, kSideKeyFields);
    const FieldDef &time = kSideKeyFields[kLongKeyTimeField];
    const auto stored = static_cast<std::int64_t>(ReadNumber(context.image, 0, time.layout));
    if (stored < time.rule.min || stored > time.rule.max)
        texts[kLongKeyTimeField] = NumberText(time.rule, kLongKeyTimeReplacement);
    for (int f = ShortPressField(0); f <= LongPressField(kKeyCount - 1); ++f)
        if (NamesNoChoice(context.image, kSideKeyFields[static_cast<std::size_t>(f)]))
            texts[static_cast<std::size_t>(f)].clear();
    // P1, P2, P3, P4, SK1, SK2, SK3: the radio's key order.
    for (int key : {3, 4, 5, 6, 1, 2, 0})
        PairKeyPresses(texts, ShortPressField(key));
    return texts;
}

void StoreSideKeys(Image &image, const BandLimits &band, int record, const FieldTexts &texts) {
    for (std::size_t f = 0; f < kSideKeyFields.size(); ++f) {
        const FieldDef &field = kSideKeyFields[f];
        std::string text = texts.at(f);
        if (static_cast<int>(f) == kLongKeyTimeField && text.empty())
            text = NumberText(field.rule, kLongKeyTimeReplacement);
        // A function no list offers is kept while its list shows no choice.
        if (static_cast<int>(f) != kLongKeyTimeField && text.empty() && NamesNoChoice(image, field))
            continue;
        StoreField(image, band, record, field, text);
    }
}

} // namespace

void PairKeyPresses(FieldTexts &texts, int leading) {
    const int partner = (leading % 2 == 1) ? leading + 1 : leading - 1;
    std::string &lead = texts.at(static_cast<std::size_t>(leading));
    std::string &other = texts.at(static_cast<std::size_t>(partner));
    if (TakesBothPresses(lead))
        other = lead;
    else if (TakesBothPresses(other))
        other = "None";
}

namespace {

// As picking a press in the dialog: a function that takes both presses takes its partner too.
void CommitPresses(const FieldContext &context, int, const BatchEdit &edit, FieldTexts &texts) {
    if (edit.Changed(texts, kLongKeyTimeField))
        texts[kLongKeyTimeField] = NormaliseText(kSideKeyFields[kLongKeyTimeField].rule, context,
                                                 texts[kLongKeyTimeField]);
    for (int f = ShortPressField(0); f <= LongPressField(kKeyCount - 1); ++f)
        if (edit.Changed(texts, f))
            PairKeyPresses(texts, f);
}

} // namespace

const PageTable kSideKeyPage{.name = "side_key",
                             .fields = kSideKeyFields,
                             .load = LoadSideKeys,
                             .store = StoreSideKeys,
                             .commit = CommitPresses};

} // namespace dpmr
