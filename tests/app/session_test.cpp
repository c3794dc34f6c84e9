// Whole sessions at the dialog, as a person would have them: start, type an
// energy, predict, search, animate, zoom, switch potentials.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data_exchange.h"
#include "frame_probe.h"
#include "headless_host.h"
#include "resources.h"

namespace {

FrameProbe Probe(HeadlessSession& s) {
    return FrameProbe(s.Paint(), s.Platform().frameWidth, s.Platform().frameHeight);
}

struct Levels {
    std::vector<double> energies;
    std::vector<int> parities;
    std::vector<int> ticks;
};

// "Play" and let the timer run, again and again, until the scan passes the ceiling.
Levels PlayUntilTheScanEnds(HeadlessSession& s) {
    Levels found;
    for (int presses = 0; presses < 40 && s.Platform().IsEnabled(res::kPlay); ++presses) {
        const int before = s.Ticks();
        s.Click(res::kPlay);
        EXPECT_TRUE(s.RunTimer(5000));
        if (s.Dialog().LastTick() == CWaveDlg::Tick::Recorded) {
            const SearchLevel& level = s.Dialog().Search().Levels().back();
            found.energies.push_back(level.energy);
            found.parities.push_back(level.parity);
            found.ticks.push_back(s.Ticks() - before);
            EXPECT_EQ(level.ticks, s.Ticks() - before);  // the dialog counts them too
        }
    }
    return found;
}

// Pixel row of energy e in the zoom view (60 px a unit, origin row 438).
int ZoomRow(double e) {
    return static_cast<int>(60.0 * e + 438.0);
}

// Level k of the dialog, normalised as the zoom view draws it, at x.
double NormalisedLevel(const CWaveDlg& d, int k, double x) {
    WaveFunction psi;
    psi.SetRange(-20.0, 20.0);
    psi.Resize(4001);
    psi.SetPotential(&d.Potential());
    psi.Integrate(d.Search().Levels()[k].parity, d.Search().Levels()[k].energy);
    d.Views().Normaliser().Normalize(psi);
    return psi.Value(x).x;
}

}  // namespace

TEST(Session, StartUpShowsTheOscillatorAlone) {
    HeadlessSession s;
    HeadlessPlatform& p = s.Platform();
    EXPECT_EQ(p.listItems[p.selectedItem].first, "Oscilador armonico");
    EXPECT_EQ(p.ControlText(res::kEnergy), "-1");
    EXPECT_EQ(p.ControlText(res::kIterations), "1");
    EXPECT_EQ(p.tabs,
              (std::vector<std::string>{"Normal", "Zoom", "Niveles", "Evolucion", "Transmision"}));
    EXPECT_EQ(p.currentTab, 0);
    EXPECT_TRUE(p.IsEnabled(res::kPlay));
    ASSERT_EQ(p.systemMenu.size(), 2u);
    EXPECT_EQ(p.systemMenu[0].second, "");
    EXPECT_EQ(p.systemMenu[1], (std::pair<unsigned, std::string>{16, "&About velquor..."}));
    EXPECT_FALSE(p.timerRunning);

    const FrameProbe f = Probe(s);
    EXPECT_TRUE(f.Has(kGreen));
    EXPECT_TRUE(f.Has(kBlack));
    for (Rgb c : {kBlue, kRed, kAzure, kViolet})
        EXPECT_FALSE(f.Has(c));
    // Axes cross at the world origin: a quarter of the width, a quarter of the height from the top.
    EXPECT_EQ(f.At(156, 438), kBlack);
    // The oscillator's bottom, V(0) = -8, sits 240 px below the x axis.
    EXPECT_EQ(Classify(f.At(156, 198)), Hue::Green);
}

TEST(Session, PredictorDrawsTheEvenSolutionAtTheTypedEnergy) {
    HeadlessSession s;
    s.TypeEnergy("2.5");
    s.PressEnter();
    const CWaveDlg& d = s.Dialog();
    EXPECT_EQ(d.Energy(), 2.5);
    EXPECT_EQ(static_cast<int>(d.Search().CurrentPhase()), 0);
    EXPECT_EQ(d.Search().PredictionShown(), 1);
    EXPECT_EQ(d.Search().Lower().Value(0.0).x, 1.0);
    EXPECT_EQ(d.Search().Lower().Value(-0.73), d.Search().Lower().Value(0.73));

    const FrameProbe f = Probe(s);
    EXPECT_TRUE(f.Has(kBlue));
    EXPECT_TRUE(f.Has(kRed));
    // psi(0) = 1 and |psi(0)|^2 = 1: both curves pass 30 px above the origin;
    // the density is drawn last, over the real part.
    EXPECT_TRUE(f.HueNear(156, 468, Hue::Red));
    EXPECT_FALSE(f.HueNear(156, 468, Hue::Blue));
    EXPECT_TRUE(s.Platform().messages.empty());
}

