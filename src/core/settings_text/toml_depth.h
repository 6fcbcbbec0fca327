#pragma once
// How deep a TOML text nests, found by a plain scan before any parser sees it: a document of
// tens of thousands of levels would otherwise exhaust the stack of a recursive parser.

#include <cstddef>
#include <string_view>

namespace dpmr {

struct TomlDepth {
    int depth = 0;        // the deepest level: open brackets and braces plus the dots of a key
    std::size_t line = 1; // where it was first reached
};

// Stops counting as soon as `limit` is passed, so the work is bounded by the text's length.
TomlDepth DeepestTomlLevel(std::string_view text, int limit);

} // namespace dpmr
