// The three symmetric potentials a user can pick. Each is even in x, which the
// integrator relies on: it integrates x >= 0 and mirrors.
#pragma once

#include <array>
#include <optional>

#include "real_function.h"

// V0 inside |x| < a (strict), 0 outside: the finite square well.
class SquareWell : public RealFunction {
  public:
    void SetHalfWidth(double a) { halfWidth_ = a; }
    void SetDepth(double v0) { depth_ = v0; }
    double HalfWidth() const { return halfWidth_; }
    double Depth() const { return depth_; }

    double Value(double x) const override;
    double Derivative(double x) const override;

  private:
    double halfWidth_ = 0.5;
    double depth_ = -1.0;
};

// alpha * x^p + d; the program uses p = 2, the harmonic oscillator.
class PowerPotential : public RealFunction {
  public:
    void SetCoefficient(double alpha) { coefficient_ = alpha; }
    void SetOffset(double d) { offset_ = d; }
    double Coefficient() const { return coefficient_; }
    double Exponent() const { return exponent_; }
    double Offset() const { return offset_; }

    double Value(double x) const override;
    double Derivative(double x) const override;

  private:
    double coefficient_ = 1.0;
    double exponent_ = 2.0;
    double offset_ = 0.0;
};

// A / (1 + e^(x^2)): a smooth well with a flat bottom.
class WoodsSaxonPotential : public RealFunction {
  public:
    void SetStrength(double a) { strength_ = a; }
    double Strength() const { return strength_; }

    double Value(double x) const override;
    double Derivative(double x) const override;

  private:
    double strength_ = 1.0;
};

// The kind (1 power, 2 square well, 3 Woods-Saxon) and settings of one of the
// potentials above, which is all its values depend on besides x: for callers
// that keep values between calls. Nothing for any other function; the exact
// type is required, as a derived class may compute its values differently.
struct PotentialSettings {
    int kind;
    std::array<double, 3> values;
};
std::optional<PotentialSettings> SettingsOf(const RealFunction& f);
