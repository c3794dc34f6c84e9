#include "eigenfunction.h"

#include <algorithm>
#include <cmath>

#include "propagation.h"
#include "spectrum.h"

namespace spectrum::detail {

namespace {

// psi at x inside the step that starts at node i: a Magnus step of its own.
double PsiWithin(const Potential& v, const Mesh& mesh, const MeshFunction& f, std::size_t i,
                 double x, double energy) {
    const double dx = x - mesh.steps[i].x0;
    if (dx == 0.0) return f.psi[i];
    const StepMatrix m = Propagator(MakeStep(v, mesh.steps[i].x0, dx), energy);
    return (m.a * f.psi[i] + m.b * f.dpsi[i]) * std::exp(-m.drop);
}

// The sweep's values brought to the scale they have at node `to`.
void Rescaled(const NodeValues& s, std::size_t i, std::size_t to, double factor, double& psi,
              double& dpsi) {
    const double scale = factor * std::exp(s.logScale[i] - s.logScale[to]);
    psi = s.psi[i] * scale;
    dpsi = s.dpsi[i] * scale;
}

}  // namespace

namespace {

// The left sweep up to node c joined to the right one from c on, scaled onto
// it by least squares over (psi, psi'), so that a node at c does no harm.
void Join(const NodeValues& l, const NodeValues& r, std::size_t c, MeshFunction& f) {
    const double dot = l.psi[c] * r.psi[c] + l.dpsi[c] * r.dpsi[c];
    const double sigma = dot / (r.psi[c] * r.psi[c] + r.dpsi[c] * r.dpsi[c]);
    for (std::size_t i = 0; i < f.psi.size(); ++i)
        Rescaled(i <= c ? l : r, i, c, i <= c ? 1.0 : sigma, f.psi[i], f.dpsi[i]);
}

}  // namespace

MeshFunction Assemble(const Mesh& mesh, double energy, int index) {
    const NodeValues l = SweepLeft(mesh, energy);
    const std::size_t n = mesh.steps.size() + 1;
    MeshFunction f;
    f.psi.resize(n);
    f.dpsi.resize(n);
    f.mirrored = mesh.mirrored;
    f.mirror = index % 2 == 0 ? 1.0 : -1.0;
    if (!mesh.mirrored) {
        Join(l, SweepRight(mesh, energy, mesh.match), mesh.match, f);
        if (NodeCount(f) == index) return f;
        // Joined far from where the level lives (another well), each sweep
        // has crossed a barrier the wrong way, growing its rounding into
        // false zeros: joined again at the peak, both only decay outwards.
        std::size_t peak = 0;
        for (std::size_t i = 0; i < n; ++i)
            if (std::fabs(f.psi[i]) > std::fabs(f.psi[peak])) peak = i;
        peak = std::clamp<std::size_t>(peak, 1, n - 2);
        Join(SweepLeft(mesh, energy, peak), SweepRight(mesh, energy, peak), peak, f);
        return f;
    }
    // From 0 with the level's parity towards the bottom of V: where two
    // levels coincide to rounding, the left sweep alone cannot tell them apart
    // in the barrier between them, and this one can.
    const bool even = index % 2 == 0;
    Join(l, SweepRight(mesh, energy, even ? 1.0 : 0.0, even ? 0.0 : -1.0, mesh.inner), mesh.inner,
         f);
    return f;
}

namespace {

int SignChanges(const std::vector<double>& values, std::size_t end) {
    int changes = 0;
    int sign = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const int s = values[i] > 0.0 ? 1 : values[i] < 0.0 ? -1 : 0;
        if (s == 0) continue;
        if (sign != 0 && s != sign) ++changes;
        sign = s;
    }
    return changes;
}

}  // namespace

int NodeCount(const MeshFunction& f) {
    if (!f.mirrored) return SignChanges(f.psi, f.psi.size());
    // An odd function's node at 0 (psi = 0 there) is counted once.
    return 2 * SignChanges(f.psi, f.psi.size()) + (f.mirror < 0.0 ? 1 : 0);
}

std::vector<double> Sample(const Potential& v, const Mesh& mesh, double energy, int index,
                           const std::vector<double>& xs) {
    const MeshFunction f = Assemble(mesh, energy, index);
    // Simpson's rule on every step, its midpoint reached by a half step.
    double norm = 0.0;
    for (std::size_t i = 0; i < mesh.steps.size(); ++i) {
        const Step& s = mesh.steps[i];
        const double mid = PsiWithin(v, mesh, f, i, s.x0 + 0.5 * s.h, energy);
        norm += s.h / 6.0 * (f.psi[i] * f.psi[i] + 4.0 * mid * mid + f.psi[i + 1] * f.psi[i + 1]);
    }
    // Beyond an open end, psi decays as e^(-kappa |x - end|).
    const double kappaLeft = TailKappa(mesh.openLeft, energy);
    const double kappaRight = TailKappa(mesh.mirrored ? mesh.openLeft : mesh.openRight, energy);
    const double psiRight = mesh.mirrored ? f.mirror * f.psi.front() : f.psi.back();
    norm += 0.5 * f.psi.front() * f.psi.front() / kappaLeft;
    if (mesh.mirrored)
        norm *= 2.0;
    else
        norm += 0.5 * psiRight * psiRight / kappaRight;
    const double unit = 1.0 / std::sqrt(norm);
    const double left = mesh.steps.front().x0;
    const double right = mesh.mirrored ? -left : mesh.Right();
    std::vector<double> out;
    out.reserve(xs.size());
    for (double x : xs) {
        if (x < left && mesh.openLeft) {
            out.push_back(f.psi.front() * std::exp(-kappaLeft * (left - x)) * unit);
            continue;
        }
        if (x > right && (mesh.mirrored ? mesh.openLeft : mesh.openRight)) {
            out.push_back(psiRight * std::exp(-kappaRight * (x - right)) * unit);
            continue;
        }
        if (!(x >= left && x <= right)) {
            out.push_back(0.0);
            continue;
        }
        const bool image = mesh.mirrored && x > 0.0;
        const double at = image ? -x : x;
        const auto it = std::upper_bound(mesh.steps.begin(), mesh.steps.end(), at,
                                         [](double value, const Step& s) { return value < s.x0; });
        const std::size_t i = it == mesh.steps.begin() ? 0 : (it - mesh.steps.begin()) - 1;
        out.push_back(PsiWithin(v, mesh, f, i, at, energy) * unit * (image ? f.mirror : 1.0));
    }
    return out;
}

}  // namespace spectrum::detail
