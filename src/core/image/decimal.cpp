#include "core/image/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace dpmr {

namespace {

__extension__ typedef unsigned __int128 Uint128;

struct Decimal {
    bool negative = false;
    std::uint64_t mantissa = 0; // at most 15 digits
    int exponent = 0;           // value = mantissa * 10^exponent
};

// Round to 15 significant digits through the shortest exact scientific form.
Decimal ToDecimal15(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    Decimal d;
    const char *p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    int digits = 0;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
            ++digits;
        }
    }
    int exponent = 0;
    if (p < result.ptr && *p == 'e')
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    d.exponent = exponent - (digits - 1);
    return d;
}

std::string ToString(Uint128 value) {
    if (value == 0)
        return "0";
    std::string text;
    while (value != 0) {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return text;
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// For a number text ([-]digits[.digits][e[+-]digits]) that is out of the double range: whether
// it is too small rather than too large. The exponent sign alone does not tell: "0.000...1"
// has no exponent and "0.0001e400" a positive one.
bool IsBelowOne(const std::string &number) {
    const auto e = number.find('e');
    const std::string_view mantissa = std::string_view(number).substr(0, e);
    long exponent = 0;
    if (e != std::string::npos)
        ParseLeadingInt(std::string_view(number).substr(e + 1), exponent);
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return true;
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    // The power of ten of the first significant digit.
    const long order =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return order + exponent < 0;
}

} // namespace

double DecimalMultiply(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return a * b;
    const Decimal x = ToDecimal15(a);
    const Decimal y = ToDecimal15(b);
    const Uint128 product = static_cast<Uint128>(x.mantissa) * y.mantissa; // < 10^30
    if (product == 0)
        return 0.0;
    std::string text = (x.negative != y.negative) ? "-" : "";
    text += ToString(product);
    text += 'e';
    text += std::to_string(x.exponent + y.exponent);
    double result = 0.0;
    auto parsed = std::from_chars(text.data(), text.data() + text.size(), result);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Beyond the double range: overflow to infinity, underflow to zero, like a multiply.
        const bool huge = x.exponent + y.exponent > 0;
        result = huge ? std::numeric_limits<double>::infinity() : 0.0;
        if (x.negative != y.negative)
            result = -result;
    }
    return result;
}

double ParseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                exponent += text[j++];
            number += exponent;
        }
    }
    double value = 0.0;
    auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // strtod's answer: HUGE_VAL for too large, 0 for too small.
        value = IsBelowOne(number) ? 0.0 : std::numeric_limits<double>::infinity();
        if (number[0] == '-')
            value = -value;
    }
    return value;
}

bool ParseLeadingInt(std::string_view text, long &value, std::size_t *consumed) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i]))
        return false;
    long result = 0;
    constexpr long kLimit = std::numeric_limits<int>::max();
    while (i < text.size() && IsDigit(text[i])) {
        if (result < kLimit)
            result = std::min(kLimit, result * 10 + (text[i] - '0'));
        ++i;
    }
    value = negative ? -result : result;
    if (consumed)
        *consumed = i;
    return true;
}

std::int64_t TruncToInt64(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kMax = 9.2e18;
    if (value >= kMax)
        return static_cast<std::int64_t>(kMax);
    if (value <= -kMax)
        return -static_cast<std::int64_t>(kMax);
    return static_cast<std::int64_t>(std::trunc(value));
}

std::string FormatFixed(double value, int decimals) {
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

} // namespace dpmr
