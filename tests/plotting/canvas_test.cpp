// The canvas's viewport and primitives, pixel by pixel.
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "canvas.h"
#include "image.h"
#include "pixel.h"
#include "reference_canvas.h"
#include "stroke_profile.h"

namespace {

using Cell = std::pair<int, int>;
using Cells = std::set<Cell>;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Paints the distance itself, in 1/65536 pixel, so that tests can read back
// which distance each pixel was painted with. Distance 0 is black.
class DistanceProfile : public StrokeProfile {
  public:
    explicit DistanceProfile(double extent) : extent_(extent) {}
    double Extent() const override { return extent_; }
    void ColorAt(Pixel& out, double distance) const override {
        out.FromRgb(static_cast<std::uint32_t>(distance * 65536.0) & 0xFFFFFFu);
    }
    void Scale(double k) override { extent_ *= k; }

  private:
    double extent_;
};

double PaintedDistance(BufferImage& image, int x, int y) {
    return (image.GetRgb(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y))) / 65536.0;
}

// A white image of format 2.
void MakeWhite(BufferImage& image, std::uint16_t width, std::uint16_t height) {
    ASSERT_TRUE(image.Create(width, height, 2));
    PixelRGB24 white(255, 255, 255);
    image.Fill(white);
}

Cells Painted(BufferImage& image) {
    Cells cells;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.GetRgb(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)) !=
                0xFFFFFFu) {
                cells.insert({x, y});
            }
        }
    }
    return cells;
}

Cells Block(int x0, int x1, int y0, int y1) {
    Cells cells;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            cells.insert({x, y});
    }
    return cells;
}

std::vector<std::uint8_t> Bytes(const BufferImage& image) {
    return std::vector<std::uint8_t>(image.Data(), image.Data() + image.ByteSize());
}

// A small white image and a canvas on it with a black solid stroke.
class CanvasTest : public testing::Test {
  protected:
    void SetUp() override { MakeWhite(image, 40, 30); }
    void Solid(double extent) {
        solid.extent = extent;
        canvas.profile = &solid;
    }

    BufferImage image;
    PlotCanvas canvas{&image, 1.0, 0.0, Vector2(0.0, 0.0)};
    SolidProfile solid;
};

TEST(CanvasViewport, WorldRectangleAndMapping) {
    BufferImage image;
    ASSERT_TRUE(image.Create(400, 300, 2));
    const PlotCanvas canvas(&image, 30.0, 0.0, Vector2(100.0, 225.0));
    EXPECT_DOUBLE_EQ(canvas.MinX(), -10.0 / 3.0);
    EXPECT_EQ(canvas.MaxX(), 10.0);
    EXPECT_EQ(canvas.MinY(), -7.5);
    EXPECT_EQ(canvas.MaxY(), 2.5);
    EXPECT_EQ(canvas.PixelSize(), 1.0 / 30.0);
    EXPECT_EQ(canvas.ToPixel(Vector2(1.0, 1.0)), Vector2(130.0, 255.0));
    // The rotation is the transposed one: a quarter turn sends world x to
    // pixel -y, and tangents are mapped without the origin.
    const PlotCanvas turned(&image, 30.0, std::numbers::pi / 2, Vector2(100.0, 225.0));
    const Vector2 p = turned.ToPixel(Vector2(1.0, 0.0));
    EXPECT_NEAR(p.x, 100.0, 1e-12);
    EXPECT_NEAR(p.y, 195.0, 1e-12);
}

TEST_F(CanvasTest, HorizontalLineHasSquareEndsAndStrictSides) {
    Solid(1.0);
    canvas.DrawLine(Vector2(0, 5), Vector2(10, 5));
    EXPECT_EQ(Painted(image), Block(1, 9, 5, 5));

    MakeWhite(image, 40, 30);
    Solid(3.0);
    canvas.DrawLine(Vector2(0, 5), Vector2(10, 5));
    EXPECT_EQ(Painted(image), Block(1, 9, 3, 7));

    // Drawn the other way round it is the same stroke.
    MakeWhite(image, 40, 30);
    canvas.DrawLine(Vector2(10, 5), Vector2(0, 5));
    EXPECT_EQ(Painted(image), Block(1, 9, 3, 7));
}

