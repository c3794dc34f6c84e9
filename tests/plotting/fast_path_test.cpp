// The canvas paints the frame's own strokes by shortcuts: ramp colours stored
// straight into a 24-bit image, a solid colour made once, and a curve painted
// last piece first with every pixel painted once. Each must leave exactly the
// bytes of the plain road (a profile the canvas does not know, every piece in
// order), over many shapes, curves and awkward numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "canvas.h"
#include "color_ramp.h"
#include "image.h"
#include "pixel.h"
#include "plotter.h"
#include "real_function.h"
#include "reference_canvas.h"
#include "stroke_profile.h"
#include "support/plain_road.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::uint8_t> Bytes(const BufferImage& image) {
    return std::vector<std::uint8_t>(image.Data(), image.Data() + image.ByteSize());
}

void MakeWhite(BufferImage& image, std::uint16_t width, std::uint16_t height, std::uint8_t format) {
    ASSERT_TRUE(image.Create(width, height, format));
    PixelARGB32 white(255, 255, 255, 255);
    image.Fill(white);
}

// The stroke profiles of the program's curves and frame, and stranger ones.
struct Profiles {
    Profiles() {
        std::mt19937 rng(3);
        for (int i = 0; i < 6; ++i) {
            ramps[i].SetStart(static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()),
                              static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()));
            ramps[i].SetEnd(255, 255, 255, static_cast<std::uint8_t>(rng()));
            profiles[i].SetMap(&ramps[i]);
        }
        // As the dialog makes them, then wider, inverted, repeated and without a map.
        profiles[0].SetInner(1.0);
        profiles[0].SetOuter(2.0);
        profiles[1].SetInner(1.0);
        profiles[1].SetOuter(3.0);
        profiles[2].SetInner(0.0);
        profiles[2].SetOuter(9.5);
        profiles[3].SetInner(4.0);
        profiles[3].SetOuter(1.5);
        ramps[4].SetRepeat(-2.5);
        profiles[4].SetInner(0.5);
        profiles[4].SetOuter(4.0);
        profiles[5].SetMap(nullptr);
        solids[0].extent = 1.0;
        solids[1].extent = 3.0;
        solids[1].color = &grey;
        solids[2].extent = 0.5;
        solids[2].color = &argb;
        solids[3].extent = 6.25;
        solids[3].color = &rgb;
    }
    std::vector<StrokeProfile*> All() {
        std::vector<StrokeProfile*> all;
        for (auto& p : profiles)
            all.push_back(&p);
        for (auto& s : solids)
            all.push_back(&s);
        return all;
    }

    ColorRamp ramps[6];
    RampProfile profiles[6];
    SolidProfile solids[4];
    PixelGray8 grey{77};
    PixelARGB32 argb{10, 200, 30, 140};
    PixelRGB24 rgb{1, 2, 3};
};

