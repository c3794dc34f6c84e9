#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "pixel.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PixelPackedForms, WhiteIsTheSameInEveryIntegerFormat) {
    PixelRGB24 rgb(255, 255, 255);
    PixelGray8 grey(255);
    EXPECT_EQ(rgb.ToRgb565(), 0xFFDFu);  // bit 5 stays clear
    EXPECT_EQ(rgb.ToRgb(), 0x00FFFFFFu);
    EXPECT_EQ(grey.ToRgb565(), 0xFFDFu);
    EXPECT_EQ(grey.ToRgb(), 0x00FFFFFFu);
}

TEST(PixelPackedForms, GreyAgreesWithEqualRgbChannelsForEveryLevel) {
    for (int v = 0; v < 256; ++v) {
        const auto level = static_cast<std::uint8_t>(v);
        const PixelGray8 grey(level);
        const PixelRGB24 rgb(level, level, level);
        ASSERT_EQ(grey.ToRgb(), rgb.ToRgb()) << v;
        ASSERT_EQ(grey.ToRgb565(), rgb.ToRgb565()) << v;
        ASSERT_EQ(rgb.ToRgb565(),
                  static_cast<std::uint32_t>((v & 0xF8) << 8 | (v & 0xF8) << 3 | v >> 3));
    }
}

TEST(PixelPackedForms, Rgb565DropsLowBitsPerChannel) {
    EXPECT_EQ(PixelRGB24(0xFF, 0, 0).ToRgb565(), 0xF800u);
    EXPECT_EQ(PixelRGB24(0, 0xFF, 0).ToRgb565(), 0x07C0u);
    EXPECT_EQ(PixelRGB24(0, 0, 0xFF).ToRgb565(), 0x001Fu);
    EXPECT_EQ(PixelRGB24(0x07, 0x07, 0x07).ToRgb565(), 0u);
}

TEST(PixelPackedForms, ArgbCarriesAlphaAndRgbIgnoresIt) {
    PixelARGB32 argb(0x12, 0x34, 0x56, 0x78);
    EXPECT_EQ(argb.ToRgb(), 0x78123456u);

    PixelARGB32 back;
    back.FromRgb(0x78123456u);
    EXPECT_EQ(back.red, 0x12);
    EXPECT_EQ(back.green, 0x34);
    EXPECT_EQ(back.blue, 0x56);
    EXPECT_EQ(back.alpha(), 0x78);

    PixelRGB24 rgb;
    rgb.FromRgb(0x78123456u);
    EXPECT_EQ(rgb.ToRgb(), 0x00123456u);
}

TEST(PixelPackedForms, FloatGreyTruncatesAndKeepsTheLowByte) {
    EXPECT_EQ(PixelGrayF32(1.0f).ToRgb(), 0x00FFFFFFu);
    EXPECT_EQ(PixelGrayF32(0.5f).ToRgb(), 0x007F7F7Fu);  // 127.5 truncates
    EXPECT_EQ(PixelGrayF32(1.0f).ToRgb565(), 0xFFDFu);
    // Just below zero truncates to -1, whose low byte is 255.
    EXPECT_EQ(PixelGrayF32(-1.0f / 255.0f).ToRgb(), 0x00FFFFFFu);
    // Levels no integer can hold, and NaN, still give a defined byte.
    EXPECT_EQ(PixelGrayF32(1e30f).ToRgb(), 0u);
    EXPECT_EQ(PixelGrayF32(std::numeric_limits<float>::quiet_NaN()).ToRgb(), 0u);
    EXPECT_EQ(PixelGrayF32(std::numeric_limits<float>::infinity()).ToRgb565(), 0u);
}