TEST_F(CanvasTest, VerticalLineIsScannedByRowsDespiteInfiniteSlope) {
    Solid(1.0);
    canvas.DrawLine(Vector2(5, 2), Vector2(5, 12));
    EXPECT_EQ(Painted(image), Block(5, 5, 3, 11));

    MakeWhite(image, 40, 30);
    Solid(2.0);
    canvas.DrawLine(Vector2(5, 12), Vector2(5, 2));
    EXPECT_EQ(Painted(image), Block(4, 6, 3, 11));
}

TEST_F(CanvasTest, DiagonalLineDistancesArePerpendicular) {
    DistanceProfile profile(1.0);
    canvas.profile = &profile;
    canvas.DrawLine(Vector2(2, 2), Vector2(12, 12));
    const Cells painted = Painted(image);
    // On the line, and one step off it (distance 1/sqrt 2); two steps off
    // (sqrt 2) is beyond the extent.
    EXPECT_TRUE(painted.count({6, 6}));
    EXPECT_EQ(PaintedDistance(image, 6, 6), 0.0);
    EXPECT_NEAR(PaintedDistance(image, 7, 6), std::sqrt(0.5), 1.0 / 65536);
    EXPECT_FALSE(painted.count({8, 6}));
    // Nothing beyond the square ends.
    for (const Cell& c : painted) {
        EXPECT_GT(c.first + c.second, 4) << c.first << "," << c.second;
        EXPECT_LT(c.first + c.second, 24) << c.first << "," << c.second;
    }
}

TEST_F(CanvasTest, SegmentShorterThanAPixelIsADotAtTwiceTheDifference) {
    Solid(1.0);
    canvas.DrawLine(Vector2(10, 10), Vector2(10.5, 10.4));
    const std::vector<std::uint8_t> dot = Bytes(image);
    EXPECT_EQ(Painted(image), Cells({{11, 10}}));

    MakeWhite(image, 40, 30);
    canvas.DrawDisc(Vector2(11, 10.8), 0.0);
    EXPECT_EQ(Bytes(image), dot);
}

TEST_F(CanvasTest, DiscIsMeasuredFromTheTruncatedCentre) {
    DistanceProfile profile(1.0);
    canvas.profile = &profile;
    canvas.DrawDisc(Vector2(5.7, 5.2), 0.0);
    EXPECT_EQ(Painted(image), Cells({{5, 5}}));
    EXPECT_EQ(PaintedDistance(image, 5, 5), 0.0);

    // Radius 2 plus a rim of 1: offsets with i^2 + j^2 < 9, solid inside
    // i^2 + j^2 < 4 and fading from the radius outward.
    MakeWhite(image, 40, 30);
    canvas.DrawDisc(Vector2(20.9, 15.9), 2.0);
    const Cells painted = Painted(image);
    EXPECT_EQ(painted.size(), 25u);
    EXPECT_FALSE(painted.count({23, 15}));
    EXPECT_EQ(PaintedDistance(image, 21, 15), 0.0);
    EXPECT_EQ(PaintedDistance(image, 22, 15), 0.0);  // q = 4: on the radius itself
    EXPECT_EQ(PaintedDistance(image, 20, 17), 0.0);
    EXPECT_NEAR(PaintedDistance(image, 22, 17), std::sqrt(8.0) - 2.0, 1.0 / 65536);
}

TEST_F(CanvasTest, FillRectIsSolidAndInclusive) {
    DistanceProfile profile(0.0);
    canvas.profile = &profile;
    canvas.FillRect(Vector2(10.6, 10.6), 3.0, -2.0, 0.0);
    EXPECT_EQ(Painted(image), Block(7, 13, 8, 12));

    // A zero half-size has no axis to measure along: nothing.
    MakeWhite(image, 40, 30);
    canvas.FillRect(Vector2(10, 10), 0.0, 2.0, 0.0);
    canvas.FillRect(Vector2(10, 10), 3.0, 0.0, 0.3);
    canvas.FillRect(Vector2(10, 10), kNaN, 2.0, 0.0);
    EXPECT_TRUE(Painted(image).empty());
}

