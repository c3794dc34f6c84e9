#include "evolution_levels.h"

#include <algorithm>
#include <cmath>

#include "model.h"
#include "spectrum.h"

namespace {

// The Hermite functions' sign: positive far out on the right (phi_1 = c x
// e^(-x^2/2)), so that <x> of levels 0 and 1 starts at +<0|x|1>. Far out is
// the last sample that is not lost in the tail.
void RightTailPositive(std::vector<double>& psi) {
    double largest = 0.0;
    for (double v : psi)
        largest = std::max(largest, std::abs(v));
    for (auto it = psi.rbegin(); it != psi.rend(); ++it) {
        if (std::abs(*it) > 1e-6 * largest) {
            if (*it < 0.0)
                for (double& v : psi)
                    v = -v;
            return;
        }
    }
}

}  // namespace

BoundStatesOnGrid AccurateLevelsOnGrid(const PotentialInfo& potential, double ceiling) {
    if (potential.v == nullptr) return {};
    spectrum::PotentialShape shape{potential.jumps, potential.even};
    spectrum::Solver solver(*potential.v, std::move(shape));
    const spectrum::Spectrum found = solver.Levels(ceiling);
    std::vector<double> xs(model::kSamples);
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = model::kGridMin + static_cast<double>(i) * model::kGridStep;
    BoundStatesOnGrid bound({}, found.continuum);
    for (const spectrum::Level& level : found.levels) {
        bound.levels.push_back({level.energy, solver.Eigenfunction(level, xs)});
        RightTailPositive(bound.levels.back().samples);
    }
    return bound;
}
