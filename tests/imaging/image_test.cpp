#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "image.h"
#include "pixel.h"

namespace {

std::vector<std::uint8_t> Bytes(const BufferImage& image) {
    return {image.Data(), image.Data() + image.ByteSize()};
}

// A 2 x 3 RGB image: (0,0) black, (1,0), (0,1), (1,1) white, the top row grey.
void MakeCornerImage(BufferImage& image) {
    ASSERT_TRUE(image.Create(2, 3, kRgb24));
    image.SetRgb(0, 0, 0x000000);
    image.SetRgb(1, 0, 0xFFFFFF);
    image.SetRgb(0, 1, 0xFFFFFF);
    image.SetRgb(1, 1, 0xFFFFFF);
    image.SetRgb(0, 2, 0x808080);
    image.SetRgb(1, 2, 0x808080);
}

TEST(BufferImageLayout, RgbRowsArePackedBlueGreenRed) {
    BufferImage image;
    ASSERT_TRUE(image.Create(8, 2, kRgb24));
    EXPECT_EQ(image.ByteSize(), 48u);
    image.SetRgb(1, 1, 0x00112233);
    const auto bytes = Bytes(image);
    EXPECT_EQ(bytes[27], 0x33);
    EXPECT_EQ(bytes[28], 0x22);
    EXPECT_EQ(bytes[29], 0x11);
    EXPECT_EQ(image.GetRgb(1, 1), 0x00112233u);

    image.SetPixel(7, 0, PixelRGB24(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(Bytes(image)[21], 0xCC);
    EXPECT_EQ(Bytes(image)[23], 0xAA);
}

TEST(BufferImageLayout, ArgbStoresAlphaLast) {
    BufferImage image;
    ASSERT_TRUE(image.Create(4, 4, kArgb32));
    image.SetRgb(0, 0, 0x80FF0000);
    EXPECT_EQ(image.GetRgb(0, 0), 0x80FF0000u);
    const auto bytes = Bytes(image);
    EXPECT_EQ((std::array<std::uint8_t, 4>{bytes[0], bytes[1], bytes[2], bytes[3]}),
              (std::array<std::uint8_t, 4>{0x00, 0x00, 0xFF, 0x80}));

    PixelARGB32 out;
    image.GetPixel(0, 0, out);
    EXPECT_EQ(out.ToRgb(), 0x80FF0000u);
}

TEST(BufferImageLayout, GreyStoresTheLowByteAndReadsItUnreplicated) {
    BufferImage image;
    ASSERT_TRUE(image.Create(3, 3, kGray8));
    image.SetRgb(0, 0, 0x00C8C8C8);
    EXPECT_EQ(Bytes(image)[0], 200);
    EXPECT_EQ(image.GetRgb(0, 0), 0x000000C8u);
    EXPECT_EQ(image.GetRgb565(0, 0), PixelGray8(200).ToRgb565());

    image.SetPixel(1, 0, PixelRGB24(1, 2, 3));  // low byte of the packed colour: blue
    EXPECT_EQ(Bytes(image)[1], 3);
}

TEST(BufferImageLayout, FloatGreyStoresTheWeightedLevel) {
    BufferImage image;
    ASSERT_TRUE(image.Create(2, 1, kGrayF32));
    image.SetRgb(0, 0, 0x00FFFFFF);
    image.SetRgb(1, 0, 0x00FF0000);
    EXPECT_EQ(image.GetRgb(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(image.GetRgb(1, 0), 0x007F7F7Fu);
    float stored = 0;
    std::memcpy(&stored, image.Data() + 4, sizeof stored);
    EXPECT_FLOAT_EQ(stored, 0.5f);
}

TEST(BufferImageCreate, EachFormatGetsItsPixelKindAndSize) {
    const struct {
        std::uint8_t format;
        std::size_t bpp;
    } cases[] = {{kGray8, 1}, {kRgb24, 3}, {kArgb32, 4}, {kGrayF32, 4}};
    for (const auto& c : cases) {
        BufferImage image;
        ASSERT_TRUE(image.Create(5, 3, c.format));
        EXPECT_EQ(image.ByteSize(), 15 * c.bpp);
        EXPECT_EQ(BufferImage::BytesPerPixel(c.format), c.bpp);
        const std::unique_ptr<Pixel> p = image.NewPixel();
        ASSERT_NE(p, nullptr);
        // The image's own pixel kind round-trips through SetPixel and GetPixel.
        p->FromRgb(0x00FFFFFF);
        image.SetPixel(4, 2, *p);
        const std::unique_ptr<Pixel> q = image.NewPixel();
        image.GetPixel(4, 2, *q);
        EXPECT_TRUE(q->Equals(*p)) << int(c.format);
    }
    EXPECT_EQ(BufferImage::BytesPerPixel(0), 0u);
    EXPECT_EQ(BufferImage::BytesPerPixel(5), 0u);
}

TEST(BufferImageCreate, UnknownFormatLeavesNoBufferAndKeepsTheRest) {
    BufferImage image;
    ASSERT_TRUE(image.Create(4, 2, kRgb24));
    EXPECT_FALSE(image.Create(3, 3, 7));
    EXPECT_EQ(image.Data(), nullptr);
    EXPECT_EQ(image.ByteSize(), 0u);
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Format(), kRgb24);

    BufferImage fresh;
    EXPECT_FALSE(fresh.Create(3, 3, 0));
    EXPECT_EQ(fresh.NewPixel(), nullptr);
}

TEST(BufferImageCreate, RecreatingReplacesFormatAndSize) {
    BufferImage image;
    ASSERT_TRUE(image.Create(4, 2, kRgb24));
    ASSERT_TRUE(image.Create(10, 10, kGrayF32));
    EXPECT_EQ(image.ByteSize(), 400u);
    EXPECT_NE(dynamic_cast<PixelGrayF32*>(image.NewPixel().get()), nullptr);
}

TEST(BufferImageCreate, EmptyImageHasNothingToTouch) {
    BufferImage image;
    ASSERT_TRUE(image.Create(0, 5, kRgb24));
    EXPECT_EQ(image.ByteSize(), 0u);
    image.Fill(PixelRGB24(1, 2, 3));
    image.SetRgb(0, 0, 0xFFFFFF);
    EXPECT_EQ(image.GetRgb(0, 0), 0u);
}

TEST(BufferImageBounds, WritesOutsideAreIgnored) {
    BufferImage image;
    ASSERT_TRUE(image.Create(4, 3, kRgb24));
    image.Fill(PixelRGB24(9, 9, 9));
    const auto before = Bytes(image);
    const PixelRGB24 red(255, 0, 0);
    const int minus_one = -1;
    image.SetPixel(4, 0, red);
    image.SetPixel(minus_one, 0, red);  // wraps to 65535
    image.SetPixel(0, 3, red);
    image.SetRgb(4, 0, 0xFF0000);
    image.SetRgb(0, minus_one, 0xFF0000);
    EXPECT_EQ(Bytes(image), before);
}

TEST(BufferImageBounds, ReadsOutsideGiveBlack) {
    BufferImage image;
    ASSERT_TRUE(image.Create(4, 3, kArgb32));
    image.Fill(PixelARGB32(255, 255, 255, 255));
    EXPECT_EQ(image.GetRgb(4, 0), 0u);
    EXPECT_EQ(image.GetRgb(0, 3), 0u);
    EXPECT_EQ(image.GetRgb565(4, 0), 0u);
    PixelARGB32 out(1, 2, 3, 4);
    image.GetPixel(0, 3, out);
    EXPECT_EQ(out.ToRgb(), 0u);
}

TEST(BufferImageBounds, NoBufferMeansBlackReadsAndIgnoredWrites) {
    BufferImage image;  // never created
    PixelRGB24 out(1, 2, 3);
    image.GetPixel(0, 0, out);
    EXPECT_EQ(out.ToRgb(), 0u);
    EXPECT_EQ(image.GetRgb(0, 0), 0u);
    EXPECT_EQ(image.GetRgb565(0, 0), 0u);
    EXPECT_EQ(image.SampleRgb(0.5, 0.5), 0u);
    image.SetRgb(0, 0, 0xFFFFFF);
    image.SetPixel(0, 0, PixelRGB24(1, 1, 1));
    image.Fill(PixelRGB24(1, 1, 1));

    ASSERT_TRUE(image.Create(2, 2, kRgb24));
    image.Release();
    image.Sample(0.5, 0.5, out);
    EXPECT_EQ(out.ToRgb(), 0u);
    std::array<std::uint8_t, 4> sink{7, 7, 7, 7};
    image.CopyTo(sink.data());
    EXPECT_EQ(sink, (std::array<std::uint8_t, 4>{7, 7, 7, 7}));
}

TEST(BufferImageCopy, CopiesExactlyTheRasterBytes) {
    BufferImage image;
    ASSERT_TRUE(image.Create(4, 2, kRgb24));
    image.Fill(PixelRGB24(1, 2, 3));
    image.SetRgb(3, 1, 0x00ABCDEF);
    std::vector<std::uint8_t> sink(30, 0x55);
    image.CopyTo(sink.data());
    EXPECT_TRUE(std::equal(sink.begin(), sink.begin() + 24, image.Data()));
    EXPECT_EQ(sink[21], 0xEF);
    EXPECT_EQ(sink[24], 0x55);
    EXPECT_EQ(sink[29], 0x55);
}

TEST(BufferImageCopy, FloatImagesCopyNothing) {
    BufferImage image;
    ASSERT_TRUE(image.Create(2, 2, kGrayF32));
    image.Fill(PixelGrayF32(1.0f));
    std::vector<std::uint8_t> sink(16, 0x55);
    image.CopyTo(sink.data());
    EXPECT_EQ(sink, std::vector<std::uint8_t>(16, 0x55));
}

// Fill must write exactly what SetPixel would at every pixel, for every
// format, for the image's own pixel kind and for a foreign one.
class BufferImageFill : public testing::TestWithParam<std::uint8_t> {};

TEST_P(BufferImageFill, MatchesSetPixelEverywhere) {
    const std::uint8_t format = GetParam();
    const std::unique_ptr<Pixel> own = [&] {
        BufferImage probe;
        probe.Create(1, 1, format);
        return probe.NewPixel();
    }();
    own->FromRgb(0x80123456);
    const PixelRGB24 foreign_rgb(0x12, 0x34, 0x56);
    const PixelGray8 foreign_grey(0x9A);
    for (const Pixel* in :
         {static_cast<const Pixel*>(own.get()), static_cast<const Pixel*>(&foreign_rgb),
          static_cast<const Pixel*>(&foreign_grey)}) {
        BufferImage filled, painted;
        ASSERT_TRUE(filled.Create(37, 5, format));
        ASSERT_TRUE(painted.Create(37, 5, format));
        filled.Fill(*in);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 37; ++x)
                painted.SetPixel(x, y, *in);
        }
        EXPECT_EQ(Bytes(filled), Bytes(painted));
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, BufferImageFill,
                         testing::Values(kGray8, kRgb24, kArgb32, kGrayF32));

TEST(BufferImageFillFrame, PaintsTheWholeFrameInOneColour) {
    BufferImage frame;
    ASSERT_TRUE(frame.Create(624, 584, kRgb24));
    frame.Fill(PixelRGB24(255, 255, 255));
    const auto bytes = Bytes(frame);
    EXPECT_EQ(bytes.size(), 624u * 584u * 3u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.size(), 0xFF), bytes);
}

TEST(BufferImageSample, RgbBlendTruncatesPerChannel) {
    BufferImage image;
    MakeCornerImage(image);
    EXPECT_EQ(image.SampleRgb(0.5, 0.5), 0x00BFBFBFu);  // 191.25 truncated
    // Last column: no blend, the pixel itself.
    EXPECT_EQ(image.SampleRgb(1.5, 0.5), 0x00FFFFFFu);
    EXPECT_EQ(image.SampleRgb(0.0, 0.0), 0u);
    // Last row as well.
    EXPECT_EQ(image.SampleRgb(0.5, 2.25), 0x00808080u);
}

TEST(BufferImageSample, PixelBlendGoesThroughScaleAndAdd) {
    BufferImage image;
    MakeCornerImage(image);
    PixelRGB24 out;
    image.Sample(0.5, 0.5, out);
    // Each white neighbour scales to trunc(63.75) = 63, so 189, not 191.
    EXPECT_EQ(out.ToRgb(), 0x00BDBDBDu);
    image.Sample(0.0, 0.0, out);
    EXPECT_EQ(out.ToRgb(), 0u);
    image.Sample(0.0, 1.0, out);
    EXPECT_EQ(out.ToRgb(), 0x00FFFFFFu);
}

TEST(BufferImageSample, SampleAtTheOriginIsThePixelItself) {
    BufferImage image;
    ASSERT_TRUE(image.Create(3, 3, kGray8));
    image.Fill(PixelGray8(255));
    image.SetRgb(0, 0, 77);
    PixelGray8 out;
    image.Sample(0.0, 0.0, out);
    EXPECT_EQ(out.v, 77);
}

TEST(BufferImageSample, NonFiniteAndHugeCoordinatesStayDefined) {
    BufferImage image;
    MakeCornerImage(image);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(image.SampleRgb(nan, 0.5), 0u);
    EXPECT_EQ(image.SampleRgb(inf, -inf), 0u);
    // 1e300 is a multiple of 65536: its low 16 bits are column 0, fraction 0.
    EXPECT_EQ(image.SampleRgb(1e300, 1.0), image.GetRgb(0, 1));
    PixelRGB24 out(1, 1, 1);
    image.Sample(nan, nan, out);
    EXPECT_EQ(out.ToRgb(), 0u);
    image.Sample(-1e300, 1.0, out);
    EXPECT_EQ(out.ToRgb(), 0x00FFFFFFu);
}

TEST(BufferImagePixelKinds, ForeignOutPixelsReceiveThePackedColour) {
    BufferImage grey;
    ASSERT_TRUE(grey.Create(1, 1, kGray8));
    grey.SetRgb(0, 0, 0x40);
    PixelRGB24 rgb;
    grey.GetPixel(0, 0, rgb);
    EXPECT_EQ(rgb.ToRgb(), 0x00404040u);

    BufferImage colour;
    ASSERT_TRUE(colour.Create(1, 1, kRgb24));
    colour.SetRgb(0, 0, 0x00FF0000);
    PixelGray8 level;
    colour.GetPixel(0, 0, level);
    EXPECT_EQ(level.v, 127);
    PixelARGB32 argb(0, 0, 0, 9);
    colour.GetPixel(0, 0, argb);  // the RGB kinds share storage: alpha untouched
    EXPECT_EQ(argb.ToRgb(), 0x09FF0000u);
}

}  // namespace
