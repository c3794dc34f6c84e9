#include "curve_styles.h"

#include <cstdint>

namespace {

// Start colour and outer distance of each style.
struct CurveStyle {
    std::uint8_t red, green, blue;
    double outer;
};
constexpr std::array<CurveStyle, 6> kCurveStyles{{
    {0, 0, 255, 2.0},
    {255, 0, 0, 3.0},
    {0, 255, 0, 1.8},
    {0, 255, 255, 2.0},
    {0, 128, 255, 2.0},
    {128, 0, 255, 2.0},
}};

}  // namespace

CurveStyles::CurveStyles() {
    for (std::size_t i = 0; i < kCurveStyles.size(); ++i) {
        const CurveStyle& s = kCurveStyles[i];
        ramps_[i].SetStart(s.red, s.green, s.blue, 0);
        ramps_[i].SetEnd(255, 255, 255, 0);
        profiles_[i].SetMap(&ramps_[i]);
        profiles_[i].SetInner(1.0);
        profiles_[i].SetOuter(s.outer);
    }
}
