#include "core/settings_text/rule_text.h"

#include "core/image/tone.h"

#include <algorithm>
#include <cctype>

namespace dpmr {

namespace {

std::string ChoiceTexts(const ChoiceList &choices, std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < choices.size() && i < limit; ++i)
        text += (i ? ", " : "") + Quoted(choices[i].text);
    if (choices.size() > limit)
        text += ", ... (" + std::to_string(choices.size()) + " in all)";
    return text;
}

bool IsDecimal(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

} // namespace

std::string DescribeRule(const FieldRule &rule, const Image &image, std::string_view unit) {
    switch (rule.kind) {
    case RuleKind::Number: {
        std::string text = NumberText({.decimals = rule.decimals}, rule.min) + ".." +
                           NumberText({.decimals = rule.decimals}, rule.max);
        if (!unit.empty())
            text += " " + std::string(unit);
        if (rule.step != 1)
            text += " step " + NumberText({.decimals = rule.decimals}, rule.step);
        if (rule.zeroWord)
            text += std::string(", 0 = ") + rule.zeroWord;
        if (rule.maxWord)
            text += ", " + NumberText({.decimals = rule.decimals}, rule.max) + " = " + rule.maxWord;
        return text;
    }
    case RuleKind::Choice:
        return "one of: " + ChoiceTexts(ChoicesOf(rule, image), 12);
    case RuleKind::Check:
        return "true or false";
    case RuleKind::Text:
    case RuleKind::Digits: {
        std::string text = rule.kind == RuleKind::Text ? "text" : "digits";
        if (rule.maxLength)
            text += ", up to " + std::to_string(rule.maxLength) + " characters";
        if (!rule.charset.empty() && rule.charset.size() <= 24)
            text += " of " + std::string(rule.charset);
        return text;
    }
    case RuleKind::Frequency:
        return "MHz, empty for none";
    case RuleKind::Tone:
        return "tone: " + ToneList().front() + ", a CTCSS tone (88.5) or a DCS code (D023N)";
    }
    return {};
}

std::string RejectText(const FieldRule &rule, const Image &image, std::string_view text) {
    switch (rule.kind) {
    case RuleKind::Number:
        if ((rule.zeroWord && text == rule.zeroWord) || (rule.maxWord && text == rule.maxWord) ||
            IsDecimal(text))
            return {};
        return "not a number";
    case RuleKind::Choice: {
        const ChoiceList choices = ChoicesOf(rule, image);
        if (text.empty() || std::any_of(choices.begin(), choices.end(),
                                        [&](const ChoiceItem &c) { return c.text == text; }))
            return {};
        return "no such choice (" + ChoiceTexts(choices, 6) + ")";
    }
    case RuleKind::Check:
        return text == "1" || text == "0" ? "" : "not true or false";
    case RuleKind::Text:
    case RuleKind::Digits:
        if (!rule.valueCharset.empty() && text.find_first_not_of(rule.valueCharset) != text.npos)
            return rule.valueCharset == kDigitChars ? "not digits"
                                                    : "characters the field does not take";
        return FilterTyped(rule, text) == text ? ""
                                               : "characters or length the field does not take";
    case RuleKind::Frequency:
        return text.empty() || (IsDecimal(text) && !text.starts_with('-')) ? "" : "not a frequency";
    case RuleKind::Tone: {
        // Empty is no tone, as a cleared tone chooser stores it.
        const auto &tones = ToneList();
        return text.empty() ||
                       std::find(tones.begin(), tones.end(), NormalizeToneText(text)) != tones.end()
                   ? ""
                   : "not a tone";
    }
    }
    return {};
}

} // namespace dpmr
