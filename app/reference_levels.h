// Bound states of the continuous problem, -1/2 psi'' + V psi = E psi with
// hbar = 1 and mass K, where it has a known answer: the levels the shooting
// search should approach as its grid step goes to zero.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct ReferenceLevel {
    int n;                // quantum number: n nodes
    std::uint8_t parity;  // 0 even, 1 odd (n mod 2 for a symmetric potential)
    double energy;
};

// V = alpha x^2 + d: E_n = d + omega (n + 1/2) with omega = sqrt(2 alpha / K),
// for n = 0 .. count - 1.
std::vector<ReferenceLevel> OscillatorLevels(double alpha, double offset, double massFactor,
                                             int count);

// V = v0 (< 0) for |x| < a, 0 outside: every bound state. With k a = z inside
// and kappa a = sqrt(z0^2 - z^2) outside, z0 = a sqrt(2 K |v0|), the even states
// solve z tan z = sqrt(z0^2 - z^2) and the odd ones -z cot z = sqrt(z0^2 - z^2),
// level n having z in (n pi/2, (n + 1) pi/2). Each root is bisected until the
// energy bracket is narrower than 1e-13.
std::vector<ReferenceLevel> SquareWellLevels(double halfWidth, double depth, double massFactor);

// The reference of the given parity nearest to energy, if any.
std::optional<ReferenceLevel> NearestReference(const std::vector<ReferenceLevel>& levels,
                                               std::uint8_t parity, double energy);
