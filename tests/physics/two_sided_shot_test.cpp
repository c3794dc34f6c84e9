// Shooting from both ends, against the closed forms of the Morse potential
// and of the oscillator, and on a wall no double could integrate through.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "model.h"
#include "two_sided_shot.h"

namespace {

class Lambda : public RealFunction {
  public:
    explicit Lambda(std::function<double(double)> f) : f_(std::move(f)) {}
    double Value(double x) const override { return f_(x); }
    double Derivative(double) const override { return 0.0; }

  private:
    std::function<double(double)> f_;
};

// 8 (1 - e^-(x - 0.5))^2 - 8: D = 8, a = 1, m = 1, so hbar omega = 4 and
// E_n = -8 + 4 (n + 1/2) - (n + 1/2)^2 / 2 for n = 0..3.
double Morse(double x) {
    const double e = 1.0 - std::exp(-(x - 0.5));
    return 8.0 * e * e - 8.0;
}
double MorseLevel(int n) {
    const double k = n + 0.5;
    return -8.0 + 4.0 * k - 0.5 * k * k;
}

SampledFunction Grid() {
    SampledFunction g;
    g.SetRange(model::kGridMin, model::kGridMax);
    g.Resize(model::kSamples);
    return g;
}

// The level between lo and hi by bisection on the mismatch alone.
double Bisect(TwoSidedShot& shot, double lo, double hi) {
    SampledFunction out;
    const double sign = shot.Shoot(lo, out).mismatch;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (shot.Shoot(mid, out).mismatch * sign > 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

}  // namespace

// Between two levels the count below is exact and the mismatch keeps one
// sign; it changes sign at each level, which bisection then finds within the
// grid's error of the closed form, with n nodes and halves that meet.
TEST(TwoSidedShot, MorseLevelsCountsNodesAndMismatch) {
    const Lambda v(Morse);
    TwoSidedShot shot;
    shot.SetPotential(&v, Grid(), model::kMassFactor);
    EXPECT_DOUBLE_EQ(shot.MatchX(), 0.5);
    SampledFunction out, left, right;
    std::vector<double> gaps{-7.5};
    for (int n = 0; n < 4; ++n)
        gaps.push_back(n < 3 ? 0.5 * (MorseLevel(n) + MorseLevel(n + 1)) : -0.05);
    for (std::size_t k = 0; k < gaps.size(); ++k)
        EXPECT_EQ(shot.Shoot(gaps[k], out).levelsBelow, static_cast<int>(k)) << gaps[k];
    for (int n = 0; n < 4; ++n) {
        const double below = shot.Shoot(gaps[n], out).mismatch;
        const double above = shot.Shoot(gaps[n + 1], out).mismatch;
        EXPECT_LT(below * above, 0.0) << n;
        const double e = Bisect(shot, gaps[n], gaps[n + 1]);
        EXPECT_NEAR(e, MorseLevel(n), 2e-4) << n;
        const ShotResult at = shot.Shoot(e, out, &left, &right);
        EXPECT_EQ(at.nodes, n);
        EXPECT_LT(std::fabs(at.mismatch), 1e-9);
        // Carried past the matching point, the halves still agree.
        double apart = 0.0;
        for (int i = shot.MatchIndex() - 100; i <= shot.MatchIndex() + 100; ++i) {
            const auto k = static_cast<std::uint16_t>(i);
            apart = std::fmax(apart, std::fabs(left.GetSample(k).x - right.GetSample(k).x));
        }
        EXPECT_LT(apart, 1e-6) << n;
    }
    // Off a level the halves part past the matching point, by far.
    shot.Shoot(-6.5, out, &left, &right);
    const auto past = static_cast<std::uint16_t>(shot.MatchIndex() + 100);
    EXPECT_GT(std::fabs(left.GetSample(past).x - right.GetSample(past).x), 0.05);
    // The matched solution: largest |psi| 1, positive in the left tail.
    double largest = 0.0;
    for (std::uint16_t i = 0; i < out.Count(); ++i)
        largest = std::fmax(largest, std::fabs(out.GetSample(i).x));
    EXPECT_EQ(largest, 1.0);
    EXPECT_GT(out.GetSample(static_cast<std::uint16_t>(shot.MatchIndex() - 150)).x, 0.0);
}

// An even V shot from both ends gives the oscillator's levels too, within
// the three-point equation's error, which grows with the level.
TEST(TwoSidedShot, OscillatorLevels) {
    const Lambda v([](double x) { return x * x - 8.0; });
    TwoSidedShot shot;
    shot.SetPotential(&v, Grid(), model::kMassFactor);
    for (int n = 0; n < 5; ++n) {
        const double exact = -8.0 + std::sqrt(2.0) * (n + 0.5);
        EXPECT_NEAR(Bisect(shot, exact - 0.3, exact + 0.3), exact, 3e-4) << n;
    }
}

// A wall of 1e300 left of x = 0 (and a V that is not even overflows on the
// way in): the halves stay finite, and the levels are the oscillator's odd
// ones, psi = 0 one step left of x = 0.
TEST(TwoSidedShot, WallBeyondAnyDouble) {
    const Lambda v([](double x) { return x < -0.005 ? 1e300 : x * x; });
    TwoSidedShot shot;
    shot.SetPotential(&v, Grid(), model::kMassFactor);
    SampledFunction out;
    for (int n : {1, 3}) {
        const double exact = std::sqrt(2.0) * (n + 0.5);
        const double e = Bisect(shot, exact - 0.5, exact + 0.5);
        EXPECT_NEAR(e, exact, 0.03) << n;
        const ShotResult at = shot.Shoot(e, out);
        EXPECT_EQ(at.nodes, (n - 1) / 2);
        EXPECT_EQ(shot.Shoot(e - 0.1, out).levelsBelow, (n - 1) / 2);
        EXPECT_EQ(shot.Shoot(e + 0.1, out).levelsBelow, (n + 1) / 2);
        shot.Shoot(e, out);
        for (std::uint16_t i = 0; i < out.Count(); ++i)
            ASSERT_TRUE(std::isfinite(out.GetSample(i).x)) << i;
    }
}
