#include "wave_function.h"

#include <cmath>

void WaveFunction::Integrate(std::uint8_t parity, double energy) {
    if (!potential_) return;
    const bool odd = parity != 0;
    double y = odd ? 0.0 : 1.0;  // running psi
    double d = odd ? 1.0 : 0.0;  // running psi'

    const std::uint16_t n = Count();
    const double xmin = XMin();
    const double h = Step();

    // The sample at x = 0. Note N, not N - 1: trunc(0.5 * 4001) = 2000 on our
    // grid. Checked in double before the conversion, which must not overflow.
    const double centre = -(xmin / (XMax() - xmin)) * n;
    const bool centreValid = std::fabs(centre) < 2147483648.0;
    const auto i0 = centreValid ? static_cast<std::uint16_t>(static_cast<std::int32_t>(centre))
                                : std::uint16_t{0};

    if (centreValid && n > 0 && i0 < n - 1) {
        for (unsigned i = i0; i < n - 1u; ++i) {
            SetSample(static_cast<std::uint16_t>(i), {y, 0.0});
            const double x = i * h + xmin;
            // Slope first, then value with the new slope.
            d = d + (((potential_->Value(x) - energy) * massFactor_ * y) * 2.0) * h;
            y = y + h * d;
        }
        for (unsigned k = 0; k < i0; ++k) {
            // A grid whose centre lies past its middle has nothing to mirror there.
            Vector2 v = i0 + k < n ? GetSample(static_cast<std::uint16_t>(i0 + k)) : Vector2{};
            if (odd) v = v * -1.0;
            SetSample(static_cast<std::uint16_t>(i0 - k), v);
        }
    }

    if (odd) {
        DivideScale(Derivative(0.0).x);
    } else {
        DivideScale(Value(0.0).x);
    }
}
