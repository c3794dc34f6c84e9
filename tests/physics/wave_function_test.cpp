#include <gtest/gtest.h>

#include <cmath>

#include "model.h"
#include "potentials.h"
#include "wave_function.h"

namespace {

class Flat : public RealFunction {
  public:
    double Value(double) const override { return 0.0; }
    double Derivative(double) const override { return 0.0; }
};

struct Oscillator : PowerPotential {
    Oscillator() {
        SetCoefficient(1.0);
        SetOffset(-8.0);
    }
};

void OnStandardGrid(WaveFunction& psi, const RealFunction* v) {
    psi.SetRange(model::kGridMin, model::kGridMax);
    ASSERT_TRUE(psi.Resize(model::kSamples));
    psi.SetPotential(v);
    psi.SetMassFactor(model::kMassFactor);
}

double Re(const WaveFunction& psi, std::uint16_t i) {
    return psi.GetSample(i).x;
}

const double kGroundState = -8.0 + std::sqrt(2.0) / 2.0;

}  // namespace

TEST(WaveFunction, FreeEvenSolutionIsFlat) {
    Flat flat;
    WaveFunction psi;
    OnStandardGrid(psi, &flat);
    psi.Integrate(0, 0.0);
    for (std::uint16_t i = 1; i <= 3999; ++i)
        ASSERT_EQ(psi.GetSample(i), Vector2(1.0, 0.0)) << i;
    EXPECT_EQ(psi.Value(0.0), Vector2(1.0, 0.0));
}

TEST(WaveFunction, FreeOddSolutionIsTheRunningSumOfSteps) {
    Flat flat;
    WaveFunction psi;
    OnStandardGrid(psi, &flat);
    psi.Integrate(1, 0.0);
    const double h = psi.Step();
    double sum = 0.0;
    for (std::uint16_t j = 0; j < 2000; ++j) {
        ASSERT_EQ(psi.GetSample(2000 + j), Vector2(sum, 0.0)) << j;
        ASSERT_EQ(psi.GetSample(2000 - j), Vector2(-sum, -0.0)) << j;
        sum += h;
    }
    EXPECT_EQ(psi.Scale(), 1.0);
    EXPECT_EQ(psi.Derivative(0.0), Vector2(1.0, 0.0));
}

TEST(WaveFunction, SolutionsMirrorWithTheirParity) {
    Oscillator v;
    WaveFunction psi;
    OnStandardGrid(psi, &v);
    for (double e : {-7.5, kGroundState, -3.1, 2.5}) {
        psi.Integrate(0, e);
        for (std::uint16_t j = 1; j <= 1999; ++j)
            ASSERT_EQ(psi.GetSample(2000 - j), psi.GetSample(2000 + j)) << e << " " << j;
        psi.Integrate(1, e);
        for (std::uint16_t j = 1; j <= 1999; ++j)
            ASSERT_EQ(psi.GetSample(2000 - j), psi.GetSample(2000 + j) * -1.0) << e << " " << j;
    }
}

TEST(WaveFunction, IntegrateRestoresUnitStartAfterNormalize) {
    Oscillator v;
    WaveFunction psi;
    OnStandardGrid(psi, &v);
    psi.Integrate(0, kGroundState);
    Integrator integrator;
    integrator.SetInterval({-5.0, 5.0});
    integrator.SetSteps(model::kNormalisationSteps);
    integrator.Normalize(psi);
    EXPECT_NE(psi.Scale(), 1.0);
    EXPECT_NEAR(integrator.Norm(psi), 1.0, 1e-12);
    psi.Integrate(0, kGroundState);
    EXPECT_EQ(psi.Value(0.0).x, 1.0);

    integrator.Normalize(psi);
    psi.Integrate(1, -5.0);
    EXPECT_DOUBLE_EQ(psi.Derivative(0.0).x, 1.0);
}

// The level search reads the sign of psi(15): it must flip exactly across a level.
TEST(WaveFunction, OscillatorGroundStateShootsAsTheSearchExpects) {
    Oscillator v;
    WaveFunction psi;
    OnStandardGrid(psi, &v);

    psi.Integrate(0, kGroundState);
    for (std::uint16_t i = 2001; i <= 2200; ++i)
        ASSERT_LT(Re(psi, i), Re(psi, i - 1)) << i;
    EXPECT_LT(psi.Value(2.0).x, 0.1);
    EXPECT_GT(psi.Value(2.0).x, 0.0);

    auto crossings = [&](double e) {
        psi.Integrate(0, e);
        int n = 0;
        for (std::uint16_t i = 2001; i <= 3500; ++i)
            if ((Re(psi, i) > 0) != (Re(psi, i - 1) > 0)) ++n;
        return n;
    };
    EXPECT_EQ(crossings(kGroundState - 0.01), 0);
    EXPECT_GT(psi.Value(15.0).x, 1.0);
    EXPECT_EQ(crossings(kGroundState + 0.01), 1);
    EXPECT_LT(psi.Value(15.0).x, -1.0);
}

TEST(WaveFunction, WithoutPotentialNothingIsWritten) {
    WaveFunction psi;
    psi.SetRange(-1.0, 1.0);
    ASSERT_TRUE(psi.Resize(5));
    psi.SetSample(2, {7.0, 7.0});
    psi.Integrate(0, 1.0);
    EXPECT_EQ(psi.GetSample(2), Vector2(7.0, 7.0));
    EXPECT_EQ(psi.Scale(), 1.0);
}

TEST(WaveFunction, OffCentreGridsStayInBounds) {
    Flat flat;
    WaveFunction right;  // x = 0 lies left of the grid: no centre to start from
    right.SetRange(1.0, 3.0);
    ASSERT_TRUE(right.Resize(11));
    right.SetPotential(&flat);
    right.SetSample(5, {4.0, 0.0});
    right.Integrate(0, 0.0);
    EXPECT_EQ(right.GetSample(5), Vector2(4.0, 0.0));

    WaveFunction lopsided;  // centre at 3/4 of the grid: the mirror runs out of samples
    lopsided.SetRange(-30.0, 10.0);
    ASSERT_TRUE(lopsided.Resize(4001));
    lopsided.SetPotential(&flat);
    lopsided.Integrate(0, 0.0);
    EXPECT_EQ(lopsided.GetSample(3000), Vector2(1.0, 0.0));
    EXPECT_EQ(lopsided.GetSample(1500), Vector2(0.0, 0.0));

    WaveFunction empty;
    empty.SetPotential(&flat);
    empty.Integrate(1, 0.0);
    EXPECT_EQ(empty.Count(), 0);
}
