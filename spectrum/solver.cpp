// The method: a fourth-order Magnus integrator for y = (psi, psi') on a mesh
// (two-point Gauss version; A. Iserles and S. P. Norsett, "On the solution of
// linear differential equations in Lie groups", Phil. Trans. R. Soc. A 357
// (1999) 983-1019), the levels located through the Prufer angle of the
// solutions shot in from both ends (as in J. D. Pryce, "Numerical Solution of
// Sturm-Liouville Problems", Oxford 1993, ch. 5: the angle counts the levels
// below E exactly for the discrete problem, which makes the list complete),
// and Richardson extrapolation over the meshes h, h/2, h/4 (the method is
// symmetric, so its error is a series in h^4, h^6, ...).
//
// Where V levels off, the range ends where it has reached its limit (to
// rounding), and the solution beyond is the decaying exponential there, exact
// for a constant tail: so no box states of a cut range are taken for levels,
// the count at the edge itself is the number of bound states, and a level
// however near the edge is found. That range is taken only where the one the
// WKB tails give (as for every V) would count other levels, so that the
// levels it gives stay as they were.
//
// Why Magnus rather than Numerov: the step is exact wherever V is constant,
// so the wells' and the square well's jumps, put on mesh points, cost no
// order at all, and its angle per step is available in closed form. Why not
// a full constant-perturbation method: the extrapolated Magnus levels reach
// 1e-12 on every potential of the program with a few hundred steps, and the
// extrapolation differences give the error estimate for free.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <numbers>
#include <tuple>
#include <utility>

#include "continuum.h"
#include "eigenfunction.h"
#include "mesh.h"
#include "potential_family.h"
#include "propagation.h"
#include "real_function.h"
#include "spectrum.h"

namespace spectrum {

using namespace detail;

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
// Rounding of a whole sweep, relative to the problem's energy scale, added
// to every estimate: the extrapolation differences alone can fall below it
// where the mesh is exact (jumps only).
constexpr double kRoundingFloor = 32.0 * kEps;
// The coarsest mesh's size beyond which the finer ones would not fit in memory.
constexpr std::size_t kMostBaseNodes = 200000;
// A range cut short by the far limit is tried beside the exact ends only up
// to this size: beyond it the exact ends are taken at once.
constexpr std::size_t kMostClosedNodes = 20000;
// How far below the continuum edge, relative to the depth of V, the exact
// ends' mesh is laid out (see Prepare).
constexpr double kCalmBelowEdge = 1e-2;

constexpr const char* kShortRange =
    "V levels off near this energy: the range may be too short for the estimate to hold";

std::string Format(const char* pattern, double a, double b = 0.0) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

}  // namespace

// The meshes of one ceiling and every angle evaluated on them.
struct Solver::State {
    double ceiling = 0.0;
    double low = 0.0;  // an energy with no level below it on any mesh
    bool even = false;
    bool fits = false;  // the coarsest mesh is not too large
    bool mirrored = false;
    std::optional<double> openLeft, openRight;  // V beyond an open end
    Scan scan;
    Range range;
    std::vector<double> nodes;
    std::vector<Mesh> meshes;
    std::vector<std::map<double, double>> angles;  // per mesh: E -> Theta
    std::map<int, int> finestMesh;                 // per level index
    std::map<int, double> finestEnergy;
    double swept = 0.0;  // mesh steps swept so far
    // Per level: the energy and dTheta/dE (from the norms) of the last sweep
    // on a coarser mesh.
    std::map<int, std::pair<double, double>> lastSlope;

    const Mesh& MeshAt(const Potential& v, int j) {
        while (static_cast<int>(meshes.size()) <= j) {
            meshes.push_back(
                RefinedMesh(v, nodes, static_cast<int>(meshes.size()), scan.xBottom, mirrored));
            meshes.back().openLeft = openLeft;
            meshes.back().openRight = openRight;
            angles.emplace_back();
        }
        return meshes[j];
    }

