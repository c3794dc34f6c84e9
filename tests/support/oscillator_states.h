// The harmonic oscillator's stationary states in closed form, for
// V(x) = coefficient * x^2 + offset (m = hbar = 1, omega = sqrt(2 coefficient)):
// E_n = offset + omega (n + 1/2), phi_n the Hermite functions. The reference
// the evolution is checked against, and a source of many exact levels.
#pragma once

#include <cstddef>
#include <vector>

#include "superposition.h"

namespace dynamics {

// Levels 0 to count - 1 on the grid; coefficient > 0.
std::vector<Eigenstate> OscillatorLevels(double coefficient, double offset, std::size_t count,
                                         const Grid& grid);

}  // namespace dynamics