TEST_F(CanvasTest, CurvePointPaintsAcrossTheCurveFromTheTruncatedPoint) {
    DistanceProfile profile(2.0);
    canvas.profile = &profile;
    canvas.DrawCurvePoint(Vector2(10, 10), Vector2(1, 0));
    EXPECT_EQ(Painted(image), Block(10, 10, 8, 12));
    EXPECT_EQ(PaintedDistance(image, 10, 12), 2.0);  // inclusive at the extent

    // Half a pixel to the right the walk still runs down column 10: column 11,
    // half a pixel away, is left to the next sample.
    MakeWhite(image, 40, 30);
    canvas.DrawCurvePoint(Vector2(10.5, 10), Vector2(1, 0));
    EXPECT_EQ(Painted(image), Block(10, 10, 9, 11));
    EXPECT_EQ(PaintedDistance(image, 10, 10), 0.5);

    // At 45 degrees the walk runs down the anti-diagonal and its side pixels
    // lie below and to the left of it only.
    MakeWhite(image, 40, 30);
    DistanceProfile narrow(1.0);
    canvas.profile = &narrow;
    canvas.DrawCurvePoint(Vector2(10, 10), Vector2(1, 1));
    EXPECT_EQ(Painted(image), Cells({{10, 10}, {10, 9}, {9, 10}}));

    // No tangent, no direction across it.
    MakeWhite(image, 40, 30);
    canvas.DrawCurvePoint(Vector2(10, 10), Vector2(0, 0));
    canvas.DrawCurvePoint(Vector2(10, 10), Vector2(kNaN, 1));
    EXPECT_TRUE(Painted(image).empty());
}

TEST_F(CanvasTest, WithoutProfileOnlyClearPaints) {
    canvas.profile = nullptr;
    canvas.DrawLine(Vector2(0, 5), Vector2(10, 5));
    canvas.DrawDisc(Vector2(5, 5), 3.0);
    canvas.FillRect(Vector2(5, 5), 2.0, 2.0, 0.0);
    canvas.DrawCurvePoint(Vector2(5, 5), Vector2(1, 0));
    EXPECT_TRUE(Painted(image).empty());

    PixelRGB24 grey(10, 20, 30);
    canvas.Clear(grey);
    EXPECT_EQ(Painted(image).size(), 40u * 30u);
    EXPECT_EQ(image.GetRgb(39, 29), 0x0A141Eu);

    // A frame without pixels takes nothing.
    BufferImage empty;
    empty.Create(0, 0, 2);
    PlotCanvas onEmpty(&empty, 1.0, 0.0, Vector2(0, 0));
    onEmpty.Clear(grey);
    onEmpty.profile = &solid;
    onEmpty.DrawLine(Vector2(-5, 0), Vector2(5, 0));
    EXPECT_EQ(empty.ByteSize(), 0u);
}

