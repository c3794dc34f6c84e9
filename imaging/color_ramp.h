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
        const double u = Position(t);
        return Channel(3, u) << 24 | PackedRgb(u, Unrepeated{});
    }
    // The same without alpha, for images that do not store it.
    std::uint32_t PackedRgb(double t) const { return PackedRgb(Position(t), Unrepeated{}); }

  private:
    struct Unrepeated {};

    void UpdateDelta();
    double Position(double t) const { return repeat_ == 1.0 ? t : std::fmod(t * repeat_, 1.0); }
    // Channel c (red, green, blue, alpha) at u; only its low byte is kept,
    // so outside 0..1 a channel wraps.
    std::uint32_t Channel(int c, double u) const {
        return channel::TruncWrapByte(startValue_[c] + deltaValue_[c] * u);
    }
    std::uint32_t PackedRgb(double u, Unrepeated) const {
        return Channel(0, u) << 16 | Channel(1, u) << 8 | Channel(2, u);
    }

    double repeat_ = 1.0;
    std::array<std::int16_t, 4> delta_{};  // red, green, blue, alpha: end minus start
    // The start channels and the differences as doubles, as every mix uses
    // them (start + delta * u): converted once, not per pixel.
    std::array<double, 4> startValue_{};
    std::array<double, 4> deltaValue_{};
    PixelARGB32 start_;
    PixelARGB32 end_;
};
