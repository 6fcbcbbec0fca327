#pragma once
// Text from outside (a CSV field, a TOML key, a setting's name, a file name) echoed in a
// message. A message ends up on a terminal or in a message box: escape sequences in it must
// not reach the terminal, and a megabyte of input must not become a megabyte of message.

#include <cstddef>
#include <string>
#include <string_view>

namespace dpmr {

// How much of a value a message shows.
inline constexpr std::size_t kEchoedValueLength = 40;
// File names and whole messages get more room.
inline constexpr std::size_t kEchoedPathLength = 400;

// Control bytes (C0, DEL, C1), bytes that are no UTF-8 and the characters that turn text
// around (bidirectional overrides) written as \xNN; printable ASCII and other UTF-8 kept. Cut
// after `limit` bytes of `text` (never inside a character) with "..." and the size of the
// whole. Text with nothing to escape and within the limit comes back as it is.
std::string EscapedText(std::string_view text, std::size_t limit = kEchoedValueLength);

// EscapedText in double quotes: "value", or "the start..." (1048576 bytes).
std::string Quoted(std::string_view text, std::size_t limit = kEchoedValueLength);

} // namespace dpmr
