#include "level_tail.h"

#include <cmath>

void TrimDivergentTail(WaveFunction& psi, double energy) {
    const RealFunction* v = psi.Potential();
    const int n = psi.Count();
    if (v == nullptr || n < 3) return;
    const int centre = static_cast<int>(std::lround(-psi.XMin() / psi.Step()));
    if (centre < 1 || centre >= n - 1) return;
    const auto x = [&](int i) { return i * psi.Step() + psi.XMin(); };
    int turning = centre;
    for (int i = centre; i < n - 1; ++i)
        if (v->Value(x(i)) < energy) turning = i;
    int least = turning;
    double leastSize = INFINITY;
    for (int i = turning; i < n - 1; ++i) {
        const Vector2 s = psi.GetSample(static_cast<std::uint16_t>(i));
        const double size = std::hypot(s.x, s.y);
        if (size < leastSize) {
            leastSize = size;
            least = i;
        }
    }
    for (int i = least + 1; i < n - 1; ++i) {
        psi.SetSample(static_cast<std::uint16_t>(i), {});
        const int mirror = 2 * centre - i;
        if (mirror >= 1) psi.SetSample(static_cast<std::uint16_t>(mirror), {});
    }
}
