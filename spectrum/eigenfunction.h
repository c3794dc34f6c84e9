// A level's eigenfunction on a mesh: the two sweeps joined at the matching
// node, in one scale.
#pragma once

#include <vector>

#include "mesh.h"

namespace spectrum::detail {

// On a mirrored mesh psi(-x) = mirror psi(x), mirror = +1 or -1 (the
// parity of the level: (-1)^index).
struct MeshFunction {
    std::vector<double> psi, dpsi;  // at every node of the mesh
    bool mirrored = false;
    double mirror = 1.0;
};
MeshFunction Assemble(const Mesh& mesh, double energy, int index);

// The sign changes of psi over the nodes (both halves of a mirrored mesh).
int NodeCount(const MeshFunction& f);

// psi at the points xs (0 outside the mesh), normalised to integral 1.
std::vector<double> Sample(const Potential& v, const Mesh& mesh, double energy, int index,
                           const std::vector<double>& xs);

}  // namespace spectrum::detail
