// Doubles that make the canvas take its plain road, so that tests and fuzz
// targets can check the canvas's shortcuts against it byte for byte.
#pragma once

#include "canvas.h"
#include "stroke_profile.h"

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

// Not the canvas class itself, so its curves are painted piece by piece in order.
class InOrderCanvas : public PlotCanvas {
  public:
    using PlotCanvas::PlotCanvas;
};
