#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "potential_family.h"
#include "references.h"
#include "spectrum.h"

namespace {

using spectrum::Level;
using spectrum::Parity;

// Every level below the ceiling against the exact ones: the same number (and
// the same as an independent count), each to 1e-12 relative with an estimate
// at least as large as its actual error, its nodes and parity its index's.
void ExpectExact(const Potential& v, double ceiling, const std::vector<double>& exact,
                 double countRange) {
    const PotentialInfo info = Describe(v);
    spectrum::Solver solver(info);
    const spectrum::Spectrum s = solver.Levels(ceiling);
    std::vector<double> below;
    for (double e : exact)
        if (e < ceiling) below.push_back(e);
    ASSERT_LT(below.size(), exact.size()) << "the reference list must reach past the ceiling";
    ASSERT_EQ(s.levels.size(), below.size());
    const auto value = [&v](double x) { return v.Value(x); };
    EXPECT_EQ(static_cast<int>(s.levels.size()),
              reference::SturmCount(value, ceiling, countRange, 40000));
    for (std::size_t n = 0; n < below.size(); ++n) {
        const Level& level = s.levels[n];
        const double error = std::fabs(level.energy - below[n]);
        SCOPED_TRACE("level " + std::to_string(n));
        EXPECT_EQ(level.index, static_cast<int>(n));
        EXPECT_EQ(level.nodes, static_cast<int>(n));
        EXPECT_EQ(level.parity, n % 2 == 0 ? Parity::Even : Parity::Odd);
        EXPECT_TRUE(level.converged) << level.warning;
        EXPECT_LE(error, 1e-12 * std::fmax(1.0, std::fabs(below[n])));
        EXPECT_GE(level.errorEstimate, error);
    }
}

// Each family at its defaults (first) and three other settings.
TEST(AccurateLevels, Oscillator) {
    for (auto [alpha, d] : {std::pair{1.0, -8.0}, {0.5, -3.0}, {4.0, 0.0}, {0.05, -8.0}}) {
        SCOPED_TRACE(std::to_string(alpha) + " x^2 + " + std::to_string(d));
        PowerPotential v;
        v.SetCoefficient(alpha);
        v.SetExponent(2.0);
        v.SetOffset(d);
        const double omega = std::sqrt(2.0 * alpha);
        ExpectExact(v, d + 9.0 * omega, reference::Oscillator(alpha, d, 12),
                    std::sqrt(12.0 * omega / alpha) + 3.0);
    }
}

TEST(AccurateLevels, FiniteWell) {
    for (auto [depth, a] : {std::pair{-8.0, 2.0}, {-10.0, 1.0}, {-1.0, 0.5}, {-50.0, 3.0}}) {
        SCOPED_TRACE(std::to_string(depth) + " for |x| < " + std::to_string(a));
        SquareWell v;
        v.SetDepth(depth);
        v.SetHalfWidth(a);
        std::vector<double> exact = reference::FiniteWell(depth, a);
        exact.push_back(INFINITY);
        ExpectExact(v, -0.02, exact, a + 60.0);
    }
}

TEST(AccurateLevels, PoschlTeller) {
    for (auto [depth, w] : {std::pair{-8.0, 1.0}, {-2.0, 0.5}, {-30.0, 2.0}, {-50.0, 0.3}}) {
        SCOPED_TRACE(std::to_string(depth) + " sech^2(x / " + std::to_string(w) + ")");
        PoschlTellerPotential v;
        v.SetDepth(depth);
        v.SetWidth(w);
        std::vector<double> exact = reference::PoschlTeller(depth, w);
        exact.push_back(INFINITY);
        ExpectExact(v, -0.02, exact, 60.0 * w + 20.0);
    }
}

TEST(AccurateLevels, VShaped) {
    reference::AiryOfMinus airy;  // the zeros' tables: Ai(-2.3381...) = 0, Ai'(-1.0187...) = 0
    EXPECT_NEAR(airy.Zero(1, false), 2.338107410459767, 2e-15);
    EXPECT_NEAR(airy.Zero(1, true), 1.018792971647471, 2e-15);
    for (auto [slope, d] : {std::pair{2.0, -8.0}, {1.0, 0.0}, {10.0, -3.0}, {0.5, -1.0}}) {
        SCOPED_TRACE(std::to_string(slope) + " |x| + " + std::to_string(d));
        VShapedPotential v;
        v.SetSlope(slope);
        v.SetOffset(d);
        const std::vector<double> exact = reference::VShaped(slope, d, 12);
        ExpectExact(v, 0.5 * (exact[9] + exact[10]), exact, (exact[11] - d) / slope + 8.0);
    }
}

// Neither even nor on the solver's own mesh points: the oscillator moved off
// centre gives the same levels with no parity, from both sweeps.
TEST(AccurateLevels, PotentialThatIsNotEven) {
    const auto v = [](double x) { return (x - 0.7) * (x - 0.7) - 8.0; };
    spectrum::Solver solver(v, {});
    const spectrum::Spectrum s = solver.Levels(2.0);
    const std::vector<double> exact = reference::Oscillator(1.0, -8.0, 7);
    ASSERT_EQ(s.levels.size(), 7u);
    EXPECT_FALSE(s.even);
    for (const Level& level : s.levels) {
        const double error = std::fabs(level.energy - exact[level.index]);
        EXPECT_LE(error, 1e-12 * std::fmax(1.0, std::fabs(level.energy)));
        EXPECT_GE(level.errorEstimate, error);
        EXPECT_EQ(level.nodes, level.index);
        EXPECT_FALSE(level.parity.has_value());
    }
}

// A well typed as a formula says nothing of its walls (here off centre, so
// not even): the scan finds them, and the levels are the square well's.
TEST(AccurateLevels, UndeclaredJumpsAreFound) {
    const auto v = [](double x) { return (-1.7 < x && x < 2.3) ? -8.0 : 0.0; };
    spectrum::Solver solver(v, {});
    const spectrum::Spectrum s = solver.Levels(-0.02);
    const std::vector<double> exact = reference::FiniteWell(-8.0, 2.0);
    ASSERT_EQ(s.levels.size(), exact.size());
    for (const Level& level : s.levels) {
        const double error = std::fabs(level.energy - exact[level.index]);
        EXPECT_LE(error, 1e-12 * std::fmax(1.0, std::fabs(level.energy)));
        EXPECT_GE(level.errorEstimate, error);
    }
}

// Two wells far apart: each pair of levels is split by less than a part in
// 1e12 (the formula) or by a little (the wells), and both members are there,
// ordered, even before odd, with their nodes.
TEST(AccurateLevels, NearDegeneratePairs) {
    const auto formula = [](double x) { return (x * x * x * x - 20.0 * x * x) / 2.0; };
    spectrum::Solver a(formula, {});
    const spectrum::Spectrum quartic = a.Levels(-30.0);
    ASSERT_EQ(quartic.levels.size(), 6u);
    EXPECT_EQ(reference::SturmCount(formula, -30.0, 7.0, 40000), 6);
    MultiWellPotential wells;
    wells.SetCount(2);
    wells.SetDepth(-20.0);
    wells.SetWidth(1.0);
    wells.SetGap(3.0);
    spectrum::Solver b(Describe(wells));
    const spectrum::Spectrum pair = b.Levels(-0.5);
    ASSERT_EQ(pair.levels.size(), 4u);
    for (const spectrum::Spectrum* s : {&quartic, &pair}) {
        for (std::size_t n = 0; n < s->levels.size(); ++n) {
            const Level& level = s->levels[n];
            EXPECT_EQ(level.nodes, static_cast<int>(n));
            EXPECT_EQ(level.parity, n % 2 == 0 ? Parity::Even : Parity::Odd);
            if (n % 2 == 1) {
                const double split = level.energy - s->levels[n - 1].energy;
                EXPECT_GE(split, -level.errorEstimate - s->levels[n - 1].errorEstimate);
                EXPECT_LT(split, 1e-2);
            }
        }
    }
    EXPECT_LT(quartic.levels[1].energy - quartic.levels[0].energy, 1e-10);
    EXPECT_GT(pair.levels[1].energy - pair.levels[0].energy, 1e-9);
}

// A target below rounding with no further meshes allowed cannot be met: the
// levels are returned all the same, each with its estimate (still not below
// its actual error) and a warning.
TEST(AccurateLevels, LevelShortOfTheTargetIsReportedNotDropped) {
    const auto v = [](double x) { return 2.0 * std::fabs(x - 0.5) - 8.0; };
    spectrum::Settings settings;
    settings.maxRefinements = 0;
    settings.tolerance = 1e-17;
    spectrum::Solver solver(v, {{0.5}, std::nullopt}, settings);
    const spectrum::Spectrum s = solver.Levels(-3.0);
    const std::vector<double> exact = reference::VShaped(2.0, -8.0, 4);
    ASSERT_EQ(s.levels.size(), 3u);
    for (const Level& level : s.levels) {
        EXPECT_FALSE(level.converged);
        EXPECT_NE(level.warning.find("not brought to the tolerance"), std::string::npos);
        EXPECT_GE(level.errorEstimate, std::fabs(level.energy - exact[level.index]));
    }
}

TEST(AccurateLevels, NoLevelBelowTheCeilingIsSaid) {
    PowerPotential v;
    v.SetOffset(-8.0);
    spectrum::Solver solver(Describe(v));
    const spectrum::Spectrum below = solver.Levels(-9.0);
    EXPECT_TRUE(below.levels.empty());
    EXPECT_EQ(below.note, spectrum::kNoLevelNote);
    const spectrum::Spectrum under =
        solver.Levels(-7.5);  // above V's bottom, below the first level
    EXPECT_TRUE(under.levels.empty());
    EXPECT_EQ(under.note, spectrum::kNoLevelNote);
}

// The ground state of x^2 - 8 is (omega / pi)^(1/4) exp(-omega x^2 / 2), and
// the first excited state is odd with its left tail positive.
TEST(AccurateLevels, EigenfunctionIsNormalisedOnAnyGrid) {
    PowerPotential v;
    v.SetOffset(-8.0);
    spectrum::Solver solver(Describe(v));
    const spectrum::Spectrum s = solver.Levels(-5.0);
    ASSERT_EQ(s.levels.size(), 2u);
    std::vector<double> xs;
    for (int i = -538; i <= 538; ++i)
        xs.push_back(i * 0.013);
    const spectrum::Samples psi0 = solver.Eigenfunction(s.levels[0], xs);
    const spectrum::Samples psi1 = solver.Eigenfunction(s.levels[1], xs);
    const double omega = std::sqrt(2.0);
    double worst = 0.0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double exact =
            std::pow(omega / std::numbers::pi, 0.25) * std::exp(-omega * xs[i] * xs[i] / 2.0);
        worst = std::fmax(worst, std::fabs(psi0[i] - exact));
        EXPECT_NEAR(psi1[i], -psi1[xs.size() - 1 - i], 1e-9);
    }
    EXPECT_LT(worst, 1e-8);
    EXPECT_GT(psi1[xs.size() / 4], 0.0);
}

}  // namespace
