#include "core/fields/field_def.h"

#include "core/image/frequency.h"
#include "core/image/tone.h"

#include <algorithm>

namespace dpmr {

std::optional<std::size_t> AbsoluteBase(int) {
    return 0;
}

namespace {

std::string ShowChoice(const FieldRule &rule, const Image &image, std::uint64_t code) {
    const ChoiceList choices = ChoicesOf(rule, image);
    auto find = [&](std::uint64_t wanted) {
        return std::find_if(choices.begin(), choices.end(),
                            [&](const ChoiceItem &item) { return item.code == wanted; });
    };
    auto it = find(code);
    if (it == choices.end() && rule.unknownShowsAs != kNoSelection)
        it = find(rule.unknownShowsAs);
    return it == choices.end() ? std::string() : it->text;
}

// The stored code stays while it is a choice showing `text`: two contacts of one name (or of
// none) are told apart by their slots, never by the name.
std::uint64_t ChoiceCode(const FieldRule &rule, const Image &image, std::string_view text,
                         std::uint64_t stored) {
    const ChoiceList choices = ChoicesOf(rule, image);
    for (const ChoiceItem &item : choices)
        if (item.code == stored && item.text == text)
            return stored;
    if (text.empty())
        return rule.noSelectionStores;
    for (const ChoiceItem &item : choices)
        if (item.text == text)
            return item.code;
    return rule.noSelectionStores;
}

} // namespace

std::string ShowField(const FieldContext &context, int record, const FieldDef &field) {
    const auto base = field.base(record);
    if (!base)
        return {};
    const Image &image = context.image;
    const FieldRule &rule = field.rule;
    switch (rule.kind) {
    case RuleKind::Number:
        return NumberText(
            rule, InRange(rule, static_cast<std::int64_t>(ReadNumber(image, *base, field.layout)) *
                                    rule.storedUnit));
    case RuleKind::Choice:
        return ShowChoice(rule, image, ReadNumber(image, *base, field.layout));
    case RuleKind::Check:
        return ReadNumber(image, *base, field.layout) != 0 ? "1" : "0";
    case RuleKind::Text:
    case RuleKind::Digits:
        return ReadString(image, *base, field.layout);
    case RuleKind::Frequency:
        // 1000 MHz or more shows empty: no text would store it again.
        if (!IsFrequencyShown(image, *base, field.layout) ||
            IsFrequencyOutOfRange(image, *base, field.layout))
            return {};
        return FrequencyText(static_cast<std::int64_t>(ReadNumber(image, *base, field.layout)));
    case RuleKind::Tone: {
        const auto code = static_cast<ToneCode>(ReadNumber(image, *base, field.layout));
        return ToneText(IsToneShowable(code) ? code : kNoTone);
    }
    }
    return {};
}

void StoreField(Image &image, const BandLimits &band, int record, const FieldDef &field,
                std::string_view text) {
    const auto base = field.base(record);
    if (!base)
        return;
    const FieldRule &rule = field.rule;
    const FieldContext context{image, band};
    switch (rule.kind) {
    case RuleKind::Number:
        // Clamped into the rule before it is reduced to the field's bits.
        WriteNumber(image, *base, field.layout,
                    static_cast<std::uint64_t>(NumberFromText(rule, text) / rule.storedUnit));
        return;
    case RuleKind::Choice:
        WriteNumber(image, *base, field.layout,
                    ChoiceCode(rule, image, text, ReadNumber(image, *base, field.layout)));
        return;
    case RuleKind::Check:
        WriteNumber(image, *base, field.layout, text == "1" ? 1 : 0);
        return;
    case RuleKind::Text:
    case RuleKind::Digits:
        WriteString(image, *base, field.layout, NormaliseText(rule, context, text));
        return;
    case RuleKind::Frequency:
        // Frequencies are checked against the band when their edit is left, not here: a
        // stored frequency is written as the control shows it. One that shows as stored keeps
        // its bytes, so a digit pair beyond 99 (from a radio) is not cut to another frequency,
        // and one that showed empty for being out of range stays until a frequency is entered.
        if (ShowField(context, record, field) == text &&
            (!text.empty() || IsFrequencyOutOfRange(image, *base, field.layout)))
            return;
        if (text.empty())
            WriteOptionalFrequency(image, *base, field.layout, std::nullopt);
        else
            WriteOptionalFrequency(
                image, *base, field.layout,
                static_cast<std::uint64_t>(std::max<std::int64_t>(0, FrequencyFromText(text))));
        return;
    case RuleKind::Tone:
        // A tone that still shows as stored keeps its bytes (an odd encoding, or one that
        // shows as "None" because no text stores it again); "None" is always written as
        // 0xFF 0xFF.
        if (ReadNumber(image, *base, field.layout) >> 8 != 0xFF &&
            ShowField(context, record, field) == text)
            return;
        WriteNumber(image, *base, field.layout, ToneCodeFromText(text));
        return;
    }
}

FieldTexts ShowFields(const FieldContext &context, int record, std::span<const FieldDef> fields) {
    FieldTexts texts;
    texts.reserve(fields.size());
    for (const FieldDef &field : fields)
        texts.push_back(ShowField(context, record, field));
    return texts;
}

void StoreFields(Image &image, const BandLimits &band, int record, std::span<const FieldDef> fields,
                 const FieldTexts &texts) {
    for (std::size_t i = 0; i < fields.size() && i < texts.size(); ++i)
        StoreField(image, band, record, fields[i], texts[i]);
}

int FieldIndex(std::span<const FieldDef> fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (name == fields[i].name)
            return static_cast<int>(i);
    return -1;
}

} // namespace dpmr
