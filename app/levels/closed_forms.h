// Bound states of the continuous problem, -1/2 psi'' + V psi = E psi with
// hbar = 1 and mass K, where it has a known answer: the levels the shooting
// search should approach as its grid step goes to zero.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <span>

#include "potential_family.h"
#include "spectrum.h"

// Level n of a symmetric potential: n nodes, the parity of n, no error.
spectrum::Level ClosedFormLevel(int n, double energy);

// V = alpha x^2 + d: E_n = d + omega (n + 1/2) with omega = sqrt(2 alpha / K),
// for n = 0 .. count - 1.
std::vector<spectrum::Level> OscillatorLevels(double alpha, double offset, double massFactor,
                                              int count);

// V = v0 (< 0) for |x| < a, 0 outside: every bound state. With k a = z inside
// and kappa a = sqrt(z0^2 - z^2) outside, z0 = a sqrt(2 K |v0|), the even states
// solve z tan z = sqrt(z0^2 - z^2) and the odd ones -z cot z = sqrt(z0^2 - z^2),
// level n having z in (n pi/2, (n + 1) pi/2). Each root is bisected until the
// energy bracket is narrower than `bracket` (0: until it cannot shrink).
std::vector<spectrum::Level> SquareWellLevels(double halfWidth, double depth, double massFactor,
                                              double bracket = 0.0);

// V = depth sech^2(x / w), depth < 0: with lambda (lambda + 1) = 2 K |depth| w^2,
// E_n = -(lambda - n)^2 / (2 K w^2) for every n < lambda.
std::vector<spectrum::Level> PoschlTellerLevels(double depth, double width, double massFactor);

// V = slope |x| + d: E_n = d + (slope^2 / 2K)^(1/3) t_n, t_n the zeros of
// Ai'(-t) (n even) and of Ai(-t) (n odd) in turn; every level below `below`.
std::vector<spectrum::Level> VShapedLevels(double slope, double offset, double massFactor,
                                           double below);

// The k-th zero (k >= 1) of Ai(-t), or of Ai'(-t): the function by Taylor
// steps of Ai'' = z Ai from its values at 0, in long double, then bisected.
double AiryZero(int k, bool ofDerivative);

// The closed-form level of a search level's parity (0 even, 1 odd) nearest
// to energy, if any.
std::optional<spectrum::Level> NearestClosedForm(const std::vector<spectrum::Level>& levels,
                                                 std::uint8_t parity, double energy);

// The closed-form levels of a family at its settings, lowest first, every
// one below `below` and one more; none for a family without a closed form
// (Woods-Saxon, wells, formulas, a power other than 2).
std::vector<spectrum::Level> ClosedForms(FamilyId family, std::span<const double> values,
                                         double below);
