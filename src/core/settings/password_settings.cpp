#include "core/settings/password_settings.h"

#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"

#include <array>

namespace dpmr {

namespace {

constexpr std::size_t kPasswordDigits = kPowerOnPassword + 2;
constexpr std::size_t kPasswordLength = 6;
constexpr std::uint8_t kNotRequired = 0xFF;
constexpr std::uint8_t kRequired = 0x00;

constexpr FieldRule PasswordRule() {
    FieldRule rule{.kind = RuleKind::Text};
    rule.charset = kDigitChars;
    rule.maxLength = static_cast<int>(kPasswordLength);
    return rule;
}

const std::array<FieldDef, 2> kPasswordFields{{
    {"password_permit", AbsoluteBase, FieldLayout::Byte(kPowerOnPassword), CheckRule()},
    {"password", AbsoluteBase, FieldLayout::Text(kPasswordDigits, kPasswordLength, 6),
     PasswordRule()},
}};

// The digits from the first byte on, up to the first byte that is no digit.
std::string StoredPassword(const Image &image) {
    std::string digits;
    for (std::size_t i = 0; i < kPasswordLength; ++i) {
        const char c = static_cast<char>(image[kPasswordDigits + i]);
        if (c < '0' || c > '9')
            break;
        digits += c;
    }
    return digits;
}

FieldTexts LoadPassword(const FieldContext &context, int) {
    return {context.image[kPowerOnPassword] != kNotRequired ? "1" : "0",
            StoredPassword(context.image)};
}

// The password bytes are rewritten only when the text differs from what they show, so bytes
// that are no plain digits survive a store the user did not edit.
void StorePassword(Image &image, const BandLimits &, int, const FieldTexts &texts) {
    const std::string typed = FilterTyped(PasswordRule(), texts.at(kPasswordField));
    if (typed != StoredPassword(image)) {
        image.Fill(kPasswordDigits, kPasswordLength, 0xFF);
        for (std::size_t i = 0; i < typed.size(); ++i)
            image[kPasswordDigits + i] = static_cast<std::uint8_t>(typed[i]);
    }
    image[kPowerOnPassword] = PasswordRequired(image, texts) ? kRequired : kNotRequired;
}

} // namespace

bool PasswordRequired(const Image &image, const FieldTexts &texts) {
    if (texts.at(kPasswordPermitField) != "1")
        return false;
    const std::string typed = FilterTyped(PasswordRule(), texts.at(kPasswordField));
    // Untouched bytes that are no digits still are a password.
    return !typed.empty() || (typed == StoredPassword(image) && image[kPasswordDigits] != 0xFF);
}

const PageTable kPasswordPage{"password", kPasswordFields, 0, 0, LoadPassword, StorePassword};

} // namespace dpmr
