// A wave packet moving on the open line: i dpsi/dt = (-1/2 d^2/dx^2 + V(x)
// - i W(x)) psi on the periodic grid of packet_grid.h, by the split-operator
// method. A step of length h is
//
//     A(h/2) S(h) A(h/2),   A(t) = exp(-W t),
//
// S the Strang splitting exp(-i V h/2) exp(-i T h) exp(-i V h/2) (second
// order), or three of them composed with Yoshida's weights (fourth order;
// its middle step goes back in time, which is why the absorption stays
// outside it). The kinetic factor is applied in wave-number space through the
// FFT. What A takes off the grid at x < 0 is booked to the left edge, the
// rest to the right one: grid plus absorbed stays 1 to rounding.
//
// The state at time t is always reached the same way, whatever the times
// asked for before: floor(t / h) whole steps of h = 1/128, then one step of
// the remainder taken on a copy. So a picture at t is the same whether the
// animation got there tick by tick or in one jump.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fourier.h"
#include "packet_grid.h"
#include "wave_packet.h"

namespace packet {

enum class SplitOrder : std::uint8_t { Second, Fourth };

// What one moment of the packet shows. norm: on the grid plus absorbed;
// left, right: on each side of the split point, with what that side's edge
// absorbed; meanX, meanP, width: of what is on the grid (width the spread
// sqrt(<x^2> - <x>^2)).
struct PacketSample {
    double t = 0.0;
    double norm = 0.0;
    double left = 0.0;
    double right = 0.0;
    double meanX = 0.0;
    double meanP = 0.0;
    double width = 0.0;
    double onGrid = 0.0;
    double absorbedLeft = 0.0;
    double absorbedRight = 0.0;
};

// V on the grid: a message for a value that is not finite, naming x.
std::optional<std::string> CheckPotential(const std::vector<double>& potential);

class OpenLine {
  public:
    // packet: checked by CheckPacket; potential: kPoints finite values at X(i).
    OpenLine(const PacketSettings& packet, std::vector<double> potential,
             SplitOrder order = SplitOrder::Second, double split = 0.0);

    // The state at time t >= 0 (see above).
    void MoveTo(double t);
    double Time() const { return time_; }
    const std::vector<Complex>& Psi() const { return shown_.psi; }
    PacketSample Sample() const;
    // |phi(k)|^2 of what is on the grid, by bin (WaveNumber(j)), normalised
    // like the continuous one: sum over bins times 2 pi / L is the norm on the grid.
    std::vector<double> MomentumDistribution() const;

    // <H> at t = 0, which stays while nothing is absorbed: where the picture
    // draws the packet's level line.
    double Energy() const { return energy_; }

    const PacketSettings& Packet() const { return packet_; }
    const std::vector<double>& Potential() const { return potential_; }
    double SplitPoint() const { return split_; }

  private:
    struct State {
        std::vector<Complex> psi;
        double absorbedLeft = 0.0;
        double absorbedRight = 0.0;
        std::uint64_t steps = 0;  // whole steps taken
    };
    // exp(-i V tau) and exp(-i k^2 tau / 2) / N for one tau, kept while it is asked for again.
    struct Factors {
        double tau = 0.0;
        std::vector<Complex> potential;
        std::vector<Complex> kinetic;
    };

    void Step(State& s, double h);
    void Absorb(State& s, double tau) const;
    void Strang(State& s, double h);
    const Factors& FactorsFor(double h);
    Factors MakeFactors(double h) const;
    double MeanEnergy(const std::vector<Complex>& psi) const;
    // The substeps of S(h): h itself, or Yoshida's three.
    std::vector<double> Substeps(double h) const;

    PacketSettings packet_;
    std::vector<double> potential_;
    std::vector<double> absorption_;
    SplitOrder order_;
    double split_;
    Fourier fourier_{kPoints};
    State initial_;
    State base_;
    State shown_;
    double time_ = 0.0;
    double energy_ = 0.0;
    // The whole step's factors, kept; the remainders' in two passing slots.
    std::vector<Factors> kept_;
    Factors passing_[2];
    std::size_t nextPassing_ = 0;
    mutable std::vector<Complex> spectrum_;
};

}  // namespace packet