TEST(Session, AWordInTheEnergyBoxKeepsThePreviousEnergy) {
    HeadlessSession s;
    s.TypeEnergy("-6.5");
    s.Click(res::kPredictor);
    s.TypeEnergy("energy");
    s.Click(res::kPredictor);
    HeadlessPlatform& p = s.Platform();
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0], (std::pair<int, std::string>{res::kEnergy, "Enter a number."}));
    EXPECT_EQ(s.Dialog().Energy(), -6.5);

    WaveFunction expected;
    expected.SetRange(-20.0, 20.0);
    expected.Resize(4001);
    expected.SetPotential(&s.Dialog().Potential());
    expected.Integrate(0, -6.5);
    for (double x : {0.5, 2.0, 4.5})
        EXPECT_EQ(s.Dialog().Search().Lower().Value(x), expected.Value(x));
}

TEST(Session, TicksWaitWhileTheDataEntryMessageIsUp) {
    HeadlessSession s;
    s.Click(res::kPlay);
    ASSERT_TRUE(s.Tick());  // state 0 -> the search has begun
    ASSERT_NE(static_cast<int>(s.Dialog().Search().CurrentPhase()), 0);
    std::vector<int> statesSeen;
    s.Platform().whileModal = [&] {
        s.Tick();
        statesSeen.push_back(static_cast<int>(s.Dialog().Search().CurrentPhase()));
    };
    s.TypeEnergy("1e999");
    s.Click(res::kPredictor);
    // Inside the message the tick waited: the prediction's reset still stood.
    EXPECT_EQ(statesSeen, std::vector<int>{0});
    // Afterwards it ran, from the first phase: a new search.
    EXPECT_NE(static_cast<int>(s.Dialog().Search().CurrentPhase()), 0);
    EXPECT_EQ(s.Dialog().Search().Levels().size(), 0);
}

TEST(Session, FirstSearchStepShowsBothBracketsAndNoDensity) {
    HeadlessSession s;
    s.Click(res::kSearch);
    const CWaveDlg& d = s.Dialog();
    EXPECT_EQ(d.Search().Searching(), 1);
    EXPECT_EQ(d.Search().CurrentBracket().low, -8.0);
    EXPECT_EQ(d.Search().CurrentBracket().high, -7.9);
    EXPECT_DOUBLE_EQ(d.Search().CurrentBracket().ceiling, 146.0 / 30.0);
    EXPECT_EQ(static_cast<int>(d.Search().CurrentPhase()), 2);
    const FrameProbe f = Probe(s);
    EXPECT_TRUE(f.Has(kAzure));
    EXPECT_TRUE(f.Has(kViolet));
    EXPECT_FALSE(f.Has(kRed));
    EXPECT_FALSE(f.Has(kBlue));
}

TEST(Session, SearchStepBisectsAndShowsTheMidpoint) {
    HeadlessSession s;
    while (static_cast<int>(s.Dialog().Search().CurrentPhase()) != 1)
        s.Click(res::kSearch);
    const double low = s.Dialog().Search().CurrentBracket().low,
                 high = s.Dialog().Search().CurrentBracket().high;
    s.Click(res::kSearch);
    const double mid = (low + high) * 0.5;
    EXPECT_EQ(s.Dialog().Energy(), mid);
    EXPECT_TRUE(s.Dialog().Search().CurrentBracket().low == mid ||
                s.Dialog().Search().CurrentBracket().high == mid);
    EXPECT_EQ(s.Platform().ControlText(res::kEnergy), FormatDouble(mid));
    // "Buscar" never records: only a tick tests convergence.
    for (int i = 0; i < 60; ++i)
        s.Click(res::kSearch);
    EXPECT_EQ(s.Dialog().Search().Levels().size(), 0);
}

TEST(Search, OscillatorYieldsNineAlternatingLevels) {
    HeadlessSession s;
    const Levels found = PlayUntilTheScanEnds(s);
    ASSERT_EQ(found.energies.size(), 9u);
    for (std::size_t k = 0; k < 9; ++k) {
        const double exact = -8.0 + std::sqrt(2.0) * (k + 0.5);
        EXPECT_EQ(found.parities[k], static_cast<int>(k % 2));
        EXPECT_NEAR(found.energies[k], exact, k % 2 ? 1e-3 : 0.03) << k;
        if (k > 0) {
            EXPECT_GT(found.energies[k], found.energies[k - 1]);
        }
        EXPECT_LT(found.energies[k], 146.0 / 30.0);
    }
    // The scan has ended: timer off, "Play" off until another potential.
    EXPECT_FALSE(s.Platform().timerRunning);
    EXPECT_FALSE(s.Platform().IsEnabled(res::kPlay));
    EXPECT_EQ(s.Dialog().LastTick(), CWaveDlg::Tick::ScanEnded);
    EXPECT_EQ(s.Dialog().Search().Levels().size(), 9);
}

