#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>

#include "continuum.h"
#include "mesh.h"
#include "scattering.h"
#include "sweep.h"

namespace scattering {

using namespace detail;
using spectrum::detail::Continuum;
using spectrum::detail::Side;

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr double kMaxStep = 0.1;         // at most, anywhere
constexpr double kPhasePerStep = 0.5;    // radians of oscillation (or e-folds) per step
constexpr double kBucketsPerOctave = 4;  // meshes kept per doubling of E above the lowest limit
constexpr double kScanHalfWidth = 20.0;
constexpr double kShortestRange = 1.0;

std::string Number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", x);
    return text;
}

void CheckSide(const Side& s, const char* side) {
    switch (s.kind) {
        case Side::Kind::LevelsOff:
            return;
        case Side::Kind::Grows:
            throw NoContinuum(std::string("V grows without bound on the ") + side +
                              ": there is no continuum to scatter in");
        case Side::Kind::Falls:
            throw NoContinuum(std::string("V falls without bound on the ") + side +
                              ": it has no limit to scatter from");
        case Side::Kind::Unknown:
            break;
    }
    throw NoContinuum(std::string("V does not settle to a limit on the ") + side +
                      ": there is no continuum to scatter in");
}

// A result of one mesh.
struct OnMesh {
    double t = 0.0;
    double r = 0.0;
    double floorT = 0.0;  // what rounding alone may have cost
    double floorR = 0.0;
};

}  // namespace

struct Transmission::Impl {
    Potential v;
    Settings settings;
    double left = 0.0;
    double right = 0.0;
    double start = 0.0;
    double end = 0.0;
    bool settledLeft = true;
    bool settledRight = true;
    double reachedLeft = 0.0;
    double reachedRight = 0.0;
    std::vector<double> breakpoints;  // inside (start, end), increasing

    struct Bucket {
        std::vector<double> nodes;
        std::vector<std::vector<Step>> levels;
    };
    mutable std::map<int, Bucket> buckets;
    // The same potential with an unreached tail cut halfway: the difference
    // tells what the tail beyond the range may hold.
    mutable std::unique_ptr<Impl> shortened;

    double Lowest() const { return std::fmin(left, right); }
    double Threshold() const { return std::fmax(left, right); }

    int BucketOf(double energy) const {
        const double u = std::fmax(energy - Lowest(), 0.0);
        return static_cast<int>(std::floor(kBucketsPerOctave * std::log2(1.0 + u)));
    }
    double BucketTop(int b, double offset) const {
        return Lowest() + std::exp2((b + offset) / kBucketsPerOctave) - 1.0;
    }

    // Steps of at most half a radian (or half an e-fold) anywhere in the
    // bucket's energies, ending on every breakpoint.
    std::vector<double> Nodes(double lo, double hi) const {
        const auto localStep = [&](double x) {
            const double value = v(x);
            const double q = std::fmax(std::fabs(hi - value), std::fabs(lo - value));
            return q > 0.0 ? std::fmin(kMaxStep, kPhasePerStep / std::sqrt(2.0 * q)) : kMaxStep;
        };
        std::vector<double> targets = breakpoints;
        targets.push_back(end);
        std::vector<double> nodes{start};
        double x = start;
        for (double b : targets) {
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
            }
        }
        return nodes;
    }

    const std::vector<Step>& Steps(double meshEnergy, int level) const {
        const int b = BucketOf(meshEnergy);
        Bucket& bucket = buckets[b];
        if (bucket.nodes.empty()) bucket.nodes = Nodes(BucketTop(b, 0), BucketTop(b, 1));
        while (static_cast<int>(bucket.levels.size()) <= level) {
            const int parts = 1 << bucket.levels.size();
            std::vector<Step> steps;
            steps.reserve((bucket.nodes.size() - 1) * parts);
            for (std::size_t i = 0; i + 1 < bucket.nodes.size(); ++i) {
                const double a = bucket.nodes[i];
                const double z = bucket.nodes[i + 1];
                for (int j = 0; j < parts; ++j)
                    steps.push_back(
                        spectrum::detail::MakeStep(v, a + (z - a) * j / parts, (z - a) / parts));
            }
            bucket.levels.push_back(std::move(steps));
        }
        return bucket.levels[level];
    }

    // The wave leaving on the right, carried back to the left end.
    Pair FromRight(const std::vector<Step>& steps, double energy,
                   std::vector<Pair>* record = nullptr) const {
        Pair y;
        y.psi = 1.0;
        if (energy > right)
            y.dpsi = Complex(0.0, std::sqrt(2.0 * (energy - right)));
        else
            y.dpsi = -std::sqrt(2.0 * (right - energy));
        return Backward(steps, energy, y, record);
    }

    OnMesh Solve(double energy, const std::vector<Step>& steps) const {
        const double kL = std::sqrt(2.0 * (energy - left));
        const double kR = std::sqrt(2.0 * (energy - right));
        const Pair y = FromRight(steps, energy);
        const Complex turn = y.dpsi / Complex(0.0, kL);
        const Complex a = 0.5 * (y.psi + turn);
        const Complex b = 0.5 * (y.psi - turn);
        OnMesh out;
        out.t = kR / kL * std::exp(-2.0 * y.logScale) / std::norm(a);
        out.r = std::norm(b) / std::norm(a);
        const double rounding = 16.0 * kEps * std::sqrt(static_cast<double>(steps.size()) + 1.0);
        out.floorT = rounding * out.t;
        out.floorR = rounding * (out.r + std::sqrt(out.r));
        return out;
    }

    // T and R on meshes halving until two agree; the level reached.
    Point Converged(double energy, int& level) const {
        Point p;
        p.energy = energy;
        OnMesh previous = Solve(energy, Steps(energy, 0));
        const double tol = settings.tolerance;
        for (level = 1;; ++level) {
            const OnMesh now = Solve(energy, Steps(energy, level));
            p.transmission = now.t;
            p.reflection = now.r;
            p.transmissionError = std::fabs(now.t - previous.t) + now.floorT;
            p.reflectionError = std::fabs(now.r - previous.r) + now.floorR;
            const bool done = p.transmissionError <= tol * now.t &&
                              p.reflectionError <= tol * std::fmax(now.r, now.t);
            if (done) break;
            if (level >= settings.maxRefinements) {
                p.converged = false;
                p.warning = "the estimate stayed above the target of " + Number(tol);
                break;
            }
            previous = now;
        }
        return p;
    }

    Point At(double energy) const;
    std::vector<Complex> State(double energy, Incoming from, const std::vector<double>& xs) const;
    std::vector<Complex> Values(double energy, const std::vector<Step>& steps,
                                const std::vector<Pair>& nodes, double logNorm, Complex norm,
                                const std::vector<double>& xs) const;
};

