// The evolution over the accurate solver's eigenfunctions on the window's
// grid: the oscillator's closed forms hold to the same bounds as over the
// Hermite functions, for a well at the origin and one moved off it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "evolution_levels.h"
#include "frame_probe.h"
#include "headless_host.h"
#include "model.h"
#include "resources.h"

namespace {

const dynamics::Grid kGrid{model::kGridMin, model::kGridStep, model::kSamples};

dynamics::Superposition LowestTwo(HeadlessSession& s) {
    std::vector<dynamics::Eigenstate> levels =
        AccurateLevelsOnGrid(s.Dialog().CurrentPotentialInfo(),
                             s.Dialog().CurrentSearchBounds().ceiling)
            .levels;
    EXPECT_GE(levels.size(), 2u);
    levels.resize(2);
    return dynamics::Superposition(kGrid, std::move(levels), {1.0, 1.0});
}

void ExpectOscillatorPair(const dynamics::Superposition& s, double centre) {
    const double omega = std::numbers::sqrt2;
    const double period = 2.0 * std::numbers::pi / (s.Energies()[1] - s.Energies()[0]);
    std::vector<dynamics::Complex> now(kGrid.count), later(kGrid.count);
    for (double t = 0.0; t < 20.0; t += 0.71) {
        const dynamics::Expectations e = s.Expect(t);
        EXPECT_NEAR(e.norm, 1.0, 1e-12) << t;
        EXPECT_NEAR(e.meanX, centre + std::pow(2.0, -0.75) * std::cos(omega * t), 1e-10) << t;
        EXPECT_EQ(e.meanEnergy, s.MeanEnergy());
        s.Evaluate(t, 0, now);
        s.Evaluate(t + period, 0, later);
        double drift = 0.0;
        for (std::size_t i = 0; i < now.size(); ++i)
            drift = std::max(drift, std::abs(std::norm(later[i]) - std::norm(now[i])));
        EXPECT_LE(drift, 1e-12) << t;
    }
    EXPECT_NEAR(s.MeanEnergy(), -8.0 + omega, 1e-12);
}

TEST(EvolutionLevels, OscillatorPairOverTheSolversLevels) {
    HeadlessSession s;
    ExpectOscillatorPair(LowestTwo(s), 0.0);
}

TEST(EvolutionLevels, AWellThatIsNotEvenMovesAboutItsCentre) {
    HeadlessSession s;
    ASSERT_TRUE(s.SelectPotential("Formula"));
    ASSERT_FALSE(s.ChangeSettings({"(x-1)^2-8"}));
    ASSERT_FALSE(s.Dialog().CurrentPotentialInfo().even);
    ExpectOscillatorPair(LowestTwo(s), 1.0);
}

// Only bound states are offered, and the frame marks the continuum edge
// above them with a dashed grey line (here across the well, at E = 0).
TEST(EvolutionLevels, OnlyBoundStatesAndTheEdgeDashedAcrossTheFrame) {
    HeadlessSession s;
    ASSERT_TRUE(s.SelectPotential("Formula"));
    ASSERT_FALSE(s.ChangeSettings({"-4*(abs(x)<2)"}));
    const BoundStatesOnGrid bound = AccurateLevelsOnGrid(s.Dialog().CurrentPotentialInfo(), 50.0);
    ASSERT_EQ(bound.continuum, 0.0);
    ASSERT_FALSE(bound.levels.empty());
    EXPECT_LT(bound.levels.back().energy, 0.0);
    s.SelectTab(res::kEvolutionTab);
    const HeadlessPlatform& p = s.Platform();
    const FrameProbe frame(s.Paint(), p.frameWidth, p.frameHeight);
    const PlotCanvas& canvas = *s.Dialog().Evolution().Canvas();
    const int row = static_cast<int>(canvas.ToPixel({0.0, 0.0}).y) + 3;  // off the axis
    int grey = 0, white = 0;
    for (double x = -1.5; x < 1.5; x += 1.0 / 60.0) {
        const Rgb c = frame.At(static_cast<int>(canvas.ToPixel({x, 0.0}).x), row);
        grey += c.r == c.g && c.g == c.b && c.r > 100 && c.r < 200;
        white += c == kWhite;
    }
    EXPECT_GT(grey, 40);
    EXPECT_GT(white, 40);
}

}  // namespace