// Extreme coordinates paint only what lands inside the image and return at
// once; far-off or non-finite shapes paint nothing.
TEST_F(CanvasTest, ExtremeInputStaysInsideAndEnds) {
    Solid(1.0);
    // Exactly scanned (within 32-bit reach) and cut to the image.
    canvas.DrawLine(Vector2(-4e8, 5), Vector2(4e8, 5));
    EXPECT_EQ(Painted(image), Block(0, 39, 5, 5));
    // Beyond that, cut down first.
    MakeWhite(image, 40, 30);
    canvas.DrawLine(Vector2(-1e300, 5), Vector2(1e300, 5));
    canvas.DrawLine(Vector2(7, 1e300), Vector2(7, -1e300));
    EXPECT_EQ(Painted(image), []() {
        Cells c = Block(0, 39, 5, 5);
        c.merge(Block(7, 7, 0, 29));
        return c;
    }());

    // A far end is brought in along the line, measured from the near one.
    MakeWhite(image, 40, 30);
    canvas.DrawLine(Vector2(5, 5), Vector2(1e300, 1e300));
    const std::vector<std::uint8_t> cut = Bytes(image);
    MakeWhite(image, 40, 30);
    canvas.DrawLine(Vector2(5, 5), Vector2(35, 35));
    EXPECT_EQ(Bytes(image), cut);

    MakeWhite(image, 40, 30);
    // Coordinates are not wrapped to 16 bits: column 65541 is not column 5.
    canvas.DrawLine(Vector2(65541, 0), Vector2(65541, 29));
    canvas.DrawCurvePoint(Vector2(65541, 10), Vector2(1, 0));
    canvas.DrawDisc(Vector2(65541, 10), 1.0);
    canvas.FillRect(Vector2(65541, 10), 3.0, 3.0, 0.0);
    for (const Vector2 bad :
         {Vector2(kInf, 5), Vector2(kNaN, 5), Vector2(5, -kInf), Vector2(1e300, 1e300)}) {
        if (!std::isfinite(bad.x) || !std::isfinite(bad.y)) {
            canvas.DrawLine(bad, Vector2(5, 5));
            canvas.DrawLine(Vector2(5, 5), bad);
        }
        canvas.DrawDisc(bad, 0.0);
        canvas.DrawCurvePoint(bad, Vector2(1, 0));
        canvas.FillRect(bad, 2.0, 2.0, 0.0);
    }
    canvas.DrawDisc(Vector2(5, 5), 1e300);
    canvas.DrawDisc(Vector2(5, 5), kNaN);
    canvas.FillRect(Vector2(5, 5), 1e300, 2.0, 0.0);
    canvas.FillRect(Vector2(5, 5), 2.0, 2.0, kInf);
    Solid(1e300);
    canvas.DrawLine(Vector2(0, 5), Vector2(10, 5));
    canvas.DrawCurvePoint(Vector2(5, 5), Vector2(1, 0));
    Solid(kNaN);
    canvas.DrawLine(Vector2(0, 5), Vector2(10, 5));
    canvas.DrawCurvePoint(Vector2(5, 5), Vector2(1, 0));
    EXPECT_TRUE(Painted(image).empty());
}

// The canvas scans only the part of a shape that can reach the image, starting
// its error terms in the middle where needed; the written-out scans visit all
// of it. Shapes all around the border of a small image must come out the same,
// distance for distance.
TEST(CanvasScans, ClippedScansMatchTheWrittenOutOnes) {
    BufferImage clipped;
    BufferImage full;
    MakeWhite(clipped, 40, 30);
    MakeWhite(full, 40, 30);
    PlotCanvas canvas(&clipped, 1.0, 0.0, Vector2(0, 0));
    ReferenceCanvas reference(&full, 1.0, 0.0, Vector2(0, 0));
    std::mt19937 random(4);
    std::uniform_real_distribution<double> coordinate(-70.0, 110.0);
    std::uniform_real_distribution<double> near(-12.0, 52.0);
    std::uniform_real_distribution<double> direction(-3.0, 3.0);
    const double extents[] = {0.5, 1.0, 1.8, 2.0, 3.0, 7.5, 23.0};
    int shapes = 0;
    for (const double extent : extents) {
        DistanceProfile profile(extent);
        canvas.profile = &profile;
        reference.profile = &profile;
        for (int i = 0; i < 400; ++i) {
            const Vector2 a(coordinate(random), coordinate(random));
            Vector2 b(coordinate(random), coordinate(random));
            if (i % 4 == 0)
                b = a + Vector2(direction(random), direction(random));        // short, or a dot
            if (i % 4 == 1) b = Vector2(a.x + direction(random) * 0.1, b.y);  // near vertical
            canvas.DrawLine(a, b);
            reference.DrawLine(a, b);
            const Vector2 p(near(random), near(random));
            const Vector2 t(direction(random), direction(random));
            canvas.DrawCurvePoint(p, t);
            reference.DrawCurvePoint(p, t);
            const double radius = direction(random);
            canvas.DrawDisc(p, radius);
            reference.DrawDisc(p, radius);
            ++shapes;
            if (Bytes(clipped) != Bytes(full)) {
                ADD_FAILURE() << "extent " << extent << ", shape " << i << ": line (" << a.x << ", "
                              << a.y << ") - (" << b.x << ", " << b.y << "), point (" << p.x << ", "
                              << p.y << ")";
                return;
            }
            if (i % 16 == 15) {
                MakeWhite(clipped, 40, 30);
                MakeWhite(full, 40, 30);
            }
        }
    }
    EXPECT_EQ(shapes, 2800);
}

}  // namespace
