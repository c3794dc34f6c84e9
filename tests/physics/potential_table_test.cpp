// The integrator keeps the potential's values on its grid between
// integrations. Whatever happens to the potential or the grid in between, an
// integration must give exactly the samples of one that evaluates the
// potential afresh at every step.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "model.h"
#include "potentials.h"
#include "sampled_function.h"
#include "wave_function.h"

namespace {

// Evaluates another function on every call; the integrator keeps nothing of
// a function it does not know.
class Fresh : public RealFunction {
  public:
    explicit Fresh(const RealFunction& f) : f_(f) {}
    double Value(double x) const override { return f_.Value(x); }
    double Derivative(double x) const override { return f_.Derivative(x); }

  private:
    const RealFunction& f_;
};

void Grid(WaveFunction& psi, double xmin, double xmax, std::uint16_t n) {
    psi.SetRange(xmin, xmax);
    ASSERT_TRUE(psi.Resize(n));
}

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// Every sample and the scale, bit for bit (a solution past infinity has NaN
// samples, and those must be the same NaNs).
void ExpectSame(const WaveFunction& kept, const WaveFunction& fresh) {
    ASSERT_EQ(kept.Count(), fresh.Count());
    ASSERT_EQ(Bits(kept.Scale()), Bits(fresh.Scale()));
    for (std::uint16_t i = 0; i < kept.Count(); ++i) {
        const Vector2 a = kept.GetSample(i);
        const Vector2 b = fresh.GetSample(i);
        ASSERT_EQ(Bits(a.x), Bits(b.x)) << "sample " << i;
        ASSERT_EQ(Bits(a.y), Bits(b.y)) << "sample " << i;
    }
}

// Two wave functions on the same grid, one reading the potential through the
// table, the other afresh, integrated alike and compared.
class PotentialTable : public testing::Test {
  protected:
    void SetUp() override {
        oscillator.SetCoefficient(1.0);
        oscillator.SetOffset(-8.0);
        well.SetHalfWidth(2.0);
        well.SetDepth(-8.0);
        woodsSaxon.SetStrength(-16.0);
        Standard();
    }
    void Standard() {
        Grid(kept, model::kGridMin, model::kGridMax, model::kSamples);
        Grid(fresh, model::kGridMin, model::kGridMax, model::kSamples);
    }
    void Both(const RealFunction& v, std::uint8_t parity, double energy) {
        const Fresh plain(v);
        kept.SetPotential(&v);
        fresh.SetPotential(&plain);
        // A NaN scale from an earlier case would hide everything after it.
        kept.SetScale(1.0);
        fresh.SetScale(1.0);
        kept.Integrate(parity, energy);
        fresh.Integrate(parity, energy);
        ExpectSame(kept, fresh);
    }

    PowerPotential oscillator;
    SquareWell well;
    WoodsSaxonPotential woodsSaxon;
    WaveFunction kept;
    WaveFunction fresh;
};

TEST_F(PotentialTable, EveryPotentialEveryEnergyAndParity) {
    std::mt19937_64 rng(1);
    std::uniform_real_distribution<double> energy(-20.0, 60.0);
    for (const RealFunction* v :
         {static_cast<const RealFunction*>(&oscillator), static_cast<const RealFunction*>(&well),
          static_cast<const RealFunction*>(&woodsSaxon)}) {
        for (int i = 0; i < 40; ++i)
            Both(*v, static_cast<std::uint8_t>(i % 3), energy(rng));
        // Levels, infinities and a NaN energy alike.
        for (const double e : {-7.2928932188134521, 1e300, -1e300, std::nan("")})
            Both(*v, 0, e);
    }
}

TEST_F(PotentialTable, ChangedSettingsAreSeenAtOnce) {
    Both(oscillator, 0, -7.3);
    oscillator.SetCoefficient(0.5);
    Both(oscillator, 0, -7.3);
    oscillator.SetOffset(-6.0);
    Both(oscillator, 1, -5.0);
    oscillator.SetOffset(-0.0);
    Both(oscillator, 1, 0.5);
    Both(well, 0, -7.5);
    well.SetHalfWidth(3.0);
    Both(well, 0, -7.5);
    well.SetDepth(-2.0);
    Both(well, 1, -1.0);
    Both(woodsSaxon, 0, -14.0);
    woodsSaxon.SetStrength(-3.0);
    Both(woodsSaxon, 0, -2.0);
    // Two potentials of one kind and the same settings give the same values.
    PowerPotential twin;
    twin.SetCoefficient(0.5);
    twin.SetOffset(-0.0);
    Both(twin, 0, 1.0);
    Both(oscillator, 0, 1.0);
}

TEST_F(PotentialTable, ChangedGridsAreSeenAtOnce) {
    Both(oscillator, 0, -7.3);
    for (WaveFunction* psi : {&kept, &fresh})
        psi->SetRange(-10.0, 10.0);
    Both(oscillator, 0, -7.3);
    for (WaveFunction* psi : {&kept, &fresh})
        Grid(*psi, -20.0, 20.0, 2001);
    Both(oscillator, 1, -6.0);
    // Centres near the end, at it, and a grid of two samples.
    for (WaveFunction* psi : {&kept, &fresh})
        Grid(*psi, -30.0, 1.0, 1000);
    Both(oscillator, 0, 3.0);
    for (WaveFunction* psi : {&kept, &fresh})
        Grid(*psi, -1.0, 0.0, 17);
    Both(oscillator, 0, 3.0);
    for (WaveFunction* psi : {&kept, &fresh})
        Grid(*psi, -1.0, 1.0, 2);
    Both(oscillator, 1, 3.0);
    // A copy brings another grid along.
    WaveFunction source;
    Grid(source, -5.0, 15.0, 777);
    kept.CopyFrom(source);
    fresh.CopyFrom(source);
    Both(oscillator, 0, -7.0);
    Standard();
    Both(oscillator, 0, -7.3);
}

// The norm reads the function once per point instead of twice; its value and
// the normalised scale are those of two separate readings.
TEST(InnerProduct, OneFunctionWithItselfAsWithACopy) {
    PowerPotential oscillator;
    oscillator.SetOffset(-8.0);
    WaveFunction psi;
    WaveFunction copy;
    Grid(psi, model::kGridMin, model::kGridMax, model::kSamples);
    psi.SetPotential(&oscillator);
    Integrator integrator;
    integrator.SetInterval({-5.0, 5.0});
    integrator.SetSteps(2000);
    for (const double e : {-7.29, -5.9, -4.4, 3.0}) {
        for (std::uint8_t parity : {0, 1}) {
            psi.Integrate(parity, e);
            ASSERT_TRUE(copy.CopyFrom(psi));
            const Vector2 self = integrator.InnerProduct(psi, psi);
            const Vector2 pair = integrator.InnerProduct(psi, copy);
            EXPECT_EQ(self, pair) << e;
            integrator.Normalize(psi);
            copy.DivideScale(std::sqrt(std::sqrt(pair.x * pair.x + pair.y * pair.y)));
            EXPECT_EQ(psi.Scale(), copy.Scale());
        }
    }
}

}  // namespace
