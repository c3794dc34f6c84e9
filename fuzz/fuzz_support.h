// Shared by the fuzz targets: profiles and a canvas that take the plain road,
// so that a target can check the canvas's shortcuts against it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "canvas.h"
#include "color_ramp.h"
#include "image.h"
#include "stroke_profile.h"

namespace fuzz {

// Passes everything on; the canvas does not know this kind of profile and
// paints through ColorAt and SetPixel, piece by piece, in order.
class ForwardingProfile : public StrokeProfile {
  public:
    explicit ForwardingProfile(StrokeProfile& inner) : inner_(inner) {}
    double Extent() const override { return inner_.Extent(); }
    void ColorAt(Pixel& out, double distance) const override { inner_.ColorAt(out, distance); }
    void Scale(double k) override { inner_.Scale(k); }

  private:
    StrokeProfile& inner_;
};

// Not the canvas class itself: its curves are painted in order.
class InOrderCanvas : public PlotCanvas {
  public:
    using PlotCanvas::PlotCanvas;
};

inline void ExpectSameBytes(const BufferImage& a, const BufferImage& b) {
    if (a.ByteSize() != b.ByteSize() || std::memcmp(a.Data(), b.Data(), a.ByteSize()) != 0)
        std::abort();
}

}  // namespace fuzz
