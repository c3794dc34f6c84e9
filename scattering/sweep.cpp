#include "sweep.h"

#include <cmath>

#include "propagation.h"

namespace scattering::detail {

namespace {

constexpr double kRescaleAbove = 1e100;

void KeepInRange(Pair& y) {
    if (std::abs(y.psi.real()) + std::abs(y.psi.imag()) + std::abs(y.dpsi.real()) +
            std::abs(y.dpsi.imag()) <=
        kRescaleAbove)
        return;
    y.psi /= kRescaleAbove;
    y.dpsi /= kRescaleAbove;
    y.logScale += std::log(kRescaleAbove);
}

// exp(Omega) at a complex energy, divided by e^drop where it would overflow:
// Omega^2 = theta2 I as at a real one, so exp(Omega) = cosh(theta) I +
// sinh(theta)/theta Omega whichever root theta is.
struct ComplexMatrix {
    Complex a, b, c, d;
    double drop;
};

ComplexMatrix ComplexPropagator(const Step& s, Complex energy) {
    const Complex fbar = s.vSum - 2.0 * energy;
    const Complex theta2 = s.alpha * s.alpha + s.h * s.h * fbar;
    Complex c;
    Complex sc;
    double drop = 0.0;
    if (std::abs(theta2) < 1e-6) {
        c = 1.0 + theta2 * (0.5 + theta2 / 24.0);
        sc = 1.0 + theta2 * (1.0 / 6.0 + theta2 / 120.0);
    } else {
        const Complex t = std::sqrt(theta2);  // Re t >= 0
        drop = t.real() > 40.0 ? t.real() : 0.0;
        const Complex up = std::exp(t - drop);
        const Complex down = std::exp(-t - drop);
        c = 0.5 * (up + down);
        sc = 0.5 * (up - down) / t;
    }
    return {c + sc * s.alpha, sc * s.h, sc * s.h * fbar, c - sc * s.alpha, drop};
}

template <class M>
void ApplyInverse(const M& m, Pair& y) {
    const Complex p = m.d * y.psi - m.b * y.dpsi;
    const Complex q = -m.c * y.psi + m.a * y.dpsi;
    y.psi = p;
    y.dpsi = q;
    y.logScale += m.drop;
    KeepInRange(y);
}

template <class M>
void Apply(const M& m, Pair& y) {
    const Complex p = m.a * y.psi + m.b * y.dpsi;
    const Complex q = m.c * y.psi + m.d * y.dpsi;
    y.psi = p;
    y.dpsi = q;
    y.logScale += m.drop;
    KeepInRange(y);
}

}  // namespace

Pair Forward(const std::vector<Step>& steps, double energy, Pair y, std::vector<Pair>* record) {
    if (record) record->assign(1, y);
    for (const Step& s : steps) {
        Apply(spectrum::detail::Propagator(s, energy), y);
        if (record) record->push_back(y);
    }
    return y;
}

Pair Backward(const std::vector<Step>& steps, double energy, Pair y, std::vector<Pair>* record) {
    if (record) record->assign(steps.size() + 1, y);
    for (std::size_t i = steps.size(); i-- > 0;) {
        ApplyInverse(spectrum::detail::Propagator(steps[i], energy), y);
        if (record) (*record)[i] = y;
    }
    return y;
}

Pair Backward(const std::vector<Step>& steps, Complex energy, Pair y) {
    for (std::size_t i = steps.size(); i-- > 0;)
        ApplyInverse(ComplexPropagator(steps[i], energy), y);
    return y;
}

Pair Across(const Step& step, double energy, Pair y) {
    Apply(spectrum::detail::Propagator(step, energy), y);
    return y;
}

}  // namespace scattering::detail
