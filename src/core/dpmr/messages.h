#pragma once
// The preset messages of the "Outbox" page: up to 16 texts of at most 126 printable
// characters, numbered by position. One-key calls name a message by that number, so a store
// moves their references along with the messages.

#include "core/dpmr/numbered_list.h"
#include "core/image/image.h"

#include <string>
#include <string_view>

namespace dpmr {

inline constexpr std::size_t kMessageLength = 126;

NumberedList LoadMessages(const Image &image);
// Records and index by position; each one-key call that named a message names the same
// message afterwards (or none when it was deleted). Never writes past a message's record.
void StoreMessages(Image &image, const NumberedList &messages);

// "Message %d" with the count plus one, appended or inserted before `row`.
void AddMessage(NumberedList &messages);
void InsertMessage(NumberedList &messages, int row);
// The end of a cell edit: an empty text is refused; otherwise the text, cut to what a record
// holds (printable characters, at most 126), replaces the row's.
bool EditMessage(NumberedList &messages, int row, std::string &text);
// What typing or pasting may leave in a message cell.
std::string MessageText(std::string_view typed);

// The "Outbox" list: one column "text".
extern const ListTable kMessageList;

// The messages as a chooser offers them (one-key calls): {"None", 0}, then each text with its
// number.
struct MessageChoice {
    std::string text;
    int number;
};
std::vector<MessageChoice> MessageChoices(const Image &image);

} // namespace dpmr
