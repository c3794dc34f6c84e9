#include "open_line.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace packet {

namespace {

// Yoshida's fourth-order composition: S(w1 h) S(w0 h) S(w1 h).
const double kYoshidaOuter = 1.0 / (2.0 - std::cbrt(2.0));
const double kYoshidaInner = 1.0 - 2.0 * kYoshidaOuter;

}  // namespace

std::optional<std::string> CheckPotential(const std::vector<double>& potential) {
    for (std::size_t i = 0; i < potential.size(); ++i) {
        if (std::isfinite(potential[i])) continue;
        char text[96];
        std::snprintf(text, sizeof text, "V is not finite at x = %.10g on the packet's grid", X(i));
        return text;
    }
    return std::nullopt;
}

OpenLine::OpenLine(const PacketSettings& packet, std::vector<double> potential, SplitOrder order,
                   double split)
    : packet_(packet), potential_(std::move(potential)), order_(order), split_(split) {
    if (potential_.size() != kPoints) throw std::invalid_argument("V needs one value a point");
    absorption_.resize(kPoints);
    for (std::size_t i = 0; i < kPoints; ++i)
        absorption_[i] = Absorption(i);
    initial_.psi = PacketSamples(packet_);
    base_ = initial_;
    shown_ = initial_;
    spectrum_.resize(kPoints);
    energy_ = MeanEnergy(initial_.psi);
    for (double tau : Substeps(kTimeStep)) {
        bool known = false;
        for (const Factors& f : kept_)
            known = known || f.tau == tau;
        if (!known) kept_.push_back(MakeFactors(tau));
    }
}

double OpenLine::MeanEnergy(const std::vector<Complex>& psi) const {
    fourier_.Forward(psi.data(), spectrum_.data());
    double power = 0.0, kinetic = 0.0, potential = 0.0, norm = 0.0;
    for (std::size_t j = 0; j < kPoints; ++j) {
        const double p = std::norm(spectrum_[j]);
        const double k = WaveNumber(j);
        power += p;
        kinetic += 0.5 * k * k * p;
        norm += std::norm(psi[j]);
        potential += potential_[j] * std::norm(psi[j]);
    }
    return kinetic / power + potential / norm;
}

std::vector<double> OpenLine::Substeps(double h) const {
    if (order_ == SplitOrder::Second) return {h};
    return {kYoshidaOuter * h, kYoshidaInner * h, kYoshidaOuter * h};
}

OpenLine::Factors OpenLine::MakeFactors(double h) const {
    Factors f;
    f.tau = h;
    f.potential.resize(kPoints);
    f.kinetic.resize(kPoints);
    const double scale = 1.0 / static_cast<double>(kPoints);
    for (std::size_t i = 0; i < kPoints; ++i) {
        f.potential[i] = std::polar(1.0, -0.5 * h * potential_[i]);
        const double k = WaveNumber(i);
        f.kinetic[i] = std::polar(scale, -0.5 * h * k * k);
    }
    return f;
}

const OpenLine::Factors& OpenLine::FactorsFor(double h) {
    for (const Factors& f : kept_)
        if (f.tau == h) return f;
    for (const Factors& f : passing_)
        if (f.tau == h && !f.potential.empty()) return f;
    Factors& slot = passing_[nextPassing_];
    nextPassing_ = (nextPassing_ + 1) % 2;
    slot = MakeFactors(h);
    return slot;
}

// exp(-W tau), booking what it takes to the edge on its side.
void OpenLine::Absorb(State& s, double tau) const {
    double left = 0.0;
    double right = 0.0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        if (absorption_[i] == 0.0) continue;
        const double density = std::norm(s.psi[i]);
        const double lost = -std::expm1(-2.0 * absorption_[i] * tau) * density;
        s.psi[i] *= std::exp(-absorption_[i] * tau);
        (i < kPoints / 2 ? left : right) += lost;
    }
    s.absorbedLeft += left * kStep;
    s.absorbedRight += right * kStep;
}

// exp(-i V h/2) exp(-i T h) exp(-i V h/2).
void OpenLine::Strang(State& s, double h) {
    const Factors& f = FactorsFor(h);
    for (std::size_t i = 0; i < kPoints; ++i)
        s.psi[i] *= f.potential[i];
    fourier_.Forward(s.psi.data(), spectrum_.data());
    for (std::size_t j = 0; j < kPoints; ++j)
        spectrum_[j] *= f.kinetic[j];
    fourier_.Inverse(spectrum_.data(), s.psi.data());
    for (std::size_t i = 0; i < kPoints; ++i)
        s.psi[i] *= f.potential[i];
}

void OpenLine::Step(State& s, double h) {
    Absorb(s, 0.5 * h);
    for (double tau : Substeps(h))
        Strang(s, tau);
    Absorb(s, 0.5 * h);
}

void OpenLine::MoveTo(double t) {
    if (!(t >= 0.0) || !std::isfinite(t))
        throw std::invalid_argument("a time must be finite, >= 0");
    const double whole = std::floor(t / kTimeStep);
    const auto steps = static_cast<std::uint64_t>(whole);
    if (steps < base_.steps) base_ = initial_;
    while (base_.steps < steps) {
        Step(base_, kTimeStep);
        ++base_.steps;
    }
    shown_ = base_;
    const double rest = t - whole * kTimeStep;
    if (rest > 0.0) Step(shown_, rest);
    time_ = t;
}

PacketSample OpenLine::Sample() const {
    PacketSample out;
    out.t = time_;
    double grid = 0.0, left = 0.0, first = 0.0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        const double density = std::norm(shown_.psi[i]);
        grid += density;
        if (X(i) < split_) left += density;
        first += X(i) * density;
    }
    const double meanX = grid > 0.0 ? first / grid : 0.0;
    double second = 0.0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        const double d = X(i) - meanX;
        second += d * d * std::norm(shown_.psi[i]);
    }
    fourier_.Forward(shown_.psi.data(), spectrum_.data());
    double power = 0.0, momentum = 0.0;
    for (std::size_t j = 0; j < kPoints; ++j) {
        const double p = std::norm(spectrum_[j]);
        power += p;
        momentum += WaveNumber(j) * p;
    }
    out.onGrid = grid * kStep;
    out.absorbedLeft = shown_.absorbedLeft;
    out.absorbedRight = shown_.absorbedRight;
    out.norm = out.onGrid + out.absorbedLeft + out.absorbedRight;
    out.left = left * kStep + out.absorbedLeft;
    out.right = (grid - left) * kStep + out.absorbedRight;
    out.meanX = meanX;
    out.meanP = power > 0.0 ? momentum / power : 0.0;
    out.width = grid > 0.0 ? std::sqrt(second / grid) : 0.0;
    return out;
}

std::vector<double> OpenLine::MomentumDistribution() const {
    fourier_.Forward(shown_.psi.data(), spectrum_.data());
    std::vector<double> density(kPoints);
    const double scale = kStep * kStep / (2.0 * std::numbers::pi);
    for (std::size_t j = 0; j < kPoints; ++j)
        density[j] = std::norm(spectrum_[j]) * scale;
    return density;
}

}  // namespace packet
