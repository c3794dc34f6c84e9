// Bit casts and the text form of doubles, the same on every standard library
// the program is built with. Where the library has std::bit_cast and the
// floating-point std::to_chars / std::from_chars (both announced by their
// feature-test macros), those are used; elsewhere (the libc++ of some
// WebAssembly tool chains) the C library gives the same results: the printf
// conversions are what the standard defines to_chars by, and strtod rounds
// correctly. The fallbacks are compiled everywhere so that they can be tested
// against the standard library's own.
#pragma once

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <type_traits>
#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace portable {

template <class To, class From>
To BitCast(const From& from) {
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                  std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
#endif
}

// How a double is written with a given precision, as printf's conversions.
enum class Notation : char { General = 'g', Scientific = 'e', Fixed = 'f' };

struct CharsResult {
    char* ptr;
    std::errc ec;
};

namespace fallback {

inline CharsResult ToChars(char* first, char* last, double value, Notation notation,
                           int precision) {
    const char format[] = {'%', '.', '*', static_cast<char>(notation), '\0'};
    // printf writes a terminating zero that to_chars does not: room for it.
    std::string text(64, '\0');
    int n = std::snprintf(text.data(), text.size(), format, precision, value);
    if (n >= static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(n) + 1);
        n = std::snprintf(text.data(), text.size(), format, precision, value);
    }
    if (n < 0 || n > last - first) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), static_cast<std::size_t>(n));
    return {first + n, std::errc()};
}

// A plain decimal number [-]digits[.digits][e[+-]digits], as from_chars reads
// it in its general format; the caller has checked the grammar. Too large a
// value, or a nonzero one too small to be anything but zero, is out of range
// and leaves value alone.
inline CharsResult FromChars(const char* first, const char* last, double& value) {
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return {const_cast<char*>(first), std::errc::invalid_argument};
    char* const stop = const_cast<char*>(first) + (end - text.c_str());
    if (errno == ERANGE && (std::isinf(parsed) || parsed == 0.0))
        return {stop, std::errc::result_out_of_range};
    value = parsed;
    return {stop, std::errc()};
}

// The shortest text that reads back as value: printf's e or f conversion,
// whichever is shorter (f on a tie), with the fewest significant digits that
// read back exactly.
inline CharsResult ToCharsShortest(char* first, char* last, double value) {
    if (!std::isfinite(value) || value == 0.0)
        return ToChars(first, last, value, Notation::General, 1);
    char scientific[40];
    int digits = 1;
    for (; digits < 17; ++digits) {
        std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
        if (std::strtod(scientific, nullptr) == value) break;
    }
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
    // The same digits with the point moved.
    const std::string text = scientific;
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    const bool negative = text[0] == '-';
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') mantissa += text[i];
    std::string fixed = negative ? "-" : "";
    if (exponent >= digits - 1) {
        // An integer: written out exactly, as many digits as the padded form.
        char integer[400];
        std::snprintf(integer, sizeof integer, "%.0f", value);
        fixed = integer;
    } else if (exponent >= 0) {
        const auto units = static_cast<std::size_t>(exponent) + 1;
        fixed += mantissa.substr(0, units) + "." + mantissa.substr(units);
    } else {
        fixed += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    const std::string& chosen = fixed.size() <= text.size() ? fixed : text;
    if (static_cast<std::ptrdiff_t>(chosen.size()) > last - first)
        return {last, std::errc::value_too_large};
    std::memcpy(first, chosen.data(), chosen.size());
    return {first + chosen.size(), std::errc()};
}

}  // namespace fallback

#if defined(__cpp_lib_to_chars)
inline constexpr bool kStandardCharconv = true;
#else
inline constexpr bool kStandardCharconv = false;
#endif

inline CharsResult ToChars(char* first, char* last, double value, Notation notation,
                           int precision) {
#if defined(__cpp_lib_to_chars)
    const std::chars_format format = notation == Notation::General ? std::chars_format::general
                                     : notation == Notation::Scientific
                                         ? std::chars_format::scientific
                                         : std::chars_format::fixed;
    const auto [ptr, ec] = std::to_chars(first, last, value, format, precision);
    return {ptr, ec};
#else
    return fallback::ToChars(first, last, value, notation, precision);
#endif
}

inline CharsResult ToCharsShortest(char* first, char* last, double value) {
#if defined(__cpp_lib_to_chars)
    const auto [ptr, ec] = std::to_chars(first, last, value);
    return {ptr, ec};
#else
    return fallback::ToCharsShortest(first, last, value);
#endif
}

inline CharsResult FromChars(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return {const_cast<char*>(ptr), ec};
#else
    return fallback::FromChars(first, last, value);
#endif
}

}  // namespace portable
