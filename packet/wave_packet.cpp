#include "wave_packet.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "packet_grid.h"

namespace packet {

namespace {

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

}  // namespace

double WaveNumber(std::size_t j) {
    const double n =
        static_cast<double>(j) - (j < kPoints / 2 ? 0.0 : static_cast<double>(kPoints));
    return 2.0 * std::numbers::pi * n / (kGridMax - kGridMin);
}

double Absorption(std::size_t i) {
    const double x = X(i);
    double depth = 0.0;
    if (x < kInnerMin) depth = (kInnerMin - x) / kLayerWidth;
    if (x > kInnerMax) depth = (x - kInnerMax) / kLayerWidth;
    return kAbsorption * depth * depth * depth;
}

std::optional<PacketProblem> CheckPacket(const PacketSettings& p) {
    using S = PacketProblem::Setting;
    if (!std::isfinite(p.x0)) return PacketProblem{S::X0, "x0 must be a finite number"};
    if (!std::isfinite(p.k0)) return PacketProblem{S::K0, "k0 must be a finite number"};
    if (!std::isfinite(p.sigma) || !(p.sigma > 0.0))
        return PacketProblem{S::Sigma, "sigma must be a finite number greater than 0"};
    const double reach = kSpreads * p.sigma;
    if (p.x0 - reach < kInnerMin || p.x0 + reach > kInnerMax)
        return PacketProblem{
            reach * 2.0 > kInnerMax - kInnerMin ? S::Sigma : S::X0,
            "the packet does not fit the grid: x0 - 8 sigma and x0 + 8 sigma must lie in [" +
                Number(kInnerMin) + ", " + Number(kInnerMax) + "], between the absorbing layers"};
    const double spread = kSpreads / (2.0 * p.sigma);
    if (std::abs(p.k0) + spread > kMaxPacketWaveNumber)
        return PacketProblem{spread > kMaxPacketWaveNumber ? S::Sigma : S::K0,
                             "the packet is too fast for the absorbing edges: |k0| + 4 / sigma "
                             "must not exceed " +
                                 Number(kMaxPacketWaveNumber)};
    return std::nullopt;
}

std::optional<std::string> CheckSplit(double split) {
    if (!std::isfinite(split) || split <= kInnerMin || split >= kInnerMax)
        return "the split point must lie between " + Number(kInnerMin) + " and " +
               Number(kInnerMax) + ", between the absorbing layers";
    return std::nullopt;
}

std::vector<std::complex<double>> PacketSamples(const PacketSettings& p) {
    std::vector<std::complex<double>> psi(kPoints);
    double norm = 0.0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        const double x = X(i);
        const double d = (x - p.x0) / p.sigma;
        psi[i] = std::exp(-0.25 * d * d) * std::polar(1.0, p.k0 * x);
        norm += std::norm(psi[i]);
    }
    const double scale = 1.0 / std::sqrt(norm * kStep);
    for (auto& v : psi)
        v *= scale;
    return psi;
}

double MomentumDensity(const PacketSettings& p, double k) {
    const double d = k - p.k0;
    return p.sigma * std::sqrt(2.0 / std::numbers::pi) * std::exp(-2.0 * p.sigma * p.sigma * d * d);
}

double FreeMeanX(const PacketSettings& p, double t) {
    return p.x0 + p.k0 * t;
}

double FreeWidth(const PacketSettings& p, double t) {
    const double r = t / (2.0 * p.sigma * p.sigma);
    return p.sigma * std::sqrt(1.0 + r * r);
}

}  // namespace packet
