// The constants of the model: units with hbar = m = 1, one grid for every
// wave function, and where the search and the views start.
#pragma once

#include <cstdint>

namespace model {

inline constexpr double kMassFactor = 1.0;
inline constexpr double kGridMin = -20.0;
inline constexpr double kGridMax = 20.0;
inline constexpr std::uint16_t kSamples = 4001;
inline constexpr double kGridStep = (kGridMax - kGridMin) / (kSamples - 1);
inline constexpr std::uint16_t kCentreIndex = 2000;
inline constexpr std::uint16_t kNormalisationSteps = 2000;
inline constexpr double kInitialEnergy = -1.0;

}  // namespace model
