// The potential's settings at the dialog: the settings dialog (apply, cancel,
// a bad value), the new families' levels against the continuous answers, a
// typed formula, one that is not even, and the views of a deep potential.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless_host.h"
#include "level_tail.h"
#include "resources.h"
#include "view_range.h"

namespace {

struct Found {
    std::vector<double> energies;
    std::vector<int> parities;
};

Found PlayAll(HeadlessSession& s) {
    Found found;
    for (int presses = 0; presses < 40 && s.Platform().IsEnabled(res::kPlay); ++presses) {
        s.Click(res::kPlay);
        EXPECT_TRUE(s.RunTimer(100000));
        if (s.Dialog().LastTick() != CWaveDlg::Tick::Recorded) break;
        const CWaveDlg& d = s.Dialog();
        found.energies.push_back(d.Search().Levels()[d.Search().Levels().size() - 1].energy);
        found.parities.push_back(d.Search().Levels()[d.Search().Levels().size() - 1].parity);
    }
    return found;
}

void Choose(HeadlessSession& s, FamilyId id) {
    ASSERT_TRUE(s.SelectPotential(FamilyOf(id).caption));
}

// Bound states of an even potential that is constant between its jumps (V = 0
// outside the last), from the exact solutions piece by piece: psi and psi'
// carried from x = 0 to the outer wall must decay beyond it. Scanned in steps
// of 1e-3 and bisected.
std::vector<double> PiecewiseLevels(const Potential& v, int parity) {
    std::vector<double> walls;
    for (double j : v.Jumps())
        if (j > 0.0) walls.push_back(j);
    const auto mismatch = [&](double e) {
        double psi = parity == 0 ? 1.0 : 0.0;
        double slope = parity == 0 ? 0.0 : 1.0;
        double from = 0.0;
        for (double wall : walls) {
            const double q = 2.0 * (v.Value(0.5 * (from + wall)) - e);
            const double d = wall - from;
            if (q < 0.0) {
                const double k = std::sqrt(-q);
                const double p = psi * std::cos(k * d) + slope / k * std::sin(k * d);
                slope = -psi * k * std::sin(k * d) + slope * std::cos(k * d);
                psi = p;
            } else {
                const double k = std::sqrt(q);
                const double p = psi * std::cosh(k * d) + slope / k * std::sinh(k * d);
                slope = psi * k * std::sinh(k * d) + slope * std::cosh(k * d);
                psi = p;
            }
            from = wall;
        }
        return slope + std::sqrt(-2.0 * e) * psi;
    };
    std::vector<double> levels;
    const double bottom = v.Value(walls.back() - 1e-9);
    for (double e = bottom + 1e-6; e + 1e-3 < 0.0; e += 1e-3) {
        double lo = e, hi = e + 1e-3;
        if (mismatch(lo) * mismatch(hi) > 0.0) continue;
        for (int i = 0; i < 60; ++i) {
            const double mid = 0.5 * (lo + hi);
            (mismatch(lo) * mismatch(mid) <= 0.0 ? hi : lo) = mid;
        }
        levels.push_back(0.5 * (lo + hi));
    }
    return levels;
}

// The ground state normalised as the zoom view draws it, at x = 0: a curve
// to be seen, not one flattened by the growing tails of the shot solution.
double GroundStateAtCentre(const CWaveDlg& d) {
    WaveFunction psi;
    psi.SetRange(-20.0, 20.0);
    psi.Resize(4001);
    psi.SetPotential(&d.Potential());
    psi.Integrate(d.Search().Levels()[0].parity, d.Search().Levels()[0].energy);
    TrimDivergentTail(psi, d.Search().Levels()[0].energy);
    d.Views().Normaliser().Normalize(psi);
    return std::fabs(psi.Value(0.0).x);
}

// Each found level lies within tolerance of a reference of its parity, and
// every reference below the ceiling was found.
void ExpectNear(const Found& found, const std::vector<double>& even, const std::vector<double>& odd,
                double ceiling, double tolerance = 0.05) {
    std::size_t expected = 0;
    for (const auto* refs : {&even, &odd})
        for (double r : *refs)
            expected += r < ceiling - 0.05;
    EXPECT_GE(found.energies.size(), expected);
    for (std::size_t i = 0; i < found.energies.size(); ++i) {
        const auto& refs = found.parities[i] == 0 ? even : odd;
        double nearest = INFINITY;
        for (double r : refs)
            if (std::fabs(r - found.energies[i]) < std::fabs(nearest - found.energies[i]))
                nearest = r;
        EXPECT_NEAR(found.energies[i], nearest, tolerance) << "level " << i;
    }
}

}  // namespace

