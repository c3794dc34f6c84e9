// Grid, axes and curves: whole pictures of the frame on a 600 x 400 image, and
// the calls the plotter makes to its canvas.
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "canvas.h"
#include "plotter.h"
#include "real_function.h"
#include "views.h"

namespace {

using testviews::ProgramViews;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A function given by two lambdas.
class Curve : public RealFunction {
  public:
    Curve(std::function<double(double)> value, std::function<double(double)> slope)
        : value_(std::move(value)), slope_(std::move(slope)) {}
    double Value(double x) const override { return value_(x); }
    double Derivative(double x) const override { return slope_(x); }

  private:
    std::function<double(double)> value_;
    std::function<double(double)> slope_;
};

Curve Constant(double c) {
    return Curve([c](double) { return c; }, [](double) { return 0.0; });
}

// Records the primitives the plotter asks for, in pixel coordinates, and
// draws them.
class RecordingCanvas : public PlotCanvas {
  public:
    struct Segment {
        Vector2 a, b;
    };
    using PlotCanvas::PlotCanvas;
    void DrawLine(Vector2 a, Vector2 b) override {
        lines.push_back({a, b});
        PlotCanvas::DrawLine(a, b);
    }
    void DrawCurvePoint(Vector2 p, Vector2 t) override {
        points.push_back(p);
        tangents.push_back(t);
        PlotCanvas::DrawCurvePoint(p, t);
    }
    void Forget() {
        lines.clear();
        points.clear();
        tangents.clear();
    }
    std::vector<Segment> lines;
    std::vector<Vector2> points;
    std::vector<Vector2> tangents;
};

// A 600 x 400 frame and one plotter with the parameters of one of the views.
class PlotterTest : public testing::Test {
  protected:
    void MakeView(double pixelsPerUnit, double originX, double step) {
        ASSERT_TRUE(frame.Create(600, 400, 2));
        canvas =
            std::make_unique<RecordingCanvas>(&frame, pixelsPerUnit, 0.0, Vector2(originX, 300.0));
        plotter = std::make_unique<Plotter>(canvas.get());
        plotter->SetGridStepX(step);
        plotter->SetGridStepY(step);
        plotter->Prepare();
    }
    // White everywhere but where black(x, y), which is black.
    void ExpectBlackExactlyWhere(const std::function<bool(int, int)>& black) {
        int wrong = 0;
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 600; ++x) {
                const std::uint32_t want = black(x, y) ? 0x000000u : 0xFFFFFFu;
                const std::uint32_t got =
                    frame.GetRgb(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y));
                if (got != want && wrong++ < 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    std::uint32_t At(int x, int y) {
        return frame.GetRgb(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y));
    }
    void ClearWhite() {
        PixelRGB24 white(255, 255, 255);
        canvas->Clear(white);
    }

