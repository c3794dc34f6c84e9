// Typed formulas: muparser's values with sech, every kind of bad text answered
// with its own message and nothing changed, and evenness as the grid sees it.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "formula_potential.h"
#include "model.h"

namespace {

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

}  // namespace

// The oscillator typed as a formula has the oscillator's values on the grid.
TEST(FormulaPotential, OscillatorTypedIsTheOscillatorOnTheGrid) {
    FormulaPotential f;
    ASSERT_EQ(f.SetText("x^2-8"), std::nullopt);
    PowerPotential oscillator;
    oscillator.SetCoefficient(1.0);
    oscillator.SetOffset(-8.0);
    for (int i = 0; i < model::kSamples; ++i) {
        const double x = i * model::kGridStep + model::kGridMin;
        ASSERT_EQ(Bits(f.Value(x)), Bits(oscillator.Value(x))) << x;
    }
    EXPECT_TRUE(f.IsEven());
    EXPECT_EQ(f.Text(), "x^2-8");

    ASSERT_EQ(f.SetText("-8*sech(x)^2"), std::nullopt);
    EXPECT_DOUBLE_EQ(f.Value(1.0), -8.0 / (std::cosh(1.0) * std::cosh(1.0)));
    EXPECT_NEAR(f.Derivative(0.5), 16.0 * std::tanh(0.5) / std::pow(std::cosh(0.5), 2), 1e-5);
}

TEST(FormulaPotential, BadTextNamesWhatAndWhereAndChangesNothing) {
    FormulaPotential f;
    ASSERT_EQ(f.SetText("abs(x)-8"), std::nullopt);
    const std::pair<std::string, std::string> cases[] = {
        {"x^2 - 8)", "unexpected ')' at position 7"},
        {"x^2 +* 8", "unexpected '*' at position 5"},
        {"y^2", "unknown name or sign 'y' at position 0 (the variable is x)"},
        {"sin(x", "missing ')' at the end of the formula"},
        {"x^2 -", "unexpected end of the formula"},
        {"1/x", "V is not finite at x = 0"},
        {"sqrt(x)", "V is not finite at x = -20"},
        {"exp(x^3)", "V is not finite at x = 8.93"},
        {"   ", "the formula is empty"},
        {std::string(1001, 'x'), "the formula is longer than 1000 characters"},
        {"x, 2", "the formula gives 2 values; give one"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(FormulaPotential::Check(text), message) << text;
        EXPECT_EQ(f.SetText(text), message) << text;
        EXPECT_EQ(f.Text(), "abs(x)-8");
        EXPECT_EQ(f.Value(-3.0), -5.0);
    }
    // 1000 characters is still a formula.
    const std::string longest = "x^2" + std::string(FormulaPotential::kMaxLength - 3, ' ');
    EXPECT_EQ(longest.size(), FormulaPotential::kMaxLength);
    EXPECT_EQ(FormulaPotential::Check(longest), std::nullopt);
}

// |V(x) - V(-x)| <= 1e-12 max(1, |V(x)|) on the grid.
TEST(FormulaPotential, EvenOnlyWithinTheToleranceOnTheGrid) {
    FormulaPotential f;
    const std::pair<const char*, bool> cases[] = {
        {"x^2-8", true},
        {"-8*sech(x/2)^2", true},
        {"x^3", false},
        {"x^2 + 1e-14*x", true},
        {"cos(x) + 1e-11*x", false},
        {"(x > 1) * -8", false},
        {"(abs(x) < 1) ? -8 : 0", true},
    };
    for (const auto& [text, even] : cases) {
        ASSERT_EQ(f.SetText(text), std::nullopt) << text;
        EXPECT_EQ(f.IsEven(), even) << text;
    }
}