    Mismatch Angle(const Potential& v, int j, double e) {
        const Mesh& mesh = MeshAt(v, j);
        swept += static_cast<double>(mesh.steps.size());
        const Mismatch m = MismatchAt(mesh, e);
        angles[j][e] = m.theta;
        return m;
    }

    double Root(const Potential& v, int j, int k, double guess);
    double NewtonError(int k, double e, double slope, double newton) const;
    double LevelOnMesh(const Potential& v, int j, int k, const std::vector<double>& coarser);
};

// The energy where Theta = k pi on mesh j: Newton steps with the sweeps'
// slope, refined by the secant where the two agree, always inside the
// tightest bracket known, and a bisection whenever |Theta - k pi| fails to
// halve twice running (Theta is a near-step where two levels almost meet).
double Solver::State::Root(const Potential& v, int j, int k, double guess) {
    MeshAt(v, j);
    const double target = k * std::numbers::pi;
    double lo = -INFINITY;
    double hi = INFINITY;
    double fLo = NAN;
    double fHi = NAN;
    for (const auto& [e, theta] : angles[j]) {
        if (theta < target && e > lo) std::tie(lo, fLo) = std::pair(e, theta - target);
        if (theta > target && e < hi) std::tie(hi, fHi) = std::pair(e, theta - target);
    }
    const auto bracketed = [&] { return std::isfinite(lo) && std::isfinite(hi); };
    double e = guess;
    if (bracketed() && !(guess > lo && guess < hi))
        e = lo + (hi - lo) * std::clamp(fLo / (fLo - fHi), 0.1, 0.9);
    double previousE = NAN;
    double previousF = NAN;
    int slow = 0;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const Mismatch m = Angle(v, j, e);
        const double f = m.theta - target;
        if (f == 0.0) return e;
        if (f < 0.0) lo = std::fmax(lo, e);
        if (f > 0.0) hi = std::fmin(hi, e);
        const double scale = std::fmax(1.0, std::fabs(e));
        const bool sloped = std::isfinite(m.slope) && m.slope > 0.0;
        const double newton = sloped ? f / m.slope : INFINITY;
        // A correction below a sweep's own rounding is noise: stepping on
        // would only wander about the root. So is one whose own error is.
        const double error = sloped ? NewtonError(k, e, m.slope, newton) : INFINITY;
        lastSlope[k] = {e, m.slope};
        if (std::fabs(newton) <= kRoundingFloor * scale || error <= kRoundingFloor * scale ||
            hi - lo <= 4.0 * kEps * scale)
            return std::clamp(e - (sloped ? newton : 0.0), lo, hi);
        double slope = sloped ? m.slope : NAN;
        if (std::isfinite(previousE) && previousE != e) {
            const double secant = (f - previousF) / (e - previousE);
            if (!sloped || (secant > 0.5 * m.slope && secant < 2.0 * m.slope)) slope = secant;
        }
        slow = std::isfinite(previousF) && std::fabs(f) > 0.5 * std::fabs(previousF) ? slow + 1 : 0;
        double next = e - f / slope;
        if (!bracketed() && !(slope > 0.0)) next = e - std::copysign(scale * 1e-3, f);
        if (bracketed() && (!(next > lo && next < hi) || slow >= 2)) {
            next = 0.5 * (lo + hi);
            slow = 0;
        }
        previousE = e;
        previousF = f;
        e = next;
    }
    return e;
}

// The error of a Newton step from e, judged by how much the slope differs
// from the last one of the level (a coarser mesh's, near e): that relative
// difference bounds the slope's own error, and over the distance between
// the two it gives the bending of Theta, whose part is newton^2 times half
// the relative change per unit energy. Near two levels that almost meet,
// Theta bends sharply, and the step is never taken on trust.
double Solver::State::NewtonError(int k, double e, double slope, double newton) const {
    const auto last = lastSlope.find(k);
    if (last == lastSlope.end() || !(last->second.second > 0.0)) return INFINITY;
    const double change = std::fabs(slope - last->second.second) / slope;
    const double distance = std::fabs(e - last->second.first);
    if (!(distance > 0.0)) return INFINITY;
    return change * std::fabs(newton) * (1.0 + std::fabs(newton) / (2.0 * distance));
}

