#include "closed_forms.h"

#include <cmath>
#include <numbers>

#include "model.h"

spectrum::Level ClosedFormLevel(int n, double energy) {
    return {n,    n, n % 2 == 0 ? spectrum::Parity::Even : spectrum::Parity::Odd, energy, 0.0,
            true, {}};
}

std::vector<spectrum::Level> OscillatorLevels(double alpha, double offset, double massFactor,
                                              int count) {
    const double omega = std::sqrt(2.0 * alpha / massFactor);
    std::vector<spectrum::Level> levels;
    for (int n = 0; n < count; ++n)
        levels.push_back(ClosedFormLevel(n, offset + omega * (n + 0.5)));
    return levels;
}

std::vector<spectrum::Level> SquareWellLevels(double halfWidth, double depth, double massFactor,
                                              double bracket) {
    const double a = halfWidth;
    const double z0 = a * std::sqrt(2.0 * massFactor * -depth);
    const auto energy = [&](double z) { return z * z / (2.0 * massFactor * a * a) + depth; };
    // The matching conditions multiplied out by cos z or sin z, so that they
    // have no poles: even z sin z - w cos z = 0, odd z cos z + w sin z = 0.
    const auto mismatch = [&](int parity, double z) {
        const double w = std::sqrt(std::fmax(z0 * z0 - z * z, 0.0));
        return parity == 0 ? z * std::sin(z) - w * std::cos(z) : z * std::cos(z) + w * std::sin(z);
    };

    std::vector<spectrum::Level> levels;
    for (int n = 0; n * (std::numbers::pi / 2.0) < z0; ++n) {
        const int parity = n % 2;
        double lo = n * (std::numbers::pi / 2.0);
        double hi = std::fmin((n + 1) * (std::numbers::pi / 2.0), z0);
        double fLo = mismatch(parity, lo);
        if (fLo == 0.0) {
            levels.push_back(ClosedFormLevel(n, energy(lo)));
            continue;
        }
        if (fLo * mismatch(parity, hi) > 0.0) continue;  // no root: the well ends first
        while (energy(hi) - energy(lo) > bracket) {
            const double mid = 0.5 * (lo + hi);
            if (mid <= lo || mid >= hi) break;
            const double fMid = mismatch(parity, mid);
            if (fMid == 0.0) {
                lo = hi = mid;
                break;
            }
            if ((fMid > 0.0) == (fLo > 0.0)) {
                lo = mid;
                fLo = fMid;
            } else {
                hi = mid;
            }
        }
        levels.push_back(ClosedFormLevel(n, energy(0.5 * (lo + hi))));
    }
    return levels;
}

std::optional<spectrum::Level> NearestClosedForm(const std::vector<spectrum::Level>& levels,
                                                 std::uint8_t parity, double energy) {
    const spectrum::Parity wanted = parity == 0 ? spectrum::Parity::Even : spectrum::Parity::Odd;
    std::optional<spectrum::Level> best;
    for (const spectrum::Level& r : levels) {
        if (r.parity != wanted) continue;
        if (!best || std::fabs(r.energy - energy) < std::fabs(best->energy - energy)) best = r;
    }
    return best;
}

std::vector<spectrum::Level> PoschlTellerLevels(double depth, double width, double massFactor) {
    const double w2 = width * width;
    const double lambda = 0.5 * (-1.0 + std::sqrt(1.0 - 8.0 * massFactor * depth * w2));
    std::vector<spectrum::Level> levels;
    for (int n = 0; n < lambda; ++n)
        levels.push_back(
            ClosedFormLevel(n, -(lambda - n) * (lambda - n) / (2.0 * massFactor * w2)));
    return levels;
}

namespace {

// u(t) = Ai(-t) and u'(t): u'' = -t u, Taylor series about multiples of 1/4.
class AiryOfMinus {
  public:
    void At(long double t, long double& u, long double& du) {
        if (u_.empty()) {
            u_.push_back(1.0L / (std::pow(3.0L, 2.0L / 3.0L) * std::tgamma(2.0L / 3.0L)));
            du_.push_back(1.0L / (std::pow(3.0L, 1.0L / 3.0L) * std::tgamma(1.0L / 3.0L)));
        }
        const auto i = static_cast<std::size_t>(t / kStep);
        while (u_.size() <= i) {
            long double a = 0.0L;
            long double b = 0.0L;
            Taylor((u_.size() - 1) * kStep, u_.back(), du_.back(), kStep, a, b);
            u_.push_back(a);
            du_.push_back(b);
        }
        Taylor(i * kStep, u_[i], du_[i], t - i * kStep, u, du);
    }

