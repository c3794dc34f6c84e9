// Stroke profiles: how a stroke colours a pixel at a given distance (in
// pixels) from it. The canvas paints only pixels within Extent() and asks
// ColorAt for each; so a profile fixes both the width of a stroke and how its
// edge fades.
#pragma once

#include "color_ramp.h"
#include "pixel.h"

class StrokeProfile {
  public:
    virtual ~StrokeProfile() = default;
    // The largest distance the profile paints.
    virtual double Extent() const = 0;
    virtual void ColorAt(Pixel& out, double distance) const = 0;
    // Widens or narrows the stroke by k.
    virtual void Scale(double k) = 0;

  protected:
    StrokeProfile() = default;
    StrokeProfile(const StrokeProfile&) = default;
    StrokeProfile& operator=(const StrokeProfile&) = default;
};

// One colour out to extent. The plot sets extent directly before each kind of
// stroke; without a colour the stroke is black.
class SolidProfile : public StrokeProfile {
  public:
    const Pixel* color = nullptr;  // not owned
    double extent = 10.0;

    double Extent() const override { return extent; }
    void ColorAt(Pixel& out, double distance) const override;
    void Scale(double k) override { extent *= k; }
};

// The map's colour at 0 up to inner, a blend out to outer, the map's colour at
// 1 beyond. Without a map the stroke is black.
class RampProfile : public StrokeProfile {
  public:
    void SetMap(const ColorMap* map) { map_ = map; }  // not owned
    const ColorMap* Map() const { return map_; }
    void SetInner(double v);
    void SetOuter(double v);
    double Inner() const { return inner_; }
    double Outer() const { return outer_; }
    double Span() const { return span_; }

    double Extent() const override { return outer_; }
    void ColorAt(Pixel& out, double distance) const override;
    void Scale(double k) override;

    // Where ColorAt reads the map for a distance: 0 within inner, 1 beyond
    // outer, a linear blend between.
    double RampPosition(double distance) const {
        if (distance < inner_) return 0.0;
        if (distance > outer_) return 1.0;
        return (distance - inner_) / span_;
    }

  private:
    const ColorMap* map_ = nullptr;
    double inner_ = 5.0;
    double outer_ = 10.0;
    double span_ = 5.0;  // outer - inner
};