double Solver::State::LevelOnMesh(const Potential& v, int j, int k,
                                  const std::vector<double>& coarser) {
    double guess = 0.5 * (low + ceiling);
    const std::size_t n = coarser.size();
    if (n >= 2)
        guess = coarser[n - 1] + (coarser[n - 1] - coarser[n - 2]) / 16.0;
    else if (n == 1)
        guess = coarser[0];
    return Root(v, j, k, guess);
}

Solver::Solver(Potential v, PotentialShape shape, Settings settings)
    : v_(std::move(v)), shape_(std::move(shape)), settings_(settings) {}

Solver::Solver(const RealFunction& v, PotentialShape shape, Settings settings)
    : Solver([&v](double x) { return v.Value(x); }, std::move(shape), settings) {}

Solver::Solver(const PotentialInfo& info, Settings settings)
    : Solver(*info.v, {info.jumps, info.even}, settings) {}

Solver::~Solver() = default;
Solver::Solver(Solver&&) noexcept = default;
Solver& Solver::operator=(Solver&&) noexcept = default;

namespace {

struct Extrapolation {
    double energy;
    double estimate;
    bool regular = false;  // the differences shrank as h^4: both terms removed
};

// E(h), E(h/2), E(h/4) with errors c4 h^4 + c6 h^6 + ...: both terms removed,
// and the estimate is the last correction. That holds only where the
// differences shrink by about 16 per halving; where they are above rounding
// and do not (a kink or a jump of V off the mesh, a mesh still too coarse),
// the finest energy is kept and the whole last difference, scaled by the
// observed rate, is the estimate. `scale` is the size of the energies in the
// problem, which sets the rounding of every sweep.
Extrapolation Richardson(double e0, double e1, double e2, double scale) {
    const double floor = kRoundingFloor * scale;
    const double d1 = e1 - e0;
    const double d2 = e2 - e1;
    const double ratio = d1 / d2;
    if (std::fabs(d1) > 1e3 * floor && !(ratio > 12.0 && ratio < 22.0)) {
        const bool converging = std::fabs(ratio) > 1.5;
        const double rate = converging ? std::fmax(1.0, 1.0 / (std::fabs(ratio) - 1.0)) : 1.0;
        return {e2, 2.0 * std::fabs(d2) * rate + (converging ? 0.0 : std::fabs(d1)) + floor};
    }
    const double r1a = e1 + d1 / 15.0;
    const double r1b = e2 + d2 / 15.0;
    const double r2 = r1b + (r1b - r1a) / 63.0;
    // Differences at rounding level measure the rounding itself.
    const double noise = std::fabs(d1) <= 1e3 * floor ? std::fabs(d1) + std::fabs(d2) : 0.0;
    // The last correction is the error of the sixth-order value; four times
    // it covers the eighth-order one also where the h^6 term happens to be
    // small and the h^8 term is not yet (seen with the oscillator's n = 3).
    return {r2, 4.0 * std::fabs(r2 - r1b) + floor + noise, true};
}

// Two regular windows one mesh apart: the coarser window's sixth-order
// value is off by about the change between the two, and the finer one's by
// far less (its error shrinks 64-fold a halving), so that change bounds it.
// It replaces the last correction where it is smaller: the correction
// measures the fourth-order value's error, not the sixth-order one's.
Extrapolation Confirmed(const Extrapolation& coarser, const Extrapolation& finer, double scale) {
    if (!coarser.regular || !finer.regular) return finer;
    const double change = std::fabs(finer.energy - coarser.energy) + kRoundingFloor * scale;
    return {finer.energy, std::fmin(finer.estimate, change), true};
}

// The WKB action between each end of the range and the nearest point where
// V <= energy, the smaller of the two, over the base mesh (a mirrored mesh
// has only its left end).
double TailAction(const Potential& v, const std::vector<double>& nodes, double energy,
                  bool mirrored) {
    const auto action = [&](auto first, auto last) {
        double sum = 0.0;
        for (auto it = first; it + 1 != last; ++it) {
            const double mid = 0.5 * (*it + *(it + 1));
            const double d = v(mid) - energy;
            if (d <= 0.0) break;
            sum += std::sqrt(2.0 * d) * std::fabs(*(it + 1) - *it);
        }
        return sum;
    };
    const double left = action(nodes.begin(), nodes.end());
    return mirrored ? left : std::fmin(left, action(nodes.rbegin(), nodes.rend()));
}

}  // namespace