TEST(Search, WoodsSaxonYieldsFourLevels) {
    HeadlessSession s;
    s.SelectPotential("Woods-Saxon");
    const Levels found = PlayUntilTheScanEnds(s);
    ASSERT_EQ(found.energies.size(), 4u);
    EXPECT_LT(s.Dialog().Search().CurrentBracket().ceiling, 0.0);
    EXPECT_GT(s.Dialog().Search().CurrentBracket().ceiling, -1e-30);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(found.parities[k], static_cast<int>(k % 2));
        EXPECT_GT(found.energies[k], -8.0);
        EXPECT_LT(found.energies[k], 0.0);
    }
}

TEST(Search, WellYieldsAllSixBoundStates) {
    HeadlessSession s;
    s.SelectPotential("Pozo Finito");
    const Levels found = PlayUntilTheScanEnds(s);
    ASSERT_EQ(found.energies.size(), 6u);
    EXPECT_EQ(s.Dialog().Search().CurrentBracket().ceiling, 0.0);
    // The top level sits just below the rim, above the last full scan step.
    EXPECT_NEAR(found.energies[5], -0.0682, 5e-4);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(found.parities[k], static_cast<int>(k % 2));
    // The lowest level of a finite well lies below the infinite well's -8 + pi^2/32.
    EXPECT_GT(found.energies[0], -8.0);
    EXPECT_LT(found.energies[0], -8.0 + 9.8696 / 32.0);
}

TEST(Search, PotentialChangeDuringAnimationStartsAfresh) {
    HeadlessSession s;
    s.Click(res::kPlay);
    ASSERT_TRUE(s.RunTimer());
    s.Click(res::kPlay);
    for (int i = 0; i < 5; ++i)
        s.Tick();
    ASSERT_EQ(s.Dialog().Search().Levels().size(), 1);
    ASSERT_FALSE(s.Platform().IsEnabled(res::kPlay));

    s.SelectPotential("Pozo Finito");
    EXPECT_EQ(s.Dialog().Search().Levels().size(), 0);
    EXPECT_EQ(static_cast<int>(s.Dialog().Search().CurrentPhase()), 0);
    EXPECT_TRUE(s.Platform().IsEnabled(res::kPlay));
    EXPECT_TRUE(s.Platform().timerRunning);  // the running timer is not stopped
    s.Tick();                                // the next tick begins a new search on the well
    EXPECT_EQ(s.Dialog().Search().CurrentBracket().low, -8.0);
    EXPECT_EQ(s.Dialog().Search().CurrentBracket().ceiling, 0.0);
    ASSERT_TRUE(s.RunTimer());
    EXPECT_EQ(s.Dialog().Search().Levels().size(), 1);
    EXPECT_LT(s.Dialog().Search().Levels()[0].energy, -7.0);
}

TEST(Search, ZoomDrawsEachLevelOnItsOwnLineWithItsParity) {
    HeadlessSession s;
    for (int i = 0; i < 3; ++i) {
        s.Click(res::kPlay);
        ASSERT_TRUE(s.RunTimer());
    }
    s.SelectTab(1);
    const CWaveDlg& d = s.Dialog();
    ASSERT_EQ(d.Search().Levels().size(), 3);
    const FrameProbe f = Probe(s);
    EXPECT_TRUE(f.HasHue(Hue::Green));
    EXPECT_TRUE(f.HasHue(Hue::Red));
    // Levels 1 and 2 (level 0 sits on the bottom edge): the black level line
    // where the curves stand clear of it, and the real part at x = -0.5 and 0.5 where
    // the normalised solution of that parity puts it.
    for (int k = 1; k < 3; ++k) {
        const double e = d.Search().Levels()[k].energy;
        EXPECT_TRUE(f.HueNear(312 + 30, ZoomRow(e), Hue::Black, 1)) << k;
        EXPECT_TRUE(f.HueNear(312 - 30, ZoomRow(e), Hue::Black, 1)) << k;
        const double left = NormalisedLevel(d, k, -0.5);
        const double right = NormalisedLevel(d, k, 0.5);
        EXPECT_EQ(left, k % 2 ? -right : right);
        EXPECT_TRUE(f.HueNear(312 - 30, ZoomRow(e + left), Hue::Blue)) << k;
        EXPECT_TRUE(f.HueNear(312 + 30, ZoomRow(e + right), Hue::Blue)) << k;
        EXPECT_FALSE(f.HueNear(312 - 30, ZoomRow(e - left), Hue::Blue, 1)) << k;
    }
    // Back to "Normal": the last recorded level's density and real part.
    s.SelectTab(0);
    const FrameProbe n = Probe(s);
    EXPECT_TRUE(n.HasHue(Hue::Blue));
    EXPECT_TRUE(n.HasHue(Hue::Red));
    EXPECT_FALSE(n.HasHue(Hue::Azure));
}

