// One Magnus step of order four for y = (psi, psi'), y' = [[0, 1], [f, 0]] y
// with f = 2 (V - E), and the sweeps over a mesh that give the Prufer
// mismatch angle of an energy: the quantity whose crossings of k pi are the
// levels and whose value counts the levels below the energy.
#pragma once

#include <vector>

#include "mesh.h"

namespace spectrum::detail {

// exp(Omega) for one step, divided by e^drop when its entries would overflow.
struct StepMatrix {
    double a, b, c, d;
    double drop;
};
StepMatrix Propagator(const Step& s, double energy);

// Theta(E) = theta_L(c) - theta_R(c): the Prufer angle of the solution that
// vanishes at the left end, less that of the one vanishing at the right end,
// both taken at the matching node c with theta_L(left) = 0, theta_R(right) =
// pi. It increases with E, and the k-th level (k nodes) is where it is k pi;
// the number of levels below E is ceil(Theta / pi). `slope` is dTheta/dE
// from the two sweeps' norms (trapezoidal, good enough to aim a step with).
// On a mirrored mesh the right sweep is the left one's image.
struct Mismatch {
    double theta = 0.0;
    double slope = 0.0;
    int Count() const;
};
Mismatch MismatchAt(const Mesh& mesh, double energy);

// The zeros of the eigenfunction of level `index` joined from the two
// sweeps (as eigenfunction.h joins them), counted as the sweeps pass them,
// with no buffer: on a mirrored mesh, both halves and the odd one's at 0.
int ZerosOfJoin(const Mesh& mesh, double energy, int index);

// A sweep's values at every node, each y scaled down by e^logScale.
struct NodeValues {
    std::vector<double> psi, dpsi, logScale;
};
// The solution vanishing at the left end from node 0 up to `match`, and the
// one starting with (psi, psi') at the last node, from there down to `stop`.
NodeValues SweepLeft(const Mesh& mesh, double energy);
// The same up to node `end` instead.
NodeValues SweepLeft(const Mesh& mesh, double energy, std::size_t end);
NodeValues SweepRight(const Mesh& mesh, double energy, double psi, double dpsi, std::size_t stop);
// The same from the right end's own condition (psi = 0, or the decaying
// exponential at an open end).
NodeValues SweepRight(const Mesh& mesh, double energy, std::size_t stop);
// The decay rate of the solution beyond an open end with V at `limit`
// (infinite at a closed end, where psi = 0).
double TailKappa(const std::optional<double>& limit, double energy);

}  // namespace spectrum::detail