namespace {

// Every point has its mirror image -x among the points, to 1e-12.
bool IsMirrorImage(const std::vector<double>& xs) {
    return std::all_of(xs.begin(), xs.end(), [&xs](double x) {
        return std::any_of(xs.begin(), xs.end(), [x](double y) {
            return std::fabs(x + y) <= 1e-12 * std::fmax(1.0, std::fabs(x));
        });
    });
}

// How far V still is from the edge at the end of the range, on the side
// that levels off to it (0 where it got there to rounding).
double TailResidual(const Continuum& c) {
    double residual = 0.0;
    for (const Side* side : {&c.left, &c.right})
        if (side->kind == Side::Kind::LevelsOff && side->limit == *c.edge) {
            residual = std::fmax(residual, side->residual);
        }
    return residual;
}

// A level so near the edge that V, still short of its limit where the range
// ends, may move it by more than its estimate.
void FlagUnsettledTail(const Continuum& c, Level& level) {
    if (!c.edge) return;
    const double residual = TailResidual(c);
    if (!(residual > 0.0) || *c.edge - level.energy > 100.0 * residual) return;
    level.converged = false;
    level.warning += (level.warning.empty() ? "" : "; ") +
                     std::string(
                         "V is still short of its limit where the range ends: the "
                         "estimate may not hold this near the continuum");
}

// Levels are ascending: two that came out the other way round (a pair split
// by less than rounding) both go to their midpoint, each estimate widened
// by the half-difference, which still bounds its error.
void Order(std::vector<Level>& levels) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t n = 1; n < levels.size(); ++n) {
            Level& a = levels[n - 1];
            Level& b = levels[n];
            if (!(b.energy < a.energy)) continue;
            const double half = 0.5 * (a.energy - b.energy);
            const double mid = b.energy + half;
            a.energy = b.energy = mid;
            a.errorEstimate += half;
            b.errorEstimate += half;
            swapped = true;
        }
    }
}

// The end of the range on a side where V levels off: past the point where it
// reaches its limit, and past every well the scan found.
double OpenEnd(const Side& side, double outermost) {
    return std::fmax(side.reached + 1.0, std::fabs(outermost) + 1.0);
}

}  // namespace

