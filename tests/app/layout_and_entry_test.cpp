#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "data_exchange.h"
#include "dialog_template.h"
#include "headless_host.h"
#include "resources.h"

TEST(DialogLayout, DialogUnitsRoundHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(10, 6, 4), 15);
    EXPECT_EQ(MulDiv(60, 13, 8), 98);    // 97.5
    EXPECT_EQ(MulDiv(370, 13, 8), 601);  // 601.25
    EXPECT_EQ(MulDiv(-60, 13, 8), -98);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
    EXPECT_EQ(DialogUnitsToPixelsX(MainDialogTemplate().cx), 659);
    EXPECT_EQ(DialogUnitsToPixelsY(MainDialogTemplate().cy), 718);
}

TEST(DialogLayout, PlotGroupAndFrame) {
    EXPECT_EQ(MainControlPixelRect(res::kPlotGroup), (PixelRect{15, 98, 645, 699}));
    HeadlessSession session;
    const CWaveDlg& dlg = session.Dialog();
    EXPECT_EQ(dlg.PlotRect(), (PixelRect{19, 111, 643, 695}));
    EXPECT_EQ(session.Platform().frameWidth, 624);
    EXPECT_EQ(session.Platform().frameHeight, 584);
    EXPECT_EQ(dlg.Frame().Width(), 624);
    EXPECT_EQ(dlg.Frame().Height(), 584);
}

// Each band lies within the plot's width and its own height, its controls
// do not overlap and have IDs no other control has, a label's buddy is the
// control after it, and Enter runs one of its buttons.
TEST(DialogLayout, BandsFitOverThePlotAndNameTheirControls) {
    std::set<int> ids;
    for (const ControlTemplate& c : MainDialogTemplate().controls)
        ids.insert(c.id);
    const int plotWidth = HeadlessSession().Dialog().PlotRect().Width();
    ASSERT_EQ(BandTemplates().size(), 3u);
    EXPECT_EQ(BandTemplates()[0].tab, res::kEvolutionTab);
    EXPECT_EQ(BandTemplates()[1].tab, res::kTransmissionTab);
    EXPECT_EQ(BandTemplates()[2].tab, res::kPacketTab);
    for (const BandTemplate& band : BandTemplates()) {
        bool enterIsAButton = false;
        for (std::size_t i = 0; i < band.controls.size(); ++i) {
            const BandControl& c = band.controls[i];
            const PixelRect r = BandControlPixelRect(c);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= plotWidth &&
                        r.bottom <= band.height)
                << c.caption << " " << c.id;
            for (std::size_t j = 0; j < i; ++j) {
                const PixelRect o = BandControlPixelRect(band.controls[j]);
                EXPECT_TRUE(r.right <= o.left || o.right <= r.left || r.bottom <= o.top ||
                            o.bottom <= r.top)
                    << c.caption << " " << c.id << " overlaps " << band.controls[j].id;
            }
            EXPECT_TRUE(c.id < 0 || ids.insert(c.id).second) << c.id;
            if (c.buddy != 0) {
                EXPECT_EQ(c.kind, ControlKind::Label);
                EXPECT_NE(std::strchr(c.caption, '&'), nullptr) << c.caption;
                ASSERT_LT(i + 1, band.controls.size());
                EXPECT_EQ(band.controls[i + 1].id, c.buddy);
            }
            enterIsAButton |= c.id == band.enterCommand && c.kind == ControlKind::PushButton;
        }
        EXPECT_TRUE(enterIsAButton) << band.name;
    }
}

namespace {

// A window whose plot group box has a chosen size.
class SizedPlatform : public HeadlessPlatform {
  public:
    explicit SizedPlatform(PixelRect group) : group_(group) {}
    PixelRect ControlRect(int id) const override {
        return id == res::kPlotGroup ? group_ : HeadlessPlatform::ControlRect(id);
    }

  private:
    PixelRect group_;
};

PixelRect PlotRectFor(PixelRect group) {
    SizedPlatform platform(group);
    CWaveDlg dlg(platform);
    dlg.CreateFrameBitmap();
    return dlg.PlotRect();
}

}  // namespace

TEST(DialogLayout, PlotWidthWidensToAMultipleOfFour) {
    // Inset width 100 already a multiple of 4: the right edge stays.
    EXPECT_EQ(PlotRectFor({0, 0, 108, 50}), (PixelRect{4, 13, 104, 46}));
    // 101, 102, 103 grow to 104.
    EXPECT_EQ(PlotRectFor({0, 0, 109, 50}).right, 108);
    EXPECT_EQ(PlotRectFor({0, 0, 110, 50}).right, 108);
    EXPECT_EQ(PlotRectFor({0, 0, 111, 50}).right, 108);
}

TEST(DialogLayout, DegenerateGroupBoxGivesNoFrameAndNoCrash) {
    SizedPlatform platform({0, 0, 5, 5});
    CWaveDlg dlg(platform);
    dlg.OnInitDialog();
    EXPECT_FALSE(dlg.HasFrameBitmap());
    EXPECT_EQ(dlg.Frame().Data(), nullptr);
    dlg.OnPaint();
    dlg.OnCommand(res::kSearch);
    dlg.OnCommand(res::kPredictor);
}

TEST(EnergyEntry, ReadsPlainDecimalNumbersOnly) {
    EXPECT_EQ(ParseDecimal("2.5"), 2.5);
    EXPECT_EQ(ParseDecimal("  -1 "), -1.0);
    EXPECT_EQ(ParseDecimal("+3e2"), 300.0);
    EXPECT_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_EQ(ParseDecimal("5."), 5.0);
    EXPECT_EQ(ParseDecimal("-7.25E-1"), -0.725);
    EXPECT_EQ(ParseDecimal("1e-999"), 0.0);
    EXPECT_EQ(ParseDecimal("0.000e999"), 0.0);
    for (const char* bad : {"", "   ", "abc", "nan", "NaN", "inf", "-infinity", "0x1p3", "1e999",
                            "-1e400", "1,5", "1e", "--1", "+-1", ".", "e5", "1 2", "2.5x"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(EnergyEntry, WritesFifteenSignificantDigits) {
    EXPECT_EQ(FormatDouble(-1.0), "-1");
    EXPECT_EQ(FormatDouble(0.0), "0");
    EXPECT_EQ(FormatDouble(2.5), "2.5");
    EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatDouble(-7.2928932188134525), "-7.29289321881345");
    EXPECT_EQ(FormatDouble(1e20), "1e+20");
    EXPECT_EQ(ParseUnsigned(" 42 "), 42u);
    EXPECT_FALSE(ParseUnsigned("-1").has_value());
    EXPECT_FALSE(ParseUnsigned("4294967296").has_value());
}
