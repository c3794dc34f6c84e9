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

double PowerPotential::Value(double x) const {
    return coefficient_ * std::pow(x, exponent_) + offset_;
}

double PowerPotential::Derivative(double x) const {
    return coefficient_ * std::pow(x, exponent_ - 1.0) * exponent_;
}

double WoodsSaxonPotential::Value(double x) const {
    return strength_ / (1.0 + std::exp(x * x));
}

// A fixed forward step is plenty for deciding how steep the curve is drawn.
double WoodsSaxonPotential::Derivative(double x) const {
    return (Value(x + 0.001) - Value(x)) * 1000.0;
}

std::optional<PotentialSettings> SettingsOf(const RealFunction& f) {
    if (typeid(f) == typeid(PowerPotential)) {
        const auto& p = static_cast<const PowerPotential&>(f);
        return PotentialSettings{1, {p.Coefficient(), p.Exponent(), p.Offset()}};
    }
    if (typeid(f) == typeid(SquareWell)) {
        const auto& w = static_cast<const SquareWell&>(f);
        return PotentialSettings{2, {w.HalfWidth(), w.Depth(), 0.0}};
    }
    if (typeid(f) == typeid(WoodsSaxonPotential)) {
        const auto& ws = static_cast<const WoodsSaxonPotential&>(f);
        return PotentialSettings{3, {ws.Strength(), 0.0, 0.0}};
    }
    return std::nullopt;
}
