// Potentials that level off: only the levels below the continuum edge, the
// exact count of them, the last one however near the edge, and a tail that
// holds infinitely many said so. Against closed forms and equations of one
// variable solved here; and on wells far apart, the order and the nodes.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "references.h"
#include "spectrum.h"

namespace {

using spectrum::Level;

// Every level against its reference: index, nodes, ascending, to 1e-12 of
// max(1, |E|) with an estimate at least the actual error.
void ExpectLevels(const spectrum::Spectrum& s, const std::vector<double>& exact) {
    ASSERT_EQ(s.levels.size(), exact.size());
    for (std::size_t n = 0; n < exact.size(); ++n) {
        const Level& level = s.levels[n];
        SCOPED_TRACE("level " + std::to_string(n));
        const double error = std::fabs(level.energy - exact[n]);
        EXPECT_EQ(level.index, static_cast<int>(n));
        EXPECT_EQ(level.nodes, static_cast<int>(n));
        EXPECT_LE(error, 1e-12 * std::fmax(1.0, std::fabs(exact[n])));
        EXPECT_GE(level.errorEstimate, error);
        EXPECT_TRUE(level.converged) << level.warning;
    }
}

// D (1 - e^(-a (x - x0)))^2 - D: with lambda = sqrt(2 D) / a, the levels are
// -a^2 (lambda - n - 1/2)^2 / 2 for n < lambda - 1/2.
std::vector<double> Morse(double depth, double a) {
    const double lambda = std::sqrt(2.0 * depth) / a;
    std::vector<double> e;
    for (int n = 0; n + 0.5 < lambda; ++n)
        e.push_back(-0.5 * a * a * (lambda - n - 0.5) * (lambda - n - 0.5));
    return e;
}

// V = 0 for x < 0, -depth on [0, width), `right` beyond: psi = sin(k x + phi)
// inside, and k width + atan(k / kappaL) + atan(k / kappaR) = (n + 1) pi.
std::vector<double> StepWell(double depth, double width, double right) {
    std::vector<double> e;
    for (int n = 0;; ++n) {
        const auto f = [&](double energy) {
            const double k = std::sqrt(2.0 * (energy + depth));
            return k * width + std::atan(k / std::sqrt(-2.0 * energy)) +
                   std::atan(k / std::sqrt(2.0 * (right - energy))) - (n + 1) * std::numbers::pi;
        };
        const double lo = -depth * (1.0 - 1e-15);
        const double hi = -1e-300;
        if (!(f(lo) < 0.0 && f(hi) > 0.0)) return e;
        e.push_back(reference::Bisect(f, lo, hi));
    }
}

// The even level of the well -depth for |x| < a nearest the edge, in long
// double: with z^2 + w^2 = z0^2, z tan z = w near z = pi, E = -w^2 / (2 a^2).
long double WellLevelNearPi(long double depth, long double a) {
    const long double z0 = a * std::sqrt(2.0L * depth);
    const auto f = [&](long double w) {
        const long double z = std::sqrt(z0 * z0 - w * w);
        return z * std::tan(z) - w;
    };
    long double lo = 1e-12L;
    long double hi = 1e-3L;
    const bool rising = f(hi) > 0.0L;
    for (int i = 0; i < 200; ++i) {
        const long double mid = 0.5L * (lo + hi);
        ((f(mid) > 0.0L) == rising ? hi : lo) = mid;
    }
    const long double w = 0.5L * (lo + hi);
    return -w * w / (2.0L * a * a);
}

// Above the edge lie no levels, only the continuum, whatever the ceiling:
// the Morse potential (an exponential tail), a well with walls of two
// heights (found on the scan) and Poschl-Teller.
TEST(Continuum, OnlyTheBoundStatesAreListedAndCounted) {
    const auto morse = [](double x) {
        const double u = 1.0 - std::exp(-(x - 0.5));
        return 8.0 * u * u - 8.0;
    };
    spectrum::Solver a(morse, {});
    const spectrum::Spectrum m = a.Levels(4.87);
    EXPECT_EQ(m.continuum, 0.0);
    EXPECT_EQ(m.boundCount, 4);
    ExpectLevels(m, Morse(8.0, 1.0));

    const auto step = [](double x) { return x < 0.0 ? 0.0 : (x < 1.0 ? -8.0 : 5.0); };
    spectrum::Solver b(step, {});
    const spectrum::Spectrum w = b.Levels(4.87);
    EXPECT_EQ(w.continuum, 0.0);
    EXPECT_EQ(w.boundCount, 2);
    ExpectLevels(w, StepWell(8.0, 1.0, 5.0));

    const auto pt = [](double x) { return -12.0 / (std::cosh(x) * std::cosh(x)); };
    spectrum::Solver c(pt, {});
    const spectrum::Spectrum p = c.Levels(3.0);
    EXPECT_EQ(p.boundCount, 5);
    ExpectLevels(p, reference::PoschlTeller(-12.0, 1.0));
    // Below a lower ceiling, the count is still all of them.
    const spectrum::Spectrum lower = a.Levels(-3.0);
    EXPECT_EQ(lower.levels.size(), 2u);
    EXPECT_EQ(lower.boundCount, 4);
}

// z0 = 4 x 0.7854, just over pi: a third level 4.3e-10 below the edge,
// whose tail reaches over 1e4 beyond the well.
TEST(Continuum, LevelJustBelowTheEdgeIsFound) {
    const auto well = [](double x) { return std::fabs(x) < 0.7854 ? -8.0 : 0.0; };
    spectrum::Solver solver(well, {{-0.7854, 0.7854}, true});
    const spectrum::Spectrum s = solver.Levels(0.0);
    ASSERT_EQ(s.levels.size(), 3u);
    EXPECT_EQ(s.boundCount, 3);
    const std::vector<double> exact = reference::FiniteWell(-8.0, 0.7854);
    ASSERT_GE(exact.size(), 2u);
    const double third = static_cast<double>(WellLevelNearPi(8.0L, 0.7854L));
    EXPECT_NEAR(third, -4.3174797893e-10, 1e-19);
    ExpectLevels(s, {exact[0], exact[1], third});
    EXPECT_LE(std::fabs(s.levels[2].energy - third), 1e-18);
}

// A smooth tail: Poschl-Teller -lambda (lambda + 1)/2 sech^2 x with lambda
// just above 3 has its level 3 at -(lambda - 3)^2 / 2 = -5e-9, whose tail
// reaches far beyond any range the WKB action would give.
TEST(Continuum, LevelJustBelowASmoothTailIsFound) {
    const double lambda = 3.0001;
    const double depth = lambda * (lambda + 1.0) / 2.0;
    const double l = (std::sqrt(1.0 + 8.0 * depth) - 1.0) / 2.0;  // lambda of the rounded depth
    const auto v = [depth](double x) { return -depth / (std::cosh(x) * std::cosh(x)); };
    spectrum::Solver solver(v, {});
    const spectrum::Spectrum s = solver.Levels(1.0);
    EXPECT_EQ(s.boundCount, 4);
    std::vector<double> exact;
    for (int n = 0; n < 4; ++n)
        exact.push_back(-0.5 * (l - n) * (l - n));
    ExpectLevels(s, exact);
}

// -1/sqrt(1 + x^2) falls off as 1/|x|: infinitely many levels below 0, the
// lowest ones listed, as many as an independent count finds. No edge where
// V grows on both sides; nothing bound where it falls on one.
TEST(Continuum, InfinitelyManyAreSaid) {
    const auto v = [](double x) { return -1.0 / std::sqrt(1.0 + x * x); };
    spectrum::Solver solver(v, {});
    const spectrum::Spectrum s = solver.Levels(-0.05);
    EXPECT_TRUE(s.infinitelyMany);
    EXPECT_EQ(s.continuum, 0.0);
    EXPECT_FALSE(s.boundCount.has_value());
    EXPECT_NE(s.countNote.find("infinitely many"), std::string::npos);
    EXPECT_EQ(static_cast<int>(s.levels.size()), reference::SturmCount(v, -0.05, 150.0, 300000));
    for (std::size_t n = 0; n < s.levels.size(); ++n) {
        EXPECT_EQ(s.levels[n].nodes, static_cast<int>(n));
        EXPECT_TRUE(s.levels[n].converged) << s.levels[n].warning;
    }
    // -g/x^2 holds infinitely many only for g > 1/8.
    spectrum::Solver strong([](double x) { return -1.0 / (1.0 + x * x); }, {});
    EXPECT_TRUE(strong.Levels(-0.01).infinitelyMany);
    spectrum::Solver weak([](double x) { return -0.1 / (1.0 + x * x); }, {});
    EXPECT_FALSE(weak.Levels(-0.01).infinitelyMany);
    // Where V grows on both sides there is no edge, and no count.
    spectrum::Solver oscillator([](double x) { return x * x; }, {});
    const spectrum::Spectrum o = oscillator.Levels(5.0);
    EXPECT_FALSE(o.continuum.has_value());
    EXPECT_FALSE(o.boundCount.has_value());
    // Where V falls without bound on a side, nothing is bound.
    spectrum::Solver tilted([](double x) { return -5.0 * std::exp(-x * x) + 0.001 * x; }, {});
    const spectrum::Spectrum t = tilted.Levels(4.87);
    EXPECT_TRUE(t.levels.empty());
    EXPECT_EQ(t.boundCount, 0);
    EXPECT_NE(t.note.find("falls without bound"), std::string::npos);
}

// Three wells, tilted: each level lives in one well, and the joined
// eigenfunction has as many zeros as its index. Two wells deep apart: their
// pairs agree to rounding, and still come in ascending order; where they
// are split by 2.4e-10, each is within its estimate of its own parity's
// level (long-double RK4 from x = -9.5 to 0, h = 2.4e-4 and half that,
// extrapolated).
TEST(Continuum, NodesAndOrderOnWellsFarApart) {
    const auto tilted = [](double x) {
        return x * x * (x * x - 16.0) * (x * x - 16.0) / 32.0 + 0.3 * x;
    };
    spectrum::Solver a(tilted, {});
    const spectrum::Spectrum t = a.Levels(15.0);
    ASSERT_EQ(t.levels.size(), 8u);
    EXPECT_EQ(reference::SturmCount(tilted, 15.0, 7.0, 40000), 8);
    const auto quartic = [](double x) { return (x * x * x * x - 36.0 * x * x) / 2.0; };
    spectrum::Solver b(quartic, {});
    const spectrum::Spectrum q = b.Levels(4.87);
    ASSERT_GT(q.levels.size(), 40u);
    for (const auto& [n, exact] : {std::pair(30, -42.599877424608558), {31, -42.599877424369372}})
        EXPECT_LE(std::fabs(q.levels[n].energy - exact), q.levels[n].errorEstimate) << n;
    for (const spectrum::Spectrum* s : {&t, &q})
        for (std::size_t n = 0; n < s->levels.size(); ++n) {
            EXPECT_EQ(s->levels[n].nodes, static_cast<int>(n));
            if (n > 0) {
                EXPECT_LE(s->levels[n - 1].energy, s->levels[n].energy) << n;
            }
        }
}

}  // namespace

namespace {

// Wells deeper and deeper out to the scan's end, more than a thousand levels
// below the ceiling: the listing stops when its work is spent and says so,
// and a level whose eigenfunction's zeros do not match its place is not
// vouched for.
TEST(Continuum, DeepeningWellsStopWithANoteAndVouchOnlyForWhatHolds) {
    const auto v = [](double x) { return std::sin(5.0 * x) * x * x / 4.0; };
    spectrum::Solver solver(v, {});
    const spectrum::Spectrum s = solver.Levels(4.8666666666666663);
    ASSERT_FALSE(s.levels.empty());
    EXPECT_LT(s.levels.size(), 100u);
    EXPECT_NE(s.note.find("would take too long"), std::string::npos) << s.note;
    for (const spectrum::Level& level : s.levels) {
        if (level.nodes != level.index) {
            EXPECT_FALSE(level.converged) << level.index;
        }
    }
}

}  // namespace
