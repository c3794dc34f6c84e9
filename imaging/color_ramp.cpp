#include "color_ramp.h"

#include <cmath>

#include "channel_math.h"

void ColorRamp::SetStart(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                         std::uint8_t alpha) {
    start_ = PixelARGB32(red, green, blue, alpha);
    UpdateDelta();
}

void ColorRamp::SetEnd(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                       std::uint8_t alpha) {
    end_ = PixelARGB32(red, green, blue, alpha);
    UpdateDelta();
}

void ColorRamp::UpdateDelta() {
    delta_[0] = static_cast<std::int16_t>(end_.red - start_.red);
    delta_[1] = static_cast<std::int16_t>(end_.green - start_.green);
    delta_[2] = static_cast<std::int16_t>(end_.blue - start_.blue);
    delta_[3] = static_cast<std::int16_t>(end_.alpha() - start_.alpha());
}

void ColorRamp::Map(Pixel& out, double t) const {
    const double u = repeat_ == 1.0 ? t : std::fmod(t * repeat_, 1.0);
    // Only the low byte of each channel is kept: outside 0..1 a channel wraps.
    const auto mix = [u](std::uint8_t start, std::int16_t delta) -> std::uint32_t {
        return channel::TruncWrapByte(start + delta * u);
    };
    const std::uint32_t a = mix(start_.alpha(), delta_[3]);
    const std::uint32_t r = mix(start_.red, delta_[0]);
    const std::uint32_t g = mix(start_.green, delta_[1]);
    const std::uint32_t b = mix(start_.blue, delta_[2]);
    out.FromRgb(a << 24 | r << 16 | g << 8 | b);
}
