#include "core/text/message_text.h"

namespace dpmr {

namespace {

// Length of the UTF-8 character at the front of `text` when it is one that may be shown;
// 0 when its first byte must be escaped.
std::size_t ShowableCharacter(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x20 && lead < 0x7F)
        return 1;
    std::size_t length = 0;
    char32_t point = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07;
    } else {
        return 0; // a control byte, DEL, a stray continuation byte or no UTF-8 at all
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (byte(i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0; // overlong or a surrogate
    if (point < 0xA0)
        return 0; // C1 controls: 0x9B starts an escape sequence on some terminals
    // Marks that reorder what follows, and line breaks of their own.
    if (point == 0x061C || point == 0x200E || point == 0x200F ||
        (point >= 0x2028 && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069))
        return 0;
    return length;
}

struct Escaped {
    std::string text;
    bool cut = false;
};

Escaped Escape(std::string_view text, std::size_t limit) {
    static const char hex[] = "0123456789ABCDEF";
    Escaped out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = ShowableCharacter(text.substr(i));
        if (i + (length == 0 ? 1 : length) > limit) {
            out.cut = true;
            break;
        }
        if (length == 0) {
            const auto c = static_cast<unsigned char>(text[i]);
            out.text += "\\x";
            out.text += hex[c >> 4];
            out.text += hex[c & 15];
            ++i;
        } else {
            out.text.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string SizeNote(std::size_t size) {
    return " (" + std::to_string(size) + " bytes)";
}

} // namespace

std::string EscapedText(std::string_view text, std::size_t limit) {
    Escaped escaped = Escape(text, limit);
    if (escaped.cut)
        escaped.text += "..." + SizeNote(text.size());
    return escaped.text;
}

std::string Quoted(std::string_view text, std::size_t limit) {
    const Escaped escaped = Escape(text, limit);
    std::string out = "\"" + escaped.text;
    return escaped.cut ? out + "...\"" + SizeNote(text.size()) : out + "\"";
}

} // namespace dpmr
