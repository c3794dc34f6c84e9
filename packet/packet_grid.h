// The open line's grid: 2048 points on [-40, 40), a step of 1/25.6 that is
// exact in binary, periodic for the transforms. The outer 8 units at each end
// are absorbing layers: what enters them leaves the grid and is booked to
// that edge. The time step is 1/128, also exact.
#pragma once

#include <cstddef>

namespace packet {

inline constexpr std::size_t kPoints = 2048;
inline constexpr double kGridMin = -40.0;
inline constexpr double kGridMax = 40.0;
inline constexpr double kStep = (kGridMax - kGridMin) / static_cast<double>(kPoints);
inline constexpr double kLayerWidth = 8.0;
// The interior, where nothing is absorbed.
inline constexpr double kInnerMin = kGridMin + kLayerWidth;
inline constexpr double kInnerMax = kGridMax - kLayerWidth;
// The absorbing potential -i W(x), W = kAbsorption * s^3 with s the depth
// into a layer as a fraction of its width: gentle enough that it sends back
// less than 1e-6 of a wave with k >= 3 (3e-6 at k = 2.5, 8e-5 at k = 2, 2e-3
// at k = 1.5: a layer 8 units wide cannot take slower waves quietly), strong
// enough that less than 1e-7 of one with |k| <= 12 gets through it (and on
// round the periodic grid into the other edge).
inline constexpr double kAbsorption = 50.0;
// The fastest wave number a packet may carry (|k0| plus 4 of its spreads 1 / (2 sigma)).
inline constexpr double kMaxPacketWaveNumber = 12.0;
inline constexpr double kTimeStep = 1.0 / 128.0;

inline constexpr double X(std::size_t i) {
    return kGridMin + static_cast<double>(i) * kStep;
}

// The wave number of the transform's bin j: 2 pi j / L below the middle, 2 pi
// (j - N) / L from it on.
double WaveNumber(std::size_t j);

// W(x) at sample i: 0 in the interior.
double Absorption(std::size_t i);

}  // namespace packet
