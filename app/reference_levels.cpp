#include "reference_levels.h"

#include <cmath>
#include <numbers>

std::vector<ReferenceLevel> OscillatorLevels(double alpha, double offset, double massFactor,
                                             int count) {
    const double omega = std::sqrt(2.0 * alpha / massFactor);
    std::vector<ReferenceLevel> levels;
    for (int n = 0; n < count; ++n)
        levels.push_back({n, static_cast<std::uint8_t>(n % 2), offset + omega * (n + 0.5)});
    return levels;
}

std::vector<ReferenceLevel> SquareWellLevels(double halfWidth, double depth, double massFactor) {
    const double a = halfWidth;
    const double z0 = a * std::sqrt(2.0 * massFactor * -depth);
    const auto energy = [&](double z) { return z * z / (2.0 * massFactor * a * a) + depth; };
    // The matching conditions multiplied out by cos z or sin z, so that they
    // have no poles: even z sin z - w cos z = 0, odd z cos z + w sin z = 0.
    const auto mismatch = [&](int parity, double z) {
        const double w = std::sqrt(std::fmax(z0 * z0 - z * z, 0.0));
        return parity == 0 ? z * std::sin(z) - w * std::cos(z) : z * std::cos(z) + w * std::sin(z);
    };

    std::vector<ReferenceLevel> levels;
    for (int n = 0; n * (std::numbers::pi / 2.0) < z0; ++n) {
        const int parity = n % 2;
        double lo = n * (std::numbers::pi / 2.0);
        double hi = std::fmin((n + 1) * (std::numbers::pi / 2.0), z0);
        double fLo = mismatch(parity, lo);
        if (fLo == 0.0) {
            levels.push_back({n, static_cast<std::uint8_t>(parity), energy(lo)});
            continue;
        }
        if (fLo * mismatch(parity, hi) > 0.0) continue;  // no root: the well ends first
        while (energy(hi) - energy(lo) > 1e-13) {
            const double mid = 0.5 * (lo + hi);
            if (mid <= lo || mid >= hi) break;
            const double fMid = mismatch(parity, mid);
            if (fMid == 0.0) {
                lo = hi = mid;
                break;
            }
            if ((fMid > 0.0) == (fLo > 0.0)) {
                lo = mid;
                fLo = fMid;
            } else {
                hi = mid;
            }
        }
        levels.push_back({n, static_cast<std::uint8_t>(parity), energy(0.5 * (lo + hi))});
    }
    return levels;
}

std::optional<ReferenceLevel> NearestReference(const std::vector<ReferenceLevel>& levels,
                                               std::uint8_t parity, double energy) {
    std::optional<ReferenceLevel> best;
    for (const ReferenceLevel& r : levels) {
        if (r.parity != parity) continue;
        if (!best || std::fabs(r.energy - energy) < std::fabs(best->energy - energy)) best = r;
    }
    return best;
}
