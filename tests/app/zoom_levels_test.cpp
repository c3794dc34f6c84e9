// The zoom view keeps each level's normalised function between redraws and
// copies it back when nothing it depends on has changed. Whatever it copies
// must be exactly what integrating and normalising afresh gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "headless_host.h"
#include "level_views.h"
#include "model.h"
#include "resources.h"

namespace {

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

void ExpectSameFunction(const SampledFunction& a, const SampledFunction& b) {
    ASSERT_EQ(a.Count(), b.Count());
    ASSERT_EQ(Bits(a.Scale()), Bits(b.Scale()));
    for (std::uint16_t i = 0; i < a.Count(); ++i) {
        ASSERT_EQ(Bits(a.GetSample(i).x), Bits(b.GetSample(i).x)) << i;
        ASSERT_EQ(Bits(a.GetSample(i).y), Bits(b.GetSample(i).y)) << i;
    }
}

// Draws the zoom view, then the same picture here from scratch, every level
// integrated and normalised afresh on a copy of the view's level function as
// it stood: the frames must agree byte for byte, and so must the functions.
struct ZoomBench {
    BufferImage frame;
    CurveStyles styles;
    LevelViews views{frame, styles};
    PowerPotential oscillator;
    SquareWell well;
    std::vector<SearchLevel> levels;

    explicit ZoomBench(std::vector<SearchLevel> recorded) : levels(std::move(recorded)) {
        frame.Create(624, 584, kRgb24);
        views.SetViews(StartViews(624, 584));
        oscillator.SetCoefficient(1.0);
        oscillator.SetOffset(-8.0);
        views.SetPotential(&oscillator, true);
        views.SetNormalisation(5.0, HUGE_VAL);
    }

    void DrawAndCheck() {
        WaveFunction& level = views.LevelFunction();
        WaveFunction afresh;
        ASSERT_TRUE(afresh.CopyFrom(level));
        afresh.SetPotential(level.Potential());
        afresh.SetMassFactor(level.MassFactor());
        views.DrawZoom(oscillator, levels);
        const std::vector<std::uint8_t> shown(frame.Data(), frame.Data() + frame.ByteSize());

        const ViewFrame zoom = StartViews(624, 584).zoom;
        PlotCanvas canvas(&frame, zoom.pixelsPerUnit, 0.0, zoom.origin);
        Plotter plot(&canvas);
        plot.SetGridStepX(zoom.gridStep);
        plot.SetGridStepY(zoom.gridStep);
        plot.Prepare();
        plot.DrawAxes();
        plot.PlotFunction(oscillator, styles.Profile(CurveStyles::kPotential), 0.0);
        const RealPartView re(&afresh);
        const DensityView density(&afresh);
        for (const SearchLevel& l : levels) {
            afresh.Integrate(l.parity, l.energy);
            views.Normaliser().Normalize(afresh);
            plot.PlotFunction(density, styles.Profile(CurveStyles::kDensity), l.energy);
            plot.PlotFunction(re, styles.Profile(CurveStyles::kReal), l.energy);
        }
        ASSERT_TRUE(std::equal(shown.begin(), shown.end(), frame.Data()));
        ExpectSameFunction(afresh, level);
    }
};

TEST(ZoomLevels, CopiesBackExactlyWhatIntegratingAfreshGives) {
    HeadlessSession s;
    while (s.Platform().IsEnabled(res::kPlay)) {
        s.Click(res::kPlay);
        s.RunTimer();
    }
    ASSERT_EQ(s.Dialog().Search().Levels().size(), 9u);
    ZoomBench z({s.Dialog().Search().Levels().begin(), s.Dialog().Search().Levels().end()});
    // Computed, then copied: the same pictures, redraw after redraw.
    for (int k = 0; k < 3; ++k)
        z.DrawAndCheck();

    // Every input of the computation changed on its own, then changed back:
    // the levels must follow each time. (Redrawn twice after the undo, so
    // that the kept levels start from the same scale as the next change.)
    const auto once = [&](auto change, auto undo) {
        change();
        z.DrawAndCheck();
        undo();
        z.DrawAndCheck();
        z.DrawAndCheck();
    };
    WaveFunction& level = z.views.LevelFunction();
    Integrator& integrator = z.views.Normaliser();
    once([&] { z.oscillator.SetCoefficient(1.5); }, [&] { z.oscillator.SetCoefficient(1.0); });
    once([&] { z.oscillator.SetOffset(-7.0); }, [&] { z.oscillator.SetOffset(-8.0); });
    once([&] { level.SetMassFactor(0.75); }, [&] { level.SetMassFactor(1.0); });
    once(
        [&] {
            integrator.SetInterval({-6.0, 6.0});
        },
        [&] {
            integrator.SetInterval({-5.0, 5.0});
        });
    once([&] { integrator.SetSteps(999); },
         [&] { integrator.SetSteps(model::kNormalisationSteps); });
    const double level3 = z.levels[3].energy;
    once([&] { z.levels[3].energy = level3 + 1e-3; }, [&] { z.levels[3].energy = level3; });
    once([&] { z.levels[4].parity ^= 1; }, [&] { z.levels[4].parity ^= 1; });
    once([&] { level.SetSample(0, {3.0, -1.0}); }, [&] { level.SetSample(0, {}); });
    once([&] { level.SetScale(2.0); }, [] {});
    once([&] { level.SetPotential(&z.well); }, [&] { level.SetPotential(&z.oscillator); });
    once([&] { level.SetSample(4000, {0.5, 0.0}); }, [&] { level.SetSample(4000, {}); });
    once([&] { level.SetRange(-20.0, 21.0); }, [&] { level.SetRange(-20.0, 20.0); });
    once([&] { level.SetRange(-21.0, 20.0); }, [&] { level.SetRange(-20.0, 20.0); });
    // A potential the program does not know is never copied.
    struct Shifted : RealFunction {
        const RealFunction* base = nullptr;
        double Value(double x) const override { return base->Value(x) + 0.25; }
        double Derivative(double x) const override { return base->Derivative(x); }
    } shifted;
    shifted.base = &z.oscillator;
    once([&] { level.SetPotential(&shifted); }, [&] { level.SetPotential(&z.oscillator); });
}

}  // namespace
