// References for piecewise-constant potentials, in long double: the plane
// waves of each piece matched at its ends, written out, with nothing of the
// program's integrator.
#pragma once

#include <complex>
#include <vector>

namespace scattering_test {

using LComplex = std::complex<long double>;

struct Pieces {
    std::vector<long double> edges;   // increasing
    std::vector<long double> values;  // one more than edges
};

// psi = a e^(i k x) + b e^(-i k x) in every piece (x measured from 0), for
// the wave leaving on the right as e^(i k_R x) (a = 1, b = 0 there).
struct Matching {
    std::vector<LComplex> a, b, k;
};

inline LComplex WaveNumber(LComplex energy, long double v) {
    return std::sqrt(2.0L * (energy - v));
}

inline Matching Match(const Pieces& p, LComplex energy) {
    const std::size_t n = p.values.size();
    Matching m;
    m.a.assign(n, 0.0L);
    m.b.assign(n, 0.0L);
    m.k.resize(n);
    for (std::size_t j = 0; j < n; ++j)
        m.k[j] = WaveNumber(energy, p.values[j]);
    m.a[n - 1] = 1.0L;
    const LComplex i(0.0L, 1.0L);
    for (std::size_t j = n - 1; j-- > 0;) {
        const long double x = p.edges[j];
        const LComplex up = std::exp(i * m.k[j + 1] * x);
        const LComplex psi = m.a[j + 1] * up + m.b[j + 1] / up;
        const LComplex dpsi = i * m.k[j + 1] * (m.a[j + 1] * up - m.b[j + 1] / up);
        const LComplex here = std::exp(i * m.k[j] * x);
        m.a[j] = 0.5L * (psi + dpsi / (i * m.k[j])) / here;
        m.b[j] = 0.5L * (psi - dpsi / (i * m.k[j])) * here;
    }
    return m;
}

struct Exact {
    long double t, r;
};

inline Exact TransmissionOf(const Pieces& p, long double energy) {
    const Matching m = Match(p, energy);
    const long double kL = m.k.front().real();
    const long double kR = m.k.back().real();
    return {kR / kL / std::norm(m.a.front()), std::norm(m.b.front() / m.a.front())};
}

// psi at x for the wave of unit amplitude coming in from the left.
inline LComplex StateFromLeft(const Pieces& p, long double energy, long double x) {
    const Matching m = Match(p, energy);
    std::size_t j = 0;
    while (j < p.edges.size() && x > p.edges[j])
        ++j;
    const LComplex i(0.0L, 1.0L);
    const LComplex up = std::exp(i * m.k[j] * x);
    return (m.a[j] * up + m.b[j] / up) / m.a.front();
}

// A zero of the incoming amplitude near `guess`: Newton's method with a
// difference quotient, in long double.
inline LComplex Pole(const Pieces& p, LComplex guess) {
    LComplex z = guess;
    for (int i = 0; i < 100; ++i) {
        const LComplex f = Match(p, z).a.front();
        const LComplex h = 1e-7L * std::max(1.0L, std::abs(z));
        const LComplex d = (Match(p, z + h).a.front() - Match(p, z - h).a.front()) / (2.0L * h);
        const LComplex step = f / d;
        z -= step;
        if (std::abs(step) < 1e-18L * std::abs(z)) break;
    }
    return z;
}

}  // namespace scattering_test
