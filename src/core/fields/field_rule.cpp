#include "core/fields/field_rule.h"

#include "core/image/decimal.h"
#include "core/image/frequency.h"
#include "core/image/tone.h"

#include <algorithm>
#include <cmath>

namespace dpmr {

namespace {

double Scale(int decimals) {
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return scale;
}

std::int64_t Lower(const FieldRule &rule, std::int64_t v) {
    if (!rule.onGrid || rule.step <= 1 || v < rule.min)
        return v;
    return rule.min + (v - rule.min) / rule.step * rule.step;
}

std::string NormaliseFrequency(const FieldRule &rule, const FieldContext &context,
                               std::string_view text) {
    const std::int64_t v = FrequencyFromText(text);
    switch (rule.band) {
    case BandRule::ReplaceOutsideBand:
        return FrequencyText(ReplaceOutsideBand(v, context.band));
    case BandRule::Clamp: {
        const std::int64_t clamped = ClampToBand(v, context.band);
        return clamped == 0 ? std::string() : FrequencyText(clamped);
    }
    case BandRule::None:
        break;
    }
    return v == 0 ? std::string() : FrequencyText(v);
}

// Clamped or replaced, but not yet lowered onto the grid.
std::int64_t InBounds(const FieldRule &rule, std::int64_t v) {
    if (v < rule.min || v > rule.max) {
        if (rule.replaceOutOfRange)
            return rule.replacement;
        v = std::clamp(v, rule.min, rule.max);
    }
    return v;
}

// The value a text names, in bounds; an arrow press starts from it, off the grid or not.
std::int64_t TypedNumber(const FieldRule &rule, std::string_view text) {
    if (rule.zeroWord && text == rule.zeroWord)
        return InBounds(rule, 0);
    if (rule.maxWord && text == rule.maxWord)
        return rule.max;
    return InBounds(rule, TruncToInt64(DecimalMultiply(ParseNumber(text), Scale(rule.decimals))));
}

} // namespace

std::int64_t InRange(const FieldRule &rule, std::int64_t v) {
    return Lower(rule, InBounds(rule, v));
}

std::int64_t NumberFromText(const FieldRule &rule, std::string_view text) {
    return Lower(rule, TypedNumber(rule, text));
}

std::string NumberText(const FieldRule &rule, std::int64_t stored) {
    if (stored == 0 && rule.zeroWord)
        return rule.zeroWord;
    if (stored == rule.max && rule.maxWord)
        return rule.maxWord;
    if (rule.decimals == 0)
        return std::to_string(stored);
    return FormatFixed(DecimalMultiply(static_cast<double>(stored), 1 / Scale(rule.decimals)),
                       rule.decimals);
}

std::string FilterTyped(const FieldRule &rule, std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (rule.kind == RuleKind::Digits && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        const bool printable = c >= 0x20 && c <= 0x7E;
        if (!printable)
            continue;
        if (!rule.charset.empty() && rule.charset.find(c) == std::string_view::npos)
            continue;
        if (rule.maxLength > 0 && static_cast<int>(kept.size()) >= rule.maxLength)
            break;
        kept += c;
    }
    return kept;
}

ChoiceList ChoicesOf(const FieldRule &rule, const Image &image) {
    return rule.choices ? rule.choices(image) : ChoiceList{};
}

std::string NormaliseText(const FieldRule &rule, const FieldContext &context,
                          std::string_view text) {
    switch (rule.kind) {
    case RuleKind::Number:
        return NumberText(rule, NumberFromText(rule, text));
    case RuleKind::Choice: {
        const ChoiceList choices = ChoicesOf(rule, context.image);
        const bool known = std::any_of(choices.begin(), choices.end(),
                                       [&](const ChoiceItem &item) { return item.text == text; });
        return known ? std::string(text) : std::string();
    }
    case RuleKind::Check:
        return text == "1" ? "1" : "0";
    case RuleKind::Text:
    case RuleKind::Digits:
        return FilterTyped(rule, text);
    case RuleKind::Frequency:
        return NormaliseFrequency(rule, context, text);
    case RuleKind::Tone:
        return NormalizeToneText(text);
    }
    return std::string(text);
}

std::string StepText(const FieldRule &rule, std::string_view text, int direction) {
    const std::int64_t v = TypedNumber(rule, text);
    const std::int64_t step = std::max<std::int64_t>(rule.step, 1);
    const bool offGrid = rule.onGrid && (v - rule.min) % step != 0;
    std::int64_t next;
    if (direction > 0)
        next = offGrid ? Lower(rule, v) + step : v + step;
    else
        next = offGrid ? Lower(rule, v) : v - step;
    if (next > rule.max)
        next = rule.wrap ? rule.min : rule.max;
    else if (next < rule.min)
        next = rule.wrap ? Lower(rule, rule.max) : rule.min;
    return NumberText(rule, Lower(rule, next));
}

} // namespace dpmr