Point Transmission::Impl::At(double energy) const {
    if (!(energy > Lowest()))
        throw NoContinuum("E = " + Number(energy) + " is not above the lower limit of V, " +
                          Number(Lowest()) + ": no wave comes in");
    Point p;
    p.energy = energy;
    if (!(energy > Threshold())) {
        // Between the limits the wave dies away on the closed side.
        p.open = false;
        p.reflection = 1.0;
        return p;
    }
    int level = 0;
    p = Converged(energy, level);
    if (settledLeft && settledRight) return p;
    if (!shortened) {
        shortened = std::make_unique<Impl>();
        Impl& cut = *shortened;
        cut.v = v;
        cut.settings = settings;
        cut.left = left;
        cut.right = right;
        cut.start = start;
        cut.end = end;
        cut.breakpoints = breakpoints;
        if (!settledLeft) shortened->start = 0.5 * start;
        if (!settledRight) shortened->end = 0.5 * end;
        shortened->settledLeft = shortened->settledRight = true;
        std::erase_if(shortened->breakpoints,
                      [&](double x) { return !(x > shortened->start && x < shortened->end); });
    }
    const Point cut = shortened->At(energy);
    p.transmissionError += std::fabs(cut.transmission - p.transmission);
    p.reflectionError += std::fabs(cut.reflection - p.reflection);
    p.converged = false;
    p.warning = "V has not reached its limit at x = " + Number(settledRight ? start : end) +
                ": the tail beyond is left out";
    return p;
}

std::vector<Complex> Transmission::Impl::Values(double energy, const std::vector<Step>& steps,
                                                const std::vector<Pair>& nodes, double logNorm,
                                                Complex norm, const std::vector<double>& xs) const {
    std::vector<Complex> out;
    out.reserve(xs.size());
    for (double x : xs) {
        // The step holding x, and y carried from its start to x.
        const auto after =
            std::upper_bound(steps.begin(), steps.end(), x,
                             [](double value, const Step& s) { return value < s.x0; });
        const std::size_t i =
            after == steps.begin() ? 0 : static_cast<std::size_t>(after - steps.begin()) - 1;
        Pair y = nodes[i];
        const double from = steps[i].x0;
        if (x > from) y = Across(spectrum::detail::MakeStep(v, from, x - from), energy, y);
        out.push_back(y.psi * std::exp(y.logScale - logNorm) / norm);
    }
    return out;
}

