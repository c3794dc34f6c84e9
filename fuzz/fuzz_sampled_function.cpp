// Value and Derivative of a sampled function at any x on any grid, and
// samples read and written at any index: no fault, and zero outside the open
// interval of the grid.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "sampled_function.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    SampledFunction f;
    const double xmin = in.ConsumeFloatingPoint<double>();
    const double xmax = in.ConsumeFloatingPoint<double>();
    const bool rangeFirst = in.ConsumeBool();
    const auto count = in.ConsumeIntegralInRange<std::uint16_t>(0, 5000);
    if (rangeFirst) f.SetRange(xmin, xmax);
    f.Resize(count);
    if (!rangeFirst) f.SetRange(xmin, xmax);
    f.SetScale(in.ConsumeBool() ? 1.0 : in.ConsumeFloatingPoint<double>());
    // Samples: a few given, at any index (beyond the end they are ignored).
    for (int k = in.ConsumeIntegralInRange<int>(0, 64); k > 0 && in.remaining_bytes() > 0; --k) {
        const auto i = in.ConsumeIntegral<std::uint16_t>();
        const double re = in.ConsumeFloatingPoint<double>();
        f.SetSample(i, {re, in.ConsumeFloatingPoint<double>()});
    }
    while (in.remaining_bytes() >= sizeof(double)) {
        // Mostly inside the grid when it has an inside.
        const bool inside = in.ConsumeBool() && xmin < xmax && std::isfinite(xmax - xmin);
        const double x = inside ? in.ConsumeFloatingPointInRange<double>(xmin, xmax)
                                : in.ConsumeFloatingPoint<double>();
        const Vector2 v = f.Value(x);
        const Vector2 d = f.Derivative(x);
        if (!(f.XMin() < x && x < f.XMax())) {
            if (v.x != 0.0 || v.y != 0.0 || d.x != 0.0 || d.y != 0.0) std::abort();
        }
        // Out-of-range reads of samples give zero, never a fault.
        const Vector2 s = f.GetSample(in.ConsumeIntegral<std::uint16_t>());
        volatile double sink = v.x + v.y + d.x + d.y + s.x + s.y;
        (void)sink;
    }
    return 0;
}