TEST(Search, ZoomWithoutLevelsShowsOnlyThePotential) {
    HeadlessSession s;
    s.SelectTab(1);
    const FrameProbe f = Probe(s);
    EXPECT_TRUE(f.Has(kGreen));
    for (Rgb c : {kBlue, kRed, kAzure, kViolet})
        EXPECT_FALSE(f.Has(c));
    EXPECT_EQ(f.At(312, 438), kBlack);
}

TEST(Search, LevelsKeepTheParityTheyWereFoundWith) {
    HeadlessSession s;
    // Bracket the ground state by hand, then "Play" skips it.
    while (static_cast<int>(s.Dialog().Search().CurrentPhase()) != 1)
        s.Click(res::kSearch);
    s.Click(res::kPlay);
    ASSERT_TRUE(s.RunTimer());
    const CWaveDlg& d = s.Dialog();
    ASSERT_EQ(d.Search().Levels().size(), 1);
    EXPECT_EQ(d.Search().Levels()[0].parity, 1);
    EXPECT_NEAR(d.Search().Levels()[0].energy, -8.0 + 1.5 * std::sqrt(2.0), 1e-3);
    s.SelectTab(1);
    const FrameProbe f = Probe(s);
    const double e = d.Search().Levels()[0].energy;
    const double right = NormalisedLevel(d, 0, 0.5);
    ASSERT_GT(right, 0.3);
    // Odd: below its line on the left, above on the right.
    EXPECT_TRUE(f.HueNear(312 - 30, ZoomRow(e - right), Hue::Blue));
    EXPECT_TRUE(f.HueNear(312 + 30, ZoomRow(e + right), Hue::Blue));
    EXPECT_FALSE(f.HueNear(312 - 30, ZoomRow(e + right), Hue::Blue, 1));
}

TEST(Search, AFullTableRecordsNothingMore) {
    // A shallow oscillator has 35 levels below its ceiling.
    HeadlessSession s;
    ASSERT_EQ(s.ChangeSettings({"0.05"}), std::nullopt);
    const CWaveDlg& d = s.Dialog();
    for (std::size_t k = 0; k <= CWaveDlg::kMaxLevels; ++k) {
        s.Click(res::kPlay);
        ASSERT_TRUE(s.RunTimer());
    }
    EXPECT_EQ(d.LastTick(), CWaveDlg::Tick::TableFull);
    EXPECT_EQ(d.Search().Levels().size(), CWaveDlg::kMaxLevels);
    EXPECT_FALSE(s.Platform().IsEnabled(res::kPlay));
    s.SelectPotential("Woods-Saxon");
    EXPECT_TRUE(s.Platform().IsEnabled(res::kPlay));
    EXPECT_EQ(d.Search().Levels().size(), 0u);
}

// Each session's search is its own: two run tick by tick in turn find what
// each finds alone.
TEST(Search, InterleavedSessionsFindWhatEachFindsAlone) {
    HeadlessSession oscillator;
    HeadlessSession well;
    well.SelectPotential("Pozo Finito");
    const Levels oscillatorAlone = [] {
        HeadlessSession s;
        return PlayUntilTheScanEnds(s);
    }();
    const Levels wellAlone = [] {
        HeadlessSession s;
        s.SelectPotential("Pozo Finito");
        return PlayUntilTheScanEnds(s);
    }();
    for (int presses = 0; presses < 40; ++presses) {
        for (HeadlessSession* s : {&oscillator, &well})
            if (s->Platform().IsEnabled(res::kPlay)) s->Click(res::kPlay);
        for (bool ticked = true; ticked;) {
            const bool first = oscillator.Tick();
            ticked = well.Tick() || first;
        }
    }
    const auto energies = [](const HeadlessSession& s) {
        std::vector<double> e;
        for (const SearchLevel& level : s.Dialog().Search().Levels())
            e.push_back(level.energy);
        return e;
    };
    EXPECT_EQ(energies(oscillator), oscillatorAlone.energies);
    EXPECT_EQ(energies(well), wellAlone.energies);
    EXPECT_EQ(energies(well).size(), 6u);
}

