// Colour blends. A ramp runs from a start colour at t = 0 to an end colour at
// t = 1; the stroke profiles use one to fade a curve's colour into the white
// background.
#pragma once

#include <array>
#include <cstdint>

#include "pixel.h"

class ColorMap {
  public:
    virtual ~ColorMap() = default;
    // Writes the colour for t into out (through out.FromRgb).
    virtual void Map(Pixel& out, double t) const = 0;

  protected:
    ColorMap() = default;
    ColorMap(const ColorMap&) = default;
    ColorMap& operator=(const ColorMap&) = default;
};

class ColorRamp : public ColorMap {
  public:
    void SetStart(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    void SetEnd(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    // Exactly 1.0 maps t to itself; any other factor k repeats the ramp,
    // u = fmod(t * k, 1.0), which is negative for a negative product.
    void SetRepeat(double k) { repeat_ = k; }
    double Repeat() const { return repeat_; }

    // Each channel is trunc(start + (end - start) * u) modulo 256, alpha
    // included; a PixelRGB24 out drops the alpha.
    void Map(Pixel& out, double t) const override;

  private:
    void UpdateDelta();

    double repeat_ = 1.0;
    std::array<std::int16_t, 4> delta_{};  // red, green, blue, alpha: end minus start
    PixelARGB32 start_;
    PixelARGB32 end_;
};