double Awkward(std::mt19937_64& rng, double lo, double hi) {
    static constexpr double kOdd[] = {kNaN, kInf, -kInf, 1e300, -1e300, 1e-300, 0.0, -0.0};
    if (rng() % 25 == 0) return kOdd[rng() % 8];
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

TEST(CanvasShortcuts, PrimitivesStoreWhatThePlainRoadStores) {
    Profiles set;
    std::mt19937_64 rng(12);
    int shapes = 0;
    for (const std::uint8_t format : {2, 3, 1}) {
        for (StrokeProfile* profile : set.All()) {
            BufferImage fast;
            BufferImage plain;
            MakeWhite(fast, 61, 47, format);
            MakeWhite(plain, 61, 47, format);
            PlotCanvas fastCanvas(&fast, 1.0, 0.0, Vector2(0, 0));
            PlotCanvas plainCanvas(&plain, 1.0, 0.0, Vector2(0, 0));
            ForwardingProfile forwarding(*profile);
            fastCanvas.profile = profile;
            plainCanvas.profile = &forwarding;
            for (int i = 0; i < 150; ++i) {
                const Vector2 a(Awkward(rng, -30, 90), Awkward(rng, -30, 80));
                const Vector2 b(Awkward(rng, -30, 90), Awkward(rng, -30, 80));
                const Vector2 near = a + Vector2(Awkward(rng, -2, 2), Awkward(rng, -2, 2));
                const double r = Awkward(rng, -3, 8);
                const double angle = Awkward(rng, -4, 4);
                for (PlotCanvas* c : {&fastCanvas, &plainCanvas}) {
                    c->DrawLine(a, b);
                    c->DrawLine(a, near);
                    c->DrawDisc(b, r);
                    c->DrawCurvePoint(a, b - near);
                    c->FillRect(near, r, r * 0.5 + 1.0, angle);
                }
                ++shapes;
                ASSERT_EQ(Bytes(fast), Bytes(plain)) << "format " << int{format} << ", shape " << i;
            }
        }
    }
    EXPECT_EQ(shapes, 3 * 10 * 150);
}

// Horizontal and vertical lines (the grid, the axes, the level lines) are
// scanned with one band of distances for all steps; the written-out scan
// computes every step afresh. Ends inside, on and beyond the image, whole and
// fractional coordinates, both directions, thin and wide strokes.
TEST(CanvasShortcuts, AxisParallelLinesMatchTheWrittenOutScan) {
    Profiles set;
    std::mt19937_64 rng(31);
    std::uniform_real_distribution<double> coordinate(-20.0, 80.0);
    const double fractions[] = {0.0, 0.5, 0.25, 0.999, 0.0001};
    BufferImage fast;
    BufferImage plain;
    MakeWhite(fast, 61, 47, 2);
    MakeWhite(plain, 61, 47, 2);
    PlotCanvas canvas(&fast, 1.0, 0.0, Vector2(0, 0));
    ReferenceCanvas reference(&plain, 1.0, 0.0, Vector2(0, 0));
    for (StrokeProfile* profile : set.All()) {
        canvas.profile = profile;
        reference.profile = profile;
        for (int i = 0; i < 400; ++i) {
            const double f = fractions[rng() % 5];
            const double across = std::trunc(coordinate(rng)) + f;
            double from = coordinate(rng);
            double to = coordinate(rng);
            if (i % 3 == 0) {
                from = std::trunc(from);
                to = std::trunc(to);
            }
            const Vector2 a = i % 2 ? Vector2(from, across) : Vector2(across, from);
            const Vector2 b = i % 2 ? Vector2(to, across) : Vector2(across, to);
            canvas.DrawLine(a, b);
            reference.DrawLine(a, b);
            ASSERT_EQ(Bytes(fast), Bytes(plain)) << "line " << i << " (" << a.x << ", " << a.y
                                                 << ") - (" << b.x << ", " << b.y << ")";
            if (i % 20 == 19) {
                MakeWhite(fast, 61, 47, 2);
                MakeWhite(plain, 61, 47, 2);
            }
        }
    }
}

// Sums of waves with jumps, holes of NaN and stretches off to infinity: shallow
// runs drawn sample by sample, steep ones and jumps drawn as lines.
class WildFunction : public RealFunction {
  public:
    explicit WildFunction(std::mt19937_64& rng) {
        std::uniform_real_distribution<double> u(-1.0, 1.0);
        for (auto& w : waves_)
            w = {u(rng) * 3.0, u(rng) * 4.0, u(rng) * 3.0};
        jumpAt_ = u(rng) * 4.0;
        jump_ = u(rng) * 5.0;
        holeAt_ = u(rng) * 5.0;
        steepness_ = std::abs(u(rng)) * 40.0;
    }
    double Value(double x) const override {
        if (std::abs(x - holeAt_) < 0.05) return kNaN;
        if (x > 9.0) return x > 11.0 ? kInf : 1e200;
        double v = x > jumpAt_ ? jump_ : 0.0;
        for (const auto& w : waves_)
            v += w.amplitude * std::sin(w.frequency * x + w.phase);
        return v + std::tanh((x - jumpAt_) * steepness_);
    }
    double Derivative(double x) const override { return (Value(x + 1e-3) - Value(x)) * 1e3; }

  private:
    struct Wave {
        double amplitude, frequency, phase;
    };
    Wave waves_[3];
    double jumpAt_, jump_, holeAt_, steepness_;
};

// Both views of the program on its 624 x 584 frame, many curves on top of each
// other, each with every profile: the frames must agree after every curve.
TEST(CanvasShortcuts, CurvesPaintedBackToFrontLookAsPaintedInOrder) {
    Profiles set;
    std::mt19937_64 rng(99);
    struct View {
        double pixelsPerUnit, originX, step;
    };
    for (const View view : {View{30.0, 156.0, 5.0}, View{60.0, 312.0, 1.0}}) {
        BufferImage fast;
        BufferImage plain;
        ASSERT_TRUE(fast.Create(624, 584, 2));
        ASSERT_TRUE(plain.Create(624, 584, 2));
        PlotCanvas fastCanvas(&fast, view.pixelsPerUnit, 0.0, Vector2(view.originX, 438.0));
        InOrderCanvas plainCanvas(&plain, view.pixelsPerUnit, 0.0, Vector2(view.originX, 438.0));
        Plotter fastPlot(&fastCanvas);
        Plotter plainPlot(&plainCanvas);
        for (Plotter* p : {&fastPlot, &plainPlot}) {
            p->SetGridStepX(view.step);
            p->SetGridStepY(view.step);
            p->Prepare();
            p->DrawAxes();
        }
        int curves = 0;
        for (int i = 0; i < 8; ++i) {
            const WildFunction f(rng);
            for (StrokeProfile* profile : set.All()) {
                const double offset = (curves % 3 == 0) ? 0.0 : Awkward(rng, -4.0, 2.0);
                fastPlot.PlotFunction(f, profile, offset);
                plainPlot.PlotFunction(f, profile, offset);
                ++curves;
                ASSERT_EQ(Bytes(fast), Bytes(plain)) << "curve " << curves;
                EXPECT_EQ(fastCanvas.profile, &fastPlot.frameProfile);
            }
        }
    }
}

// Pieces far closer and stranger than the plotter makes them, in any order.
TEST(CanvasShortcuts, AnyPieceSequenceLooksAsPaintedInOrder) {
    Profiles set;
    std::mt19937_64 rng(5);
    BufferImage fast;
    BufferImage plain;
    MakeWhite(fast, 80, 60, 2);
    MakeWhite(plain, 80, 60, 2);
    PlotCanvas fastCanvas(&fast, 7.0, 0.0, Vector2(20.0, 30.0));
    InOrderCanvas plainCanvas(&plain, 7.0, 0.0, Vector2(20.0, 30.0));
    for (int curve = 0; curve < 300; ++curve) {
        std::vector<CurvePiece> pieces;
        Vector2 at(Awkward(rng, -4, 10), Awkward(rng, -5, 5));
        const int count = static_cast<int>(rng() % 40);
        for (int k = 0; k < count; ++k) {
            const Vector2 next = at + Vector2(Awkward(rng, -0.3, 0.6), Awkward(rng, -1.5, 1.5));
            if (rng() % 3 == 0) {
                pieces.push_back({CurvePiece::Kind::Line, at, next});
            } else {
                pieces.push_back({CurvePiece::Kind::Point, next,
                                  Vector2(Awkward(rng, -1, 2), Awkward(rng, -3, 3))});
            }
            at = next;
        }
        std::vector<StrokeProfile*> all = set.All();
        StrokeProfile* profile = all[rng() % all.size()];
        fastCanvas.profile = profile;
        plainCanvas.profile = profile;
        fastCanvas.DrawCurve(pieces);
        plainCanvas.DrawCurve(pieces);
        ASSERT_EQ(Bytes(fast), Bytes(plain)) << "curve " << curve;
        if (curve % 50 == 49) {
            MakeWhite(fast, 80, 60, 2);
            MakeWhite(plain, 80, 60, 2);
        }
    }
}

}  // namespace
