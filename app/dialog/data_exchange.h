// How the dialog's edit boxes turn into numbers and back: a double is written
// with 15 significant digits (-1.0 shows "-1") and read as a plain decimal
// number in the C locale, whatever the user's locale says.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Blanks, then [+-] digits [. digits] [e [+-] digits], then blanks. Empty
// text, words, hexadecimal, "nan", "inf" and numbers too large for a double
// give nothing; numbers too small for one read as zero.
std::optional<double> ParseDecimal(std::string_view text);

// Blanks around an unsigned decimal integer that fits 32 bits.
std::optional<std::uint32_t> ParseUnsigned(std::string_view text);

// 15 significant digits, shortest form ("%.15g" in the C locale).
std::string FormatDouble(double value);
