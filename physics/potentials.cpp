#include "potentials.h"

#include <cmath>
#include <typeinfo>

double SquareWell::Value(double x) const {
    return (-halfWidth_ < x && x < halfWidth_) ? depth_ : 0.0;
}

// Flat on both sides of the walls; the walls themselves are drawn as jumps.
double SquareWell::Derivative(double) const {
    return 0.0;
}

// The power of |x|: for p = 2 the very values of x^2, as pow(-x, 2) is pow(x, 2).
double PowerPotential::Value(double x) const {
    return coefficient_ * std::pow(std::fabs(x), exponent_) + offset_;
}

// For p = 2, copysign(|x|, x) is x: the slope of x^2 as it always was.
double PowerPotential::Derivative(double x) const {
    return coefficient_ * std::copysign(std::pow(std::fabs(x), exponent_ - 1.0), x) * exponent_;
}

double WoodsSaxonPotential::Value(double x) const {
    return strength_ / (1.0 + std::exp(x * x));
}

// A fixed forward step is plenty for deciding how steep the curve is drawn.
double WoodsSaxonPotential::Derivative(double x) const {
    return (Value(x + 0.001) - Value(x)) * 1000.0;
}

double PoschlTellerPotential::Value(double x) const {
    const double s = 1.0 / std::cosh(x / width_);
    return depth_ * s * s;
}

double PoschlTellerPotential::Derivative(double x) const {
    const double u = x / width_;
    const double s = 1.0 / std::cosh(u);
    return -2.0 * depth_ * s * s * std::tanh(u) / width_;
}

double VShapedPotential::Value(double x) const {
    return slope_ * std::fabs(x) + offset_;
}

double VShapedPotential::Derivative(double x) const {
    if (x > 0.0) return slope_;
    return x < 0.0 ? -slope_ : 0.0;
}

double MultiWellPotential::HalfExtent() const {
    return 0.5 * (count_ * width_ + (count_ - 1) * gap_);
}

// Measured inward from the outer wall: period after period of a well and a
// gap. Without gaps the wells are one wide well with no inner walls.
double MultiWellPotential::Value(double x) const {
    if (count_ < 1) return 0.0;
    const double d = HalfExtent() - std::fabs(x);
    if (!(d > 0.0)) return 0.0;
    if (gap_ <= 0.0) return depth_;
    const double period = width_ + gap_;
    const double k = std::floor(d / period);
    const double r = d - k * period;
    return (k < count_ && r > 0.0 && r < width_) ? depth_ : 0.0;
}

double MultiWellPotential::Derivative(double) const {
    return 0.0;
}

std::vector<double> MultiWellPotential::Jumps() const {
    std::vector<double> right;
    const double edge = HalfExtent();
    if (count_ < 1) return right;
    if (gap_ <= 0.0) return {-edge, edge};
    for (int k = 0; k < count_; ++k) {
        const double outer = edge - k * (width_ + gap_);
        for (double wall : {outer, outer - width_})
            if (wall > 0.0) right.push_back(wall);
    }
    // An odd count puts the middle well across x = 0 with both its walls
    // listed already; an even one has its innermost walls at +-gap/2.
    std::vector<double> all;
    for (auto it = right.begin(); it != right.end(); ++it)
        all.push_back(-*it);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        all.push_back(*it);
    return all;
}

std::optional<PotentialSettings> SettingsOf(const RealFunction& f) {
    if (typeid(f) == typeid(PowerPotential)) {
        const auto& p = static_cast<const PowerPotential&>(f);
        return PotentialSettings{1, {p.Coefficient(), p.Exponent(), p.Offset(), 0.0}};
    }
    if (typeid(f) == typeid(SquareWell)) {
        const auto& w = static_cast<const SquareWell&>(f);
        return PotentialSettings{2, {w.HalfWidth(), w.Depth(), 0.0, 0.0}};
    }
    if (typeid(f) == typeid(WoodsSaxonPotential)) {
        const auto& ws = static_cast<const WoodsSaxonPotential&>(f);
        return PotentialSettings{3, {ws.Strength(), 0.0, 0.0, 0.0}};
    }
    if (typeid(f) == typeid(PoschlTellerPotential)) {
        const auto& pt = static_cast<const PoschlTellerPotential&>(f);
        return PotentialSettings{4, {pt.Depth(), pt.Width(), 0.0, 0.0}};
    }
    if (typeid(f) == typeid(VShapedPotential)) {
        const auto& v = static_cast<const VShapedPotential&>(f);
        return PotentialSettings{5, {v.Slope(), v.Offset(), 0.0, 0.0}};
    }
    if (typeid(f) == typeid(MultiWellPotential)) {
        const auto& m = static_cast<const MultiWellPotential&>(f);
        return PotentialSettings{6,
                                 {static_cast<double>(m.Count()), m.Depth(), m.Width(), m.Gap()}};
    }
    return std::nullopt;
}
