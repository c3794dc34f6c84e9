#include "data_exchange.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "portable_numbers.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }

    // Check the grammar ourselves; from_chars would also take "inf" or "nan".
    std::size_t i = 0;
    std::size_t intDigits = 0, fracDigits = 0;
    std::size_t firstNonZero = std::string_view::npos;  // digit index in integer+fraction
    std::size_t digitIndex = 0;
    while (i < s.size() && IsDigit(s[i])) {
        if (s[i] != '0' && firstNonZero == std::string_view::npos) firstNonZero = digitIndex;
        ++i, ++intDigits, ++digitIndex;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            if (s[i] != '0' && firstNonZero == std::string_view::npos) firstNonZero = digitIndex;
            ++i, ++fracDigits, ++digitIndex;
        }
    }
    if (intDigits + fracDigits == 0) return std::nullopt;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
        if (i == s.size() || !IsDigit(s[i])) return std::nullopt;
        while (i < s.size() && IsDigit(s[i])) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (expNegative) exponent = -exponent;
    }
    if (i != s.size()) return std::nullopt;

    double value = 0.0;
    const auto [end, ec] = portable::FromChars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the position of the leading
        // digit against the point says which.
        if (firstNonZero == std::string_view::npos) {
            value = 0.0;
        } else {
            const long long magnitude = exponent + static_cast<long long>(intDigits) - 1 -
                                        static_cast<long long>(firstNonZero);
            if (magnitude >= 0) return std::nullopt;
            value = 0.0;
        }
    } else if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::uint32_t> ParseUnsigned(std::string_view text) {
    const std::string_view s = Trim(text);
    if (s.empty()) return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::string FormatDouble(double value) {
    char buffer[64];
    const auto [end, ec] =
        portable::ToChars(buffer, buffer + sizeof buffer, value, portable::Notation::General, 15);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}
