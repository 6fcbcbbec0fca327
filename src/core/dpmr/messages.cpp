#include "core/dpmr/messages.h"

#include "core/image/record_layouts.h"

#include <array>

namespace dpmr {

namespace {

bool Printable(std::uint8_t byte) {
    return byte >= 0x20 && byte <= 0x7E;
}

std::size_t IndexEntry(int i) {
    return kMessageIndex + 2 * static_cast<std::size_t>(i);
}

using MessageHooks =
    NumberedHooks<LoadMessages, StoreMessages, InsertMessage, EditMessage, kMessageCount>;

constexpr FieldRule MessageRule() {
    FieldRule rule{.kind = RuleKind::Text};
    rule.maxLength = static_cast<int>(kMessageLength);
    return rule;
}

constexpr std::array<ListColumn, 1> kMessageColumns{{
    {"text", "Content", 7000, MessageRule()},
}};

} // namespace

const ListTable kMessageList{.name = "dpmr.messages",
                             .accessibleName = "Messages",
                             .columns = kMessageColumns,
                             .capacity = kMessageCount,
                             .load = MessageHooks::LoadRows,
                             .store = MessageHooks::StoreRows,
                             .insert = MessageHooks::InsertRow,
                             .edit = MessageHooks::EditRow};

std::string MessageText(std::string_view typed) {
    std::string text;
    for (char c : typed) {
        if (!Printable(static_cast<std::uint8_t>(c)))
            break;
        if (text.size() == kMessageLength)
            break;
        text += c;
    }
    return text;
}

NumberedList LoadMessages(const Image &image) {
    NumberedList messages;
    for (int i = 0; i < kMessageCount; ++i) {
        const std::size_t entry = image.U16le(IndexEntry(i));
        if (entry < kMessageRecords || entry > MessageRecordOffset(kMessageCount))
            break;
        const std::size_t record = MessageRecordOffset(i + 1);
        if (image[record] == 0x00) {
            messages.Append("", i + 1);
            continue;
        }
        // At most what a record holds: a longer run of printable bytes (a damaged record)
        // is cut, so that storing it back can never reach the next record or the index.
        std::string text;
        for (std::size_t k = 0; k < kMessageLength && Printable(image[record + k]); ++k)
            text += static_cast<char>(image[record + k]);
        if (!text.empty())
            messages.Append(text, i + 1);
    }
    messages.loadedCount = messages.size();
    return messages;
}

void StoreMessages(Image &image, const NumberedList &messages) {
    image.Fill(kMessageIndex, 2 * static_cast<std::size_t>(kMessageCount), 0xFF);
    for (int row = 0; row < messages.size() && row < kMessageCount; ++row) {
        const std::size_t record = MessageRecordOffset(row + 1);
        image.SetU16le(IndexEntry(row), static_cast<std::uint16_t>(record));
        image.Fill(record, kMessageLength, 0xFF);
        image[record + kMessageRecordSize - 1] = 0x00;
        const std::string text = MessageText(messages.texts[static_cast<std::size_t>(row)]);
        for (std::size_t k = 0; k < text.size(); ++k)
            image[record + k] = static_cast<std::uint8_t>(text[k]);
        image[record + text.size()] = 0x00; // +126 at the most
    }
    // One-key calls follow their message to its new number.
    const auto renumbering = messages.Renumbering();
    using namespace one_key_layout;
    for (int e = 1; e <= kOneKeyCount; ++e) {
        const std::size_t entry = OneKeyEntryOffset(e);
        if (ReadNumber(image, entry, kCallType) != kDigitalCall ||
            ReadNumber(image, entry, kMessageMode) != kWithMessage)
            continue;
        const auto old = static_cast<std::uint8_t>(ReadNumber(image, entry, kMessage));
        WriteNumber(image, entry, kMessage, Renumbered(old, renumbering, messages.loadedCount));
    }
}

void AddMessage(NumberedList &messages) {
    if (messages.CanAdd())
        messages.Append("Message " + std::to_string(messages.size() + 1));
}

void InsertMessage(NumberedList &messages, int row) {
    if (messages.CanAdd())
        messages.Insert(row, "Message " + std::to_string(messages.size() + 1));
}

bool EditMessage(NumberedList &messages, int row, std::string &text) {
    text = MessageText(text);
    if (text.empty() || row < 0 || row >= messages.size())
        return false;
    messages.texts[static_cast<std::size_t>(row)] = text;
    return true;
}

std::vector<MessageChoice> MessageChoices(const Image &image) {
    std::vector<MessageChoice> choices{{"None", 0}};
    const NumberedList messages = LoadMessages(image);
    for (int row = 0; row < messages.size(); ++row)
        choices.push_back({messages.texts[static_cast<std::size_t>(row)], row + 1});
    return choices;
}

} // namespace dpmr
