#include "continuum.h"

#include <array>
#include <cmath>

#include "real_function.h"

namespace spectrum::detail {

namespace {

constexpr int kFarthestPower = 20;           // V is looked at out to 2^20
constexpr double kNearStep = 0.01;           // and on this grid out to kNearEnd
constexpr double kNearEnd = 32.0;            // (2^5: the far points take over)
constexpr double kFarthestOpenEnd = 2048.0;  // no range reaches beyond this

// The point beyond which V stays within `tiny` of `limit`, on the near grid
// and at the far points; the first point past the last one that is not.
double Settled(const Potential& v, int dir, double limit, double tiny) {
    const auto off = [&](double x) { return !(std::fabs(v(dir * x) - limit) <= tiny); };
    double lastOff = -1.0;
    double next = 0.0;
    for (int k = kFarthestPower; k >= 5 && lastOff < 0.0; --k)
        if (off(std::ldexp(1.0, k))) {
            lastOff = std::ldexp(1.0, k);
            next = std::ldexp(1.0, k + 1);
        }
    for (int i = static_cast<int>(kNearEnd / kNearStep); i >= 0 && lastOff < 0.0; --i)
        if (off(i * kNearStep)) {
            lastOff = i * kNearStep;
            next = lastOff + kNearStep;
        }
    if (lastOff < 0.0) return 0.0;
    // To rounding where V settles monotonically (a tail), to the grid's
    // step otherwise (V exactly at its limit beyond a last feature).
    for (double mid = 0.5 * (lastOff + next); mid > lastOff && mid < next;
         mid = 0.5 * (lastOff + next))
        (off(mid) ? lastOff : next) = mid;
    return next;
}

Side Examine(const Potential& v, int dir, double scale) {
    std::array<double, kFarthestPower + 1> f{};
    for (int k = 0; k <= kFarthestPower; ++k)
        f[k] = v(dir * std::ldexp(1.0, k));
    Side s;
    constexpr int n = kFarthestPower;
    if (!std::isfinite(f[n])) {
        if (f[n] > 0.0) s.kind = Side::Kind::Grows;
        if (f[n] < 0.0) s.kind = Side::Kind::Falls;
        return s;
    }
    const double tiny = 1e-15 * scale;
    const double d1 = f[n] - f[n - 1];
    const double d2 = f[n - 1] - f[n - 2];
    const double d3 = f[n - 2] - f[n - 3];
    if (std::fabs(d1) <= tiny && std::fabs(d2) <= tiny) {
        s.kind = Side::Kind::LevelsOff;
        s.limit = std::fabs(f[n]) <= tiny ? 0.0 : f[n];
    } else {
        // Differences over doublings of x shrink by 2^-p for a tail x^-p and
        // grow (or stay, for a logarithm) where V grows.
        const double r = d1 / d2;
        const double r2 = d2 / d3;
        if (!(r > 0.0 && r2 > 0.0 && std::fabs(r - r2) <= 0.2 * r2)) return s;
        if (r >= 0.95) {
            s.kind = d1 > 0.0 ? Side::Kind::Grows : Side::Kind::Falls;
            return s;
        }
        s.kind = Side::Kind::LevelsOff;
        s.limit = f[n] + d1 * r / (1.0 - r);
        // The same from one doubling nearer: a limit no larger than the
        // difference between the two is 0 to what can be told.
        const double nearer = f[n - 1] + d2 * r2 / (1.0 - r2);
        if (std::fabs(s.limit) <= std::fabs(s.limit - nearer)) s.limit = 0.0;
        // Below the limit, a tail slower than 1/x^2 holds infinitely many
        // levels, and so does -g/x^2 itself with g > 1/8.
        const double p = -std::log2(r);
        const double far = std::ldexp(1.0, n);
        const double strength = (s.limit - f[n]) * far * far;
        s.slowTail = f[n] < s.limit && (p < 1.9 || (p < 2.1 && strength > 0.125));
    }
    const double at = Settled(v, dir, s.limit, tiny);
    s.settled = at <= kFarthestOpenEnd;
    s.reached = std::fmin(at, kFarthestOpenEnd);
    if (!s.settled) s.residual = std::fabs(v(dir * s.reached) - s.limit);
    return s;
}

}  // namespace

Continuum FindContinuum(const Potential& v, double scale) {
    Continuum c;
    c.left = Examine(v, -1, scale);
    c.right = Examine(v, +1, scale);
    for (const Side* s : {&c.left, &c.right}) {
        if (s->kind != Side::Kind::LevelsOff) continue;
        if (!c.edge || s->limit < *c.edge) c.edge = s->limit;
    }
    for (const Side* s : {&c.left, &c.right})
        if (s->kind == Side::Kind::LevelsOff && s->slowTail && s->limit == *c.edge)
            c.infinitelyMany = true;
    return c;
}

}  // namespace spectrum::detail

namespace spectrum {

std::optional<double> BoundStatesEnd(const RealFunction& v, double bottom) {
    const detail::Continuum c = detail::FindContinuum([&v](double x) { return v.Value(x); },
                                                      std::fmax(1.0, std::fabs(bottom)));
    for (const detail::Side* side : {&c.left, &c.right})
        if (side->kind == detail::Side::Kind::Falls) return -HUGE_VAL;
    return c.edge;
}

}  // namespace spectrum
