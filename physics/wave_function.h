// A sampled wave function that fills itself by shooting: from x = 0 outward
// with even or odd starting values, then mirrored onto x < 0.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

#include "real_function.h"
#include "sampled_function.h"

class WaveFunction : public SampledFunction {
  public:
    void SetPotential(const RealFunction* potential) { potential_ = potential; }
    void SetMassFactor(double k) { massFactor_ = k; }
    // Where the outward pass stops a growing solution: at +-limit, keeping
    // its sign, so that a steep potential's far samples never overflow into
    // inf and NaN and the sign far out still tells a level's side. No limit
    // (the start) integrates as it always did.
    void SetGrowthLimit(double limit) { growthLimit_ = limit; }
    double GrowthLimit() const { return growthLimit_; }
    const RealFunction* Potential() const { return potential_; }
    double MassFactor() const { return massFactor_; }

    // psi'' = 2K (V - E) psi, semi-implicit Euler from the centre sample.
    // parity 0 starts even (psi = 1, psi' = 0), anything else odd (0, 1).
    // Afterwards psi(0) = 1 (even) or psi'(0) = 1 (odd) whatever the scale was.
    void Integrate(std::uint8_t parity, double energy);

  private:
    // The potential at the outward pass's grid points. A search integrates
    // one potential on one grid hundreds of times, and evaluating it (a pow or
    // an exp per point) was most of the work. The table is kept only for the
    // program's own potentials, whose values depend on x and on their settings
    // alone; it is keyed on the kind, the settings and the grid, so any change
    // of these fills it afresh. Null when no table can be had.
    const double* PotentialTable(unsigned first, unsigned end, double xmin, double h);

    struct TableKey {
        int kind = 0;
        std::array<std::uint64_t, 4> settings{};
        std::uint64_t xmin = 0;
        std::uint64_t step = 0;
        unsigned first = 0;
        unsigned end = 0;
        bool operator==(const TableKey&) const = default;
    };

    const RealFunction* potential_ = nullptr;
    double massFactor_ = 1.0;
    double growthLimit_ = HUGE_VAL;
    TableKey tableKey_;
    bool tableValid_ = false;
    std::unique_ptr<double[]> table_;
    unsigned tableSize_ = 0;
};
