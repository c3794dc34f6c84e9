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
    const std::uint8_t starts[4] = {start_.red, start_.green, start_.blue, start_.alpha()};
    for (int c = 0; c < 4; ++c) {
        startValue_[c] = starts[c];
        deltaValue_[c] = delta_[c];
    }
}

void ColorRamp::Map(Pixel& out, double t) const {
    out.FromRgb(Packed(t));
}
