// A Gaussian wave packet on the open line,
//
//     psi(x, 0) = exp(-(x - x0)^2 / (4 sigma^2) + i k0 x) / (2 pi sigma^2)^(1/4),
//
// sigma its spread in position, 1 / (2 sigma) its spread in wave number; and
// whether it fits the grid.
#pragma once

#include <complex>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace packet {

struct PacketSettings {
    double x0 = -10.0;
    double k0 = 3.0;
    double sigma = 1.0;
};

// How many spreads of the packet must lie inside the interior, in x and in k:
// beyond, |psi|^2 is below 1e-13 of its peak.
inline constexpr double kSpreads = 8.0;

// Why the packet does not do: which setting, and a line ("sigma must be
// greater than 0", "the packet does not fit the grid: ..."); nothing if it does.
struct PacketProblem {
    enum class Setting : std::uint8_t { X0, K0, Sigma };
    Setting setting;
    std::string message;
};
std::optional<PacketProblem> CheckPacket(const PacketSettings& packet);
// The split point: inside the interior.
std::optional<std::string> CheckSplit(double split);

// psi(x, 0) on the grid, scaled so that sum |psi|^2 dx = 1.
std::vector<std::complex<double>> PacketSamples(const PacketSettings& packet);

// The continuous packet's momentum distribution,
// |phi(k)|^2 = sigma sqrt(2 / pi) exp(-2 sigma^2 (k - k0)^2).
double MomentumDensity(const PacketSettings& packet, double k);

// The free packet's closed forms at time t: <x> = x0 + k0 t and
// sigma(t) = sigma sqrt(1 + (t / (2 sigma^2))^2).
double FreeMeanX(const PacketSettings& packet, double t);
double FreeWidth(const PacketSettings& packet, double t);

}  // namespace packet
