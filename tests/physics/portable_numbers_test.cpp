// The C-library stand-ins for bit_cast, to_chars and from_chars must give what
// the standard library gives, character for character and bit for bit: the
// WebAssembly build uses them, and its numbers are compared with these.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "portable_numbers.h"

namespace {

using portable::Notation;

// Doubles of every magnitude: random bit patterns, random decimals, and the
// edges (zeros, infinities, NaN, denormals, powers of ten, halves to round).
std::vector<double> Samples() {
    std::mt19937_64 rng(20261208);
    std::vector<double> values{0.0,
                               -0.0,
                               1.0,
                               -1.0,
                               0.1,
                               1e23,
                               5e-324,
                               1e-310,
                               1e21,
                               1e22,
                               123456789012345680000.0,
                               0.5,
                               2.5,
                               1e15,
                               1e16,
                               1e17,
                               -7.2976229380816253,
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::bit_cast<double>(rng()));
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> power(-30, 30);
    for (int i = 0; i < 20000; ++i)
        values.push_back(unit(rng) * std::pow(10.0, power(rng)));
    for (int k = -20; k <= 20; ++k)
        values.push_back(std::round(unit(rng) * 1e6) / 1e3 + k * 0.0005);
    return values;
}

std::string Standard(double v, std::chars_format format, int precision) {
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, format, precision);
    return ec == std::errc() ? std::string(buffer, end) : "error";
}

std::string Fallback(double v, Notation notation, int precision) {
    char buffer[400];
    const auto [end, ec] =
        portable::fallback::ToChars(buffer, buffer + sizeof buffer, v, notation, precision);
    return ec == std::errc() ? std::string(buffer, end) : "error";
}

TEST(PortableNumbers, BitCastIsTheStandardOne) {
    for (double v : Samples()) {
        EXPECT_EQ(portable::BitCast<std::uint64_t>(v), std::bit_cast<std::uint64_t>(v));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(
                      portable::BitCast<double>(std::bit_cast<std::uint64_t>(v))),
                  std::bit_cast<std::uint64_t>(v));
    }
}

TEST(PortableNumbers, PrecisionFormatsMatchToChars) {
    const struct {
        std::chars_format format;
        Notation notation;
        int precision;
    } cases[] = {{std::chars_format::general, Notation::General, 15},
                 {std::chars_format::general, Notation::General, 17},
                 {std::chars_format::general, Notation::General, 6},
                 {std::chars_format::scientific, Notation::Scientific, 3},
                 {std::chars_format::fixed, Notation::Fixed, 6}};
    for (const auto& c : cases)
        for (double v : Samples())
            ASSERT_EQ(Fallback(v, c.notation, c.precision), Standard(v, c.format, c.precision))
                << std::bit_cast<std::uint64_t>(v) << " precision " << c.precision;
}

TEST(PortableNumbers, ShortestMatchesToChars) {
    for (double v : Samples()) {
        char a[400], b[400];
        const auto [endA, ecA] = std::to_chars(a, a + sizeof a, v);
        const auto [endB, ecB] = portable::fallback::ToCharsShortest(b, b + sizeof b, v);
        ASSERT_EQ(ecA, ecB);
        ASSERT_EQ(std::string(b, endB), std::string(a, endA)) << std::bit_cast<std::uint64_t>(v);
    }
    // Too small a buffer is an error, as with to_chars.
    char small[3];
    EXPECT_EQ(portable::fallback::ToCharsShortest(small, small + 3, 0.125).ec,
              std::errc::value_too_large);
}

TEST(PortableNumbers, FromCharsMatchesOnDecimalText) {
    std::vector<std::string> texts{"0",
                                   "-0",
                                   "1e400",
                                   "-1e400",
                                   "1e-400",
                                   "4.9e-324",
                                   "2e-324",
                                   "3e-324",
                                   "1e-320",
                                   "2.5",
                                   "0.1",
                                   "1.7976931348623157e308",
                                   "1.8e308",
                                   "123456789012345678901234567890.5e-10",
                                   "0.000000000000000000000000000000000000001",
                                   "9007199254740993",
                                   "1e",
                                   "e5",
                                   "."};
    for (double v : Samples()) {
        if (!std::isfinite(v)) continue;
        texts.push_back(Standard(v, std::chars_format::general, 17));
        texts.push_back(Standard(v, std::chars_format::general, 5));
    }
    for (const std::string& t : texts) {
        const char* first = t.data();
        const char* last = t.data() + t.size();
        double a = 42.0, b = 42.0;
        const auto [endA, ecA] = std::from_chars(first, last, a);
        const auto [endB, ecB] = portable::fallback::FromChars(first, last, b);
        ASSERT_EQ(ecA, ecB) << t;
        ASSERT_EQ(endB, endA) << t;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(b), std::bit_cast<std::uint64_t>(a)) << t;
    }
}

}  // namespace
