#include "propagation.h"

#include <cmath>
#include <numbers>

namespace spectrum::detail {

namespace {

constexpr double kRescaleAbove = 1e100;  // squares and sums of squares stay finite

// The state of one sweep: y, the sign of the last non-zero psi, the zeros
// of psi passed, and the integral of psi^2 in the current scale.
struct Sweeper {
    double psi = 0.0;
    double dpsi = 1.0;
    int sign = 1;
    int nodes = 0;
    double norm = 0.0;
    double logScale = 0.0;

    void Apply(double a, double b, double c, double d, double drop, double h) {
        const double p = a * psi + b * dpsi;
        const double q = c * psi + d * dpsi;
        const double shrink = drop > 0.0 ? std::exp(-2.0 * drop) : 1.0;
        norm = (norm + 0.5 * h * psi * psi) * shrink + 0.5 * h * p * p;
        psi = p;
        dpsi = q;
        logScale += drop;
        if (std::fabs(psi) + std::fabs(dpsi) > kRescaleAbove) {
            psi /= kRescaleAbove;
            dpsi /= kRescaleAbove;
            norm /= kRescaleAbove * kRescaleAbove;
            logScale += std::log(kRescaleAbove);
        }
        if (psi != 0.0) {
            const int s = psi > 0.0 ? 1 : -1;
            if (s != sign) {
                ++nodes;
                sign = s;
            }
        }
    }

