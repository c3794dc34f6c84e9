#include "sampled_function.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <typeinfo>

#include "wave_function.h"

void SampledFunction::SetRange(double xmin, double xmax) {
    xmin_ = xmin;
    xmax_ = xmax;
    if (count_ > 0) step_ = (xmax_ - xmin_) / (count_ - 1.0);
}

bool SampledFunction::Resize(std::uint16_t n) {
    if (n == 0) return false;
    samples_.reset();
    count_ = 0;
    samples_.reset(new (std::nothrow) Vector2[n]);
    if (!samples_) return false;
    count_ = n;
    step_ = (xmax_ - xmin_) / (count_ - 1.0);
    return true;
}

bool SampledFunction::CopyFrom(const SampledFunction& source) {
    if (&source == this) return true;
    SetScale(source.scale_);
    SetRange(source.xmin_, source.xmax_);
    if (count_ != source.count_ && !Resize(source.count_)) return false;
    std::copy_n(source.samples_.get(), count_, samples_.get());
    return true;
}

bool SampledFunction::Cell(double x, std::uint16_t& index, double& fraction) const {
    if (!(xmin_ < x && x < xmax_)) return false;
    if (count_ < 2) return false;
    const double t = (x - xmin_) / step_;
    // Also rejects NaN; t can reach N - 1 exactly for x a hair below xmax.
    if (!(t >= 0.0 && t <= count_ - 1.0)) return false;
    index = static_cast<std::uint16_t>(t);
    fraction = t - index;
    return true;
}

Vector2 SampledFunction::Value(double x) const {
    std::uint16_t i = 0;
    double u = 0.0;
    if (!Cell(x, i, u)) return {};
    const Vector2 s0 = samples_[i];
    if (i + 1 >= count_) return {s0.x * scale_, s0.y * scale_};  // u is 0 on the last sample
    const Vector2 s1 = samples_[i + 1];
    return {((s1.x - s0.x) * u + s0.x) * scale_, (u * (s1.y - s0.y) + s0.y) * scale_};
}

Vector2 SampledFunction::Derivative(double x) const {
    std::uint16_t i = 0;
    double u = 0.0;
    if (!Cell(x, i, u) || i + 1 >= count_) return {};
    const Vector2 s0 = samples_[i];
    const Vector2 s1 = samples_[i + 1];
    return {((s1.x - s0.x) / step_) * scale_, ((s1.y - s0.y) / step_) * scale_};
}

namespace {

// The target itself when its Value and Derivative are the sampled ones (not
// overridden); null otherwise.
const SampledFunction* PlainSampled(const ComplexFunction* f) {
    if (f != nullptr &&
        (typeid(*f) == typeid(SampledFunction) || typeid(*f) == typeid(WaveFunction)))
        return static_cast<const SampledFunction*>(f);
    return nullptr;
}

}  // namespace

void ComplexView::SetTarget(const ComplexFunction* target) {
    target_ = target;
    sampled_ = PlainSampled(target);
}

Vector2 ComplexView::TargetValue(double x) const {
    if (sampled_) return sampled_->SampledFunction::Value(x);
    return target_ ? target_->Value(x) : Vector2{};
}

Vector2 ComplexView::TargetDerivative(double x) const {
    if (sampled_) return sampled_->SampledFunction::Derivative(x);
    return target_ ? target_->Derivative(x) : Vector2{};
}

double DensityView::Value(double x) const {
    const Vector2 v = TargetValue(x);
    return v.x * v.x + v.y * v.y;
}

// The density's slope only steers the curve drawing; a forward step will do.
double DensityView::Derivative(double x) const {
    return (Value(x + 0.01) - Value(x)) * 100.0;
}

namespace {

// conj(u) v
Vector2 ConjugateProduct(Vector2 u, Vector2 v) {
    return {u.x * v.x + u.y * v.y, u.x * v.y - u.y * v.x};
}

}  // namespace

namespace {

// The trapezoid sum of conj(f) g, with f and g read through value(x) and
// valueG(x); same says g is f, which is then read once per point.
template <typename ValueF, typename ValueG>
Vector2 Trapezoid(double a, double width, std::uint16_t steps, bool same, ValueF valueF,
                  ValueG valueG) {
    const double h = width / steps;
    const Vector2 fa = valueF(a);
    Vector2 p = ConjugateProduct(fa, same ? fa : valueG(a));
    Vector2 sum;
    for (unsigned k = 1; k <= steps; ++k) {
        // x from the step index, never accumulated, so the last point is b.
        const double x = (k * width) / steps + a;
        const Vector2 fx = valueF(x);
        const Vector2 q = ConjugateProduct(fx, same ? fx : valueG(x));
        sum = sum + (p + q) * 0.5;
        p = q;
    }
    return {sum.x * h, sum.y * h};
}

}  // namespace

Vector2 Integrator::InnerProduct(const ComplexFunction& f, const ComplexFunction& g) const {
    if (steps_ == 0) return {};
    const double a = interval_.x;
    const double width = interval_.y - a;
    const bool same = &f == &g;
    // A norm of a wave function, the common case, reads the samples without
    // a virtual call per point.
    if (const SampledFunction* sampled = PlainSampled(&f); sampled != nullptr && same) {
        const auto value = [sampled](double x) { return sampled->SampledFunction::Value(x); };
        return Trapezoid(a, width, steps_, true, value, value);
    }
    return Trapezoid(
        a, width, steps_, same, [&f](double x) { return f.Value(x); },
        [&g](double x) { return g.Value(x); });
}

double Integrator::Norm(const ComplexFunction& f) const {
    const Vector2 ip = InnerProduct(f, f);
    return std::sqrt(std::sqrt(ip.x * ip.x + ip.y * ip.y));
}

void Integrator::Normalize(ComplexFunction& f) const {
    f.DivideScale(Norm(f));
}
