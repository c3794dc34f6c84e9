#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <new>

#include "model.h"
#include "sampled_function.h"

namespace {

// Lets one test see what a function does when the heap says no.
bool g_failArrayAllocations = false;

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (g_failArrayAllocations) return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

SampledFunction StandardGrid() {
    SampledFunction f;
    f.SetRange(model::kGridMin, model::kGridMax);
    f.Resize(model::kSamples);
    return f;
}

// s[i] = (i, -2i) on [0, 8] with h = 1.
void FillRamp(SampledFunction& f) {
    f.SetRange(0.0, 8.0);
    ASSERT_TRUE(f.Resize(9));
    for (std::uint16_t i = 0; i < 9; ++i)
        f.SetSample(i, {double(i), -2.0 * i});
}

class Constant : public ComplexFunction {
  public:
    explicit Constant(Vector2 v) : v_(v) {}
    Vector2 Value(double) const override { return v_ * scale_; }
    Vector2 Derivative(double) const override { return {}; }

  private:
    Vector2 v_;
};

}  // namespace

TEST(SampledFunction, StandardGridAndItsEnds) {
    SampledFunction f = StandardGrid();
    EXPECT_EQ(f.Count(), 4001);
    EXPECT_DOUBLE_EQ(f.Step(), 0.01);
    for (std::uint16_t i = 0; i < 4001; ++i)
        f.SetSample(i, {1.0 + i, 0.5});
    EXPECT_EQ(f.Value(-20.0), Vector2());
    EXPECT_EQ(f.Value(20.0), Vector2());
    EXPECT_EQ(f.Value(0.0), Vector2(2001.0, 0.5));
}

TEST(SampledFunction, InterpolatesAndScales) {
    SampledFunction f;
    FillRamp(f);
    f.SetScale(3.0);
    EXPECT_EQ(f.Value(2.5), Vector2(7.5, -15.0));
    EXPECT_EQ(f.Derivative(2.5), Vector2(3.0, -6.0));
    // The slope is constant within a cell.
    EXPECT_EQ(f.Derivative(2.01), f.Derivative(2.99));
    f.DivideScale(3.0);
    EXPECT_EQ(f.Value(7.75), Vector2(7.75, -15.5));
}

TEST(SampledFunction, NeverReadsPastItsSamples) {
    SampledFunction f = StandardGrid();
    for (std::uint16_t i = 0; i < 4001; ++i)
        f.SetSample(i, {double(i), 0.0});
    f.SetScale(2.0);
    // x a hair below xmax lands exactly on the last sample.
    const double x = 19.999999999999996;
    ASSERT_EQ((x - f.XMin()) / f.Step(), 4000.0);
    EXPECT_EQ(f.Value(x), Vector2(8000.0, 0.0));
    EXPECT_EQ(f.Derivative(x), Vector2());

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -inf, 1e300, -1e300}) {
        EXPECT_EQ(f.Value(bad), Vector2());
        EXPECT_EQ(f.Derivative(bad), Vector2());
    }
    EXPECT_EQ(f.GetSample(4001), Vector2());
    EXPECT_EQ(f.GetSample(65535), Vector2());
    f.SetSample(4001, {9, 9});  // ignored
    EXPECT_EQ(f.GetSample(4000), Vector2(4000.0, 0.0));
}

TEST(SampledFunction, TooFewSamplesReadAsZero) {
    SampledFunction empty;
    EXPECT_EQ(empty.Value(0.5), Vector2());
    EXPECT_EQ(empty.Derivative(0.5), Vector2());

    SampledFunction one;
    ASSERT_TRUE(one.Resize(1));
    one.SetSample(0, {5, 5});
    EXPECT_EQ(one.Value(0.5), Vector2());
    EXPECT_EQ(one.Derivative(0.5), Vector2());
}

TEST(SampledFunction, StepFollowsRangeAndCount) {
    SampledFunction f;
    EXPECT_EQ(f.Step(), 0.0);  // defined before any Resize
    f.SetRange(-20.0, 20.0);
    EXPECT_EQ(f.Step(), 0.0);  // no samples yet: nothing to space out
    ASSERT_TRUE(f.Resize(4001));
    EXPECT_DOUBLE_EQ(f.Step(), 0.01);
    f.SetRange(0.0, 8.0);
    EXPECT_DOUBLE_EQ(f.Step(), 0.002);
}

