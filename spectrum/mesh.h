// Where the solver integrates: a range reaching far enough into the forbidden
// region on both sides, and a mesh over it whose points include every jump
// of V (and x = 0), refined by halving every step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "spectrum.h"

namespace spectrum::detail {

// What a scan of V over [-w, w] finds below a reference energy.
struct Scan {
    double bottom = 0.0;   // the lowest V sampled
    double xBottom = 0.0;  // where
    double left = 0.0;     // outermost points with V < reference energy
    double right = 0.0;
    bool allowed = false;  // some point has V < reference energy
    // Where V jumps between two samples (a step much larger than the steps
    // beside it), located by bisection to rounding: a typed formula does not
    // say where its jumps are, and off the mesh they would cost the order.
    std::vector<double> jumps;
};
Scan ScanPotential(const Potential& v, double halfWidth, double energy);
// The same in two parts: V sampled once (with its jumps), then read at any
// energy.
struct Sampled {
    std::vector<double> xs, vs, jumps;
};
Sampled SamplePotential(const Potential& v, double halfWidth);
Scan ScanAt(const Sampled& sampled, double energy);
// The scan, also midway between neighbouring breakpoints: a feature
// narrower than the scan's step between two of them (a formula's switches)
// is seen there. Only a lower value or a wider allowed region changes it.
void ScanBetween(const Potential& v, const std::vector<double>& breakpoints, double energy,
                 Scan& s);

// Whether V(x) = V(-x) on the scan, to 1e-12 relative.
bool LooksEven(const Potential& v, double halfWidth);

// The range [left, right] beyond whose ends the WKB action at `energy` past
// the outer turning points reaches `action`; `truncated` when it could not
// be reached within a long distance (the potential levels off near energy).
struct Range {
    double left = 0.0;
    double right = 0.0;
    bool truncated = false;
};
Range IntegrationRange(const Potential& v, const Scan& scan, double energy, double action);

// One step of a mesh, with what the fourth-order Magnus step needs of V: the
// sum of V at the two Gauss points and their difference, both independent of E.
struct Step {
    double x0 = 0.0;  // where the step starts
    double h = 0.0;
    double vSum = 0.0;   // V(g1) + V(g2)
    double alpha = 0.0;  // sqrt(3)/6 h^2 (V(g1) - V(g2)): the commutator term
};

// For an even V only x <= 0 is meshed, ending at x = 0, where the solution
// from the left end meets its own mirror image.
struct Mesh {
    std::vector<Step> steps;
    std::size_t match = 0;  // the node the two sweeps meet at
    bool mirrored = false;
    // Mirrored: the node nearest the bottom of V, where an eigenfunction is
    // joined from the left sweep and one started at 0 with its parity.
    std::size_t inner = 0;
    // V's value beyond an open end, where it stays at its limit: there the
    // solution is the decaying exponential, not 0. None: psi = 0 at that end.
    std::optional<double> openLeft, openRight;
    double Right() const { return steps.back().x0 + steps.back().h; }
};

Step MakeStep(const Potential& v, double x0, double h);

// The coarsest mesh over the range: steps of at most half a radian of phase
// at `energy`, growing into the forbidden region, ending on every breakpoint;
// given up (returned as it is) once it has more than `most` nodes.
std::vector<double> BaseNodes(const Potential& v, const Scan& scan, const Range& range,
                              double energy, std::vector<double> breakpoints, std::size_t most);

// The mesh whose steps are those of the base nodes split into 2^level equal
// parts; `matchX` is rounded to the nearest base node. Mirrored: the nodes
// end at 0 and the match is there.
Mesh RefinedMesh(const Potential& v, const std::vector<double>& nodes, int level, double matchX,
                 bool mirrored);

}  // namespace spectrum::detail
