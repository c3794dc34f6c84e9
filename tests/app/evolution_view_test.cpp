// The "Evolucion" tab at the dialog, headless: its default state, its own
// timer, its buttons and fields, and the picture it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "frame_probe.h"
#include "headless_host.h"
#include "model.h"
#include "oscillator_states.h"
#include "resources.h"

namespace {

// The oscillator's exact levels on the window's grid, whatever the potential.
struct EvolutionSession {
    HeadlessSession s;
    int fetches = 0;

    EvolutionSession() {
        s.Dialog().Evolution().SetLevelSource([this] {
            ++fetches;
            const dynamics::Grid grid{model::kGridMin, model::kGridStep, model::kSamples};
            return dynamics::OscillatorLevels(1.0, -8.0, 9, grid);
        });
    }
    HeadlessPlatform& P() { return s.Platform(); }
    EvolutionView& View() { return s.Dialog().Evolution(); }
    std::string Text(int id) { return P().ControlText(id); }
    bool Animating() { return P().timers.contains(res::kEvolutionTimer); }
    void Enter() { s.SelectTab(res::kEvolutionTab); }
    FrameProbe Probe() { return FrameProbe(s.Paint(), P().frameWidth, P().frameHeight); }
    void Type(int id, const std::string& text) { P().SetControlText(id, text); }
};

TEST(Evolution, TheTabAnimatesTheTwoLowestLevelsOnItsOwnTimer) {
    EvolutionSession e;
    EXPECT_EQ(e.P().tabs.at(res::kEvolutionTab), "Evolucion");
    EXPECT_FALSE(e.Animating());
    EXPECT_EQ(e.fetches, 0);  // no levels are computed before the tab is shown
    e.Enter();
    EXPECT_TRUE(e.Animating());
    EXPECT_EQ(e.P().timers.at(res::kEvolutionTimer), 16u);
    EXPECT_FALSE(e.P().timerRunning);  // the search's timer is another
    EXPECT_EQ(e.Text(res::kEvolutionStates), "0, 1");
    EXPECT_EQ(e.Text(res::kEvolutionWeights), "1, 1");
    EXPECT_EQ(e.Text(res::kEvolutionEnergy), "<E> = -6.585786");
    EXPECT_EQ(e.Text(res::kEvolutionTime), "0.000");
    EXPECT_EQ(e.Text(res::kEvolutionPlay), "Pausa");

    const std::vector<std::uint8_t> first = e.s.Paint();
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(e.s.TickEvolution());
    EXPECT_EQ(e.View().Time(), 50 * 0.016);
    EXPECT_EQ(e.Text(res::kEvolutionTime), "0.800");
    EXPECT_NE(e.s.Paint(), first);

    // Away from the tab it stops; back on it, it goes on from where it was.
    e.s.SelectTab(0);
    EXPECT_FALSE(e.Animating());
    e.Enter();
    EXPECT_TRUE(e.Animating());
    EXPECT_EQ(e.View().Time(), 50 * 0.016);
    EXPECT_EQ(e.fetches, 1);
    // A search meanwhile ticks its own timer and leaves the time alone.
    e.s.Click(res::kPlay);
    e.s.Tick();
    EXPECT_EQ(e.View().Time(), 50 * 0.016);
}

TEST(Evolution, PlayPauseResetAndSpeed) {
    EvolutionSession e;
    e.Enter();
    e.s.Click(res::kEvolutionPlay);
    EXPECT_FALSE(e.Animating());
    EXPECT_EQ(e.Text(res::kEvolutionPlay), "Play");
    EXPECT_FALSE(e.s.TickEvolution());
    e.s.Click(res::kEvolutionPlay);
    for (int i = 0; i < 10; ++i)
        e.s.TickEvolution();
    e.s.Click(res::kEvolutionReset);
    EXPECT_EQ(e.View().Time(), 0.0);
    EXPECT_EQ(e.Text(res::kEvolutionTime), "0.000");

    e.Type(res::kEvolutionSpeed, "2.5");
    e.Type(res::kEvolutionTime, "1");
    e.s.Click(res::kEvolutionApply);
    for (int i = 0; i < 3; ++i)
        e.s.TickEvolution();
    EXPECT_EQ(e.View().Time(), 1.0 + 3 * (2.5 * 0.016));

    // Another potential starts again at t = 0 with its own levels.
    e.s.SelectPotential(2);
    EXPECT_EQ(e.View().Time(), 0.0);
    EXPECT_EQ(e.Text(res::kEvolutionTime), "0.000");
    EXPECT_TRUE(e.Animating());
    EXPECT_EQ(e.fetches, 2);
}

TEST(Evolution, AChosenSuperpositionAndTheInputsItRefuses) {
    EvolutionSession e;
    e.Enter();
    e.Type(res::kEvolutionStates, "2 5,8");
    e.Type(res::kEvolutionWeights, "1, 0, 3");
    e.Type(res::kEvolutionPhases, "");
    e.s.Click(res::kEvolutionApply);
    ASSERT_TRUE(e.P().messages.empty());
    // (E2 + 9 E8) / 10 with E_n = -8 + sqrt(2) (n + 1/2)
    const double energy = -8.0 + std::numbers::sqrt2 * (2.5 + 9.0 * 8.5) / 10.0;
    EXPECT_NEAR(e.View().State()->MeanEnergy(), energy, 1e-14);

    const std::pair<int, const char*> bad[] = {
        {res::kEvolutionStates, "0, 9"},  {res::kEvolutionStates, "1, 1"},
        {res::kEvolutionStates, ""},      {res::kEvolutionWeights, "0 0 0"},
        {res::kEvolutionWeights, "1, 2"}, {res::kEvolutionPhases, "x"},
        {res::kEvolutionSpeed, "-1"},     {res::kEvolutionTime, "nan"},
    };
    for (const auto& [id, text] : bad) {
        EvolutionSession f;
        f.Enter();
        f.Type(res::kEvolutionStates, "0 1 2");
        f.Type(res::kEvolutionWeights, "1 1 1");
        f.Type(res::kEvolutionPhases, "");
        f.Type(id, text);
        const int redraws = f.P().invalidations;
        f.s.Click(res::kEvolutionApply);
        ASSERT_EQ(f.P().messages.size(), 1u) << text;
        EXPECT_EQ(f.P().messages[0].first, id) << text;
        EXPECT_EQ(f.View().Choice().states.size(), 2u) << text;  // still the default
        EXPECT_EQ(f.P().invalidations, redraws) << text;
    }
    EvolutionSession g;
    g.Enter();
    g.Type(res::kEvolutionStates, "0, 9");
    g.s.Click(res::kEvolutionApply);
    EXPECT_EQ(g.P().messages.at(0).second, "level 9 does not exist; give levels 0 to 8");
}

// The picture: the band is blank, the curves are there, and the mark at <x>
// swings from +2^(-3/4) to -2^(-3/4) in half a period.
TEST(Evolution, TheMarkFollowsTheMeanPosition) {
    EvolutionSession e;
    e.Enter();
    e.s.Click(res::kEvolutionPlay);
    const int w = e.P().frameWidth;
    const int h = e.P().frameHeight;
    const double amplitude = std::pow(2.0, -0.75);
    const double energy = e.View().State()->MeanEnergy();
    ASSERT_NEAR(energy, -8.0 + std::numbers::sqrt2, 1e-14);
    // Just above the mark's centre on the level line.
    const PlotCanvas& canvas = *e.View().Canvas();
    const auto column = [&](double x) { return static_cast<int>(canvas.ToPixel({x, energy}).x); };
    const int row = static_cast<int>(canvas.ToPixel({0.0, energy}).y);
    // The potential's bottom is in sight, low in the picture.
    const int bottom = static_cast<int>(canvas.ToPixel({0.0, -8.0}).y);
    EXPECT_LT(bottom, h / 4);

    const FrameProbe start = e.Probe();
    for (int r = h - EvolutionView::kBandHeight; r < h; ++r)
        for (int c = 0; c < w; c += 7)
            ASSERT_EQ(start.At(c, r), kWhite);
    EXPECT_TRUE(start.HasHue(Hue::Red));
    EXPECT_TRUE(start.HasHue(Hue::Blue));
    EXPECT_TRUE(start.HasHue(Hue::Green));
    EXPECT_TRUE(start.HueNear(w / 2, bottom, Hue::Green));
    EXPECT_EQ(start.At(column(amplitude), row + 2), kBlack);
    EXPECT_NE(start.At(column(-amplitude), row + 2), kBlack);

    e.Type(res::kEvolutionTime, std::to_string(std::numbers::pi / std::numbers::sqrt2));
    e.s.Click(res::kEvolutionApply);
    const FrameProbe half = e.Probe();
    EXPECT_EQ(half.At(column(-amplitude), row + 2), kBlack);
    EXPECT_NE(half.At(column(amplitude), row + 2), kBlack);
}

}  // namespace