// The range, breakpoints and coarsest mesh for the levels below `top`; with
// `open`, the ends on a side where V levels off are put where it has (the
// decaying exponential beyond them), elsewhere the WKB tails reach the
// action wanted. false when the mesh would be too large.
bool Solver::Prepare(State& s, const Sampled& sampled, double top, const Continuum* open,
                     bool edge) const {
    s.ceiling = top;
    s.scan = ScanAt(sampled, top);
    ScanBetween(v_, shape_.jumps, top, s.scan);
    if (!s.scan.allowed || !(s.scan.bottom < top)) return false;
    s.range = IntegrationRange(v_, s.scan, top, settings_.tailAction);
    // With exact ends, the mesh's steps are set a little below the edge:
    // where V is within that of its limit, they grow with the distance as in
    // any forbidden region (V there is nearly constant, which the step
    // solves exactly), instead of crossing the tail at the allowed region's
    // pace.
    double meshEnergy = top;
    if (open && open->edge) {
        const double calm = *open->edge - kCalmBelowEdge * std::fmax(1.0, std::fabs(s.scan.bottom));
        Scan lower = ScanAt(sampled, std::fmin(top, calm));
        ScanBetween(v_, shape_.jumps, std::fmin(top, calm), lower);
        if (lower.allowed) {
            meshEnergy = std::fmin(top, calm);
            s.scan = lower;
        }
    }
    if (open) {
        s.range.truncated = false;
        if (open->left.kind == Side::Kind::LevelsOff) {
            s.range.left = -OpenEnd(open->left, s.scan.left);
            s.openLeft = open->left.limit;
        }
        if (open->right.kind == Side::Kind::LevelsOff) {
            s.range.right = OpenEnd(open->right, s.scan.right);
            s.openRight = open->right.limit;
        }
    }
    // An even V is meshed on x <= 0 only, up to the farther of the two ends.
    s.mirrored = s.even;
    if (s.mirrored) {
        s.range.left = std::fmin(s.range.left, -s.range.right);
        s.range.right = 0.0;
        s.openRight.reset();
    }
    std::vector<double> breaks;
    for (const std::vector<double>* list :
         {&shape_.jumps, static_cast<const std::vector<double>*>(&s.scan.jumps)})
        for (double x : *list)
            if (x > s.range.left && x < s.range.right) breaks.push_back(x);
    if (s.range.left < 0.0 && s.range.right > 0.0) breaks.push_back(0.0);
    const std::size_t most =
        open || !s.range.truncated || !edge ? kMostBaseNodes : kMostClosedNodes;
    s.nodes = BaseNodes(v_, s.scan, s.range, meshEnergy, breaks, most);
    return s.nodes.size() <= most;
}

// The number of levels below `top` on the first three meshes (the most any
// of them finds), with the lower end moved down until every mesh agrees
// that no level lies below it.
int Solver::CountBelow(State& s, double top) const {
    // No level lies below the bottom of V; on a coarse mesh one might, so
    // the lower end is moved down until every mesh agrees.
    const double span = std::fmax(s.ceiling - s.scan.bottom, 1e-3);
    s.low = s.scan.bottom;
    int count = 0;
    for (int j = 0; j < 3; ++j) {
        for (int tries = 0; tries < 60 && s.Angle(v_, j, s.low).theta >= 0.0; ++tries)
            s.low -= span * std::ldexp(1.0, tries);
        count = std::max(count, s.Angle(v_, j, top).Count());
    }
    return count;
}

// Where V levels off, the ceiling goes down to the continuum edge, and the
// levels are those of the exact ends (see Prepare) where it did, and where
// the range whose ends keep the WKB action (as for any V), cut short by the
// far limit, counts other levels than the exact ends do: box states of the
// cut range, or a level so near the edge that its tail reaches beyond it.
// Elsewhere they are that range's, as they always were.
std::unique_ptr<Solver::State> Solver::ChooseState(const Sampled& sampled, double top, bool lowered,
                                                   const Continuum& c, Spectrum& out,
                                                   int& count) const {
    const auto prepared = [&](double energy, const Continuum* open) {
        auto state = std::make_unique<State>();
        state->even = out.even;
        state->fits = Prepare(*state, sampled, energy, open, c.edge.has_value());
        return state;
    };
    const auto counted = [&](std::unique_ptr<State> state) {
        if (state->fits) count = CountBelow(*state, top);
        return state;
    };
    if (c.infinitelyMany) return counted(prepared(top, &c));
    if (!c.edge) return counted(prepared(top, nullptr));
    auto open = prepared(*c.edge, &c);
    if (open->fits)
        out.boundCount = CountBelow(*open, *c.edge);
    else if (!open->scan.allowed || !(open->scan.bottom < *c.edge))
        out.boundCount = 0;
    if (top < *c.edge) open = prepared(top, &c);
    if (!open->fits) return counted(prepared(top, nullptr));
    const int exact = top < *c.edge ? CountBelow(*open, top) : *out.boundCount;
    if (!lowered) {
        auto closed = prepared(top, nullptr);
        if (closed->fits) {
            const int n = CountBelow(*closed, top);
            if (!closed->range.truncated || n == exact) {
                count = n;
                return closed;
            }
        }
    }
    count = exact;
    return open;
}

