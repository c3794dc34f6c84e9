// PlotFunction of a function whose values and slopes are whatever the input
// says (NaN, infinities, huge, jumping), on a view of any scale and origin:
// no fault, the canvas's profile restored, and the curve painted back to
// front with the program's profiles exactly as painted in order.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz_support.h"
#include "plotter.h"
#include "real_function.h"

namespace {

// Values and slopes read in turn from a table, round and round.
class TableFunction : public RealFunction {
  public:
    TableFunction(std::vector<double> values, std::vector<double> slopes)
        : values_(std::move(values)), slopes_(std::move(slopes)) {}
    double Value(double) const override { return Next(values_, valueAt_); }
    double Derivative(double) const override { return Next(slopes_, slopeAt_); }
    void Rewind() { valueAt_ = slopeAt_ = 0; }

  private:
    static double Next(const std::vector<double>& table, std::size_t& at) {
        if (table.empty()) return 0.0;
        const double v = table[at % table.size()];
        ++at;
        return v;
    }
    std::vector<double> values_;
    std::vector<double> slopes_;
    mutable std::size_t valueAt_ = 0;
    mutable std::size_t slopeAt_ = 0;
};

double AnyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            return in.ConsumeFloatingPoint<double>();
        case 1:
            return in.ConsumeFloatingPointInRange<double>(-12.0, 12.0);
        default:
            return in.ConsumeFloatingPointInRange<double>(-0.01, 0.01);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto width = in.ConsumeIntegralInRange<std::uint16_t>(1, 160);
    const auto height = in.ConsumeIntegralInRange<std::uint16_t>(1, 120);
    BufferImage fast;
    BufferImage plain;
    if (!fast.Create(width, height, 2) || !plain.Create(width, height, 2)) return 0;
    // A scale from a fraction of a pixel to huge, an origin anywhere.
    const double pixelsPerUnit =
        in.ConsumeBool() ? in.ConsumeFloatingPointInRange<double>(0.5, 200.0) : AnyDouble(in);
    const double ox = AnyDouble(in) * width;
    const Vector2 origin(ox, AnyDouble(in) * height);
    PlotCanvas fastCanvas(&fast, pixelsPerUnit, 0.0, origin);
    fuzz::InOrderCanvas plainCanvas(&plain, pixelsPerUnit, 0.0, origin);
    Plotter fastPlot(&fastCanvas);
    Plotter plainPlot(&plainCanvas);
    // Grid steps as the program has them, or any other that is not finer
    // than a pixel: the plotter draws one line per step, so a step of a
    // billionth of a unit asks for billions of lines (not a fault of the
    // plotting; the program's steps are 5 and 1).
    double step = in.ConsumeBool() ? (in.ConsumeBool() ? 5.0 : 1.0) : AnyDouble(in);
    if (std::abs(step * pixelsPerUnit) < 1.0) step = 0.0;
    for (Plotter* p : {&fastPlot, &plainPlot}) {
        p->SetGridStepX(step);
        p->SetGridStepY(step);
        p->Prepare();
    }

    ColorRamp ramp;
    ramp.SetStart(in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>(),
                  in.ConsumeIntegral<std::uint8_t>(), 0);
    ramp.SetEnd(255, 255, 255, 0);
    RampProfile profile;
    profile.SetMap(&ramp);
    profile.SetInner(1.0);
    profile.SetOuter(in.ConsumeFloatingPointInRange<double>(0.0, 6.0));

    std::vector<double> values;
    std::vector<double> slopes;
    const int n = in.ConsumeIntegralInRange<int>(1, 64);
    for (int k = 0; k < n; ++k) {
        values.push_back(AnyDouble(in));
        slopes.push_back(AnyDouble(in));
    }
    TableFunction f(values, slopes);
    const double offset = in.ConsumeBool() ? 0.0 : AnyDouble(in);

    // The plotter stops sampling when a step no longer moves x, so even a
    // view of a tiny fraction of a unit per pixel ends.
    fastPlot.DrawAxes();
    plainPlot.DrawAxes();
    fastPlot.PlotFunction(f, &profile, offset);
    f.Rewind();
    plainPlot.PlotFunction(f, &profile, offset);
    fuzz::ExpectSameBytes(fast, plain);
    if (fastCanvas.profile != &fastPlot.frameProfile) std::abort();
    return 0;
}
