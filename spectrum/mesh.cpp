#include "mesh.h"

#include <algorithm>
#include <cmath>

namespace spectrum::detail {

namespace {

constexpr int kScanHalfSamples = 2000;
constexpr double kAllowedStep = 0.08;  // at most, where E > V
constexpr double kPhasePerStep = 0.5;  // radians of oscillation per step
constexpr double kTailGrowth = 0.25;   // forbidden steps grow with the distance
constexpr double kFarLimit = 1e4;      // no range reaches further than this

double Kappa(const Potential& v, double x, double energy) {
    return std::sqrt(2.0 * std::fmax(v(x) - energy, 0.0));
}

// Marches from `from` in direction `dir` until the action reaches `action`.
double TailEnd(const Potential& v, double from, int dir, double energy, double action,
               bool& truncated) {
    double x = from;
    double sum = 0.0;
    double dx = 1e-3;
    while (sum < action) {
        const double kappa = Kappa(v, x + dir * 0.5 * dx, energy);
        if (kappa == 0.0) sum = 0.0;  // allowed again: a well beyond the scan
        sum += kappa * dx;
        x += dir * dx;
        if (std::fabs(x - from) > kFarLimit) {
            truncated = true;
            break;
        }
        const double byAction = kappa > 0.0 ? 0.25 / kappa : dx * 2.0;
        dx = std::fmin(std::fmin(dx * 1.5, byAction), 0.05 * (1.0 + std::fabs(x - from)));
        dx = std::fmax(dx, 1e-4);
    }
    return x;
}

}  // namespace

namespace {

// The point between lo and hi where V goes from its value at lo to its value
// at hi, to rounding.
double LocateJump(const Potential& v, double lo, double hi) {
    const double vLo = v(lo);
    const double vHi = v(hi);
    for (double mid = 0.5 * (lo + hi); mid > lo && mid < hi; mid = 0.5 * (lo + hi)) {
        const double value = v(mid);
        (std::fabs(value - vLo) <= std::fabs(value - vHi) ? lo : hi) = mid;
    }
    return hi;
}

void FindJumps(const Potential& v, const std::vector<double>& xs, const std::vector<double>& vs,
               std::vector<double>& jumps) {
    for (std::size_t i = 1; i + 2 < vs.size(); ++i) {
        const double step = std::fabs(vs[i + 1] - vs[i]);
        const double beside = std::fabs(vs[i] - vs[i - 1]) + std::fabs(vs[i + 2] - vs[i + 1]);
        const double size = std::fmax(1.0, std::fmax(std::fabs(vs[i]), std::fabs(vs[i + 1])));
        if (step > 1e-9 * size && step > 100.0 * beside)
            jumps.push_back(LocateJump(v, xs[i], xs[i + 1]));
    }
}

}  // namespace

Sampled SamplePotential(const Potential& v, double halfWidth) {
    Sampled out;
    out.xs.reserve(2 * kScanHalfSamples + 1);
    out.vs.reserve(2 * kScanHalfSamples + 1);
    for (int i = -kScanHalfSamples; i <= kScanHalfSamples; ++i) {
        const double x = halfWidth * i / kScanHalfSamples;
        out.xs.push_back(x);
        out.vs.push_back(v(x));
    }
    FindJumps(v, out.xs, out.vs, out.jumps);
    return out;
}

Scan ScanAt(const Sampled& sampled, double energy) {
    Scan s;
    s.bottom = INFINITY;
    for (std::size_t i = 0; i < sampled.xs.size(); ++i) {
        const double x = sampled.xs[i];
        const double value = sampled.vs[i];
        if (value < s.bottom) {
            s.bottom = value;
            s.xBottom = x;
        }
        if (value < energy) {
            if (!s.allowed) s.left = x;
            s.right = x;
            s.allowed = true;
        }
    }
    s.jumps = sampled.jumps;
    return s;
}

Scan ScanPotential(const Potential& v, double halfWidth, double energy) {
    return ScanAt(SamplePotential(v, halfWidth), energy);
}

void ScanBetween(const Potential& v, const std::vector<double>& breakpoints, double energy,
                 Scan& s) {
    for (std::size_t i = 0; i + 1 < breakpoints.size(); ++i) {
        const double x = 0.5 * (breakpoints[i] + breakpoints[i + 1]);
        const double value = v(x);
        if (value < s.bottom) {
            s.bottom = value;
            s.xBottom = x;
        }
        if (value < energy) {
            s.left = s.allowed ? std::fmin(s.left, x) : x;
            s.right = s.allowed ? std::fmax(s.right, x) : x;
            s.allowed = true;
        }
    }
}

bool LooksEven(const Potential& v, double halfWidth) {
    for (int i = 1; i <= kScanHalfSamples; ++i) {
        const double x = halfWidth * i / kScanHalfSamples;
        const double a = v(x);
        if (std::fabs(a - v(-x)) > 1e-12 * std::fmax(1.0, std::fabs(a))) return false;
    }
    return true;
}

Range IntegrationRange(const Potential& v, const Scan& scan, double energy, double action) {
    Range r;
    r.left = TailEnd(v, scan.left, -1, energy, action, r.truncated);
    r.right = TailEnd(v, scan.right, +1, energy, action, r.truncated);
    return r;
}

Step MakeStep(const Potential& v, double x0, double h) {
    // Two-point Gauss-Legendre nodes of the step.
    const double mid = x0 + 0.5 * h;
    const double offset = h / (2.0 * std::sqrt(3.0));
    const double v1 = v(mid - offset);
    const double v2 = v(mid + offset);
    return {x0, h, v1 + v2, std::sqrt(3.0) / 6.0 * h * h * (v1 - v2)};
}

std::vector<double> BaseNodes(const Potential& v, const Scan& scan, const Range& range,
                              double energy, std::vector<double> breakpoints, std::size_t most) {
    breakpoints.push_back(range.right);
    std::sort(breakpoints.begin(), breakpoints.end());
    // A jump both declared and found on the scan is one breakpoint.
    const auto near = [](double a, double b) {
        return b - a <= 1e-12 * std::fmax(1.0, std::fabs(b));
    };
    breakpoints.erase(std::unique(breakpoints.begin(), breakpoints.end(), near), breakpoints.end());
    // Where V < energy, the allowed region: steps are bounded by the phase.
    // Outside it they grow with the distance from it, where the solution
    // only decays, and a few radians of growth per step cost nothing.
    const auto localStep = [&](double x) {
        const double d = energy - v(x);
        if (d > 0.0) return std::fmin(kAllowedStep, kPhasePerStep / std::sqrt(2.0 * d));
        const double kappa = std::sqrt(std::fmax(-2.0 * d, 0.0));
        const double far =
            kAllowedStep + kTailGrowth * std::fmax(0.0, std::fmax(scan.left - x, x - scan.right));
        return kappa > 0.0 ? std::fmin(far, std::fmax(kAllowedStep, 2.0 / kappa)) : far;
    };
    std::vector<double> nodes{range.left};
    double x = range.left;
    for (double b : breakpoints) {
        if (b <= x) continue;
        while (x < b) {
            const double h = localStep(x);
            if (x + 1.25 * h >= b) {
                const double from = x;
                const int n = static_cast<int>(std::ceil((b - from) / h));
                for (int i = 1; i < n; ++i)
                    nodes.push_back(from + (b - from) * i / n);
                nodes.push_back(b);
                x = b;
            } else {
                x += h;
                nodes.push_back(x);
            }
            if (nodes.size() > most) return nodes;
        }
    }
    return nodes;
}

Mesh RefinedMesh(const Potential& v, const std::vector<double>& nodes, int level, double matchX,
                 bool mirrored) {
    Mesh mesh;
    mesh.mirrored = mirrored;
    const int parts = 1 << level;
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (std::fabs(nodes[i] - matchX) < std::fabs(nodes[nearest] - matchX)) nearest = i;
    mesh.match = std::min(nearest, nodes.size() - 2) * parts;
    if (mesh.match == 0) mesh.match = parts;
    mesh.steps.reserve((nodes.size() - 1) * parts);
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        const double a = nodes[i];
        const double h = (nodes[i + 1] - a) / parts;
        for (int j = 0; j < parts; ++j)
            mesh.steps.push_back(MakeStep(v, a + (nodes[i + 1] - a) * j / parts, h));
    }
    mesh.inner = std::min(mesh.match, mesh.steps.size());
    if (mirrored) mesh.match = mesh.steps.size();
    return mesh;
}

}  // namespace spectrum::detail