TEST(SampledFunction, ResizeToZeroAndCopyOfEmpty) {
    SampledFunction f;
    FillRamp(f);
    EXPECT_FALSE(f.Resize(0));
    EXPECT_EQ(f.Count(), 9);
    EXPECT_EQ(f.GetSample(4), Vector2(4, -8));

    SampledFunction empty;
    EXPECT_FALSE(f.CopyFrom(empty));
    EXPECT_EQ(f.Count(), 9);
}

TEST(SampledFunction, CopyTakesScaleRangeAndSamples) {
    SampledFunction source;
    FillRamp(source);
    source.SetScale(0.25);
    SampledFunction copy = StandardGrid();
    ASSERT_TRUE(copy.CopyFrom(source));
    EXPECT_EQ(copy.Count(), 9);
    EXPECT_EQ(copy.Step(), 1.0);
    for (double x : {0.5, 3.25, 7.999})
        EXPECT_EQ(copy.Value(x), source.Value(x));
    // Independent storage.
    source.SetSample(3, {100, 100});
    EXPECT_EQ(copy.GetSample(3), Vector2(3, -6));
}

TEST(SampledFunction, FailedAllocationLeavesNoSamples) {
    SampledFunction f;
    FillRamp(f);
    g_failArrayAllocations = true;
    const bool resized = f.Resize(100);
    g_failArrayAllocations = false;
    EXPECT_FALSE(resized);
    EXPECT_EQ(f.Count(), 0);
    EXPECT_FALSE(f.HasSamples());
    EXPECT_EQ(f.Value(2.5), Vector2());
    EXPECT_EQ(f.GetSample(0), Vector2());

    SampledFunction source;
    FillRamp(source);
    source.SetScale(2.0);
    SampledFunction target;
    g_failArrayAllocations = true;
    const bool copied = target.CopyFrom(source);
    g_failArrayAllocations = false;
    EXPECT_FALSE(copied);
    EXPECT_EQ(target.Scale(), 2.0);  // taken before the samples
    EXPECT_EQ(target.Count(), 0);
}

TEST(Views, RealPartAndDensity) {
    Constant c({3.0, 4.0});
    RealPartView re(&c);
    DensityView density(&c);
    EXPECT_EQ(re.Value(1.0), 3.0);
    EXPECT_EQ(density.Value(-7.0), 25.0);
    EXPECT_EQ(density.Derivative(2.0), 0.0);

    RealPartView unbound;
    DensityView unboundDensity;
    EXPECT_EQ(unbound.Value(1.0), 0.0);
    EXPECT_EQ(unboundDensity.Derivative(1.0), 0.0);
}

TEST(Integrator, ConstantOverTheOscillatorInterval) {
    Integrator integrator;
    integrator.SetInterval({-5.0, 5.0});
    integrator.SetSteps(2000);
    Constant one({1.0, 0.0});
    const Vector2 ip = integrator.InnerProduct(one, one);
    EXPECT_DOUBLE_EQ(ip.x, 10.0);
    EXPECT_EQ(ip.y, 0.0);
    EXPECT_DOUBLE_EQ(integrator.Norm(one), std::sqrt(10.0));
}

TEST(Integrator, InnerProductIsConjugateSymmetric) {
    SampledFunction f = StandardGrid();
    SampledFunction g = StandardGrid();
    for (std::uint16_t i = 0; i < 4001; ++i) {
        const double x = model::kGridMin + i * 0.01;
        f.SetSample(i, {std::cos(x) * std::exp(-x * x / 8), std::sin(3 * x) / (1 + x * x)});
        g.SetSample(i, {x / (1 + x * x), std::exp(-std::fabs(x))});
    }
    g.SetScale(-1.7);
    Integrator integrator;
    integrator.SetInterval({-8.0, 8.0});
    integrator.SetSteps(2000);
    const Vector2 fg = integrator.InnerProduct(f, g);
    const Vector2 gf = integrator.InnerProduct(g, f);
    EXPECT_NE(fg.y, 0.0);
    EXPECT_EQ(fg.x, gf.x);
    EXPECT_EQ(fg.y, -gf.y);
}

TEST(Integrator, NormalizeGivesUnitNorm) {
    SampledFunction f = StandardGrid();
    for (std::uint16_t i = 0; i < 4001; ++i) {
        const double x = model::kGridMin + i * 0.01;
        f.SetSample(i, {3.0 * std::exp(-x * x), 0.0});
    }
    Integrator integrator;
    integrator.SetInterval({-5.0, 5.0});
    integrator.SetSteps(2000);
    integrator.Normalize(f);
    EXPECT_NEAR(integrator.Norm(f), 1.0, 1e-12);
}
