// Colour blends. A ramp runs from a start colour at t = 0 to an end colour at
// t = 1; the stroke profiles use one to fade a curve's colour into the white
// background.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "channel_math.h"
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
    // The packed colour (alpha in the top byte) that Map hands to the pixel:
    // for painting loops that store it without going through a pixel.
    std::uint32_t Packed(double t) const {
        const double u = repeat_ == 1.0 ? t : std::fmod(t * repeat_, 1.0);
        // Only the low byte of each channel is kept: outside 0..1 a channel wraps.
        const auto mix = [u](std::uint8_t start, std::int16_t delta) -> std::uint32_t {
            return channel::TruncWrapByte(start + delta * u);
        };
        const std::uint32_t a = mix(start_.alpha(), delta_[3]);
        const std::uint32_t r = mix(start_.red, delta_[0]);
        const std::uint32_t g = mix(start_.green, delta_[1]);
        const std::uint32_t b = mix(start_.blue, delta_[2]);
        return a << 24 | r << 16 | g << 8 | b;
    }

  private:
    void UpdateDelta();

    double repeat_ = 1.0;
    std::array<std::int16_t, 4> delta_{};  // red, green, blue, alpha: end minus start
    PixelARGB32 start_;
    PixelARGB32 end_;
};