  private:
    static constexpr long double kStep = 0.25L;
    static constexpr int kTerms = 48;
    static void Taylor(long double t0, long double u0, long double du0, long double s,
                       long double& u, long double& du) {
        long double a[kTerms] = {u0, du0};
        for (int n = 0; n + 2 < kTerms; ++n)
            a[n + 2] = -(t0 * a[n] + (n >= 1 ? a[n - 1] : 0.0L)) / ((n + 2.0L) * (n + 1.0L));
        u = 0.0L;
        du = 0.0L;
        for (int n = kTerms - 1; n >= 0; --n) {
            u = u * s + a[n];
            if (n >= 1) du = du * s + n * a[n];
        }
    }
    std::vector<long double> u_, du_;
};

// The zeros of Ai(-t) and of Ai'(-t) in increasing t (they alternate, one
// of Ai' first), each bisected to rounding, until `done` says so.
template <class Done>
void AiryZeros(Done&& done) {
    AiryOfMinus airy;
    const auto value = [&](double t, bool ofDerivative) {
        long double u = 0.0L;
        long double du = 0.0L;
        airy.At(t, u, du);
        return static_cast<double>(ofDerivative ? du : u);
    };
    constexpr double kScan = 0.05;  // zeros of either are further apart
    for (double from = 0.0;; from += kScan) {
        for (bool ofDerivative : {true, false}) {
            double lo = from;
            double hi = from + kScan;
            const double fLo = value(lo, ofDerivative);
            if (fLo * value(hi, ofDerivative) >= 0.0) continue;
            for (double mid = 0.5 * (lo + hi); mid > lo && mid < hi; mid = 0.5 * (lo + hi))
                ((value(mid, ofDerivative) > 0.0) == (fLo > 0.0) ? lo : hi) = mid;
            if (done(0.5 * (lo + hi), ofDerivative)) return;
        }
    }
}

}  // namespace

double AiryZero(int k, bool ofDerivative) {
    double zero = 0.0;
    int found = 0;
    AiryZeros([&](double t, bool derivative) {
        if (derivative != ofDerivative || ++found < k) return false;
        zero = t;
        return true;
    });
    return zero;
}

std::vector<spectrum::Level> VShapedLevels(double slope, double offset, double massFactor,
                                           double below) {
    const double scale = std::cbrt(slope * slope / (2.0 * massFactor));
    std::vector<spectrum::Level> levels;
    AiryZeros([&](double t, bool) {
        const int n = static_cast<int>(levels.size());
        levels.push_back(ClosedFormLevel(n, offset + scale * t));
        return levels.back().energy >= below;
    });
    return levels;
}

namespace {

// Beyond the solver's own limit of levels there is nothing to compare with.
constexpr double kMostClosedForms = 1000.0;

}  // namespace

std::vector<spectrum::Level> ClosedForms(FamilyId family, std::span<const double> values,
                                         double below) {
    constexpr double k = model::kMassFactor;
    switch (family) {
        case FamilyId::Oscillator: {  // coefficient, exponent, offset
            if (values[1] != 2.0) return {};
            const double omega = std::sqrt(2.0 * values[0] / k);
            const double count = std::fmax(0.0, std::ceil((below - values[2]) / omega + 0.5));
            return OscillatorLevels(values[0], values[2], k,
                                    static_cast<int>(std::fmin(count, kMostClosedForms)) + 1);
        }
        case FamilyId::Well:  // depth, half-width
            return SquareWellLevels(values[1], values[0], k, 0.0);
        case FamilyId::PoschlTeller:  // depth, width
            return PoschlTellerLevels(values[0], values[1], k);
        case FamilyId::VShaped: {  // slope, offset: levels up to what is shown
            const double scale = std::cbrt(values[0] * values[0] / (2.0 * k));
            const double t = std::pow(3.0 * std::numbers::pi * kMostClosedForms / 2.0, 2.0 / 3.0);
            return VShapedLevels(values[0], values[1], k, std::fmin(below, values[1] + scale * t));
        }
        default:
            return {};
    }
}
