// The shortcuts every painted pixel takes must store exactly what the long
// way stores: checked here against the plain formulas over many inputs.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "channel_math.h"
#include "color_ramp.h"
#include "image.h"
#include "pixel.h"
#include "stroke_profile.h"

namespace {

// trunc(v) modulo 2^bits through the exact library remainder, as the channel
// conversions have always been defined.
std::uint32_t WrapByRemainder(double v, double modulus) {
    if (!std::isfinite(v)) return 0;
    double m = std::fmod(std::trunc(v), modulus);
    if (m < 0.0) m += modulus;
    return static_cast<std::uint32_t>(m);
}

// Doubles of every kind: any bit pattern, the integers and halves around
// zero, values around the 64-bit limits, and the special ones.
std::vector<double> Doubles(std::size_t randomCount) {
    std::mt19937_64 rng(20261208);
    std::vector<double> values;
    for (std::size_t i = 0; i < randomCount; ++i) {
        values.push_back(std::bit_cast<double>(rng()));
        const double magnitude = std::ldexp(1.0, static_cast<int>(rng() % 130) - 20);
        const double unit = static_cast<double>(rng() >> 11) * 0x1.0p-53;
        values.push_back((rng() & 1 ? -1.0 : 1.0) * magnitude * unit);
    }
    for (int k = -600; k <= 600; ++k) {
        values.push_back(k);
        values.push_back(k + 0.5);
        values.push_back(k - 0.999999);
    }
    for (const double edge : {0x1.0p62, 0x1.0p63, 0x1.0p64, 0x1.0p53}) {
        for (const double v : {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 1e300)}) {
            values.push_back(v);
            values.push_back(-v);
        }
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (const double v : {0.0, -0.0, inf, -inf, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::denorm_min(), 1e308, -1e308})
        values.push_back(v);
    return values;
}

TEST(ChannelWrap, IntegerShortcutEqualsTheExactRemainder) {
    for (const double v : Doubles(200000)) {
        ASSERT_EQ(channel::TruncWrapByte(v), WrapByRemainder(v, 256.0)) << v;
        ASSERT_EQ(channel::TruncWrap16(v), WrapByRemainder(v, 65536.0)) << v;
    }
}

// The ramp as it has always been defined: per channel, the start plus the
// signed difference times u, truncated, low byte kept.
std::uint32_t PlainRamp(const std::uint8_t start[4], const std::uint8_t end[4], double repeat,
                        double t) {
    const double u = repeat == 1.0 ? t : std::fmod(t * repeat, 1.0);
    std::uint32_t channels[4];
    for (int c = 0; c < 4; ++c) {
        const int delta = static_cast<std::int16_t>(end[c] - start[c]);
        channels[c] = WrapByRemainder(start[c] + delta * u, 256.0);
    }
    // start/end are red, green, blue, alpha
    return channels[3] << 24 | channels[0] << 16 | channels[1] << 8 | channels[2];
}

TEST(ColorRampPacked, EqualsThePlainRampAndWhatMapStores) {
    std::mt19937_64 rng(7);
    const std::vector<double> ts = Doubles(3000);
    for (int ramp = 0; ramp < 60; ++ramp) {
        std::uint8_t start[4], end[4];
        for (int c = 0; c < 4; ++c) {
            start[c] = static_cast<std::uint8_t>(rng());
            end[c] = static_cast<std::uint8_t>(rng());
        }
        const double repeats[] = {1.0, 2.0, -3.5, 0.0, 1e-300};
        const double repeat = repeats[ramp % 5];
        ColorRamp colours;
        colours.SetStart(start[0], start[1], start[2], start[3]);
        colours.SetEnd(end[0], end[1], end[2], end[3]);
        colours.SetRepeat(repeat);
        PixelARGB32 argb;
        PixelRGB24 rgb;
        for (const double t : ts) {
            const std::uint32_t expected = PlainRamp(start, end, repeat, t);
            ASSERT_EQ(colours.Packed(t), expected) << t;
            ASSERT_EQ(colours.PackedRgb(t), expected & 0xFFFFFFu) << t;
            colours.Map(argb, t);
            ASSERT_EQ(argb.ToRgb(), expected);
            colours.Map(rgb, t);
            ASSERT_EQ(rgb.ToRgb(), expected & 0xFFFFFFu);
        }
    }
}

TEST(RampProfilePosition, BlendsBetweenInnerAndOuterAsColorAtDoes) {
    RampProfile profile;
    ColorRamp ramp;
    ramp.SetStart(0, 0, 255, 0);
    ramp.SetEnd(255, 255, 255, 0);
    profile.SetMap(&ramp);
    profile.SetInner(1.0);
    profile.SetOuter(3.0);
    EXPECT_EQ(profile.RampPosition(0.5), 0.0);
    EXPECT_EQ(profile.RampPosition(1.0), 0.0);
    EXPECT_EQ(profile.RampPosition(2.0), 0.5);
    EXPECT_EQ(profile.RampPosition(3.0), 1.0);
    EXPECT_EQ(profile.RampPosition(7.0), 1.0);
    EXPECT_TRUE(std::isnan(profile.RampPosition(std::numeric_limits<double>::quiet_NaN())));
    PixelRGB24 out;
    for (const double d : Doubles(2000)) {
        profile.ColorAt(out, d);
        ASSERT_EQ(out.ToRgb(), ramp.Packed(profile.RampPosition(d)) & 0xFFFFFFu) << d;
    }
}

// Format 2's inline store against SetPixel of the same colour, in and out of
// the image; the other formats keep their own encodings.
TEST(BufferImageSetRgb, StoresWhatSetPixelStores) {
    std::mt19937 rng(11);
    for (const std::uint8_t format : {1, 2, 3, 4}) {
        BufferImage byRgb;
        BufferImage byPixel;
        ASSERT_TRUE(byRgb.Create(37, 23, format));
        ASSERT_TRUE(byPixel.Create(37, 23, format));
        PixelARGB32 colour;
        for (int i = 0; i < 20000; ++i) {
            const std::uint32_t packed = rng();
            const auto x = static_cast<std::uint16_t>(rng() % 45);
            const auto y = static_cast<std::uint16_t>(rng() % 30);
            byRgb.SetRgb(x, y, packed);
            colour.FromRgb(packed);
            byPixel.SetPixel(x, y, colour);
        }
        ASSERT_EQ(byRgb.ByteSize(), byPixel.ByteSize());
        for (std::size_t i = 0; i < byRgb.ByteSize(); ++i) {
            // A float grey image stores the packed colour's grey either way.
            ASSERT_EQ(byRgb.Data()[i], byPixel.Data()[i]) << int{format} << " byte " << i;
        }
    }
}

}  // namespace
