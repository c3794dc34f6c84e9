// A state made of stationary states, moving exactly:
//
//     psi(x, t) = sum_k c_k phi_k(x) exp(-i E_k t)        (hbar = 1)
//
// The phases are computed for each t, never stepped, so a frame at t = 1e3 is
// as exact as one at t = 0. The eigenfunctions come as samples on one uniform
// grid; every integral is the trapezoid rule on that grid. Expectation values
// are quadratic forms in the amplitudes a_k = c_k exp(-i E_k t) over matrices
// computed once (<phi_j|phi_k>, <phi_j|x|phi_k>, <phi_j|x^2|phi_k>), so a frame
// costs a few hundred operations beside the sum on the grid.
#pragma once

#include <complex>
#include <cstddef>
#include <span>
#include <vector>

namespace dynamics {

using Complex = std::complex<double>;

// Sample i at xmin + i * step, for i < count.
struct Grid {
    double xmin = 0.0;
    double step = 0.0;
    std::size_t count = 0;

    double X(std::size_t i) const { return xmin + static_cast<double>(i) * step; }
};

// One stationary state: its energy and its (real) eigenfunction on the grid.
struct Eigenstate {
    double energy = 0.0;
    std::vector<double> samples;
};

struct Expectations {
    double norm = 0.0;
    double meanX = 0.0;
    double meanX2 = 0.0;
    double meanEnergy = 0.0;
};

class Superposition {
  public:
    // Levels on one grid and a weight for each (amplitude and phase; any
    // scale). The weights are normalised so that sum |c_k|^2 = 1, and the
    // eigenfunctions are made orthonormal on the grid (they are already, to
    // the accuracy they were computed with; this makes it exact to rounding,
    // so the norm cannot drift with t). Throws std::invalid_argument, with a
    // one-line message, for an empty or mismatched input, weights that are
    // all zero or not finite, or levels that are not independent.
    Superposition(const Grid& grid, std::vector<Eigenstate> levels, std::vector<Complex> weights);

    const Grid& GetGrid() const { return grid_; }
    std::size_t Size() const { return energies_.size(); }
    const std::vector<double>& Energies() const { return energies_; }
    // The normalised weights c_k.
    const std::vector<Complex>& Weights() const { return weights_; }
    // Level k's eigenfunction as the superposition uses it.
    std::span<const double> Eigenfunction(std::size_t k) const;

    // c_k exp(-i E_k t).
    std::vector<Complex> Amplitudes(double t) const;

    // psi(x, t) at samples first, first + 1, ..., first + out.size() - 1 (a
    // view needs only the samples it shows). Samples past the grid are zero.
    void Evaluate(double t, std::size_t first, std::span<Complex> out) const;

    // Norm, <x>, <x^2> (each divided by the norm) and <E> at t.
    Expectations Expect(double t) const;

    // sum |c_k|^2 E_k: the same at every t.
    double MeanEnergy() const { return meanEnergy_; }

  private:
    // Amplitudes relative to the first level's phase, which every
    // expectation value and the density leave out: the phase differences
    // (E_k - E_0) t are then computed without the larger E_k t.
    std::vector<Complex> RelativeAmplitudes(double t) const;
    // sum_jk conj(a_j) a_k m_jk for a real symmetric m.
    double Form(const std::vector<Complex>& a, const std::vector<double>& m) const;
    void Orthonormalise();
    void ComputeMatrices();

    Grid grid_;
    std::vector<double> energies_;
    std::vector<Complex> weights_;
    std::vector<double> phi_;  // level k's samples at k * grid_.count
    std::vector<double> overlap_;
    std::vector<double> x_;
    std::vector<double> x2_;
    double meanEnergy_ = 0.0;
};

}  // namespace dynamics
