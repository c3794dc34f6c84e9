// The canvas primitives with any doubles at all (NaN, infinities, 1e300,
// extents from nothing to enormous): no fault, no pixel written outside the
// image, and the frame's shortcuts (ramp colours stored directly, solid
// colours made once, curves painted back to front) leave exactly the bytes of
// the plain road.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"

namespace {

double AnyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return in.ConsumeFloatingPoint<double>();  // anything, NaN and infinities included
        case 1:
            return in.ConsumeFloatingPointInRange<double>(-100.0, 200.0);  // near the image
        case 2:
            return static_cast<double>(in.ConsumeIntegralInRange<int>(-5, 70));
        default:
            return in.ConsumeFloatingPointInRange<double>(-1e-6, 1e-6);  // tiny
    }
}

Vector2 AnyPoint(FuzzedDataProvider& in) {
    const double x = AnyDouble(in);
    return {x, AnyDouble(in)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto width = in.ConsumeIntegralInRange<std::uint16_t>(0, 96);
    const auto height = in.ConsumeIntegralInRange<std::uint16_t>(0, 72);
    const auto format = in.ConsumeIntegralInRange<std::uint8_t>(1, 4);
    BufferImage fast;
    BufferImage plain;
    if (!fast.Create(width, height, format) || !plain.Create(width, height, format)) return 0;

    ColorRamp ramp;
    ramp.SetStart(in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>(),
                  in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>());
    ramp.SetEnd(255, 255, 255, in.ConsumeIntegral<std::uint8_t>());
    if (in.ConsumeBool()) ramp.SetRepeat(AnyDouble(in));
    RampProfile rampProfile;
    rampProfile.SetMap(in.ConsumeIntegralInRange<int>(0, 7) == 0 ? nullptr : &ramp);
    rampProfile.SetInner(AnyDouble(in));
    rampProfile.SetOuter(AnyDouble(in));
    PixelRGB24 solidColour(in.ConsumeIntegral<std::uint8_t>(), 7, 9);
    SolidProfile solid;
    solid.extent = AnyDouble(in);
    if (in.ConsumeBool()) solid.color = &solidColour;
    StrokeProfile* profile = in.ConsumeBool() ? static_cast<StrokeProfile*>(&rampProfile) : &solid;
    fuzz::ForwardingProfile forwarding(*profile);

    const double pixelsPerUnit = AnyDouble(in);
    const Vector2 origin = AnyPoint(in);
    PlotCanvas fastCanvas(&fast, pixelsPerUnit, 0.0, origin);
    fuzz::InOrderCanvas plainCanvas(&plain, pixelsPerUnit, 0.0, origin);
    fastCanvas.profile = profile;
    plainCanvas.profile = &forwarding;

    for (int op = 0; op < 24 && in.remaining_bytes() > 0; ++op) {
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
            case 0: {
                const Vector2 a = AnyPoint(in);
                const Vector2 b = AnyPoint(in);
                fastCanvas.DrawLine(a, b);
                plainCanvas.DrawLine(a, b);
                break;
            }
            case 1: {
                const Vector2 c = AnyPoint(in);
                const double r = AnyDouble(in);
                fastCanvas.DrawDisc(c, r);
                plainCanvas.DrawDisc(c, r);
                break;
            }
            case 2: {
                const Vector2 c = AnyPoint(in);
                const double hw = AnyDouble(in);
                const double hh = AnyDouble(in);
                const double angle = AnyDouble(in);
                fastCanvas.FillRect(c, hw, hh, angle);
                plainCanvas.FillRect(c, hw, hh, angle);
                break;
            }
            case 3: {
                const Vector2 p = AnyPoint(in);
                const Vector2 t = AnyPoint(in);
                fastCanvas.DrawCurvePoint(p, t);
                plainCanvas.DrawCurvePoint(p, t);
                break;
            }
            case 4: {
                // A curve in world coordinates: back to front on one canvas,
                // in order on the other.
                std::vector<CurvePiece> pieces;
                const int count = in.ConsumeIntegralInRange<int>(0, 12);
                for (int k = 0; k < count; ++k) {
                    const auto kind =
                        in.ConsumeBool() ? CurvePiece::Kind::Line : CurvePiece::Kind::Point;
                    const Vector2 a = AnyPoint(in);
                    pieces.push_back({kind, a, AnyPoint(in)});
                }
                fastCanvas.DrawCurve(pieces);
                plainCanvas.DrawCurve(pieces);
                break;
            }
            default: {
                PixelARGB32 colour(in.ConsumeIntegral<std::uint8_t>(), 1, 2, 3);
                fastCanvas.Clear(colour);
                plainCanvas.Clear(colour);
                break;
            }
        }
        fuzz::ExpectSameBytes(fast, plain);
    }
    // The viewport queries never fault either.
    volatile double sink = fastCanvas.MinX() + fastCanvas.MaxX() + fastCanvas.MinY() +
                           fastCanvas.MaxY() + fastCanvas.PixelSize();
    (void)sink;
    return 0;
}
