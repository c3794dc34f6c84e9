// Levels of the continuous problem -1/2 psi'' + V psi = E psi where they are
// known in closed form or by an equation of one variable, each solved here to
// rounding by means that share nothing with the solver; and an independent
// count of the levels below an energy.
#pragma once

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace reference {

// The root of f in [lo, hi] (f(lo), f(hi) of opposite signs), bisected
// until the interval cannot shrink.
inline double Bisect(const std::function<double(double)>& f, double lo, double hi) {
    const bool rising = f(hi) > 0.0;
    for (;;) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) return mid;
        ((f(mid) > 0.0) == rising ? hi : lo) = mid;
    }
}

// alpha x^2 + d: d + sqrt(2 alpha) (n + 1/2).
inline std::vector<double> Oscillator(double alpha, double d, int count) {
    std::vector<double> e;
    for (int n = 0; n < count; ++n)
        e.push_back(d + std::sqrt(2.0 * alpha) * (n + 0.5));
    return e;
}

// depth < 0 inside |x| < a: with z = k a, z0 = a sqrt(2 |depth|), the even
// levels solve z sin z = w cos z and the odd ones z cos z = -w sin z, w =
// sqrt(z0^2 - z^2), level n having z in (n pi/2, (n + 1) pi/2).
inline std::vector<double> FiniteWell(double depth, double a) {
    const double z0 = a * std::sqrt(-2.0 * depth);
    std::vector<double> e;
    for (int n = 0; n * std::numbers::pi / 2.0 < z0; ++n) {
        const auto f = [&](double z) {
            const double w = std::sqrt(std::fmax(z0 * z0 - z * z, 0.0));
            return n % 2 == 0 ? z * std::sin(z) - w * std::cos(z)
                              : z * std::cos(z) + w * std::sin(z);
        };
        const double lo = n * std::numbers::pi / 2.0;
        const double hi = std::fmin((n + 1) * std::numbers::pi / 2.0, z0);
        if (f(lo) * f(hi) >= 0.0) break;
        const double z = Bisect(f, lo, hi);
        e.push_back(depth + z * z / (2.0 * a * a));
    }
    return e;
}

// depth sech^2(x / w): with lambda (lambda + 1) = 2 |depth| w^2, the levels
// are -(lambda - n)^2 / (2 w^2) for n < lambda.
inline std::vector<double> PoschlTeller(double depth, double w) {
    const double lambda = 0.5 * (-1.0 + std::sqrt(1.0 - 8.0 * depth * w * w));
    std::vector<double> e;
    for (int n = 0; n < lambda; ++n)
        e.push_back(-(lambda - n) * (lambda - n) / (2.0 * w * w));
    return e;
}

// u(t) = Ai(-t) from its values at 0 by Taylor steps of the equation
// u'' = -t u (an entire function: 40 terms per step of 1/4 are exact to
// rounding), in long double.
class AiryOfMinus {
  public:
    AiryOfMinus() {
        const long double ai0 = 1.0L / (std::pow(3.0L, 2.0L / 3.0L) * std::tgamma(2.0L / 3.0L));
        const long double dai0 = -1.0L / (std::pow(3.0L, 1.0L / 3.0L) * std::tgamma(1.0L / 3.0L));
        u_.push_back(ai0);
        du_.push_back(-dai0);  // d/dt Ai(-t) = -Ai'(-t)
    }
    // u and u' at t >= 0.
    void At(double t, long double& u, long double& du) {
        const int i = static_cast<int>(t / kStep);
        while (static_cast<int>(u_.size()) <= i) {
            long double a, b;
            Taylor((u_.size() - 1) * kStep, u_.back(), du_.back(), kStep, a, b);
            u_.push_back(a);
            du_.push_back(b);
        }
        Taylor(i * kStep, u_[i], du_[i], t - i * kStep, u, du);
    }
    // The k-th zero (k >= 1) of u (derivative = false) or of u'.
    double Zero(int k, bool derivative) {
        const auto f = [&](double t) {
            long double u, du;
            At(t, u, du);
            return static_cast<double>(derivative ? du : u);
        };
        int found = 0;
        for (double t = 0.0;; t += 0.05)
            if (f(t) * f(t + 0.05) < 0.0 && ++found == k) return Bisect(f, t, t + 0.05);
    }

  private:
    static constexpr double kStep = 0.25;
    static void Taylor(long double t0, long double u0, long double du0, long double s,
                       long double& u, long double& du) {
        long double a[48] = {u0, du0};
        for (int n = 0; n + 2 < 48; ++n)
            a[n + 2] = -(t0 * a[n] + (n >= 1 ? a[n - 1] : 0.0L)) / ((n + 2.0L) * (n + 1.0L));
        u = 0.0L;
        du = 0.0L;
        for (int n = 47; n >= 0; --n) {
            u = u * s + a[n];
            if (n >= 1) du = du * s + n * a[n];
        }
    }
    std::vector<long double> u_, du_;
};

// slope |x| + d: even levels at the zeros of Ai'(-t), odd ones at those of
// Ai(-t), E = d + (slope^2 / 2)^(1/3) t.
inline std::vector<double> VShaped(double slope, double d, int count) {
    AiryOfMinus airy;
    std::vector<double> e;
    for (int n = 0; n < count; ++n)
        e.push_back(d + std::cbrt(slope * slope / 2.0) * airy.Zero(n / 2 + 1, n % 2 == 0));
    return e;
}

// The levels below e of -1/2 psi'' + V psi on [-L, L] with psi(+-L) = 0 by
// central differences on n points: the negative pivots of H - e (Sylvester's
// law of inertia on the tridiagonal matrix).
inline int SturmCount(const std::function<double(double)>& v, double e, double L, int n) {
    const double h = 2.0 * L / (n + 1);
    const double off = -0.5 / (h * h);
    int negative = 0;
    double pivot = 1.0;
    for (int i = 1; i <= n; ++i) {
        const double diag = 1.0 / (h * h) + v(-L + i * h) - e;
        pivot = i == 1 ? diag : diag - off * off / pivot;
        if (pivot == 0.0) pivot = 1e-300;
        if (pivot < 0.0) ++negative;
    }
    return negative;
}

}  // namespace reference
