#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "color_ramp.h"
#include "pixel.h"
#include "stroke_profile.h"

namespace {

ColorRamp RampToWhite(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    ColorRamp ramp;
    ramp.SetStart(r, g, b, 0);
    ramp.SetEnd(255, 255, 255, 0);
    return ramp;
}

std::uint32_t MapRgb(const ColorMap& map, double t) {
    PixelRGB24 out;
    map.Map(out, t);
    return out.ToRgb();
}

TEST(ColorRampMap, EndsAndMiddle) {
    const ColorRamp ramp = RampToWhite(0, 0, 255);
    EXPECT_EQ(MapRgb(ramp, 0.0), 0x000000FFu);
    EXPECT_EQ(MapRgb(ramp, 0.5), 0x007F7FFFu);  // 127.5 truncated
    EXPECT_EQ(MapRgb(ramp, 1.0), 0x00FFFFFFu);
}

TEST(ColorRampMap, FallingChannelsTruncateTowardZero) {
    ColorRamp ramp;
    ramp.SetStart(255, 100, 0, 200);
    ramp.SetEnd(0, 100, 10, 0);
    PixelARGB32 out;
    ramp.Map(out, 0.3);
    // 255 - 76.5 = 178.5, 100, 3, 200 - 60 = 140
    EXPECT_EQ(out.ToRgb(), 0x8CB26403u);
    ramp.Map(out, 1.0);
    EXPECT_EQ(out.ToRgb(), 0x0000640Au);
}

TEST(ColorRampMap, OnlyTheLowByteOfEachChannelSurvives) {
    const ColorRamp ramp = RampToWhite(0, 0, 255);
    // t = 2: 0 + 255 * 2 = 510 -> 254; blue stays 255.
    EXPECT_EQ(MapRgb(ramp, 2.0), 0x00FEFEFFu);
    // t = -0.5: trunc(-127.5) = -127 -> 129.
    EXPECT_EQ(MapRgb(ramp, -0.5), 0x008181FFu);
    EXPECT_EQ(MapRgb(ramp, std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_EQ(MapRgb(ramp, std::numeric_limits<double>::infinity()), 0u);
}

TEST(ColorRampMap, RepeatFactorWrapsTheParameter) {
    ColorRamp ramp = RampToWhite(0, 0, 255);
    EXPECT_EQ(ramp.Repeat(), 1.0);
    ramp.SetRepeat(2.0);
    EXPECT_EQ(MapRgb(ramp, 0.75), 0x007F7FFFu);  // u = 0.5
    EXPECT_EQ(MapRgb(ramp, 0.5), 0x000000FFu);   // u = 0: back to the start
    // fmod keeps the sign of the product: u = -0.5.
    EXPECT_EQ(MapRgb(ramp, -0.25), 0x008181FFu);
    ramp.SetRepeat(1.0);
    EXPECT_EQ(MapRgb(ramp, 1.0), 0x00FFFFFFu);
}

TEST(ColorRampMap, DeltaFollowsTheLatestEnds) {
    ColorRamp ramp;
    ramp.SetEnd(200, 200, 200, 0);
    ramp.SetStart(100, 100, 100, 0);
    EXPECT_EQ(MapRgb(ramp, 0.5), 0x00969696u);
    ramp.SetStart(200, 0, 0, 0);
    EXPECT_EQ(MapRgb(ramp, 0.5), 0x00C86464u);
}

TEST(ColorRampMap, GreyOutputGoesThroughTheGreyWeights) {
    const ColorRamp ramp = RampToWhite(255, 0, 0);
    PixelGray8 grey;
    ramp.Map(grey, 0.0);
    EXPECT_EQ(grey.v, 127);
}

TEST(RampProfileColor, FreshProfileInnerBlendAndOuter) {
    ColorRamp ramp = RampToWhite(0, 0, 255);
    RampProfile profile;
    profile.SetMap(&ramp);
    EXPECT_EQ(profile.Extent(), 10.0);
    const auto at = [&](double d) {
        PixelRGB24 out;
        profile.ColorAt(out, d);
        return out.ToRgb();
    };
    EXPECT_EQ(at(0.0), 0x000000FFu);
    EXPECT_EQ(at(5.0), 0x000000FFu);
    EXPECT_EQ(at(7.5), 0x007F7FFFu);
    EXPECT_EQ(at(10.0), 0x00FFFFFFu);
    EXPECT_EQ(at(12.0), 0x00FFFFFFu);
    EXPECT_EQ(at(-3.0), 0x000000FFu);

    profile.Scale(2.0);
    EXPECT_EQ(profile.Extent(), 20.0);
    EXPECT_EQ(profile.Inner(), 10.0);
    EXPECT_EQ(profile.Span(), 10.0);
    EXPECT_EQ(at(15.0), 0x007F7FFFu);
    EXPECT_EQ(at(10.0), 0x000000FFu);
}

TEST(RampProfileColor, SpanFollowsInnerAndOuter) {
    RampProfile profile;
    profile.SetInner(1.0);
    EXPECT_EQ(profile.Span(), 9.0);
    profile.SetOuter(3.0);
    EXPECT_EQ(profile.Span(), 2.0);
    EXPECT_EQ(profile.Extent(), 3.0);
}

TEST(RampProfileColor, WithoutAMapEverythingIsBlack) {
    RampProfile profile;
    PixelRGB24 out(10, 20, 30);
    profile.ColorAt(out, 0.0);
    EXPECT_EQ(out.ToRgb(), 0u);
    PixelARGB32 argb(10, 20, 30, 40);
    profile.ColorAt(argb, 7.0);
    EXPECT_EQ(argb.ToRgb(), 0x28000000u);  // black keeps its alpha
}

TEST(RampProfileColor, DegenerateAndNonFiniteDistancesStayDefined) {
    ColorRamp ramp = RampToWhite(0, 0, 255);
    RampProfile profile;
    profile.SetMap(&ramp);
    profile.SetInner(2.0);
    profile.SetOuter(2.0);  // no span: 0 / 0 at the edge itself
    PixelRGB24 out(1, 1, 1);
    profile.ColorAt(out, 2.0);
    EXPECT_EQ(out.ToRgb(), 0u);
    profile.ColorAt(out, 1.0);
    EXPECT_EQ(out.ToRgb(), 0x000000FFu);
    profile.ColorAt(out, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(out.ToRgb(), 0u);
}

// The six curve styles of the plot: each fades from its colour to white.
TEST(RampProfileColor, CurveStylesFadeToWhite) {
    struct Style {
        std::array<std::uint8_t, 3> start;
        double inner, outer;
    };
    const std::array<Style, 6> styles{{{{0, 0, 255}, 1.0, 2.0},
                                       {{255, 0, 0}, 1.0, 3.0},
                                       {{0, 255, 0}, 1.0, 1.8},
                                       {{0, 255, 255}, 1.0, 2.0},
                                       {{0, 128, 255}, 1.0, 2.0},
                                       {{128, 0, 255}, 1.0, 2.0}}};
    for (const Style& s : styles) {
        ColorRamp ramp = RampToWhite(s.start[0], s.start[1], s.start[2]);
        RampProfile profile;
        profile.SetMap(&ramp);
        profile.SetInner(s.inner);
        profile.SetOuter(s.outer);
        PixelRGB24 out;
        profile.ColorAt(out, 0.5);
        EXPECT_TRUE(out.Equals(PixelRGB24(s.start[0], s.start[1], s.start[2])));
        profile.ColorAt(out, s.outer);
        EXPECT_EQ(out.ToRgb(), 0x00FFFFFFu);
    }
    ColorRamp red = RampToWhite(255, 0, 0);
    RampProfile profile;
    profile.SetMap(&red);
    profile.SetInner(1.0);
    profile.SetOuter(3.0);
    PixelRGB24 out;
    profile.ColorAt(out, 2.0);
    EXPECT_EQ(out.ToRgb(), 0x00FF7F7Fu);
}

TEST(SolidProfileColor, OneColourOutToTheExtent) {
    SolidProfile solid;
    EXPECT_EQ(solid.Extent(), 10.0);
    PixelRGB24 out(9, 9, 9);
    solid.ColorAt(out, 0.0);
    EXPECT_EQ(out.ToRgb(), 0u);
    out = PixelRGB24(9, 9, 9);
    solid.ColorAt(out, 1e9);
    EXPECT_EQ(out.ToRgb(), 0u);
    PixelGrayF32 grey(0.5f);
    solid.ColorAt(grey, 1.0);
    EXPECT_EQ(grey.f, 0.0f);

    const PixelRGB24 colour(1, 2, 3);
    solid.color = &colour;
    solid.ColorAt(out, 0.0);
    EXPECT_EQ(out.ToRgb(), 0x00010203u);
    out = PixelRGB24();
    solid.ColorAt(out, solid.Extent());
    EXPECT_EQ(out.ToRgb(), 0x00010203u);

    solid.Scale(0.5);
    EXPECT_EQ(solid.Extent(), 5.0);
}

}  // namespace
