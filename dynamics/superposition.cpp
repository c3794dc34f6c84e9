#include "superposition.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace dynamics {

namespace {

// Trapezoid rule for the integral of f g over the grid.
double Integral(std::span<const double> f, std::span<const double> g, const Grid& grid) {
    const std::size_t n = f.size();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i)
        sum += f[i] * g[i];
    if (n > 1) sum -= 0.5 * (f[0] * g[0] + f[n - 1] * g[n - 1]);
    return sum * grid.step;
}

// The same with a weight w(x_i) between f and g.
double WeightedIntegral(std::span<const double> f, std::span<const double> g,
                        std::span<const double> w, const Grid& grid) {
    const std::size_t n = f.size();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i)
        sum += f[i] * w[i] * g[i];
    if (n > 1) sum -= 0.5 * (f[0] * w[0] * g[0] + f[n - 1] * w[n - 1] * g[n - 1]);
    return sum * grid.step;
}

void Check(bool ok, const std::string& message) {
    if (!ok) throw std::invalid_argument(message);
}

}  // namespace

Superposition::Superposition(const Grid& grid, std::vector<Eigenstate> levels,
                             std::vector<Complex> weights)
    : grid_(grid) {
    Check(!levels.empty(), "no levels to superpose");
    Check(
        grid.count >= 2 && std::isfinite(grid.step) && grid.step > 0.0 && std::isfinite(grid.xmin),
        "the grid needs at least two samples and a positive step");
    Check(weights.size() == levels.size(), std::to_string(weights.size()) + " weights for " +
                                               std::to_string(levels.size()) + " levels");
    double total = 0.0;
    for (const Complex& w : weights) {
        Check(std::isfinite(w.real()) && std::isfinite(w.imag()), "a weight is not finite");
        total += std::norm(w);
    }
    Check(total > 0.0 && std::isfinite(total), "the weights are all zero");
    const double scale = 1.0 / std::sqrt(total);
    for (Complex& w : weights)
        w *= scale;
    weights_ = std::move(weights);

    phi_.reserve(levels.size() * grid.count);
    for (std::size_t k = 0; k < levels.size(); ++k) {
        const Eigenstate& level = levels[k];
        Check(level.samples.size() == grid.count,
              "level " + std::to_string(k) + " has " + std::to_string(level.samples.size()) +
                  " samples, the grid " + std::to_string(grid.count));
        Check(std::isfinite(level.energy), "level " + std::to_string(k) + " has no finite energy");
        for (double v : level.samples)
            Check(std::isfinite(v),
                  "level " + std::to_string(k) + " has a sample that is not finite");
        energies_.push_back(level.energy);
        phi_.insert(phi_.end(), level.samples.begin(), level.samples.end());
        meanEnergy_ += std::norm(weights_[k]) * level.energy;
    }
    Orthonormalise();
    ComputeMatrices();
}

std::span<const double> Superposition::Eigenfunction(std::size_t k) const {
    return {phi_.data() + k * grid_.count, grid_.count};
}

// Modified Gram-Schmidt in the levels' order, twice: once is enough in exact
// arithmetic, twice makes it so to rounding.
void Superposition::Orthonormalise() {
    const std::size_t n = grid_.count;
    for (std::size_t k = 0; k < Size(); ++k) {
        const std::span<double> fk(phi_.data() + k * n, n);
        const double before = std::sqrt(Integral(fk, fk, grid_));
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t j = 0; j < k; ++j) {
                const std::span<const double> fj = Eigenfunction(j);
                const double p = Integral(fj, fk, grid_);
                for (std::size_t i = 0; i < n; ++i)
                    fk[i] -= p * fj[i];
            }
        }
        const double after = std::sqrt(Integral(fk, fk, grid_));
        Check(after > 1e-6 * before && after > 0.0,
              "level " + std::to_string(k) + " is not independent of the levels before it");
        for (double& v : fk)
            v /= after;
    }
}

void Superposition::ComputeMatrices() {
    const std::size_t n = grid_.count;
    const std::size_t m = Size();
    std::vector<double> x(n);
    std::vector<double> x2(n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = grid_.X(i);
        x2[i] = x[i] * x[i];
    }
    overlap_.assign(m * m, 0.0);
    x_.assign(m * m, 0.0);
    x2_.assign(m * m, 0.0);
    for (std::size_t j = 0; j < m; ++j) {
        for (std::size_t k = j; k < m; ++k) {
            const auto fj = Eigenfunction(j);
            const auto fk = Eigenfunction(k);
            overlap_[j * m + k] = overlap_[k * m + j] = Integral(fj, fk, grid_);
            x_[j * m + k] = x_[k * m + j] = WeightedIntegral(fj, fk, x, grid_);
            x2_[j * m + k] = x2_[k * m + j] = WeightedIntegral(fj, fk, x2, grid_);
        }
    }
}

std::vector<Complex> Superposition::RelativeAmplitudes(double t) const {
    std::vector<Complex> a(Size());
    for (std::size_t k = 0; k < Size(); ++k)
        a[k] = weights_[k] * std::polar(1.0, -(energies_[k] - energies_[0]) * t);
    return a;
}

std::vector<Complex> Superposition::Amplitudes(double t) const {
    std::vector<Complex> a = RelativeAmplitudes(t);
    const Complex common = std::polar(1.0, -energies_[0] * t);
    for (Complex& v : a)
        v *= common;
    return a;
}

void Superposition::Evaluate(double t, std::size_t first, std::span<Complex> out) const {
    const std::size_t n = grid_.count;
    const std::size_t begin = std::min(first, n);
    const std::size_t end = std::min(first + out.size(), n);
    for (Complex& v : out)
        v = Complex();
    const std::vector<Complex> a = Amplitudes(t);
    for (std::size_t k = 0; k < Size(); ++k) {
        const double* f = phi_.data() + k * n;
        const double re = a[k].real();
        const double im = a[k].imag();
        for (std::size_t i = begin; i < end; ++i) {
            Complex& v = out[i - first];
            v = Complex(v.real() + re * f[i], v.imag() + im * f[i]);
        }
    }
}

double Superposition::Form(const std::vector<Complex>& a, const std::vector<double>& m) const {
    const std::size_t size = Size();
    double sum = 0.0;
    for (std::size_t j = 0; j < size; ++j) {
        sum += std::norm(a[j]) * m[j * size + j];
        for (std::size_t k = j + 1; k < size; ++k)
            sum += 2.0 * (std::conj(a[j]) * a[k]).real() * m[j * size + k];
    }
    return sum;
}

Expectations Superposition::Expect(double t) const {
    const std::vector<Complex> a = RelativeAmplitudes(t);
    Expectations e;
    e.norm = Form(a, overlap_);
    e.meanX = Form(a, x_) / e.norm;
    e.meanX2 = Form(a, x2_) / e.norm;
    e.meanEnergy = meanEnergy_;
    return e;
}

}  // namespace dynamics
