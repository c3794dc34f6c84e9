// The Magnus steps of the accurate solver applied to a complex pair
// y = (psi, psi'): at a real energy through its real step matrices, at a
// complex one (the pole search) through their continuation. A sweep runs
// over a mesh from one end to the other and keeps y in range by carrying a
// logarithmic scale: y's true value is y e^logScale.
#pragma once

#include <complex>
#include <vector>

#include "mesh.h"

namespace scattering::detail {

using Complex = std::complex<double>;
using spectrum::detail::Step;

struct Pair {
    Complex psi;
    Complex dpsi;
    double logScale = 0.0;
};

// Forward from the first node to the last, or backward from the last to the
// first; `record`, when given, gets y at every node (in the mesh's order).
Pair Forward(const std::vector<Step>& steps, double energy, Pair y,
             std::vector<Pair>* record = nullptr);
Pair Backward(const std::vector<Step>& steps, double energy, Pair y,
              std::vector<Pair>* record = nullptr);
Pair Backward(const std::vector<Step>& steps, Complex energy, Pair y);

// y carried over one (partial) step forward.
Pair Across(const Step& step, double energy, Pair y);

}  // namespace scattering::detail