std::vector<Complex> Transmission::Impl::State(double energy, Incoming from,
                                               const std::vector<double>& xs) const {
    const bool fromLeft = from == Incoming::Left;
    if (!(energy > (fromLeft ? left : right))) return {};
    int level = 0;
    if (energy > Threshold()) Converged(energy, level);
    const std::vector<Step>& steps = Steps(energy, level);
    const auto wave = [](double k2) {  // i k where open, -kappa where closed
        return k2 > 0.0 ? Complex(0.0, std::sqrt(k2)) : Complex(-std::sqrt(-k2), 0.0);
    };
    const Complex ikL = wave(2.0 * (energy - left));
    const Complex ikR = wave(2.0 * (energy - right));
    std::vector<Pair> nodes;
    Complex in;    // the incoming amplitude, scaled
    Complex back;  // the reflected one
    double logNorm = 0.0;
    if (fromLeft) {
        const Pair y = FromRight(steps, energy, &nodes);
        in = 0.5 * (y.psi + y.dpsi / ikL);
        back = 0.5 * (y.psi - y.dpsi / ikL);
        logNorm = y.logScale;
    } else {
        Pair y;
        y.psi = 1.0;
        y.dpsi = -ikL;  // leaving to the left, or dying away there
        y = Forward(steps, energy, y, &nodes);
        in = 0.5 * (y.psi - y.dpsi / ikR);
        back = 0.5 * (y.psi + y.dpsi / ikR);
        logNorm = y.logScale;
    }
    std::vector<double> inside;
    for (double x : xs)
        if (x >= start && x <= end) inside.push_back(x);
    const std::vector<Complex> middle = Values(energy, steps, nodes, logNorm, in, inside);
    // Beyond the ends V is at its limits and psi is the plane waves exactly.
    const Complex farLeft = std::exp(nodes.front().logScale - logNorm) / in;
    const Complex farRight = std::exp(nodes.back().logScale - logNorm) / in;
    // The incoming wave is e^(i k x), of phase 0 at x = 0 (not at the end).
    const Complex phase = fromLeft ? std::exp(ikL * start) : std::exp(-ikR * end);
    std::vector<Complex> out;
    out.reserve(xs.size());
    std::size_t k = 0;
    for (double x : xs) {
        if (x >= start && x <= end) {
            out.push_back(phase * middle[k++]);
        } else if (x < start) {
            const double d = x - start;
            out.push_back(phase * (fromLeft ? std::exp(ikL * d) + back / in * std::exp(-ikL * d)
                                            : farLeft * std::exp(-ikL * d)));
        } else {
            const double d = x - end;
            out.push_back(phase * (fromLeft ? farRight * std::exp(ikR * d)
                                            : std::exp(-ikR * d) + back / in * std::exp(ikR * d)));
        }
    }
    return out;
}

Transmission::Transmission(Potential v, std::vector<double> jumps, Settings settings)
    : impl_(std::make_unique<Impl>()) {
    Impl& m = *impl_;
    m.v = std::move(v);
    m.settings = settings;
    const spectrum::detail::Sampled near = spectrum::detail::SamplePotential(m.v, kScanHalfWidth);
    double scale = 1.0;
    for (double value : near.vs)
        if (std::isfinite(value)) scale = std::fmax(scale, std::fabs(value));
    const Continuum c = spectrum::detail::FindContinuum(m.v, scale);
    CheckSide(c.left, "left");
    CheckSide(c.right, "right");
    m.left = c.left.limit;
    m.right = c.right.limit;
    m.settledLeft = c.left.settled;
    m.settledRight = c.right.settled;
    m.start = -c.left.reached;
    m.end = c.right.reached;
    if (m.end - m.start < kShortestRange) {
        const double grow = 0.5 * (kShortestRange - (m.end - m.start));
        m.start -= grow;
        m.end += grow;
    }
    for (double x : near.jumps)
        jumps.push_back(x);
    const double reach = std::fmax(-m.start, m.end);
    if (reach > kScanHalfWidth)
        for (double x : spectrum::detail::SamplePotential(m.v, reach).jumps)
            jumps.push_back(x);
    std::sort(jumps.begin(), jumps.end());
    for (double x : jumps)
        if (x > m.start && x < m.end &&
            (m.breakpoints.empty() ||
             x - m.breakpoints.back() > 1e-12 * std::fmax(1.0, std::fabs(x))))
            m.breakpoints.push_back(x);
}

Transmission::~Transmission() = default;
Transmission::Transmission(Transmission&&) noexcept = default;
Transmission& Transmission::operator=(Transmission&&) noexcept = default;

double Transmission::Left() const {
    return impl_->left;
}
double Transmission::Right() const {
    return impl_->right;
}
double Transmission::Lowest() const {
    return impl_->Lowest();
}
double Transmission::Threshold() const {
    return impl_->Threshold();
}
double Transmission::Start() const {
    return impl_->start;
}
double Transmission::End() const {
    return impl_->end;
}

Point Transmission::At(double energy) const {
    return impl_->At(energy);
}

std::vector<Complex> Transmission::State(double energy, Incoming from,
                                         const std::vector<double>& xs) const {
    return impl_->State(energy, from, xs);
}

Transmission::Amplitude Transmission::IncomingAmplitude(Complex energy, double meshEnergy,
                                                        int level) const {
    const Impl& m = *impl_;
    const std::vector<Step>& steps = m.Steps(meshEnergy, level);
    const Complex ikL = Complex(0.0, 1.0) * std::sqrt(2.0 * (energy - m.left));
    const Complex ikR = Complex(0.0, 1.0) * std::sqrt(2.0 * (energy - m.right));
    Pair y;
    y.psi = 1.0;
    y.dpsi = ikR;
    y = Backward(steps, energy, y);
    return {0.5 * (y.psi + y.dpsi / ikL), y.logScale};
}

}  // namespace scattering
