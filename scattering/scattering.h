// Scattering by a potential with finite limits V_L at -infinity and V_R at
// +infinity (hbar = m = 1): a wave e^(i k x) coming in from one side is
// partly transmitted and partly reflected.
//
// The transmission T and the reflection R are flux-normalised (T + R = 1
// wherever both sides are open; T = 0 where E lies between the limits), each
// with an error estimate that bounds its error. The scattering states are
// normalised to unit incoming amplitude. The resonances are the poles of the
// transmission amplitude below the real axis, at E_r - i Gamma / 2.
//
// The method: the fourth-order Magnus step of the accurate solver, exact
// where V is constant, on a mesh through every jump of V, between the two
// points beyond which V stays at its limits; there the solutions are plane
// waves (or exponentials), exactly. The wave that leaves on the far side is
// carried back to the near side, where it splits into the incoming and the
// reflected waves; this direction is the stable one through a barrier. Each
// result is computed on a mesh and on the mesh with its steps halved until
// the two agree to the target; the finer result is kept and the difference
// (some fifteen times its actual error, as the step's error goes as h^4) is
// the estimate.
#pragma once

#include <complex>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace scattering {

using Potential = std::function<double(double)>;
using Complex = std::complex<double>;

// Thrown for what has no scattering: a V that grows without bound (or falls,
// or does not settle) on a side, or an energy below both limits.
class NoContinuum : public std::domain_error {
  public:
    using std::domain_error::domain_error;
};

struct Point {
    double energy = 0.0;
    double transmission = 0.0;
    double reflection = 0.0;
    double transmissionError = 0.0;  // bounds |T - exact|
    double reflectionError = 0.0;    // bounds |R - exact|
    bool open = true;                // both sides open: false is total reflection
    bool converged = true;           // the estimates met the target
    std::string warning;             // empty when converged and the tails reached
    double ErrorEstimate() const {
        return transmissionError > reflectionError ? transmissionError : reflectionError;
    }
};

enum class Incoming { Left, Right };

struct Resonance {
    double energy = 0.0;  // E_r: the pole is at E_r - i width / 2
    double width = 0.0;
    double errorEstimate = 0.0;  // bounds the error of both
};

struct Settings {
    double tolerance = 1e-10;  // wanted error of T relative to T, and of R relative to max(R, T)
    int maxRefinements = 9;    // halvings of the coarsest mesh's steps
};

class Transmission {
  public:
    // jumps: x positions where V jumps or kinks (a formula's switches); more
    // are found on a scan. Throws NoContinuum where V has no finite limit on
    // a side. v must stay valid while the object lives.
    explicit Transmission(Potential v, std::vector<double> jumps = {}, Settings settings = {});
    ~Transmission();
    Transmission(Transmission&&) noexcept;
    Transmission& operator=(Transmission&&) noexcept;

    double Left() const;   // V_L
    double Right() const;  // V_R
    // The lowest energy with a wave that comes in: min(V_L, V_R).
    double Lowest() const;
    // Above it both sides are open: max(V_L, V_R).
    double Threshold() const;
    // Where V is not yet at its limits: [Start(), End()].
    double Start() const;
    double End() const;

    // Throws NoContinuum for an energy not above Lowest().
    Point At(double energy) const;
    // psi_E at xs for the wave e^(i k x) (from the left) or e^(-i k x) (from
    // the right) coming in, unit amplitude and phase 0 at x = 0; empty where
    // that side is closed at this energy.
    std::vector<Complex> State(double energy, Incoming from, const std::vector<double>& xs) const;
    // The poles with E_r in [from, to] above Threshold(), ordered by energy.
    std::vector<Resonance> Resonances(double from, double to) const;

    // For the pole search: the amplitude of the incoming wave on the left for
    // a transmitted wave e^(i k_R (x - End())), as mantissa * e^logScale, at a
    // complex energy on the given refinement of the mesh of `meshEnergy`.
    // The poles of the transmission amplitude are its zeros.
    struct Amplitude {
        Complex mantissa;
        double logScale = 0.0;
    };
    Amplitude IncomingAmplitude(Complex energy, double meshEnergy, int level) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace scattering