// Enter with good values applies them as choosing the potential does; a bad
// value names the setting and its range and changes nothing; Escape changes
// nothing either.
TEST(Settings, DialogAppliesCancelsAndRefusesBadValues) {
    HeadlessSession s(true);
    Choose(s, FamilyId::Well);
    s.Click(res::kSearch);
    const std::vector<double> before = s.Dialog().Choice().Values(FamilyId::Well);

    // Escape.
    s.Click(res::kSettings);
    EXPECT_EQ(s.Platform().settingsDialogs, 1);
    EXPECT_EQ(s.Dialog().Choice().Values(FamilyId::Well), before);
    EXPECT_EQ(static_cast<int>(s.Dialog().Search().CurrentPhase()), 2);  // the search goes on

    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"-101", "1"}, "Enter a number between -100 and 0 for depth."},
        {{"deep", "1"}, "Enter a number between -100 and 0 for depth."},
        {{"-10", "0.05"}, "Enter a number between 0.1 and 10 for half-width."},
        {{"-10", ""}, "Enter a number between 0.1 and 10 for half-width."},
    };
    for (const auto& [texts, message] : bad) {
        EXPECT_EQ(s.ChangeSettings(texts), message);
        EXPECT_EQ(s.Platform().messages.back(), std::make_pair(res::kSettings, message));
        EXPECT_EQ(s.Dialog().Choice().Values(FamilyId::Well), before);
        EXPECT_EQ(static_cast<int>(s.Dialog().Search().CurrentPhase()), 2);
    }

    // The well of depth -10 and half-width 1.
    EXPECT_EQ(s.ChangeSettings({"-10", "1"}), std::nullopt);
    const CWaveDlg& d = s.Dialog();
    EXPECT_EQ(d.Choice().Values(FamilyId::Well)[0], -10.0);
    EXPECT_EQ(d.Choice().Values(FamilyId::Well)[1], 1.0);
    EXPECT_EQ(static_cast<int>(d.Search().CurrentPhase()), 0);
    EXPECT_TRUE(s.Platform().IsEnabled(res::kPlay));
    const Found found = PlayAll(s);
    EXPECT_EQ(found.energies.size(), 3u);
    const auto& well = dynamic_cast<const SquareWell&>(d.Potential());
    ExpectNear(found, PiecewiseLevels(well, 0), PiecewiseLevels(well, 1), 0.0);

    // Settings stay with their family: back at the well after another choice.
    Choose(s, FamilyId::Wells);
    EXPECT_EQ(s.ChangeSettings({"2.5"}), "Enter a whole number between 1 and 8 for count.");
    Choose(s, FamilyId::Well);
    EXPECT_EQ(d.Choice().Values(FamilyId::Well)[0], -10.0);
}