TEST(PixelConversions, GreyWeightsAreHalfThreeTenthsAndTwoTenths) {
    PixelGray8 g;
    g.FromRgb(0x00FFFFFF);
    EXPECT_EQ(g.v, 255);
    g.FromRgb(0x00FF0000);
    EXPECT_EQ(g.v, 127);
    g.FromRgb(0x0000FF00);
    EXPECT_EQ(g.v, 76);
    g.FromRgb(0x000000FF);
    EXPECT_EQ(g.v, 51);
    g.FromRgb(0xFF000000);  // alpha does not count
    EXPECT_EQ(g.v, 0);

    g.FromFloatRgb(1.0f, 1.0f, 1.0f);
    EXPECT_EQ(g.v, 255);
    g.FromFloatRgb(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(g.v, 127);

    PixelGrayF32 f;
    f.FromRgb(0x00FF0000);
    EXPECT_FLOAT_EQ(f.f, 0.5f);
    f.FromFloatRgb(0.0f, 1.0f, 0.0f);
    EXPECT_EQ(f.f, 0.3f);
    f.FromFloatRgb(2.0f, 2.0f, 2.0f);  // no clamp
    EXPECT_GT(f.f, 1.9f);
}

TEST(PixelConversions, ToFloatUsesTheSinglePrecisionReciprocal) {
    float r = 0, g = 0, b = 0;
    PixelGray8(1).ToFloatRgb(r, g, b);
    EXPECT_EQ(r, 0.003921568859368563f);
    EXPECT_EQ(g, r);
    EXPECT_EQ(b, r);
    PixelRGB24(255, 0, 1).ToFloatRgb(r, g, b);
    EXPECT_EQ(r, 1.0f);
    EXPECT_EQ(g, 0.0f);
    EXPECT_EQ(b, 0.003921568859368563f);
    PixelGrayF32(0.25f).ToFloatRgb(r, g, b);
    EXPECT_EQ(g, 0.25f);
}

TEST(PixelConversions, RgbFromFloatSaturatesEachChannel) {
    PixelRGB24 p;
    p.FromFloatRgb(1.5f, -0.2f, 0.5f);
    EXPECT_EQ(p.red, 255);
    EXPECT_EQ(p.green, 0);
    EXPECT_EQ(p.blue, 127);
    p.FromFloatRgb(1.0f, 0.999f, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(p.red, 255);
    EXPECT_EQ(p.green, 254);
    EXPECT_EQ(p.blue, 0);
}

TEST(PixelConversions, GreyFromOutOfRangeFloatsStaysDefined) {
    PixelGray8 g;
    g.FromFloatRgb(10.0f, 10.0f, 10.0f);
    EXPECT_EQ(g.v, 255);
    g.FromFloatRgb(-1.0f, 0.0f, 0.0f);
    EXPECT_EQ(g.v, 0);
    g.FromFloatRgb(std::numeric_limits<float>::quiet_NaN(), 0.0f, 0.0f);
    EXPECT_EQ(g.v, 0);
}

TEST(PixelArithmetic, Gray8Saturates) {
    PixelGray8 a(200);
    a.Add(PixelGray8(100));
    EXPECT_EQ(a.v, 255);
    PixelGray8 b(100);
    b.Subtract(PixelGray8(200));
    EXPECT_EQ(b.v, 0);
    PixelGray8 c(100);
    c.Scale(3.0);
    EXPECT_EQ(c.v, 255);
    PixelGray8 d(100);
    d.Scale(-1.0);
    EXPECT_EQ(d.v, 0);
    PixelGray8 e(100);
    e.Scale(0.999);
    EXPECT_EQ(e.v, 99);  // truncates, never rounds
}

TEST(PixelArithmetic, ScaleByNaNOrInfinityIsDefined) {
    PixelGray8 g(100);
    g.Scale(kNaN);
    EXPECT_EQ(g.v, 0);
    g.v = 1;
    g.Scale(kInf);
    EXPECT_EQ(g.v, 255);

    PixelRGB24 rgb(1, 0, 2);
    rgb.Scale(kInf);  // 0 * inf is NaN for green
    EXPECT_EQ(rgb.ToRgb(), 0x00FF00FFu);

    PixelGrayF32 f(0.5f);
    f.Scale(kNaN);
    EXPECT_EQ(f.f, 0.0f);
}

TEST(PixelArithmetic, GrayF32ClampsAtTheEndsOfTheUnit) {
    PixelGrayF32 a(0.7f);
    a.Add(PixelGrayF32(0.6f));
    EXPECT_EQ(a.f, 1.0f);
    PixelGrayF32 b(0.2f);
    b.Subtract(PixelGrayF32(0.5f));
    EXPECT_EQ(b.f, 0.0f);
    PixelGrayF32 c(0.5f);
    c.Scale(3.0);
    EXPECT_EQ(c.f, 1.0f);
    c.Scale(-1.0);
    EXPECT_EQ(c.f, 0.0f);
}

TEST(PixelArithmetic, RgbChannelsSaturateIndependently) {
    PixelRGB24 a(200, 10, 0);
    a.Add(PixelRGB24(100, 10, 255));
    EXPECT_EQ(a.ToRgb(), 0x00FF14FFu);
    a.Subtract(PixelRGB24(0, 30, 1));
    EXPECT_EQ(a.ToRgb(), 0x00FF00FEu);
    PixelRGB24 s(100, 50, 3);
    s.Scale(2.6);
    EXPECT_EQ(s.ToRgb(), 0x00FF8207u);  // 260 -> 255, 130, 7.8 -> 7
}

TEST(PixelArithmetic, ArgbAddWeightsEachSideByItsAlpha) {
    PixelARGB32 a(10, 20, 30, 1);
    a.Add(PixelARGB32(100, 100, 100, 2));
    EXPECT_EQ(a.ToRgb(), 0x01D2DCE6u);  // 210, 220, 230; alpha unchanged

    PixelARGB32 b(10, 20, 30, 0);
    b.Add(PixelARGB32(100, 100, 100, 0));  // both transparent: nothing survives
    EXPECT_EQ(b.ToRgb(), 0u);

    PixelARGB32 c(200, 0, 1, 255);
    c.Add(PixelARGB32(1, 1, 1, 1));
    EXPECT_EQ(c.ToRgb(), 0xFFFF01FFu);

    PixelARGB32 self(3, 4, 5, 2);
    self.Add(self);  // alpha is read once, before the channels change
    EXPECT_EQ(self.ToRgb(), 0x020C1014u);
}

TEST(PixelArithmetic, WhiteSetsAlphaOnlyForArgb) {
    PixelARGB32 argb(1, 2, 3, 4);
    argb.SetWhite();
    EXPECT_EQ(argb.ToRgb(), 0xFFFFFFFFu);
    PixelRGB24 rgb;
    rgb.SetWhite();
    EXPECT_EQ(rgb.spare, 0);
}

TEST(PixelMetrics, DistanceMagnitudeAndDot) {
    const PixelRGB24 black(0, 0, 0);
    const PixelRGB24 white(255, 255, 255);
    EXPECT_DOUBLE_EQ(black.Distance(white), std::sqrt(3.0) * 255.0);
    EXPECT_NEAR(white.Magnitude(), 441.673, 1e-3);
    EXPECT_EQ(white.Magnitude(), black.Distance(white));
    EXPECT_EQ(PixelRGB24(1, 2, 3).Dot(PixelRGB24(4, 5, 6)), 32.0);

    EXPECT_EQ(PixelGray8(10).Distance(PixelGray8(250)), 240.0);
    EXPECT_EQ(PixelGray8(10).Dot(PixelGray8(20)), 200.0);
    EXPECT_EQ(PixelGrayF32(0.25f).Distance(PixelGrayF32(1.0f)), 0.75);
}

TEST(PixelMetrics, EqualsIgnoresAlpha) {
    EXPECT_TRUE(PixelARGB32(1, 2, 3, 4).Equals(PixelARGB32(1, 2, 3, 200)));
    EXPECT_FALSE(PixelARGB32(1, 2, 3, 4).Equals(PixelARGB32(1, 2, 4, 4)));
    EXPECT_TRUE(PixelRGB24(1, 2, 3).Equals(PixelARGB32(1, 2, 3, 9)));
}

TEST(PixelAssign, RgbKindsCopyAllFourBytes) {
    PixelARGB32 a;
    a.Assign(PixelARGB32(1, 2, 3, 4));
    EXPECT_EQ(a.ToRgb(), 0x04010203u);
    PixelRGB24 rgb;
    rgb.Assign(PixelARGB32(1, 2, 3, 4));
    EXPECT_EQ(rgb.spare, 4);
}

TEST(PixelAssign, OtherKindsArriveThroughTheirPackedColour) {
    PixelGray8 g;
    g.Assign(PixelRGB24(255, 0, 0));
    EXPECT_EQ(g.v, 127);

    PixelRGB24 rgb;
    rgb.Assign(PixelGray8(200));
    EXPECT_EQ(rgb.ToRgb(), 0x00C8C8C8u);

    PixelGrayF32 f;
    f.Assign(PixelGray8(255));
    EXPECT_FLOAT_EQ(f.f, 1.0f);

    PixelGray8 sum(100);
    sum.Add(PixelRGB24(0, 0, 255));  // blue alone is grey 51
    EXPECT_EQ(sum.v, 151);
    EXPECT_TRUE(PixelRGB24(9, 9, 9).Equals(PixelGray8(9)));
}

}  // namespace
