// The reference levels against what is known of the continuous problem
// without solving it: closed forms, state counts, bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "closed_forms.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(ClosedForms, OscillatorLaddersByOmega) {
    // V = x^2 / 2 with unit mass: omega = 1, E_n = n + 1/2 exactly.
    const std::vector<spectrum::Level> unit = OscillatorLevels(0.5, 0.0, 1.0, 4);
    ASSERT_EQ(unit.size(), 4u);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(unit[n].index, n);
        EXPECT_EQ(unit[n].parity, n % 2 ? spectrum::Parity::Odd : spectrum::Parity::Even);
        EXPECT_EQ(unit[n].energy, n + 0.5);
    }
    // The program's x^2 - 8.
    EXPECT_EQ(OscillatorLevels(1.0, -8.0, 1.0, 1)[0].energy, -8.0 + std::sqrt(2.0) * 0.5);
}

TEST(ClosedForms, WellCountsAndBoundsItsStates) {
    // One state however shallow (z0 < pi / 2); one more for each pi / 2 of z0.
    const std::vector<spectrum::Level> shallow = SquareWellLevels(0.5, -1.0, 1.0);  // z0 = 0.707
    ASSERT_EQ(shallow.size(), 1u);
    EXPECT_GT(shallow[0].energy, -1.0);
    EXPECT_LT(shallow[0].energy, 0.0);

    const double a = 2.0, depth = -50.0;  // z0 = 20: 13 states
    const std::vector<spectrum::Level> deep = SquareWellLevels(a, depth, 1.0);
    ASSERT_EQ(deep.size(), 13u);
    for (std::size_t n = 0; n < deep.size(); ++n) {
        EXPECT_EQ(deep[n].index, static_cast<int>(n));
        EXPECT_EQ(deep[n].parity, n % 2 ? spectrum::Parity::Odd : spectrum::Parity::Even);
        // Above the bottom, below the infinite well of width 2a.
        const double infinite = depth + (n + 1) * (n + 1) * kPi * kPi / (8.0 * a * a);
        EXPECT_GT(deep[n].energy, depth);
        EXPECT_LT(deep[n].energy, std::fmin(infinite, 0.0)) << n;
    }
    // Deep in the well the finite well's ground state nears the infinite one:
    // z = (pi/2) z0 / (z0 + 1) to first order in 1 / z0.
    const double z = kPi / 2.0 * 20.0 / 21.0;
    EXPECT_NEAR(deep[0].energy, depth + z * z / (2.0 * a * a), 2e-3);
}

TEST(ClosedForms, NearestTakesTheSameParityOnly) {
    const std::vector<spectrum::Level> ladder = OscillatorLevels(0.5, 0.0, 1.0, 6);
    EXPECT_EQ(NearestClosedForm(ladder, 0, 1.4)->index, 0);  // 1.5 is odd
    EXPECT_EQ(NearestClosedForm(ladder, 1, 1.4)->index, 1);
    EXPECT_EQ(NearestClosedForm(ladder, 0, 100.0)->index, 4);
    EXPECT_FALSE(NearestClosedForm({}, 0, 1.0).has_value());
}

// The Airy zeros behind the v-shaped levels, against the tables (Abramowitz
// and Stegun 10.4): a_1, a_3 and a'_1, a'_2.
TEST(ClosedForms, AiryZerosOfTheVShapedLevels) {
    EXPECT_NEAR(AiryZero(1, false), 2.338107410459767, 1e-15);
    EXPECT_NEAR(AiryZero(3, false), 5.520559828095551, 4e-15);
    EXPECT_NEAR(AiryZero(1, true), 1.018792971647471, 1e-15);
    EXPECT_NEAR(AiryZero(2, true), 3.248197582179837, 4e-15);
    // slope |x| + d at slope^2 / 2 = 1: the zeros themselves, in turn.
    const std::vector<spectrum::Level> v = VShapedLevels(std::sqrt(2.0), -1.0, 1.0, 3.0);
    ASSERT_GE(v.size(), 4u);
    EXPECT_NEAR(v[3].energy, -1.0 + 4.087949444130971, 4e-15);
    EXPECT_EQ(v[3].parity, spectrum::Parity::Odd);
}

}  // namespace
