#include "potentials.h"

#include <cmath>

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
