#pragma once
// Exact decimal arithmetic for every conversion between a typed decimal text and a stored
// integer: a plain double multiply turns 136.0125 * 100000 into 13601249.999999998.
// Nothing here depends on the C locale, so a German desktop still reads "438.5".

#include <cstdint>
#include <string>
#include <string_view>

namespace dpmr {

// Each operand rounded to 15 significant digits, the product taken exactly, then rounded to
// the nearest double.
double DecimalMultiply(double a, double b);

// The leading decimal number of a text (white space, sign, digits, point, exponent; the rest
// ignored); 0 when there is none.
double ParseNumber(std::string_view text);

// The leading integer of a text as sscanf's %d reads it (white space, sign, digits); false
// when none follows. Saturates instead of overflowing.
bool ParseLeadingInt(std::string_view text, long &value, std::size_t *consumed = nullptr);

// Truncation toward zero that saturates at the int64 range (NaN gives 0).
std::int64_t TruncToInt64(double value);

// "%.<decimals>f" without the locale.
std::string FormatFixed(double value, int decimals);

} // namespace dpmr
