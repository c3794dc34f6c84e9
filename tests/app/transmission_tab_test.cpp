// The "Transmision" tab as a person uses it: the double barrier's curve and
// resonances, the marker moved by clicks and keys to the columns' energies
// (the picture then the one the typed energy gives), the range and the
// marker typed, and a potential with no continuum saying so.
#include <gtest/gtest.h>

#include <cmath>

#include "formula_potential.h"
#include "headless_host.h"
#include "resources.h"

namespace {

constexpr const char* kDoubleBarrier = "6*(abs(x)>1)*(abs(x)<1.5)";

void ShowDoubleBarrier(HeadlessSession& s) {
    s.SelectPotential("Formula");
    ASSERT_EQ(s.ChangeSettings({kDoubleBarrier}), std::nullopt);
    s.SelectTab(res::kTransmissionTab);
}

TEST(TransmissionTab, ShowsTheDoubleBarriersResonancesAndMarksTheFirst) {
    HeadlessSession s;
    ShowDoubleBarrier(s);
    TransmissionTab& tab = s.Dialog().Transmission();
    EXPECT_EQ(tab.Problem(), "");
    EXPECT_EQ(tab.From(), 0.0);
    EXPECT_EQ(tab.To(), 9.0);  // one and a half times the barriers' height
    FormulaPotential f;
    ASSERT_FALSE(f.SetText(kDoubleBarrier));
    const scattering::Transmission t([&f](double x) { return f.Value(x); }, f.Jumps());
    const std::vector<scattering::Resonance> expected = t.Resonances(0.0, 9.0);
    const std::vector<scattering::Resonance>& shown = tab.Resonances();
    ASSERT_EQ(shown.size(), expected.size());
    ASSERT_EQ(shown.size(), 3u);  // the third above the barriers' top
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i].energy, expected[i].energy);
    EXPECT_EQ(tab.Marker(), shown[0].energy);
    const std::string label = s.Platform().ControlText(res::kTransmissionResonances);
    EXPECT_EQ(label.rfind("Resonancias: 0.71755 (0.031), 2.8217 (0.28), ", 0), 0u) << label;
    // Nearly all through at the first resonance.
    EXPECT_EQ(s.Platform().ControlText(res::kTransmissionInfo).rfind("T = 0.999", 0), 0u)
        << s.Platform().ControlText(res::kTransmissionInfo);
}

// Every way of moving the marker lands on a column's energy; the picture is
// then the one typing that energy gives.
TEST(TransmissionTab, ClicksAndKeysMoveTheMarkerByColumns) {
    HeadlessSession s;
    ShowDoubleBarrier(s);
    TransmissionTab& tab = s.Dialog().Transmission();
    const int w = s.Platform().frameWidth;
    s.ClickPlot(100, 300);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(100));
    s.PressPlotKey(PlotKey::Right);
    s.PressPlotKey(PlotKey::Right);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(102));
    s.PressPlotKey(PlotKey::Left);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(101));
    s.PressPlotKey(PlotKey::PageUp);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(101 + w / 10));
    s.PressPlotKey(PlotKey::End);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(w - 1));
    s.PressPlotKey(PlotKey::Right);  // stays on the last column
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(w - 1));
    s.PressPlotKey(PlotKey::Home);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(0));
    s.ClickPlot(333, 500);
    const std::vector<std::uint8_t> clicked = s.Paint();

    HeadlessSession typed;
    ShowDoubleBarrier(typed);
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", tab.EnergyAt(333));
    typed.Type(res::kTransmissionEnergy, text);
    typed.Click(res::kTransmissionApply);
    EXPECT_EQ(typed.Dialog().Transmission().Marker(), tab.Marker());
    EXPECT_TRUE(typed.Paint() == clicked);

    // On another tab the picture takes no clicks.
    s.SelectTab(0);
    s.ClickPlot(10, 300);
    EXPECT_EQ(tab.Marker(), tab.EnergyAt(333));
}

TEST(TransmissionTab, TypedRangeAndBadTexts) {
    HeadlessSession s;
    ShowDoubleBarrier(s);
    TransmissionTab& tab = s.Dialog().Transmission();
    s.Type(res::kTransmissionFrom, "1");
    s.Type(res::kTransmissionTo, "3");
    s.Type(res::kTransmissionEnergy, "2.5");
    s.Click(res::kTransmissionApply);
    EXPECT_EQ(tab.From(), 1.0);
    EXPECT_EQ(tab.To(), 3.0);
    EXPECT_EQ(tab.Marker(), 2.5);
    ASSERT_EQ(tab.Resonances().size(), 1u);
    EXPECT_TRUE(s.Platform().messages.empty());
    s.Type(res::kTransmissionEnergy, "abc");
    s.Click(res::kTransmissionApply);
    EXPECT_EQ(s.Platform().messages.size(), 1u);
    s.Type(res::kTransmissionEnergy, "2");
    s.Type(res::kTransmissionFrom, "-1");  // below V's limits
    s.Click(res::kTransmissionApply);
    EXPECT_EQ(s.Platform().messages.size(), 2u);
    EXPECT_EQ(tab.From(), 1.0);
    EXPECT_EQ(tab.Marker(), 2.5);
}

TEST(TransmissionTab, APotentialWithNoContinuumSaysSo) {
    HeadlessSession s;  // the oscillator
    s.SelectTab(res::kTransmissionTab);
    TransmissionTab& tab = s.Dialog().Transmission();
    EXPECT_EQ(tab.Problem(),
              "V grows without bound on the left: there is no continuum to scatter in.");
    EXPECT_EQ(s.Platform().ControlText(res::kTransmissionResonances), "Sin continuo: " + tab.Problem());
    s.ClickPlot(100, 300);
    s.PressPlotKey(PlotKey::Right);
    s.Paint();
    s.SelectPotential("Pozo Finito");
    EXPECT_EQ(tab.Problem(), "");
    EXPECT_EQ(tab.To(), 4.0);
}

}  // namespace
