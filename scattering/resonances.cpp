// The resonances: zeros of the incoming amplitude A(E) of the wave that
// leaves on the right (the transmission amplitude is 1/A), continued below
// the real axis through k = sqrt(2 (E - V)) with Re k > 0, where the waves
// leaving grow outwards. Candidates come from the real axis, sampled: the
// peaks of T, where a Lorentzian through three samples gives E_r and Gamma,
// and the samples between which the phase of A turns by more than a radian
// (a peak too narrow for the samples). Each is refined by the secant
// method in the complex plane on a mesh, then again on the mesh with its
// steps halved, until the two agree; the difference is the estimate. A
// candidate that converges to no zero below the axis within the range is no
// resonance and is dropped.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "scattering.h"

namespace scattering {

namespace {

constexpr int kSamples = 600;
constexpr int kMostIterations = 80;
constexpr double kPhaseJump = 1.0;
constexpr double kLeastRise = 1e-9;
constexpr int kMostLevels = 6;
constexpr double kEps = 2.220446049250313e-16;

struct Guess {
    double energy;
    double width;
};

struct Sample {
    double energy;
    double t;
    double phase;
};

// A(E) / A(at) without overflow.
Complex Ratio(const Transmission::Amplitude& a, const Transmission::Amplitude& at) {
    return a.mantissa / at.mantissa * std::exp(std::clamp(a.logScale - at.logScale, -700.0, 700.0));
}

// The secant method on A from z0 and z1; converged when the last step is
// below rounding.
std::optional<Complex> SecantRoot(const Transmission& t, Complex z0, Complex z1, double meshEnergy,
                                  int level) {
    Transmission::Amplitude f0 = t.IncomingAmplitude(z0, meshEnergy, level);
    for (int i = 0; i < kMostIterations; ++i) {
        const Transmission::Amplitude f1 = t.IncomingAmplitude(z1, meshEnergy, level);
        if (f1.mantissa == 0.0) return z1;
        const Complex q = Ratio(f0, f1);  // f0 / f1
        if (!std::isfinite(q.real()) || !std::isfinite(q.imag()) || q == 1.0) return std::nullopt;
        const Complex step = (z1 - z0) / (1.0 - q);
        z0 = z1;
        f0 = f1;
        z1 = z1 - step;
        if (!std::isfinite(z1.real()) || !std::isfinite(z1.imag())) return std::nullopt;
        if (std::abs(step) <= 64.0 * kEps * std::fmax(1.0, std::abs(z1))) return z1;
    }
    return std::nullopt;
}

std::vector<Sample> SampleAxis(const Transmission& t, double lo, double hi) {
    std::vector<Sample> out;
    for (int i = 0; i <= kSamples; ++i) {
        const double e = lo + (hi - lo) * i / kSamples;
        const Transmission::Amplitude a = t.IncomingAmplitude(Complex(e, 0.0), e, 1);
        const double ratio = std::sqrt((e - t.Right()) / (e - t.Left()));
        out.push_back(
            {e, ratio * std::exp(-2.0 * a.logScale) / std::norm(a.mantissa), std::arg(a.mantissa)});
    }
    return out;
}

std::vector<Guess> Candidates(const std::vector<Sample>& s) {
    std::vector<Guess> out;
    const double spacing = s[1].energy - s[0].energy;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        // A peak, not the rounding of a flat T.
        const double rise = s[i].t - std::fmax(s[i - 1].t, s[i + 1].t);
        if (s[i].t > s[i - 1].t && s[i].t >= s[i + 1].t && rise > kLeastRise * s[i].t) {
            // 1/T is a parabola about a Lorentzian's top: (1 + 4 (E - E_r)^2 / Gamma^2) / T_max.
            const double y0 = 1.0 / s[i - 1].t, y1 = 1.0 / s[i].t, y2 = 1.0 / s[i + 1].t;
            const double curve = (y0 - 2.0 * y1 + y2) / (spacing * spacing);  // 2 a
            const double slope = (y2 - y0) / (2.0 * spacing);
            const double shift = curve > 0.0 ? std::clamp(-slope / curve, -spacing, spacing) : 0.0;
            const double top = y1 + 0.5 * slope * shift;  // 1 / T_max
            const double width =
                curve > 0.0 && top > 0.0 ? 2.0 * std::sqrt(2.0 * top / curve) : spacing;
            out.push_back({s[i].energy + shift, std::fmax(width, 1e-3 * spacing)});
        }
        double turn = s[i + 1].phase - s[i].phase;
        turn -= 2.0 * std::numbers::pi * std::round(turn / (2.0 * std::numbers::pi));
        if (std::fabs(turn) > kPhaseJump)
            out.push_back({0.5 * (s[i].energy + s[i + 1].energy), 0.1 * spacing});
    }
    return out;
}

}  // namespace

std::vector<Resonance> Transmission::Resonances(double from, double to) const {
    const double lo = std::fmax(from, Threshold());
    std::vector<Resonance> out;
    if (!(to > lo)) return out;
    const std::vector<Sample> samples = SampleAxis(*this, lo, to);
    std::vector<Complex> found;
    for (const Guess& g : Candidates(samples)) {
        Complex z(g.energy, -0.5 * g.width);
        Complex z1 = z + Complex(0.05 * g.width, -0.05 * g.width);
        std::optional<Complex> previous;
        Resonance r;
        bool ok = false;
        for (int level = 1; level <= kMostLevels; ++level) {
            const std::optional<Complex> root = SecantRoot(*this, z, z1, g.energy, level);
            if (!root) break;
            if (previous) {
                const double scale = std::fmax(1.0, std::abs(*root));
                const double change = std::abs(*root - *previous) + 64.0 * kEps * scale;
                r = {root->real(), -2.0 * root->imag(), change};
                ok = true;  // found on two meshes: the estimate says how well
                if (change <= 1e-10 * scale) break;
            }
            previous = root;
            z = *root;
            z1 = z + Complex(1e-6, -1e-6) * std::fmax(std::fabs(z.imag()), 1e-6);
        }
        if (!ok || !(r.width > 0.0) || r.energy < lo || r.energy > to) continue;
        const Complex pole(r.energy, -0.5 * r.width);
        const bool seen = std::any_of(found.begin(), found.end(), [&](Complex f) {
            return std::abs(f - pole) <= 1e-8 * std::fmax(1.0, std::abs(pole));
        });
        if (seen) continue;
        found.push_back(pole);
        out.push_back(r);
    }
    std::sort(out.begin(), out.end(),
              [](const Resonance& a, const Resonance& b) { return a.energy < b.energy; });
    return out;
}

}  // namespace scattering