TEST(Settings, NewFamiliesFindTheContinuousLevels) {
    HeadlessSession s(true);
    const CWaveDlg& d = s.Dialog();

    // depth sech^2(x / a) = -lambda (lambda + 1) / (2 a^2) sech^2: E_n = -(lambda - n)^2 / (2 a^2).
    Choose(s, FamilyId::PoschlTeller);
    const double lambda = (-1.0 + std::sqrt(1.0 + 8.0 * 8.0)) / 2.0;
    std::vector<double> pt[2];
    for (int n = 0; n < lambda; ++n)
        pt[n % 2].push_back(-(lambda - n) * (lambda - n) / 2.0);
    Found found = PlayAll(s);
    EXPECT_EQ(found.energies.size(), 4u);
    ExpectNear(found, pt[0], pt[1], d.Search().CurrentBracket().ceiling);
    EXPECT_GT(GroundStateAtCentre(d), 0.3);

    // 2 |x| - 8: E = -8 + (F^2 / 2)^(1/3) times a zero of Ai' (even) or Ai (odd).
    Choose(s, FamilyId::VShaped);
    const double aiPrime[] = {1.01879297, 3.24819758, 4.82009921,  6.16330736,  7.37217726,
                              8.48848673, 9.53544905, 10.52766040, 11.47505663, 12.38478837};
    const double ai[] = {2.33810741, 4.08794944,  5.52055983,  6.78670809,  7.94413359,
                         9.02265085, 10.04017434, 11.00852430, 11.93601556, 12.82877675};
    std::vector<double> v[2];
    for (int k = 0; k < 10; ++k) {
        v[0].push_back(-8.0 + std::cbrt(2.0) * aiPrime[k]);
        v[1].push_back(-8.0 + std::cbrt(2.0) * ai[k]);
    }
    found = PlayAll(s);
    EXPECT_GE(found.energies.size(), 10u);
    ExpectNear(found, v[0], v[1], d.Search().CurrentBracket().ceiling);
    EXPECT_GT(GroundStateAtCentre(d), 0.3);

    // |x|^4 - 8 is steep enough to overflow a shot solution far out: the
    // quartic oscillator's levels 0.667986, 2.393644, 4.696795, 7.335730,
    // 10.244308 above -8, none of them piled up at the bottom.
    Choose(s, FamilyId::Oscillator);
    ASSERT_EQ(s.ChangeSettings({"1", "4"}), std::nullopt);
    found = PlayAll(s);
    ASSERT_GE(found.energies.size(), 4u);
    ExpectNear(found, {-8 + 0.667986, -8 + 4.696795, -8 + 10.244308},
               {-8 + 2.393644, -8 + 7.335730}, d.Search().CurrentBracket().ceiling);

    // Two wells and then five: the exact solutions piece by piece. A wall
    // falls on a grid point and counts as outside, so each well of width 1
    // is a grid step narrower to the search; the levels high in the wells
    // (kinetic energy near 7) move by up to 0.08 from it.
    for (const std::string count : {"2", "5"}) {
        Choose(s, FamilyId::Wells);
        ASSERT_EQ(s.ChangeSettings({count}), std::nullopt);
        const Potential& wells = d.Choice().Current();
        found = PlayAll(s);
        EXPECT_GE(found.energies.size(), count == "2" ? 2u : 5u);
        ExpectNear(found, PiecewiseLevels(wells, 0), PiecewiseLevels(wells, 1),
                   d.Search().CurrentBracket().ceiling, 0.1);
    }
}

// Typed as a formula, the oscillator gives the oscillator's levels bit for bit.
TEST(Settings, FormulaOfTheOscillatorGivesItsLevels) {
    HeadlessSession oscillator(true);
    const Found expected = PlayAll(oscillator);
    ASSERT_EQ(expected.energies.size(), 9u);

    HeadlessSession s(true);
    Choose(s, FamilyId::Formula);
    EXPECT_EQ(s.ChangeSettings({"x^2-8)"}), "unexpected ')' at position 5");
    EXPECT_EQ(s.ChangeSettings({"x^2-8"}), std::nullopt);
    const Found found = PlayAll(s);
    EXPECT_EQ(found.energies, expected.energies);
    EXPECT_EQ(found.parities, expected.parities);
}

// The typed formula starts as x^2 - 8 wherever it is first seen: in the
// settings dialog, chosen in the list, and after a first formula that was
// refused.
TEST(Settings, FormulaStartsAsTheOscillator) {
    WoodsSaxonPotential woodsSaxon;
    PowerPotential oscillator;
    SquareWell well;
    PotentialChoice refused(woodsSaxon, oscillator, well);
    EXPECT_EQ(refused.SetFormula("x^"), "unexpected end of the formula");
    EXPECT_EQ(SettingsEditor(refused, FamilyId::Formula).Fields()[0].text, "x^2 - 8");

    PotentialChoice chosen(woodsSaxon, oscillator, well);
    const Potential* v = chosen.Select(static_cast<std::intptr_t>(FamilyId::Formula));
    ASSERT_NE(v, nullptr);
    for (double x : {-3.5, 0.0, 1.25})
        EXPECT_EQ(v->Value(x), x * x - 8.0);
    EXPECT_EQ(chosen.Formula().Text(), "x^2 - 8");
}