    // The Prufer angle's part in [0, pi]; psi has the sign `sign` or is 0.
    double Phase() const { return std::atan2(std::fabs(psi), sign * dpsi); }
    double Radius2() const { return psi * psi + dpsi * dpsi; }
};

// Whichever way a sweep runs, y' = Omega y on a step is solved by exp(Omega)
// forward and its adjugate (the inverse, as det = 1) backward.
// The start of a sweep at an end: psi = 0, or at an open end beyond which V
// stays at `limit`, the exponential decaying outwards, e^(-kappa |x|), with
// the integral of its square over the tail as the norm so far.
Sweeper Start(const std::optional<double>& limit, double energy, int inwards) {
    Sweeper w;
    if (!limit) {
        w.dpsi = inwards;
        return w;
    }
    const double kappa = std::sqrt(2.0 * std::fmax(*limit - energy, 0.0));
    w.psi = 1.0;
    w.dpsi = inwards * kappa;
    w.norm = 0.5 / std::fmax(kappa, 1e-150);
    return w;
}

template <class Visit>
Sweeper Left(const Mesh& mesh, double energy, Visit&& visit, std::size_t end) {
    Sweeper w = Start(mesh.openLeft, energy, +1);
    visit(0, w);
    for (std::size_t i = 0; i < end; ++i) {
        const StepMatrix m = Propagator(mesh.steps[i], energy);
        w.Apply(m.a, m.b, m.c, m.d, m.drop, mesh.steps[i].h);
        visit(i + 1, w);
    }
    return w;
}

template <class Visit>
Sweeper Right(const Mesh& mesh, double energy, Sweeper w, std::size_t stop, Visit&& visit) {
    w.sign = w.psi != 0.0 ? (w.psi > 0.0 ? 1 : -1) : (w.dpsi < 0.0 ? 1 : -1);  // just to the left
    visit(mesh.steps.size(), w);
    for (std::size_t i = mesh.steps.size(); i-- > stop;) {
        const StepMatrix m = Propagator(mesh.steps[i], energy);
        w.Apply(m.d, -m.b, -m.c, m.a, m.drop, mesh.steps[i].h);
        visit(i, w);
    }
    return w;
}

NodeValues Record(const Mesh& mesh, double energy, bool left, const Sweeper& start,
                  std::size_t stop) {
    NodeValues out;
    const std::size_t n = mesh.steps.size() + 1;
    out.psi.assign(n, 0.0);
    out.dpsi.assign(n, 0.0);
    out.logScale.assign(n, 0.0);
    const auto keep = [&](std::size_t i, const Sweeper& w) {
        out.psi[i] = w.psi;
        out.dpsi[i] = w.dpsi;
        out.logScale[i] = w.logScale;
    };
    if (left)
        Left(mesh, energy, keep, stop);
    else
        Right(mesh, energy, start, stop, keep);
    return out;
}

}  // namespace

StepMatrix Propagator(const Step& s, double energy) {
    // Omega = [[alpha, h], [h fbar, -alpha]] with fbar the mean of f at the
    // Gauss points; Omega^2 = theta2 I, so exp(Omega) = C I + S Omega.
    const double fbar = s.vSum - 2.0 * energy;
    const double theta2 = s.alpha * s.alpha + s.h * s.h * fbar;
    double c = 0.0;
    double sc = 0.0;  // sinh(t)/t or sin(t)/t
    double drop = 0.0;
    if (std::fabs(theta2) < 1e-6) {
        c = 1.0 + theta2 * (0.5 + theta2 / 24.0);
        sc = 1.0 + theta2 * (1.0 / 6.0 + theta2 / 120.0);
    } else if (theta2 > 0.0) {
        const double t = std::sqrt(theta2);
        if (t < 40.0) {
            const double em = std::expm1(t);
            const double e = 1.0 + em;
            c = 0.5 * (e + 1.0 / e);
            sc = em * (e + 1.0) / (2.0 * e * t);
        } else {
            const double tiny = std::exp(-2.0 * t);
            c = 0.5 * (1.0 + tiny);
            sc = 0.5 * (1.0 - tiny) / t;
            drop = t;
        }
    } else {
        const double t = std::sqrt(-theta2);
        c = std::cos(t);
        sc = std::sin(t) / t;
    }
    return {c + sc * s.alpha, sc * s.h, sc * s.h * fbar, c - sc * s.alpha, drop};
}

int Mismatch::Count() const {
    return theta > 0.0 ? static_cast<int>(std::ceil(theta / std::numbers::pi)) : 0;
}

Mismatch MismatchAt(const Mesh& mesh, double energy) {
    const auto none = [](std::size_t, const Sweeper&) {};
    const Sweeper l = Left(mesh, energy, none, mesh.match);
    Mismatch m;
    if (mesh.mirrored) {
        // The right solution is the mirror image: theta_R(0) = pi - theta_L(0).
        m.theta = 2.0 * (l.nodes * std::numbers::pi + l.Phase()) - std::numbers::pi;
        m.slope = 4.0 * l.norm / l.Radius2();
        return m;
    }
    const Sweeper r = Right(mesh, energy, Start(mesh.openRight, energy, -1), mesh.match, none);
    // theta_L = nodes pi + phase, theta_R = pi - nodes pi - (pi - phase).
    m.theta = (l.nodes + r.nodes) * std::numbers::pi + l.Phase() - r.Phase();
    m.slope = 2.0 * (l.norm / l.Radius2() + r.norm / r.Radius2());
    return m;
}

int ZerosOfJoin(const Mesh& mesh, double energy, int index) {
    const auto none = [](std::size_t, const Sweeper&) {};
    if (!mesh.mirrored) {
        const Sweeper l = Left(mesh, energy, none, mesh.match);
        const Sweeper r = Right(mesh, energy, Start(mesh.openRight, energy, -1), mesh.match, none);
        return l.nodes + r.nodes;
    }
    const bool even = index % 2 == 0;
    Sweeper start;
    start.psi = even ? 1.0 : 0.0;
    start.dpsi = even ? 0.0 : -1.0;
    const Sweeper l = Left(mesh, energy, none, mesh.inner);
    const Sweeper r = Right(mesh, energy, start, mesh.inner, none);
    return 2 * (l.nodes + r.nodes) + (even ? 0 : 1);
}

NodeValues SweepLeft(const Mesh& mesh, double energy) {
    return Record(mesh, energy, true, {}, mesh.match);
}

NodeValues SweepLeft(const Mesh& mesh, double energy, std::size_t end) {
    return Record(mesh, energy, true, {}, end);
}

NodeValues SweepRight(const Mesh& mesh, double energy, double psi, double dpsi, std::size_t stop) {
    Sweeper start;
    start.psi = psi;
    start.dpsi = dpsi;
    return Record(mesh, energy, false, start, stop);
}

NodeValues SweepRight(const Mesh& mesh, double energy, std::size_t stop) {
    return Record(mesh, energy, false, Start(mesh.openRight, energy, -1), stop);
}

double TailKappa(const std::optional<double>& limit, double energy) {
    return limit ? std::sqrt(2.0 * std::fmax(*limit - energy, 0.0)) : INFINITY;
}

}  // namespace spectrum::detail
