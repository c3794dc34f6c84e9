#include "two_sided_shot.h"

#include <algorithm>
#include <cmath>

namespace {

// A shot that grows past kBig is scaled down by it, with what it has stored,
// so that no value overflows; its signs, and so its node count, stay.
constexpr double kBig = 1e150;
// V is read no steeper than this (an overflowing or undefined V is a wall),
// so that one step can never overflow before it is scaled down.
constexpr double kWall = 1e100;
// Past the matching point a half is kept no larger than this.
constexpr double kFar = 1e300;
// The halves meet in value unless either is this close to a node there;
// then they meet as (psi, psi') vectors of one length.
constexpr double kValueShare = 0.2;
// The matching point is looked for where the search looks for V's range.
constexpr double kMatchReach = 15.0;

double Length(double a, double b) {
    return std::hypot(a, b);
}

// Sign changes of f on [first, last], zeros skipped.
int SignChanges(const std::vector<double>& f, int first, int last) {
    int changes = 0;
    double previous = 0.0;
    for (int i = first; i <= last; ++i) {
        const double value = f[static_cast<std::size_t>(i)];
        if (value == 0.0) continue;
        if (previous != 0.0 && (value > 0.0) != (previous > 0.0)) ++changes;
        previous = value;
    }
    return changes;
}

}  // namespace

void TwoSidedShot::SetPotential(const RealFunction* v, const SampledFunction& like,
                                double massFactor) {
    v_ = v;
    xmin_ = like.XMin();
    step_ = like.Step();
    massFactor_ = massFactor;
    const int n = like.Count();
    potential_.assign(v != nullptr && n >= 4 ? static_cast<std::size_t>(n) : 0, 0.0);
    if (potential_.empty()) return;
    match_ = 1;
    double least = HUGE_VAL;
    for (int i = 0; i < n; ++i) {
        const double x = i * step_ + xmin_;
        const double value = v->Value(x);
        potential_[static_cast<std::size_t>(i)] =
            std::isnan(value) ? kWall : std::clamp(value, -kWall, kWall);
        if (i > 0 && i < n - 1 && std::fabs(x) <= kMatchReach && value < least) {
            least = value;
            match_ = i;
        }
    }
    left_.assign(potential_.size(), 0.0);
    right_.assign(potential_.size(), 0.0);
}

double TwoSidedShot::Q(int i, double energy) const {
    return 2.0 * massFactor_ * step_ * step_ * (potential_[static_cast<std::size_t>(i)] - energy);
}

// psi = 0 at the left end and psi' = 1, across the whole grid to count its
// sign changes; stored up to kOverlap past the matching point. Up to the
// point after the matching point a growing shot scales down what it has
// stored with it; past that, the samples are kept in the matching point's
// scale (a half that grows past it only leaves the picture).
void TwoSidedShot::ShootLeft(double energy) {
    const int n = static_cast<int>(potential_.size());
    const int stored = std::min(n - 1, match_ + static_cast<int>(kOverlap / step_) + 1);
    std::fill(left_.begin(), left_.end(), 0.0);
    left_[1] = step_;
    double previous = 0.0;
    double current = step_;
    double lastSign = current;
    double unscale = 1.0;  // past the matching point: stored = current * unscale
    int first = 1;         // stored samples before it have vanished in the scaling
    leftSigns_ = 0;
    for (int i = 1; i < n - 1; ++i) {
        const double next = (2.0 + Q(i, energy)) * current - previous;
        previous = current;
        current = next;
        const int at = i + 1;
        if (current != 0.0) {
            if ((current > 0.0) != (lastSign > 0.0)) ++leftSigns_;
            lastSign = current;
        }
        const bool scaled = std::fabs(current) > kBig;
        if (scaled) {
            previous /= kBig;
            current /= kBig;
        }
        if (at > stored) continue;
        if (at <= match_ + 1) {
            left_[static_cast<std::size_t>(at)] = current;
            if (!scaled) continue;
            for (int j = first; j < at; ++j)
                left_[static_cast<std::size_t>(j)] /= kBig;
            while (first < at && left_[static_cast<std::size_t>(first)] == 0.0)
                ++first;
        } else {
            if (scaled) unscale *= kBig;
            left_[static_cast<std::size_t>(at)] = std::clamp(current * unscale, -kFar, kFar);
        }
    }
}

