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
// energy bracket is narrower than `bracket` (0: until it cannot shrink).
std::vector<ReferenceLevel> SquareWellLevels(double halfWidth, double depth, double massFactor,
                                             double bracket = 1e-13);

// V = depth sech^2(x / w), depth < 0: with lambda (lambda + 1) = 2 K |depth| w^2,
// E_n = -(lambda - n)^2 / (2 K w^2) for every n < lambda.
std::vector<ReferenceLevel> PoschlTellerLevels(double depth, double width, double massFactor);

// V = slope |x| + d: E_n = d + (slope^2 / 2K)^(1/3) t_n, t_n the zeros of
// Ai'(-t) (n even) and of Ai(-t) (n odd) in turn; every level below `below`.
std::vector<ReferenceLevel> VShapedLevels(double slope, double offset, double massFactor,
                                          double below);

// The k-th zero (k >= 1) of Ai(-t), or of Ai'(-t): the function by Taylor
// steps of Ai'' = z Ai from its values at 0, in long double, then bisected.
double AiryZero(int k, bool ofDerivative);

// The reference of the given parity nearest to energy, if any.
std::optional<ReferenceLevel> NearestReference(const std::vector<ReferenceLevel>& levels,
                                               std::uint8_t parity, double energy);
