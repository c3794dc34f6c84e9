// Where a typed formula switches, found from the formula to rounding however
// narrow the feature, and the levels that follow with those points on the
// solver's mesh: a kink anywhere, a step narrower than any scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "formula_potential.h"
#include "potential_family.h"
#include "spectrum.h"
#include "spectrum/references.h"
#include "switch_points.h"

namespace {

// Some point of `points` within 2 ulps of x.
bool Has(const std::vector<double>& points, double x) {
    return std::any_of(points.begin(), points.end(), [x](double p) {
        return std::fabs(p - x) <= 2.0 * std::fabs(std::nextafter(x, INFINITY) - x);
    });
}

TEST(SwitchPoints, EverySwitchToRoundingAndNothingElse) {
    const std::vector<double> kink = SwitchPoints("2*abs(x+2.345678)-8", -64.0, 64.0);
    ASSERT_FALSE(kink.empty());
    EXPECT_TRUE(Has(kink, -2.345678));
    // 0.006 wide between points 0.01 apart: the abs's zero comes first, and
    // the comparison's two zeros beside it.
    const std::vector<double> step = SwitchPoints("x^2-8+50*(abs(x-0.1037)<0.003)", -64.0, 64.0);
    for (double x : {0.1007, 0.1037, 0.1067})
        EXPECT_TRUE(Has(step, x)) << x;
    // A comparison whose argument dips below 0 between two points.
    const std::vector<double> dip = SwitchPoints("x^2+50*((x-0.1037)^2<1e-6)", -64.0, 64.0);
    EXPECT_TRUE(Has(dip, 0.1027));
    EXPECT_TRUE(Has(dip, 0.1047));
    // Nested branches, min and max.
    const std::vector<double> nested = SwitchPoints("x<0 ? 0 : (x<1 ? -8 : 5)", -64.0, 64.0);
    EXPECT_TRUE(Has(nested, 0.0) && Has(nested, 1.0));
    const std::vector<double> extremes = SwitchPoints("min(x^2,4)+max(-1,x)", -64.0, 64.0);
    EXPECT_TRUE(Has(extremes, -2.0) && Has(extremes, -1.0) && Has(extremes, 2.0));
    EXPECT_TRUE(SwitchPoints("x^2*sech(x)", -64.0, 64.0).empty());
    // A bump far narrower than the points' spacing inside a smooth function.
    const std::vector<double> bump = SwitchPoints("x^2+50*exp(-((x-0.1037)/1e-4)^2)", -64.0, 64.0);
    EXPECT_TRUE(Has(bump, 0.1037) && bump.size() > 10u);
    EXPECT_TRUE(SwitchPoints("x^2 - 8)", -64.0, 64.0).empty());
}

// The levels of typed formulas with a kink off any mesh and a narrow step:
// the V shape's through the Airy zeros (2|x - c| - 8 has the same levels for
// any c), and the step's lowest against a fourth-order Runge-Kutta shooting
// in long double with the step's edges on its mesh (h = 2e-4 and 1e-4 agree
// to 1e-19). The step, off centre, makes V uneven.
TEST(SwitchPoints, KinkAndNarrowStepLevels) {
    FormulaPotential kink;
    ASSERT_EQ(kink.SetText("2*abs(x+2.345678)-8"), std::nullopt);
    spectrum::Solver a(Describe(kink));
    const spectrum::Spectrum v = a.Levels(0.0);
    const std::vector<double> airy = reference::VShaped(2.0, -8.0, 12);
    ASSERT_EQ(v.levels.size(), 7u);
    FormulaPotential step;
    ASSERT_EQ(step.SetText("x^2-8+50*(abs(x-0.1037)<0.003)"), std::nullopt);
    spectrum::Solver b(Describe(step));
    const spectrum::Spectrum s = b.Levels(-3.5);
    ASSERT_EQ(s.levels.size(), 3u);
    EXPECT_FALSE(s.even);  // the grid, 0.006 wide steps apart, took it for even
    // A well 0.006 wide, between the scan's points: its one level.
    FormulaPotential narrow;
    ASSERT_EQ(narrow.SetText("-8*(abs(x-0.1037)<0.003)"), std::nullopt);
    spectrum::Solver c(Describe(narrow));
    const spectrum::Spectrum w = c.Levels(4.87);
    ASSERT_EQ(w.levels.size(), 1u);
    EXPECT_EQ(w.boundCount, 1);
    // A Gaussian bump 1e-4 wide on the oscillator: against the same
    // Runge-Kutta shooting with steps of 2e-7 near the bump (4e-7 agrees to
    // 1.4e-14).
    FormulaPotential bump;
    ASSERT_EQ(bump.SetText("x^2-8+50*exp(-((x-0.1037)/0.0001)^2)"), std::nullopt);
    spectrum::Solver d(Describe(bump));
    const spectrum::Spectrum g = d.Levels(-7.0);
    ASSERT_EQ(g.levels.size(), 1u);
    const std::pair<const spectrum::Level*, double> cases[] = {
        {&s.levels[0], -7.1134250246691518},
        {&v.levels[0], airy[0]},
        {&v.levels[6], airy[6]},
        {&w.levels[0], reference::FiniteWell(-8.0, 0.003)[0]},
        {&g.levels[0], -7.2870544406203513}};
    for (const auto& [level, exact] : cases) {
        const double error = std::fabs(level->energy - exact);
        EXPECT_LE(error, 1e-12 * std::fmax(1.0, std::fabs(exact))) << level->energy;
        EXPECT_GE(level->errorEstimate, error);
        EXPECT_TRUE(level->converged);
        EXPECT_EQ(level->nodes, level->index);
    }
}

}  // namespace
