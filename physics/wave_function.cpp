#include "wave_function.h"

#include <cmath>
#include <new>
#include <optional>
#include <typeinfo>

#include "portable_numbers.h"
#include "potentials.h"

namespace {

// Compared bit for bit, so that -0.0 and 0.0, or two NaNs, are told apart
// exactly when the values could differ.
std::uint64_t Bits(double v) {
    return portable::BitCast<std::uint64_t>(v);
}

}  // namespace

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
        const double* table = PotentialTable(i0, n - 1u, xmin, h);
        const bool limited = growthLimit_ < HUGE_VAL;
        for (unsigned i = i0; i < n - 1u; ++i) {
            SetSample(static_cast<std::uint16_t>(i), {y, 0.0});
            const double v = table ? table[i - i0] : potential_->Value(i * h + xmin);
            // Slope first, then value with the new slope.
            d = d + (((v - energy) * massFactor_ * y) * 2.0) * h;
            y = y + h * d;
            if (limited && !(std::fabs(y) <= growthLimit_)) {
                y = std::copysign(growthLimit_, y);
                d = 0.0;
            }
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

const double* WaveFunction::PotentialTable(unsigned first, unsigned end, double xmin, double h) {
    const std::optional<PotentialSettings> settings = SettingsOf(*potential_);
    if (!settings || end <= first) return nullptr;
    TableKey key;
    key.kind = settings->kind;
    for (std::size_t k = 0; k < key.settings.size(); ++k)
        key.settings[k] = Bits(settings->values[k]);
    key.xmin = Bits(xmin);
    key.step = Bits(h);
    key.first = first;
    key.end = end;
    if (tableValid_ && key == tableKey_) return table_.get();

    tableValid_ = false;
    const unsigned size = end - first;
    if (size > tableSize_) {
        table_.reset(new (std::nothrow) double[size]);
        tableSize_ = table_ ? size : 0;
        if (!table_) return nullptr;
    }
    // The same x and the same call as the integration would make.
    for (unsigned i = first; i < end; ++i)
        table_[i - first] = potential_->Value(i * h + xmin);
    tableKey_ = key;
    tableValid_ = true;
    return table_.get();
}
