// The potentials a user can pick, each in a family with its own settings.
// The integrator relies on evenness: it integrates x >= 0 and mirrors.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "real_function.h"

// A potential V(x) that can tell what a solver needs besides its values:
// whether it is even in x, and where it jumps.
class Potential : public RealFunction {
  public:
    virtual bool IsEven() const { return true; }
    // The x of every jump, in increasing order.
    virtual std::vector<double> Jumps() const { return {}; }
};

// V0 inside |x| < a (strict), 0 outside: the finite square well.
class SquareWell : public Potential {
  public:
    void SetHalfWidth(double a) { halfWidth_ = a; }
    void SetDepth(double v0) { depth_ = v0; }
    double HalfWidth() const { return halfWidth_; }
    double Depth() const { return depth_; }

    double Value(double x) const override;
    double Derivative(double x) const override;
    std::vector<double> Jumps() const override { return {-halfWidth_, halfWidth_}; }

  private:
    double halfWidth_ = 0.5;
    double depth_ = -1.0;
};

// alpha * |x|^p + d; p = 2 is the harmonic oscillator.
class PowerPotential : public Potential {
  public:
    void SetCoefficient(double alpha) { coefficient_ = alpha; }
    void SetExponent(double p) { exponent_ = p; }
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
class WoodsSaxonPotential : public Potential {
  public:
    void SetStrength(double a) { strength_ = a; }
    double Strength() const { return strength_; }

    double Value(double x) const override;
    double Derivative(double x) const override;

  private:
    double strength_ = 1.0;
};

// depth * sech^2(x / width): the Poschl-Teller well.
class PoschlTellerPotential : public Potential {
  public:
    void SetDepth(double v0) { depth_ = v0; }
    void SetWidth(double w) { width_ = w; }
    double Depth() const { return depth_; }
    double Width() const { return width_; }

    double Value(double x) const override;
    double Derivative(double x) const override;

  private:
    double depth_ = -1.0;
    double width_ = 1.0;
};

// slope * |x| + offset: the V-shaped (linear) well.
class VShapedPotential : public Potential {
  public:
    void SetSlope(double s) { slope_ = s; }
    void SetOffset(double d) { offset_ = d; }
    double Slope() const { return slope_; }
    double Offset() const { return offset_; }

    double Value(double x) const override;
    double Derivative(double x) const override;

  private:
    double slope_ = 1.0;
    double offset_ = 0.0;
};

// count square wells of depth and width, gap apart, placed symmetrically
// about x = 0; 0 in the gaps and outside. The walls belong outside, as the
// square well's do. Computed from |x|, so that it is even bit for bit.
class MultiWellPotential : public Potential {
  public:
    void SetCount(int n) { count_ = n; }
    void SetDepth(double v0) { depth_ = v0; }
    void SetWidth(double w) { width_ = w; }
    void SetGap(double g) { gap_ = g; }
    int Count() const { return count_; }
    double Depth() const { return depth_; }
    double Width() const { return width_; }
    double Gap() const { return gap_; }
    // From the centre to the outer wall.
    double HalfExtent() const;

    double Value(double x) const override;
    double Derivative(double x) const override;
    std::vector<double> Jumps() const override;

  private:
    int count_ = 2;
    double depth_ = -1.0;
    double width_ = 1.0;
    double gap_ = 0.5;
};

// The kind (1 power, 2 square well, 3 Woods-Saxon, 4 Poschl-Teller,
// 5 V-shaped, 6 wells) and settings of one of the potentials above, which is
// all its values depend on besides x: for callers that keep values between
// calls. Nothing for any other function; the exact type is required, as a
// derived class may compute its values differently.
struct PotentialSettings {
    int kind;
    std::array<double, 4> values;
};
std::optional<PotentialSettings> SettingsOf(const RealFunction& f);
