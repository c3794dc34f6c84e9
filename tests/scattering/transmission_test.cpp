// Transmission, reflection, scattering states and resonances against closed
// forms: the rectangular barrier and the step (plane waves matched in long
// double), the sech^2 barrier, and the Poschl-Teller wells that reflect
// nothing. Every estimate must bound the error it estimates.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "exact_matching.h"
#include "formula_potential.h"
#include "scattering.h"

namespace {

using scattering::Complex;
using scattering::Incoming;
using scattering::NoContinuum;
using scattering::Point;
using scattering::Transmission;
using scattering_test::Pieces;

scattering::Potential PiecewiseOf(const Pieces& p) {
    return [p](double x) {
        std::size_t j = 0;
        while (j < p.edges.size() && x > p.edges[j])
            ++j;
        return static_cast<double>(p.values[j]);
    };
}

// Checks one point against the exact T and R; returns the larger error.
double Check(const Point& p, long double t, long double r) {
    const double errT = static_cast<double>(std::fabs(p.transmission - t));
    const double errR = static_cast<double>(std::fabs(p.reflection - r));
    EXPECT_TRUE(p.converged) << p.energy << ": " << p.warning;
    EXPECT_LE(errT, p.transmissionError) << "E = " << p.energy;
    EXPECT_LE(errR, p.reflectionError) << "E = " << p.energy;
    EXPECT_LE(p.transmissionError, 1e-10 * p.transmission) << "E = " << p.energy;
    if (p.open) {
        EXPECT_NEAR(p.transmission + p.reflection, 1.0, 1e-12) << "E = " << p.energy;
    }
    return std::fmax(errT, errR);
}

void Report(const char* what, double worst) {
    std::printf("worst error, %s: %.3g\n", what, worst);
}

// Piecewise-constant shapes: found on the scan (no jumps declared), and
// exact for the integrator away from the jumps; tunnelling as deep as T ~ 1e-12.
TEST(Transmission, PiecewiseConstantBarriersMatchThePlaneWavesMatched) {
    const std::vector<std::pair<const char*, Pieces>> shapes{
        {"rectangular barrier", {{-1.0L, 1.0L}, {0.0L, 5.0L, 0.0L}}},
        {"step", {{0.0L}, {0.0L, 2.0L}}},
        {"step down", {{0.5L}, {1.5L, -3.0L}}},
        {"thick barrier", {{-2.0L, 2.0L}, {0.0L, 4.0L, 0.0L}}},
    };
    for (const auto& [name, pieces] : shapes) {
        const Transmission tr(PiecewiseOf(pieces));
        EXPECT_EQ(tr.Left(), static_cast<double>(pieces.values.front())) << name;
        EXPECT_EQ(tr.Right(), static_cast<double>(pieces.values.back())) << name;
        double worst = 0.0;
        for (int i = 1; i <= 60; ++i) {
            const double e = tr.Threshold() + 0.13 * i;
            const auto exact = scattering_test::TransmissionOf(pieces, e);
            worst = std::fmax(worst, Check(tr.At(e), exact.t, exact.r));
        }
        Report(name, worst);
    }
}

TEST(Transmission, BetweenTheLimitsEverythingIsReflected) {
    const Transmission up(PiecewiseOf({{0.0L}, {0.0L, 2.0L}}));
    const Point p = up.At(1.0);
    EXPECT_FALSE(p.open);
    EXPECT_EQ(p.transmission, 0.0);
    EXPECT_EQ(p.reflection, 1.0);
    EXPECT_THROW(up.At(0.0), NoContinuum);
    EXPECT_THROW(up.At(-1.0), NoContinuum);
    EXPECT_THROW(Transmission([](double x) { return x * x; }), NoContinuum);
    EXPECT_THROW(Transmission([](double x) { return x > 0 ? 0.0 : -x; }), NoContinuum);
    EXPECT_THROW(Transmission([](double x) { return -std::fabs(x); }), NoContinuum);
}

// Landau and Lifshitz, section 25: U0 / cosh^2(a x), with m = hbar = 1.
long double Sech2Transmission(long double u0, long double a, long double e) {
    const long double pi = std::numbers::pi_v<long double>;
    const long double k = std::sqrt(2.0L * e);
    const long double s = std::sinh(pi * k / a);
    const long double d = 8.0L * u0 / (a * a);
    const long double c = d > 1.0L ? std::cosh(0.5L * pi * std::sqrt(d - 1.0L))
                                   : std::cos(0.5L * pi * std::sqrt(1.0L - d));
    return s * s / (s * s + c * c);
}

TEST(Transmission, Sech2BarrierAndWellMatchTheClosedForm) {
    double worst = 0.0;
    for (const auto& [u0, a] : {std::pair{2.0, 1.0}, std::pair{5.0, 2.0}, std::pair{-1.3, 0.7}}) {
        const Transmission tr([u0, a](double x) { return u0 / std::pow(std::cosh(a * x), 2); });
        EXPECT_EQ(tr.Left(), 0.0);
        for (int i = 1; i <= 12; ++i) {
            const double e = 0.45 * i;
            const long double t = Sech2Transmission(u0, a, e);
            worst = std::fmax(worst, Check(tr.At(e), t, 1.0L - t));
        }
    }
    Report("sech^2", worst);
}

// depth * width^2 = lambda (lambda + 1) / 2: T = 1 at every energy.
TEST(Transmission, PoschlTellerWellsWithWholeLambdaReflectNothing) {
    double worst = 0.0;
    for (int lambda = 1; lambda <= 3; ++lambda) {
        const double width = 0.8 + 0.3 * lambda;
        const double depth = lambda * (lambda + 1) / 2.0 / (width * width);
        const Transmission tr([=](double x) { return -depth / std::pow(std::cosh(x / width), 2); });
        for (double e : {0.01, 0.3, 1.0, 2.5, 7.0, 20.0})
            worst = std::fmax(worst, Check(tr.At(e), 1.0L, 0.0L));
    }
    Report("Poschl-Teller", worst);
}

// The states of the step, both ways, at points on both sides and on the jump.
TEST(ScatteringState, StatesOfTheStepAndTheBarrierAreTheMatchedPlaneWaves) {
    const Pieces step{{0.0L}, {0.0L, 2.0L}};
    const Pieces barrier{{-1.0L, 1.0L}, {0.0L, 5.0L, 0.0L}};
    const Pieces mirrored{{0.0L}, {2.0L, 0.0L}};  // the step seen from the right
    std::vector<double> xs;
    for (int i = -40; i <= 40; ++i)
        xs.push_back(0.0625 * i - 0.01);
    for (double e : {2.7, 4.9}) {
        const auto check = [&](const Pieces& p, Incoming from, bool flip) {
            const Transmission tr(PiecewiseOf(p));
            const std::vector<Complex> psi = tr.State(e, from, xs);
            ASSERT_EQ(psi.size(), xs.size());
            for (std::size_t i = 0; i < xs.size(); ++i) {
                const long double x = flip ? -xs[i] : xs[i];
                const auto ref = scattering_test::StateFromLeft(flip ? mirrored : p, e, x);
                EXPECT_NEAR(psi[i].real(), static_cast<double>(ref.real()), 1e-11) << xs[i];
                EXPECT_NEAR(psi[i].imag(), static_cast<double>(ref.imag()), 1e-11) << xs[i];
            }
        };
        check(step, Incoming::Left, false);
        check(step, Incoming::Right, true);
        check(barrier, Incoming::Left, false);
    }
    const Transmission up(PiecewiseOf(step));
    EXPECT_TRUE(up.State(1.0, Incoming::Right, xs).empty());
    EXPECT_EQ(up.State(1.0, Incoming::Left, xs).size(), xs.size());
}

// The double barrier as a user types it: its poles are the zeros of the
// matched plane waves' incoming amplitude.
TEST(Resonances, DoubleBarrierPolesAreTheZerosOfTheMatchedWaves) {
    FormulaPotential f;
    ASSERT_FALSE(f.SetText("6*(abs(x)>1)*(abs(x)<1.5)"));
    const Transmission tr([&f](double x) { return f.Value(x); }, f.Jumps());
    const std::vector<scattering::Resonance> found = tr.Resonances(0.0, 6.0);
    ASSERT_EQ(found.size(), 2u);
    const Pieces pieces{{-1.5L, -1.0L, 1.0L, 1.5L}, {0.0L, 6.0L, 0.0L, 6.0L, 0.0L}};
    for (const scattering::Resonance& r : found) {
        std::printf("resonance E = %.17g  width = %.17g  estimate %.3g\n", r.energy, r.width,
                    r.errorEstimate);
        const auto pole = scattering_test::Pole(pieces, {r.energy, -0.5 * r.width});
        EXPECT_LE(std::fabs(r.energy - static_cast<double>(pole.real())), r.errorEstimate);
        EXPECT_LE(std::fabs(r.width + 2.0 * static_cast<double>(pole.imag())), r.errorEstimate);
        EXPECT_LE(r.errorEstimate, 1e-10);
        // T peaks at E_r.
        EXPECT_GT(tr.At(r.energy).transmission, 0.99);
    }
    EXPECT_LT(found[0].width, found[1].width);
}

TEST(Resonances, AWellThatReflectsNothingHasNone) {
    const Transmission pt([](double x) { return -3.0 / std::pow(std::cosh(x), 2); });
    EXPECT_TRUE(pt.Resonances(0.0, 10.0).empty());
    const Transmission step(PiecewiseOf({{0.0L}, {0.0L, 2.0L}}));
    EXPECT_TRUE(step.Resonances(0.0, 10.0).empty());
}

}  // namespace
