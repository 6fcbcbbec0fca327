#include "core/dpmr/encryption_keys.h"

#include "core/channels/channel_record.h"
#include "core/image/text.h"

#include <array>
#include <cstdio>

namespace dpmr {

namespace {

constexpr int kKeyCount = 16;
constexpr std::size_t kKeyRecordSize = 8;
constexpr std::size_t kKeyBytes = 4;

std::size_t KeyRecord(int key) {
    return kEncryptionKeys + kKeyRecordSize * static_cast<std::size_t>(key - 1);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0xF; // never typed: the key cells take hexadecimal digits only
}

std::string KeyDigits(std::string_view typed) {
    std::string digits;
    for (char c : typed) {
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
        if (kKeyCharacters.find(c) != std::string_view::npos)
            digits += c;
    }
    return digits;
}

const std::array<FieldDef, 1> kSwitchFields = {{
    {"encrypt", AbsoluteBase, FieldLayout::Byte(kEncryption), {.kind = RuleKind::Check}},
}};

using KeyHooks = NumberedHooks<LoadKeys, StoreKeys, InsertKey, EditKey, kKeyCount>;

constexpr FieldRule KeyRule() {
    FieldRule rule{.kind = RuleKind::Text};
    rule.charset = kKeyCharacters;
    rule.maxLength = static_cast<int>(2 * kKeyBytes);
    return rule;
}

constexpr std::array<ListColumn, 1> kKeyColumns{{
    {"text", "Key", 1800, KeyRule()},
}};

} // namespace

const ListTable kKeyList{.name = "dpmr.keys",
                         .accessibleName = "Keys",
                         .columns = kKeyColumns,
                         .capacity = kKeyCount,
                         .load = KeyHooks::LoadRows,
                         .store = KeyHooks::StoreRows,
                         .insert = KeyHooks::InsertRow,
                         .edit = KeyHooks::EditRow};

const PageTable kDpmrEncryptSwitchPage{.name = "dpmr.encrypt", .fields = kSwitchFields};

NumberedList LoadKeys(const Image &image) {
    NumberedList keys;
    const unsigned bitmap = image.U16le(kKeyPresentBitmap);
    for (int k = 1; k <= kKeyCount && (bitmap >> (k - 1) & 1u); ++k) {
        std::string text;
        for (std::size_t j = 0; j < kKeyBytes; ++j) {
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02X", image[KeyRecord(k) + j]);
            text += pair;
        }
        keys.Append(text, k);
    }
    keys.loadedCount = keys.size();
    return keys;
}

void StoreKeys(Image &image, const NumberedList &keys) {
    unsigned bitmap = 0;
    for (int row = 0; row < keys.size() && row < kKeyCount; ++row) {
        const int k = row + 1;
        bitmap |= 1u << row;
        image.Fill(KeyRecord(k), kKeyRecordSize, 0xFF);
        const std::string text =
            PadText(keys.texts[static_cast<std::size_t>(row)], 'F', 2 * kKeyBytes, false);
        for (std::size_t j = 0; j < kKeyBytes; ++j)
            image[KeyRecord(k) + j] =
                static_cast<std::uint8_t>(HexValue(text[2 * j]) << 4 | HexValue(text[2 * j + 1]));
    }
    image.SetU16le(kKeyPresentBitmap, static_cast<std::uint16_t>(bitmap));

    const auto renumbering = keys.Renumbering();
    for (int n = 1; n <= kVfoChannel; ++n) {
        const std::size_t record = ChannelRecordOffset(n);
        const auto old =
            static_cast<std::uint8_t>(ReadNumber(image, record, channel_layout::kEncryptKey));
        const std::uint8_t now = Renumbered(old, renumbering, keys.loadedCount);
        if (now != old)
            WriteNumber(image, record, channel_layout::kEncryptKey, now);
    }
}

void AddKey(NumberedList &keys) {
    if (keys.CanAdd())
        keys.Append(kDefaultKeyText);
}

void InsertKey(NumberedList &keys, int row) {
    if (keys.CanAdd())
        keys.Insert(row, kDefaultKeyText);
}

bool EditKey(NumberedList &keys, int row, std::string &text) {
    text = KeyDigits(text);
    if (text.empty() || row < 0 || row >= keys.size())
        return false;
    text = PadText(text, 'F', 2 * kKeyBytes, false);
    keys.texts[static_cast<std::size_t>(row)] = text;
    return true;
}

} // namespace dpmr