Spectrum Solver::Levels(double ceiling) {
    Spectrum out;
    out.ceiling = ceiling;
    state_.reset();
    // Breakpoints that are not each other's mirror images (a formula's
    // feature narrower than the grid that judged it even) make V uneven.
    out.even =
        shape_.even.value_or(LooksEven(v_, settings_.scanHalfWidth)) && IsMirrorImage(shape_.jumps);
    const Sampled sampled = SamplePotential(v_, settings_.scanHalfWidth);
    const Scan first = ScanAt(sampled, ceiling);
    out.bottom = first.bottom;
    const Continuum c = FindContinuum(v_, std::fmax(1.0, std::fabs(first.bottom)));
    out.continuum = c.edge;
    out.infinitelyMany = c.infinitelyMany;
    if (c.left.kind == Side::Kind::Grows && c.right.kind == Side::Kind::Grows)
        out.countNote =
            "no continuum: V grows without bound on both sides, and every one of "
            "its infinitely many levels is bound";
    if (c.infinitelyMany)
        out.countNote = Format(
            "infinitely many bound states: V approaches %.17g from below too slowly (as "
            "1/x^2 or slower)",
            *c.edge);
    // A particle can always escape down a side where V falls without bound.
    for (const auto& [side, where] : {std::pair(&c.left, "-infinity"), {&c.right, "+infinity"}})
        if (side->kind == Side::Kind::Falls) {
            out.note =
                std::string("V falls without bound as x -> ") + where + ": no level is bound";
            out.boundCount = 0;
            return out;
        }
    double top = c.edge && *c.edge < ceiling ? *c.edge : ceiling;
    // Infinitely many levels pile up below the edge: those far enough below
    // it for the range to hold them.
    if (c.infinitelyMany) top = std::fmin(top, *c.edge - 4.0 * TailResidual(c));
    SolveBelow(sampled, top, top < ceiling, c, out);
    // A range cut short where V levels off, too short for a level's tail:
    // that level is a box state's. The exact ends then give them all.
    const auto shortTail = [](const Level& l) {
        return l.warning.find(kShortRange) != l.warning.npos;
    };
    if (c.edge && !(top < ceiling) &&
        std::any_of(out.levels.begin(), out.levels.end(), shortTail)) {
        Spectrum open = out;
        open.levels.clear();
        open.note.clear();
        SolveBelow(sampled, top, true, c, open);
        if (!open.levels.empty()) out = std::move(open);
    }
    return out;
}

