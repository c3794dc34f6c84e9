// Complex functions of x held as samples on a uniform grid, the real views the
// plotter draws of them, and the trapezoid rule that normalises them.
#pragma once

#include <cstdint>
#include <memory>

#include "real_function.h"
#include "vector2.h"

// A complex-valued function of x; x of a Vector2 is the real part, y the
// imaginary part. Every value and slope it reports is multiplied by its scale.
class ComplexFunction {
  public:
    virtual ~ComplexFunction() = default;

    virtual Vector2 Value(double x) const = 0;
    virtual Vector2 Derivative(double x) const = 0;

    void SetScale(double k) { scale_ = k; }
    void DivideScale(double k) { scale_ = scale_ / k; }
    double Scale() const { return scale_; }

  protected:
    double scale_ = 1.0;
};

// N samples on [xmin, xmax], sample i at xmin + i h. Reads between samples
// interpolate linearly; reads outside the open interval give zero.
class SampledFunction : public ComplexFunction {
  public:
    SampledFunction() = default;
    SampledFunction(const SampledFunction&) = delete;
    SampledFunction& operator=(const SampledFunction&) = delete;
    SampledFunction(SampledFunction&&) = default;
    SampledFunction& operator=(SampledFunction&&) = default;

    void SetRange(double xmin, double xmax);
    // Replaces the samples by n zeroed ones. n = 0 changes nothing and fails;
    // a failed allocation leaves the function without samples.
    bool Resize(std::uint16_t n);

    // Inline: the integration writes thousands of samples per call.
    void SetSample(std::uint16_t i, Vector2 v) {
        if (i < count_) samples_[i] = v;
    }
    Vector2 GetSample(std::uint16_t i) const { return i < count_ ? samples_[i] : Vector2{}; }

    // Scale, range and samples of source; not what a derived class adds.
    bool CopyFrom(const SampledFunction& source);

    Vector2 Value(double x) const override;
    Vector2 Derivative(double x) const override;

    std::uint16_t Count() const { return count_; }
    bool HasSamples() const { return count_ > 0; }
    double XMin() const { return xmin_; }
    double XMax() const { return xmax_; }
    double Step() const { return step_; }

  private:
    // The interpolation cell of x, or false where there is none to read.
    bool Cell(double x, std::uint16_t& index, double& fraction) const;

    double xmin_ = 0.0;
    double xmax_ = 1.0;
    double step_ = 0.0;
    std::uint16_t count_ = 0;
    std::unique_ptr<Vector2[]> samples_;
};

// A real curve read from a complex function the view does not own.
class ComplexView : public RealFunction {
  public:
    void SetTarget(const ComplexFunction* target);

  protected:
    explicit ComplexView(const ComplexFunction* target) { SetTarget(target); }
    // The target's value and slope; (0, 0) without a target.
    Vector2 TargetValue(double x) const;
    Vector2 TargetDerivative(double x) const;

  private:
    const ComplexFunction* target_ = nullptr;
    // The target when it is a plain sampled function: read without a
    // virtual call, since the plotter reads it thousands of times a curve.
    const SampledFunction* sampled_ = nullptr;
};

// The real part of a complex function, as a curve.
class RealPartView : public ComplexView {
  public:
    explicit RealPartView(const ComplexFunction* target = nullptr) : ComplexView(target) {}

    double Value(double x) const override { return TargetValue(x).x; }
    double Derivative(double x) const override { return TargetDerivative(x).x; }
};

// |psi|^2, the probability density, as a curve.
class DensityView : public ComplexView {
  public:
    explicit DensityView(const ComplexFunction* target = nullptr) : ComplexView(target) {}

    double Value(double x) const override;
    double Derivative(double x) const override;
};

// Trapezoid rule over [a, b] in n steps.
class Integrator {
  public:
    void SetInterval(Vector2 ab) { interval_ = ab; }
    void SetSteps(std::uint16_t n) { steps_ = n; }
    Vector2 Interval() const { return interval_; }
    std::uint16_t Steps() const { return steps_; }

    // Integral of conj(f(x)) g(x) over [a, b].
    Vector2 InnerProduct(const ComplexFunction& f, const ComplexFunction& g) const;
    double Norm(const ComplexFunction& f) const;
    // Divides f's scale by its norm, so that the integral of |f|^2 becomes 1.
    void Normalize(ComplexFunction& f) const;

  private:
    Vector2 interval_{0.0, 1.0};
    std::uint16_t steps_ = 1000;
};