TEST(Search, PlayKeepsTheStateOutsideBisection) {
    HeadlessSession s;
    s.Click(res::kSearch);
    ASSERT_EQ(static_cast<int>(s.Dialog().Search().CurrentPhase()), 2);
    s.Click(res::kPlay);
    EXPECT_EQ(static_cast<int>(s.Dialog().Search().CurrentPhase()), 2);
    EXPECT_TRUE(s.Platform().timerRunning);
    EXPECT_EQ(s.Platform().timerInterval, 100u);
    EXPECT_FALSE(s.Platform().IsEnabled(res::kPlay));
    s.Click(res::kPlay);  // disabled: nothing happens
    EXPECT_EQ(static_cast<int>(s.Dialog().Search().CurrentPhase()), 2);
}

TEST(Commands, HiddenCountAndSpin) {
    HeadlessSession s;
    CWaveDlg& d = s.Dialog();
    EXPECT_EQ(d.OnSpinDelta(1), 0);  // 1 - 1 = 0 becomes 1
    EXPECT_EQ(d.Iterations(), 1u);
    d.OnSpinDelta(-5);
    EXPECT_EQ(d.Iterations(), 6u);
    EXPECT_EQ(s.Platform().ControlText(res::kIterations), "6");
    d.OnSpinDelta(7);  // unsigned arithmetic wraps
    EXPECT_EQ(d.Iterations(), 4294967295u);

    // A count outside 1..100 stops the exchange before the energy.
    s.Platform().SetControlText(res::kIterations, "0");
    s.TypeEnergy("3");
    EXPECT_FALSE(d.UpdateData(true));
    EXPECT_EQ(s.Platform().messages.back().second, "Enter an integer between 1 and 100.");
    EXPECT_EQ(d.Energy(), -1.0);
}

TEST(Commands, WebLinkAndAboutBox) {
    HeadlessSession s;
    s.Click(res::kWebLink);
    ASSERT_EQ(s.Platform().openedAddresses.size(), 1u);
    EXPECT_EQ(s.Platform().openedAddresses[0].rfind("https://", 0), 0u);
    EXPECT_TRUE(s.Dialog().OnSysCommand(0x0013));  // low four bits are the system's
    EXPECT_EQ(s.Platform().aboutBoxes, 1);
    EXPECT_FALSE(s.Dialog().OnSysCommand(0xF060));
    EXPECT_EQ(s.Platform().aboutBoxes, 1);
}

TEST(Commands, TicksGoOnWhileTheAboutBoxIsOpen) {
    HeadlessSession s;
    s.Click(res::kPlay);
    int ticked = 0;
    s.Platform().whileModal = [&] {
        for (int i = 0; i < 3; ++i)
            ticked += s.Tick();
    };
    s.Dialog().OnSysCommand(16);
    EXPECT_EQ(ticked, 3);
    EXPECT_NE(static_cast<int>(s.Dialog().Search().CurrentPhase()), 0);
}

// Drawing only when a paint comes must show exactly what drawing on every
// Redraw shows. (The search's parity is shared by the whole program, so the
// two sessions run one after the other, not interleaved.)
TEST(Drawing, DeferredFramesMatchImmediateOnes) {
    auto frames = [](bool deferred) {
        HeadlessSession s(deferred);
        std::vector<std::vector<std::uint8_t>> shown;
        s.Click(res::kSearch);
        shown.push_back(s.Paint());
        s.Click(res::kPlay);
        s.RunTimer();
        shown.push_back(s.Paint());
        for (int i = 0; i < 8; ++i) {
            s.Click(res::kPlay);
            s.RunTimer();
        }
        shown.push_back(s.Paint());
        s.Click(res::kPlay);
        s.RunTimer();  // the scan ends without a redraw
        shown.push_back(s.Paint());
        s.SelectTab(1);
        shown.push_back(s.Paint());
        s.SelectPotential(2);
        s.TypeEnergy("-7");
        s.PressEnter();
        s.SelectTab(0);
        shown.push_back(s.Paint());
        return shown;
    };
    const auto eager = frames(false);
    const auto lazy = frames(true);
    ASSERT_EQ(eager.size(), lazy.size());
    for (std::size_t i = 0; i < eager.size(); ++i)
        EXPECT_TRUE(eager[i] == lazy[i]) << i;
}
