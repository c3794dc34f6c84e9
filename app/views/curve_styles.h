// The six curve styles the views draw with: a colour that fades to white
// over the stroke's outer distance. Every view of the dialog shares them.
#pragma once

#include <array>
#include <cstddef>

#include "color_ramp.h"
#include "stroke_profile.h"

class CurveStyles {
  public:
    enum Style : std::size_t {
        kReal = 0,          // blue: real part of the prediction or a level
        kDensity = 1,       // red: probability density
        kPotential = 2,     // green: the potential
        kUnused = 3,        // cyan
        kLowerBracket = 4,  // azure: lower bracket while searching
        kUpperBracket = 5,  // violet: upper bracket while searching
    };

    CurveStyles();
    // The profiles point at the ramps: the styles stay where they are made.
    CurveStyles(const CurveStyles&) = delete;
    CurveStyles& operator=(const CurveStyles&) = delete;

    RampProfile* Profile(Style style) { return &profiles_[style]; }

  private:
    std::array<ColorRamp, 6> ramps_;
    std::array<RampProfile, 6> profiles_;
};
