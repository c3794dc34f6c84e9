// A sampled wave function that fills itself by shooting: from x = 0 outward
// with even or odd starting values, then mirrored onto x < 0.
#pragma once

#include <cstdint>

#include "real_function.h"
#include "sampled_function.h"

class WaveFunction : public SampledFunction {
  public:
    void SetPotential(const RealFunction* potential) { potential_ = potential; }
    void SetMassFactor(double k) { massFactor_ = k; }
    const RealFunction* Potential() const { return potential_; }
    double MassFactor() const { return massFactor_; }

    // psi'' = 2K (V - E) psi, semi-implicit Euler from the centre sample.
    // parity 0 starts even (psi = 1, psi' = 0), anything else odd (0, 1).
    // Afterwards psi(0) = 1 (even) or psi'(0) = 1 (odd) whatever the scale was.
    void Integrate(std::uint8_t parity, double energy);

  private:
    const RealFunction* potential_ = nullptr;
    double massFactor_ = 1.0;
};