// psi = 0 at the right end and psi' = -1 (positive inside), inward down to
// `last`, stored as the left shot is.
void TwoSidedShot::ShootRight(double energy, int last) {
    const int n = static_cast<int>(potential_.size());
    std::fill(right_.begin(), right_.end(), 0.0);
    right_[static_cast<std::size_t>(n) - 2] = step_;
    double previous = 0.0;
    double current = step_;
    double unscale = 1.0;
    int first = n - 2;
    for (int i = n - 2; i > last; --i) {
        const double next = (2.0 + Q(i, energy)) * current - previous;
        previous = current;
        current = next;
        const int at = i - 1;
        const bool scaled = std::fabs(current) > kBig;
        if (scaled) {
            previous /= kBig;
            current /= kBig;
        }
        if (at >= match_) {
            right_[static_cast<std::size_t>(at)] = current;
            if (!scaled) continue;
            for (int j = first; j > at; --j)
                right_[static_cast<std::size_t>(j)] /= kBig;
            while (first > at && right_[static_cast<std::size_t>(first)] == 0.0)
                --first;
        } else {
            if (scaled) unscale *= kBig;
            right_[static_cast<std::size_t>(at)] = std::clamp(current * unscale, -kFar, kFar);
        }
    }
}

ShotResult TwoSidedShot::Shoot(double energy, SampledFunction& matched, SampledFunction* left,
                               SampledFunction* right) {
    ShotResult result;
    result.energy = energy;
    const int n = static_cast<int>(potential_.size());
    if (n == 0) return result;
    const int overlap = static_cast<int>(kOverlap / step_);
    const int m = match_;
    ShootLeft(energy);
    ShootRight(energy, std::max(0, m - overlap - 1));
    result.levelsBelow = leftSigns_;

    const auto at = [](const std::vector<double>& f, int i) {
        return f[static_cast<std::size_t>(i)];
    };
    const double l0 = at(left_, m);
    const double l1 = (at(left_, m + 1) - l0) / step_;
    const double r0 = at(right_, m);
    const double r1 = (at(right_, m + 1) - r0) / step_;
    const double lengthL = Length(l0, l1);
    const double lengthR = Length(r0, r1);
    if (!(lengthL > 0.0 && lengthR > 0.0)) return result;
    result.mismatch = (l0 / lengthL) * (r1 / lengthR) - (l1 / lengthL) * (r0 / lengthR);

    // The right half's factor relative to the left's: a = 1 / |L| on the left.
    const bool inValue =
        std::fabs(l0) >= kValueShare * lengthL && std::fabs(r0) >= kValueShare * lengthR;
    const double dot = l0 * r0 + l1 * r1;
    const double relative = inValue ? (l0 / lengthL) / (r0 / lengthR) : (dot < 0.0 ? -1.0 : 1.0);
    const double a = 1.0 / lengthL;
    const double b = relative / lengthR;
    double largest = 0.0;
    for (int i = 0; i < n; ++i) {
        const double u = i <= m ? at(left_, i) * a : at(right_, i) * b;
        largest = std::max(largest, std::fabs(u));
    }
    const double s = largest > 0.0 && std::isfinite(largest) ? 1.0 / largest : 1.0;

    for (SampledFunction* f : {&matched, left, right}) {
        if (f == nullptr) continue;
        if (f->Count() != n) f->Resize(static_cast<std::uint16_t>(n));
        f->SetScale(1.0);
    }
    whole_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::uint16_t>(i);
        const double l = at(left_, i) * a * s;
        const double r = at(right_, i) * b * s;
        whole_[static_cast<std::size_t>(i)] = i <= m ? l : r;
        matched.SetSample(k, {whole_[static_cast<std::size_t>(i)], 0.0});
        if (left) left->SetSample(k, {i <= m + overlap ? l : 0.0, 0.0});
        if (right) right->SetSample(k, {i >= m - overlap ? r : 0.0, 0.0});
    }
    result.nodes = SignChanges(whole_, 1, n - 2);
    return result;
}
