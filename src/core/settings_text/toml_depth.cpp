#include "core/settings_text/toml_depth.h"

namespace dpmr {

namespace {

// Skips a string that starts at `i` (on its opening quote); returns the index after it. Lines
// inside multi-line strings are counted.
std::size_t SkipString(std::string_view text, std::size_t i, std::size_t &line) {
    const char quote = text[i];
    const bool basic = quote == '"';
    const bool multiLine = text.substr(i, 3) == std::string_view(basic ? "\"\"\"" : "'''");
    i += multiLine ? 3 : 1;
    while (i < text.size()) {
        const char c = text[i];
        if (basic && c == '\\') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++line;
            i += 2;
            continue;
        }
        if (c == '\n') {
            if (!multiLine)
                return i; // an unclosed string: the parser will say so
            ++line;
        }
        if (c == quote &&
            (!multiLine || text.substr(i, 3) == std::string_view(basic ? "\"\"\"" : "'''")))
            return i + (multiLine ? 3 : 1);
        ++i;
    }
    return i;
}

} // namespace

TomlDepth DeepestTomlLevel(std::string_view text, int limit) {
    TomlDepth deepest;
    std::size_t line = 1;
    int brackets = 0; // open [ and {
    int dots = 0;     // of the key being read
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            i = SkipString(text, i, line);
            continue;
        }
        if (c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            continue;
        }
        if (c == '\n') {
            ++line;
            dots = 0;
        } else if (c == '[' || c == '{') {
            ++brackets;
            dots = 0;
        } else if (c == ']' || c == '}') {
            brackets = brackets > 0 ? brackets - 1 : 0;
            dots = 0;
        } else if (c == '=' || c == ',') {
            dots = 0; // a value or the next key begins: a number's point is no level
        } else if (c == '.') {
            ++dots;
        }
        if (brackets + dots > deepest.depth) {
            deepest = {brackets + dots, line};
            if (deepest.depth > limit)
                return deepest;
        }
        ++i;
    }
    return deepest;
}

} // namespace dpmr