void Solver::SolveBelow(const Sampled& sampled, double top, bool lowered, const Continuum& c,
                        Spectrum& out) {
    int count = 0;
    state_ = ChooseState(sampled, top, lowered, c, out, count);
    State& s = *state_;
    if (!s.scan.allowed || !(s.scan.bottom < top)) {
        out.note = kNoLevelNote;
        return;
    }
    if (!s.fits) {
        out.note = "the ceiling lies too far above the bottom of V: no level computed";
        return;
    }
    const int all = count;
    if (count > settings_.maxLevels) {
        out.note = "only the lowest " + std::to_string(settings_.maxLevels) + " of " +
                   std::to_string(count) + " levels below the ceiling";
        count = settings_.maxLevels;
    }
    for (int k = 0; k < count; ++k) {
        if (k > 0 && s.swept > settings_.maxSweptSteps) {
            out.note = "only the lowest " + std::to_string(k) + " of " + std::to_string(all) +
                       " levels below the ceiling: the others would take too long (a lower "
                       "ceiling lists them)";
            break;
        }
        Level level = SolveLevel(k);
        if (level.energy < top) {
            out.levels.push_back(std::move(level));
        } else if (s.openLeft || s.openRight) {
            // Counted below the edge on the mesh but extrapolated onto or
            // past it: a level within its estimate of the continuum.
            level.errorEstimate += level.energy - top;
            level.energy = std::nextafter(top, -INFINITY);
            level.converged = false;
            level.warning += (level.warning.empty() ? "" : "; ") +
                             std::string("within its error estimate of the continuum edge");
            out.levels.push_back(std::move(level));
        }
    }
    Order(out.levels);
    for (Level& level : out.levels) {
        if (out.even) level.parity = level.index % 2 == 0 ? Parity::Even : Parity::Odd;
        if (s.range.truncated &&
            TailAction(v_, s.nodes, level.energy, s.mirrored) < 0.5 * settings_.tailAction) {
            level.converged = false;
            level.warning += (level.warning.empty() ? "" : "; ") + std::string(kShortRange);
        }
        FlagUnsettledTail(c, level);
    }
    if (out.levels.empty()) out.note = kNoLevelNote;
}

Level Solver::SolveLevel(int k) {
    State& s = *state_;
    std::vector<double> energies;
    Level level;
    level.index = k;
    const int meshes = 3 + std::max(settings_.maxRefinements, 0);
    Extrapolation x{NAN, INFINITY};
    for (int j = 0; j < meshes; ++j) {
        energies.push_back(s.LevelOnMesh(v_, j, k, energies));
        if (j < 2) continue;
        const double scale = std::max({1.0, std::fabs(energies[j]), std::fabs(s.scan.bottom)});
        const Extrapolation coarser = x;
        x = Richardson(energies[j - 2], energies[j - 1], energies[j], scale);
        if (j > 2) x = Confirmed(coarser, x, scale);
        s.finestMesh[k] = j;
        s.finestEnergy[k] = energies[j];
        if (x.estimate <= settings_.tolerance * std::fmax(1.0, std::fabs(x.energy))) break;
    }
    level.energy = x.energy;
    level.errorEstimate = x.estimate;
    level.converged = x.estimate <= settings_.tolerance * std::fmax(1.0, std::fabs(x.energy));
    if (!level.converged)
        level.warning = Format("not brought to the tolerance: estimated error %.3g after %g meshes",
                               x.estimate, meshes);
    level.nodes = NodeCount(k);
    // The k-th level's eigenfunction has k zeros: where the count says
    // otherwise, something (a well the meshes hardly resolve, tails lost to
    // underflow) is off, and the level is not vouched for.
    if (level.nodes != k) {
        level.converged = false;
        level.warning +=
            (level.warning.empty() ? "" : "; ") +
            Format("its eigenfunction shows %g zeros where its place says %g", level.nodes, k);
    }
    return level;
}

}  // namespace spectrum

namespace spectrum {

int Solver::NodeCount(int k) const {
    const State& s = *state_;
    const Mesh& mesh = s.meshes[s.finestMesh.at(k)];
    const double energy = s.finestEnergy.at(k);
    // Counted on the way where that is the index; otherwise the joined
    // eigenfunction (joined again at its peak if need be) is counted.
    const int zeros = ZerosOfJoin(mesh, energy, k);
    return zeros == k ? zeros : detail::NodeCount(Assemble(mesh, energy, k));
}

Samples Solver::Eigenfunction(const Level& level, const std::vector<double>& xs) const {
    if (!state_ || !state_->finestMesh.count(level.index)) return Samples(xs.size(), 0.0);
    const State& s = *state_;
    const int k = level.index;
    return Sample(v_, s.meshes[s.finestMesh.at(k)], s.finestEnergy.at(k), k, xs);
}

}  // namespace spectrum
