#include "core/image/digit_codes.h"

namespace dpmr {

namespace {

std::uint8_t HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return kNoDigit;
}

} // namespace

std::uint8_t DtmfCodeFromChar(char c) {
    if (c == '#')
        return 0xF;
    if (c == '*')
        return 0xE;
    return HexDigit(c);
}

char DtmfCharFromCode(std::uint8_t code) {
    if (code == 0xE)
        return '*';
    if (code == 0xF)
        return '#';
    if (code > 0xF)
        return '\0';
    return "0123456789ABCD"[code];
}

std::uint8_t ContactCodeFromChar(char c) {
    return c == '*' ? 0xA : HexDigit(c);
}

char ContactCharFromCode(std::uint8_t code) {
    if (code == 0xA)
        return '*';
    if (code > 0xA)
        return static_cast<char>(0xFF);
    return static_cast<char>('0' + code);
}

} // namespace dpmr