// Not even: "Predictor", "Buscar" and "Play" stay, the note says how the
// search goes, until an even potential is chosen.
TEST(Settings, FormulaThatIsNotEvenIsShotFromBothEnds) {
    HeadlessSession s(true);
    Choose(s, FamilyId::Formula);
    EXPECT_EQ(s.Platform().ControlText(res::kPotentialNote), "");
    ASSERT_EQ(s.ChangeSettings({"x^2 - 8 + x"}), std::nullopt);
    for (int id : {res::kPredictor, res::kSearch, res::kPlay})
        EXPECT_TRUE(s.Platform().IsEnabled(id));
    s.PressEnter();
    EXPECT_TRUE(s.Dialog().Search().PredictionShown());
    EXPECT_TRUE(s.Dialog().Search().TwoSided());
    EXPECT_EQ(s.Platform().ControlText(res::kPotentialNote), PotentialChoice::kNotEvenNote);
    EXPECT_FALSE(s.Dialog().CurrentPotentialInfo().even);

    Choose(s, FamilyId::Oscillator);
    EXPECT_FALSE(s.Dialog().Search().TwoSided());
    EXPECT_EQ(s.Platform().ControlText(res::kPotentialNote), "");
}

// Narrow wells between integer samples are seen; a potential deeper than the
// "Normal" view gets views that show its bottom, and the cap follows the view.
TEST(Settings, SearchBoundsAndViewsForOtherPotentials) {
    HeadlessSession s(true);
    const CWaveDlg& d = s.Dialog();
    const ViewFrames start = StartViews(d.PlotRect().Width(), d.PlotRect().Height());
    Choose(s, FamilyId::Wells);
    ASSERT_EQ(s.ChangeSettings({"2", "-9", "0.1", "0.5"}), std::nullopt);
    EXPECT_EQ(d.CurrentSearchBounds().bottom, -9.0);  // x = 0.3 lies between 0 and 1
    EXPECT_EQ(d.Views().NormalCanvas()->PixelsPerUnit(), start.normal.pixelsPerUnit);

    Choose(s, FamilyId::PoschlTeller);
    ASSERT_EQ(s.ChangeSettings({"-60", "1"}), std::nullopt);
    const SearchRange bounds = d.CurrentSearchBounds();
    EXPECT_EQ(bounds.bottom, -60.0);
    EXPECT_LT(d.Views().NormalCanvas()->MinY(), -60.0);
    EXPECT_NEAR(d.Views().NormalCanvas()->MaxY(), ViewTop(start.normal, d.PlotRect().Height()),
                1e-12);
    EXPECT_LT(d.Views().ZoomCanvas()->MinY(), -60.0);
    EXPECT_GT(d.Views().ZoomCanvas()->MaxY(), bounds.ceiling);
    EXPECT_LE(bounds.ceiling, d.Views().NormalCanvas()->MaxY());
    const Found found = PlayAll(s);
    EXPECT_GE(found.energies.size(), 10u);
    EXPECT_GT(found.energies.front(), -60.0);
    // Its ground state lies deep below the ceiling: drawn as a peak, not as
    // the walls its shot solution grows into at the interval's ends.
    EXPECT_GT(GroundStateAtCentre(d), 0.5);

    // Back at a default potential: the views of the start.
    Choose(s, FamilyId::WoodsSaxon);
    EXPECT_EQ(d.Views().NormalCanvas()->PixelsPerUnit(), 30.0);
    EXPECT_EQ(d.Views().NormalCanvas()->Origin().y, start.normal.origin.y);
    EXPECT_EQ(d.Views().ZoomCanvas()->PixelsPerUnit(), 60.0);
}