    BufferImage frame;
    std::unique_ptr<RecordingCanvas> canvas;
    std::unique_ptr<Plotter> plotter;
    ProgramViews styles{8, 8};  // for its six curve styles
};

bool Between(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// Axes five pixels wide through the origin, square ends one pixel inside the
// frame's edges.
bool OnAxes(int x, int y, int ox, int oy) {
    return (Between(y, oy - 2, oy + 2) && Between(x, 1, 599)) ||
           (Between(x, ox - 2, ox + 2) && Between(y, 1, 399));
}

TEST_F(PlotterTest, NormalViewGridFallsOnMultiplesOfFive) {
    MakeView(30.0, 150.0, 5.0);
    EXPECT_EQ(canvas->MinX(), -5.0);
    EXPECT_EQ(canvas->MaxX(), 15.0);
    EXPECT_EQ(canvas->MinY(), -10.0);
    EXPECT_DOUBLE_EQ(canvas->MaxY(), 10.0 / 3.0);
    plotter->DrawAxes();
    // Vertical lines at x = -5, 0, 5, 10 (columns 0, 150, 300, 450), horizontal
    // ones at y = -10, -5, 0 (rows 0, 150, 300), one pixel wide.
    ExpectBlackExactlyWhere([](int x, int y) {
        const bool vertical = (x == 0 || x == 150 || x == 300 || x == 450) && Between(y, 1, 399);
        const bool horizontal = (y == 0 || y == 150 || y == 300) && Between(x, 1, 599);
        return vertical || horizontal || OnAxes(x, y, 150, 300);
    });
    EXPECT_EQ(plotter->frameProfile.extent, 3.0);
}

TEST_F(PlotterTest, ZoomViewGridEveryUnit) {
    MakeView(60.0, 300.0, 1.0);
    EXPECT_EQ(canvas->MinX(), -5.0);
    EXPECT_EQ(canvas->MaxX(), 5.0);
    EXPECT_EQ(canvas->MinY(), -5.0);
    EXPECT_DOUBLE_EQ(canvas->MaxY(), 100.0 / 60.0);
    plotter->DrawAxes();
    ExpectBlackExactlyWhere([](int x, int y) {
        const bool vertical = x % 60 == 0 && Between(y, 1, 399);
        const bool horizontal = y % 60 == 0 && y <= 360 && Between(x, 1, 599);
        return vertical || horizontal || OnAxes(x, y, 300, 300);
    });
}

TEST_F(PlotterTest, StepsThatAreNotPositiveLeaveOnlyTheAxes) {
    MakeView(30.0, 150.0, 5.0);
    plotter->SetGridStepX(0.0);
    plotter->SetGridStepY(kNaN);
    plotter->DrawAxes();
    ExpectBlackExactlyWhere([](int x, int y) { return OnAxes(x, y, 150, 300); });
    plotter->SetGridStepX(-5.0);
    plotter->SetGridStepY(-std::numeric_limits<double>::infinity());
    plotter->DrawAxes();
    ExpectBlackExactlyWhere([](int x, int y) { return OnAxes(x, y, 150, 300); });

    // A step too small to move x draws its first line and stops.
    plotter->SetGridStepX(1e-300);
    canvas->Forget();
    plotter->DrawAxes();
    EXPECT_EQ(canvas->lines.size(), 3u);
}

int CountColour(BufferImage& frame, std::uint32_t colour) {
    int count = 0;
    for (int y = 0; y < frame.Height(); ++y) {
        for (int x = 0; x < frame.Width(); ++x) {
            count += frame.GetRgb(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)) ==
                     colour;
        }
    }
    return count;
}

constexpr std::uint32_t kBlack = 0x000000u;
constexpr std::uint32_t kBlue = 0x0000FFu;
constexpr std::uint32_t kWhite = 0xFFFFFFu;

TEST_F(PlotterTest, LevelLineLiesUnderTheCurveAtTheOffset) {
    MakeView(30.0, 150.0, 5.0);
    RampProfile* blue = styles.Profile(testviews::kRealPart);

    // Offset 0: the curve alone, one row of full colour at y = 1 between two
    // lighter ones (the samples half a pixel off paint them last), and the
    // frame profile untouched.
    ClearWhite();
    plotter->frameProfile.extent = 7.0;
    plotter->PlotFunction(Constant(1.0), blue, 0.0);
    EXPECT_EQ(plotter->frameProfile.extent, 7.0);
    EXPECT_EQ(CountColour(frame, kBlack), 0);
    EXPECT_EQ(CountColour(frame, kBlue), 600);
    for (int x = 0; x < 600; ++x) {
        EXPECT_EQ(At(x, 330), kBlue) << x;
        EXPECT_EQ(At(x, 329) & 0xFF, 0xFFu) << x;
        EXPECT_LT(At(x, 329) >> 16, 0x80u) << x;
        EXPECT_EQ(At(x, 331), At(x, 329)) << x;
    }

    // Offset -2: a one-pixel black line at y = -2, the curve 2 units lower.
    ClearWhite();
    plotter->PlotFunction(Constant(1.0), blue, -2.0);
    EXPECT_EQ(plotter->frameProfile.extent, 0.5);
    EXPECT_EQ(CountColour(frame, kBlack), 599);
    for (int x = 1; x < 600; ++x)
        EXPECT_EQ(At(x, 240), kBlack) << x;
    for (int x = 0; x < 600; ++x)
        EXPECT_EQ(At(x, 270), kBlue) << x;

    // The line comes first: a curve lying on it covers it.
    ClearWhite();
    plotter->PlotFunction(Constant(0.0), blue, -2.0);
    EXPECT_EQ(CountColour(frame, kBlack), 0);
    for (int x = 0; x < 600; ++x)
        EXPECT_EQ(At(x, 240), kBlue) << x;
}

TEST_F(PlotterTest, ShallowCurveIsPaintedPointByPointAndWallsAsOneLine) {
    MakeView(30.0, 150.0, 5.0);
    int samples = -1;  // the first value is taken twice
    const Curve step(
        [&samples](double x) {
            ++samples;
            return std::abs(x) >= 1.0 ? 0.0 : -3.0;
        },
        [](double) { return 0.0; });
    plotter->PlotFunction(step, styles.Profile(testviews::kPotential), 0.0);

    // Every sample but the two after the walls is a curve point, every half
    // pixel across the view, with the tangent (1, 0) in pixels.
    ASSERT_EQ(canvas->lines.size(), 2u);
    EXPECT_EQ(static_cast<int>(canvas->points.size()), samples - 2);
    EXPECT_NEAR(samples, 1200, 1);
    for (const Vector2& t : canvas->tangents)
        EXPECT_EQ(t, Vector2(30.0, 0.0));
    // Each wall joins the last sample before it to the first after it.
    const double wallX[] = {120.0, 180.0};
    const double fromY[] = {300.0, 210.0};
    for (int i = 0; i < 2; ++i) {
        const auto& line = canvas->lines[static_cast<std::size_t>(i)];
        EXPECT_LE(line.a.x, wallX[i]);
        EXPECT_GT(line.b.x, wallX[i]);
        EXPECT_NEAR(line.b.x - line.a.x, 0.5, 1e-9);
        EXPECT_EQ(line.a.y, fromY[i]);
        EXPECT_EQ(line.b.y, 510.0 - fromY[i]);
    }

    // A jump of exactly one unit is still shallow.
    canvas->Forget();
    plotter->PlotFunction(
        Curve([](double x) { return x < 0.0 ? 0.0 : 1.0; }, [](double) { return 0.0; }),
        styles.Profile(testviews::kPotential), 0.0);
    EXPECT_TRUE(canvas->lines.empty());

    // A slope of 1 or more is drawn with lines only, from the second sample
    // inside the view on.
    canvas->Forget();
    plotter->PlotFunction(
        Curve([](double x) { return 3.0 * (x - 1.0); }, [](double) { return 3.0; }),
        styles.Profile(testviews::kPotential), 0.0);
    EXPECT_TRUE(canvas->points.empty());
    EXPECT_NEAR(static_cast<double>(canvas->lines.size()), (10.0 / 3.0 + 10.0 / 3.0 / 3.0) * 60.0,
                2.0);
    for (const auto& line : canvas->lines) {
        EXPECT_NEAR(line.b.x - line.a.x, 0.5, 1e-9);
        EXPECT_GT(line.a.y, 0.0);
        EXPECT_LT(line.a.y, 400.0);
    }
}

TEST_F(PlotterTest, CurveLeavingTheViewIsNotJoinedWhenItComesBack) {
    MakeView(30.0, 150.0, 5.0);
    ClearWhite();
    // 4 sin x rises above the top (y = 10/3) at about x = 0.99 and comes back
    // at about 2.16; steep there, so drawn with lines.
    plotter->PlotFunction(Curve([](double x) { return 4.0 * std::sin(x); },
                                [](double x) { return 4.0 * std::cos(x); }),
                          styles.Profile(testviews::kDensity), 0.0);
    ASSERT_FALSE(canvas->lines.empty());
    for (const auto& line : canvas->lines) {
        EXPECT_LT(line.a.y, 400.0);
        EXPECT_LT(line.b.y, 400.0);
    }
    // Nothing painted in between, where the curve is out of sight.
    for (int x = 186; x <= 206; ++x) {
        for (int y = 0; y < 400; ++y)
            ASSERT_EQ(At(x, y), kWhite) << x << ", " << y;
    }
    EXPECT_NE(At(178, 399), kWhite);
}

TEST_F(PlotterTest, CanvasProfileIsRestoredAndNullProfileDrawsOnlyTheLevelLine) {
    MakeView(30.0, 150.0, 5.0);
    ASSERT_EQ(canvas->profile, &plotter->frameProfile);
    ClearWhite();
    plotter->PlotFunction(Constant(0.5), nullptr, 1.5);
    EXPECT_EQ(canvas->profile, &plotter->frameProfile);
    EXPECT_EQ(CountColour(frame, kBlack), 599);
    EXPECT_EQ(CountColour(frame, kWhite), 600 * 400 - 599);

    // Whatever the canvas held comes back, after a curve that was drawn too.
    SolidProfile other;
    canvas->profile = &other;
    plotter->PlotFunction(Constant(0.5), styles.Profile(testviews::kRealPart), 0.0);
    EXPECT_EQ(canvas->profile, &other);
}

TEST_F(PlotterTest, UnusableValuesAndStepsAreSkipped) {
    MakeView(30.0, 150.0, 5.0);
    ClearWhite();
    // Not a number left of 0, infinite right of 5: only [0, 5] is drawn.
    const Curve partial(
        [](double x) {
            return x < 0.0 ? kNaN : (x > 5.0 ? std::numeric_limits<double>::infinity() : 1.0);
        },
        [](double) { return 0.0; });
    plotter->PlotFunction(partial, styles.Profile(testviews::kRealPart), 0.0);
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (x < 150 || x > 301) {
                ASSERT_EQ(At(x, y), kWhite) << x << ", " << y;
            }
        }
    }

    // So far from the origin that half a pixel does not move x: one sample.
    PlotCanvas far(&frame, 30.0, 0.0, Vector2(1e17, 300.0));
    Plotter farPlotter(&far);
    farPlotter.Prepare();
    int values = 0;
    farPlotter.PlotFunction(Curve(
                                [&values](double) {
                                    ++values;
                                    return 0.0;
                                },
                                [](double) { return 0.0; }),
                            styles.Profile(testviews::kRealPart), 0.0);
    EXPECT_EQ(values, 2);
    EXPECT_EQ(far.profile, &farPlotter.frameProfile);
}

}  // namespace
