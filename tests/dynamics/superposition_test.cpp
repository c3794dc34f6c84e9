// The superposition against the oscillator's closed forms, and its invariants.
#include "superposition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "oscillator_states.h"

namespace {

using dynamics::Complex;
using dynamics::Grid;
using dynamics::Superposition;

// The window's grid: 4001 samples on [-20, 20].
const Grid kGrid{-20.0, 0.01, 4001};
const double kOmega = std::numbers::sqrt2;  // V = x^2 - 8

Superposition LowestTwo(double centre = 0.0) {
    // Sampling phi(x - centre) on the grid moves the well to x = centre.
    const Grid shifted{kGrid.xmin - centre, kGrid.step, kGrid.count};
    return Superposition(kGrid, dynamics::OscillatorLevels(1.0, -8.0, 2, shifted), {1.0, 1.0});
}

std::vector<double> Density(const Superposition& s, double t) {
    std::vector<Complex> psi(kGrid.count);
    s.Evaluate(t, 0, psi);
    std::vector<double> rho(psi.size());
    for (std::size_t i = 0; i < psi.size(); ++i)
        rho[i] = std::norm(psi[i]);
    return rho;
}

TEST(Superposition, OscillatorPairMovesAtTheLevelSpacing) {
    const Superposition s = LowestTwo();
    const double energy = -8.0 + kOmega;  // (E0 + E1) / 2
    for (double t = 0.0; t < 40.0; t += 0.37) {
        const dynamics::Expectations e = s.Expect(t);
        EXPECT_NEAR(e.norm, 1.0, 1e-12) << t;
        EXPECT_NEAR(e.meanX, std::pow(2.0, -0.75) * std::cos(kOmega * t), 1e-10) << t;
        // (1/(2 omega) + 3/(2 omega)) / 2; the cross term vanishes by parity.
        EXPECT_NEAR(e.meanX2, 1.0 / kOmega, 1e-10) << t;
        EXPECT_EQ(e.meanEnergy, s.MeanEnergy());
        EXPECT_NEAR(e.meanEnergy, energy, 1e-14);
    }
}

TEST(Superposition, WellAwayFromTheOriginOscillatesAboutItsCentre) {
    const Superposition s = LowestTwo(1.5);
    for (double t = 0.0; t < 10.0; t += 0.9)
        EXPECT_NEAR(s.Expect(t).meanX, 1.5 + std::pow(2.0, -0.75) * std::cos(kOmega * t), 1e-10);
}

TEST(Superposition, DensityIsPeriodicInTheSpacing) {
    const Superposition s = LowestTwo();
    const double period = 2.0 * std::numbers::pi / (s.Energies()[1] - s.Energies()[0]);
    for (double t : {0.0, 0.3, 7.1, 123.4}) {
        const std::vector<double> now = Density(s, t);
        const std::vector<double> later = Density(s, t + period);
        const std::vector<double> half = Density(s, t + 0.5 * period);
        double drift = 0.0;
        double swing = 0.0;
        for (std::size_t i = 0; i < now.size(); ++i) {
            drift = std::max(drift, std::abs(later[i] - now[i]));
            swing = std::max(swing, std::abs(half[i] - now[i]));
        }
        EXPECT_LE(drift, 1e-12) << t;
        EXPECT_GT(swing, 0.1) << t;  // it does move in between
    }
}

// Twenty levels at uneven complex weights: the norm holds, and the matrices
// agree with sums over psi itself on the grid.
TEST(Superposition, ManyLevelsKeepTheirNormAndMatchTheGridSums) {
    std::vector<Complex> weights;
    for (int k = 0; k < 20; ++k)
        weights.push_back(std::polar(1.0 + 0.1 * k, 0.7 * k));
    const Superposition s(kGrid, dynamics::OscillatorLevels(1.0, -8.0, 20, kGrid), weights);
    double total = 0.0;
    for (const Complex& c : s.Weights())
        total += std::norm(c);
    EXPECT_NEAR(total, 1.0, 1e-15);
    for (double t : {0.0, 0.01, 1.0, 55.5, 1000.0}) {
        const dynamics::Expectations e = s.Expect(t);
        EXPECT_NEAR(e.norm, 1.0, 1e-12) << t;
        const std::vector<double> rho = Density(s, t);
        double norm = 0.0;
        double meanX = 0.0;
        for (std::size_t i = 0; i < rho.size(); ++i) {
            const double w = i == 0 || i + 1 == rho.size() ? 0.5 : 1.0;
            norm += w * rho[i] * kGrid.step;
            meanX += w * rho[i] * kGrid.X(i) * kGrid.step;
        }
        EXPECT_NEAR(norm, e.norm, 1e-12) << t;
        EXPECT_NEAR(meanX, e.meanX, 1e-11) << t;
    }
}

TEST(Superposition, PartOfTheGridIsThatPartOfTheWhole) {
    const Superposition s = LowestTwo();
    std::vector<Complex> whole(kGrid.count);
    s.Evaluate(2.5, 0, whole);
    std::vector<Complex> part(30, Complex(9.0, 9.0));
    s.Evaluate(2.5, kGrid.count - 10, part);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(part[i], whole[kGrid.count - 10 + i]);
    for (std::size_t i = 10; i < part.size(); ++i)
        EXPECT_EQ(part[i], Complex());
}

TEST(Superposition, RefusesWhatCannotBeSuperposed) {
    const auto levels = dynamics::OscillatorLevels(1.0, -8.0, 2, kGrid);
    EXPECT_THROW(Superposition(kGrid, levels, {1.0}), std::invalid_argument);
    EXPECT_THROW(Superposition(kGrid, levels, {0.0, 0.0}), std::invalid_argument);
    EXPECT_THROW(Superposition(kGrid, levels, {1.0, NAN}), std::invalid_argument);
    EXPECT_THROW(Superposition(kGrid, {levels[0], levels[0]}, {1.0, 1.0}), std::invalid_argument);
    EXPECT_THROW(Superposition({kGrid.xmin, kGrid.step, 10}, levels, {1.0, 1.0}),
                 std::invalid_argument);
    EXPECT_THROW(Superposition(kGrid, {}, {}), std::invalid_argument);
}

}  // namespace
