#include "oscillator_states.h"

#include <cmath>
#include <numbers>

namespace dynamics {

std::vector<Eigenstate> OscillatorLevels(double coefficient, double offset, std::size_t count,
                                         const Grid& grid) {
    const double omega = std::sqrt(2.0 * coefficient);
    const double root = std::sqrt(omega);  // xi = sqrt(omega) x
    std::vector<Eigenstate> levels(count);
    for (std::size_t n = 0; n < count; ++n) {
        levels[n].energy = offset + omega * (static_cast<double>(n) + 0.5);
        levels[n].samples.resize(grid.count);
    }
    // The normalised recurrence
    //   phi_{n+1} = sqrt(2 / (n + 1)) xi phi_n - sqrt(n / (n + 1)) phi_{n-1},
    // stable where the Hermite polynomials alone would overflow.
    const double phi0 = std::pow(omega / std::numbers::pi, 0.25);
    for (std::size_t i = 0; i < grid.count; ++i) {
        const double xi = root * grid.X(i);
        double previous = 0.0;
        double current = phi0 * std::exp(-0.5 * xi * xi);
        for (std::size_t n = 0; n < count; ++n) {
            levels[n].samples[i] = current;
            const double m = static_cast<double>(n);
            const double next =
                std::sqrt(2.0 / (m + 1.0)) * xi * current - std::sqrt(m / (m + 1.0)) * previous;
            previous = current;
            current = next;
        }
    }
    return levels;
}

}  // namespace dynamics
