// The zoom view keeps each level's normalised function between redraws and
// copies it back when nothing it depends on has changed. Whatever it copies
// must be exactly what integrating and normalising afresh gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "headless_host.h"
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

// Redraws the zoom view, then draws the same picture here from scratch, every
// level integrated and normalised afresh on a copy of m_level as it stood:
// the frames must agree byte for byte, and so must m_level and the copy.
void RedrawAndCheck(HeadlessSession& s) {
    CWaveDlg& d = s.Dialog();
    WaveFunction afresh;
    ASSERT_TRUE(afresh.CopyFrom(d.m_level));
    afresh.SetPotential(d.m_level.Potential());
    afresh.SetMassFactor(d.m_level.MassFactor());

    d.Redraw();
    const std::vector<std::uint8_t> shown = s.Paint();

    Plotter& plot = *d.m_plotZoom;
    plot.DrawAxes();
    plot.PlotFunction(*d.m_potential, &d.m_profiles[2], 0.0);
    const RealPartView re(&afresh);
    const DensityView density(&afresh);
    for (std::uint8_t i = 0; i < d.m_levelCount; ++i) {
        afresh.Integrate(d.m_levelParity[i], d.m_levels[i]);
        d.m_integrator.Normalize(afresh);
        plot.PlotFunction(density, &d.m_profiles[1], d.m_levels[i]);
        plot.PlotFunction(re, &d.m_profiles[0], d.m_levels[i]);
    }
    ASSERT_EQ(shown.size(), d.m_frame.ByteSize());
    ASSERT_TRUE(std::equal(shown.begin(), shown.end(), d.m_frame.Data()));
    ExpectSameFunction(afresh, d.m_level);
}

TEST(ZoomLevels, CopiesBackExactlyWhatIntegratingAfreshGives) {
    CWaveDlg::s_parity = 0;
    CWaveDlg::s_lowSign = 1.0;
    HeadlessSession s;
    while (s.Platform().IsEnabled(res::kPlay)) {
        s.Click(res::kPlay);
        s.RunTimer();
    }
    CWaveDlg& d = s.Dialog();
    ASSERT_EQ(d.m_levelCount, 9);
    s.SelectTab(1);
    // Computed, then copied: the same pictures, redraw after redraw.
    for (int k = 0; k < 3; ++k)
        RedrawAndCheck(s);

    // Every input of the computation changed on its own, then changed back:
    // the levels must follow each time. (Redrawn twice after the undo, so
    // that the kept levels start from the same scale as the next change.)
    const auto once = [&](auto change, auto undo) {
        change();
        RedrawAndCheck(s);
        undo();
        RedrawAndCheck(s);
        RedrawAndCheck(s);
    };
    once([&] { d.m_oscillator.SetCoefficient(1.5); }, [&] { d.m_oscillator.SetCoefficient(1.0); });
    once([&] { d.m_oscillator.SetOffset(-7.0); }, [&] { d.m_oscillator.SetOffset(-8.0); });
    once([&] { d.m_level.SetMassFactor(0.75); }, [&] { d.m_level.SetMassFactor(1.0); });
    once(
        [&] {
            d.m_integrator.SetInterval({-6.0, 6.0});
        },
        [&] {
            d.m_integrator.SetInterval({-5.0, 5.0});
        });
    once([&] { d.m_integrator.SetSteps(999); },
         [&] { d.m_integrator.SetSteps(model::kNormalisationSteps); });
    const double level3 = d.m_levels[3];
    once([&] { d.m_levels[3] = level3 + 1e-3; }, [&] { d.m_levels[3] = level3; });
    once([&] { d.m_levelParity[4] ^= 1; }, [&] { d.m_levelParity[4] ^= 1; });
    once([&] { d.m_level.SetSample(0, {3.0, -1.0}); }, [&] { d.m_level.SetSample(0, {}); });
    once([&] { d.m_level.SetScale(2.0); }, [] {});
    once([&] { d.m_level.SetPotential(&d.m_well); },
         [&] { d.m_level.SetPotential(&d.m_oscillator); });
    once([&] { d.m_level.SetSample(4000, {0.5, 0.0}); }, [&] { d.m_level.SetSample(4000, {}); });
    once([&] { d.m_level.SetRange(-20.0, 21.0); }, [&] { d.m_level.SetRange(-20.0, 20.0); });
    once([&] { d.m_level.SetRange(-21.0, 20.0); }, [&] { d.m_level.SetRange(-20.0, 20.0); });
    // A potential the dialog does not know is never copied.
    struct Shifted : RealFunction {
        const RealFunction* base = nullptr;
        double Value(double x) const override { return base->Value(x) + 0.25; }
        double Derivative(double x) const override { return base->Derivative(x); }
    } shifted;
    shifted.base = &d.m_oscillator;
    once([&] { d.m_level.SetPotential(&shifted); },
         [&] { d.m_level.SetPotential(&d.m_oscillator); });
}

}  // namespace
