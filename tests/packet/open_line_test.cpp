// The open line against closed forms: the free packet, the coherent state of
// the oscillator, the transmission of a rectangular barrier; and the books:
// grid plus absorbed is 1 at every time, nothing comes back from the edges.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "open_line.h"

namespace packet {
namespace {

std::vector<double> Sampled(double (*v)(double)) {
    std::vector<double> out(kPoints);
    for (std::size_t i = 0; i < kPoints; ++i)
        out[i] = v(X(i));
    return out;
}

double Free(double) {
    return 0.0;
}
double Oscillator(double x) {
    return x * x - 8.0;
}

// A rectangular barrier whose ends lie halfway between grid points: 25
// samples of height 2, width 25 steps.
constexpr double kBarrierHeight = 2.0;
constexpr double kBarrierHalfWidth = 12.5 * kStep;
double Barrier(double x) {
    return std::abs(x) < kBarrierHalfWidth ? kBarrierHeight : 0.0;
}

// The rectangular barrier's transmission at energy e, in closed form.
double BarrierTransmission(double e) {
    const double v = kBarrierHeight;
    const double width = 2.0 * kBarrierHalfWidth;
    if (e < v) {
        const double s = std::sinh(std::sqrt(2.0 * (v - e)) * width);
        return 1.0 / (1.0 + v * v * s * s / (4.0 * e * (v - e)));
    }
    if (e == v) return 1.0 / (1.0 + v * width * width / 2.0);
    const double s = std::sin(std::sqrt(2.0 * (e - v)) * width);
    return 1.0 / (1.0 + v * v * s * s / (4.0 * e * (e - v)));
}

TEST(OpenLine, FreePacketMovesAndSpreadsAsTheClosedFormsSay) {
    const PacketSettings p{-10.0, 3.0, 1.0};
    OpenLine line(p, Sampled(Free));
    EXPECT_NEAR(line.Energy(), 0.5 * p.k0 * p.k0 + 1.0 / (8.0 * p.sigma * p.sigma), 1e-12);
    double worstX = 0.0, worstWidth = 0.0;
    for (double t : {0.0, 0.7, 1.5, 2.9, 4.0, 5.0}) {
        line.MoveTo(t);
        const PacketSample s = line.Sample();
        worstX = std::max(worstX, std::abs(s.meanX - FreeMeanX(p, t)));
        worstWidth = std::max(worstWidth, std::abs(s.width - FreeWidth(p, t)));
        EXPECT_NEAR(s.meanP, p.k0, 1e-12) << t;
        EXPECT_NEAR(s.norm, 1.0, 1e-12) << t;
        EXPECT_NEAR(s.right - s.left, 1.0 - 2.0 * s.left, 1e-12);
    }
    EXPECT_LT(worstX, 1e-8);
    EXPECT_LT(worstWidth, 1e-8);
    RecordProperty("free_mean_x_error", std::to_string(worstX));
    RecordProperty("free_width_error", std::to_string(worstWidth));
    std::printf("free packet: <x> error %.3g, width error %.3g\n", worstX, worstWidth);
}

// The state at t is the same however the times asked for before came.
TEST(OpenLine, StateAtATimeDoesNotDependOnThePathThere) {
    const PacketSettings p{-5.0, 2.0, 1.5};
    OpenLine jumped(p, Sampled(Barrier));
    OpenLine walked(p, Sampled(Barrier));
    jumped.MoveTo(3.3);
    for (double t = 0.0; t < 3.3; t += 0.016)
        walked.MoveTo(t);
    walked.MoveTo(5.0);
    walked.MoveTo(3.3);
    EXPECT_EQ(jumped.Psi(), walked.Psi());
    EXPECT_EQ(jumped.Sample().right, walked.Sample().right);
}

// A packet sent at an edge leaves: once its slowest part has had the time to
// reach the edge and come back, what is still on the grid (sent back by the
// layer or let through it and round the periodic grid) is below 1e-6. The
// books stay at 1 throughout, each edge with what went its way.
TEST(OpenLine, EdgesAbsorbAndBookWhatReachesThem) {
    double worstNorm = 0.0;
    for (double k0 : {3.0, 5.0, 10.0, -3.0, -8.0}) {
        const PacketSettings p{k0 > 0 ? 10.0 : -10.0, k0, 2.0};
        OpenLine line(p, Sampled(Free));
        // Long enough for the slowest part, k0 - 5 / (2 sigma), to go 40 units.
        const double end = 40.0 / (std::abs(k0) - 1.25);
        for (double t = 0.0; t <= end; t += end / 20.0) {
            line.MoveTo(t);
            worstNorm = std::max(worstNorm, std::abs(line.Sample().norm - 1.0));
        }
        line.MoveTo(end);
        const PacketSample s = line.Sample();
        EXPECT_LT(s.onGrid, 1e-6) << "k0 " << k0;
        const double towards = k0 > 0 ? s.absorbedRight : s.absorbedLeft;
        const double away = k0 > 0 ? s.absorbedLeft : s.absorbedRight;
        EXPECT_NEAR(towards, 1.0, 1e-6) << "k0 " << k0;
        EXPECT_LT(away, 1e-6) << "k0 " << k0;
        std::printf("edge reflection k0 = %g: %.3g left on the grid\n", k0, s.onGrid);
    }
    EXPECT_LT(worstNorm, 1e-10);
    std::printf("norm error: %.3g\n", worstNorm);
}

// A coherent state of V = x^2 - 8 (omega = sqrt 2) is back where it started
// after one period, 2 pi / omega.
TEST(OpenLine, CoherentStateReturnsAfterOnePeriod) {
    const double omega = std::sqrt(2.0);
    const PacketSettings p{3.0, 0.0, 1.0 / std::sqrt(2.0 * omega)};
    const double period = 2.0 * std::numbers::pi / omega;
    for (SplitOrder order : {SplitOrder::Second, SplitOrder::Fourth}) {
        OpenLine line(p, Sampled(Oscillator), order);
        const std::vector<Complex> start = line.Psi();
        line.MoveTo(0.5 * period);
        EXPECT_NEAR(line.Sample().meanX, -p.x0, 1e-4);
        line.MoveTo(period);
        Complex overlap = 0.0;
        for (std::size_t i = 0; i < kPoints; ++i)
            overlap += std::conj(start[i]) * line.Psi()[i] * kStep;
        const PacketSample s = line.Sample();
        const double tolerance = order == SplitOrder::Second ? 1e-4 : 1e-9;
        EXPECT_NEAR(std::abs(overlap), 1.0, tolerance);
        EXPECT_NEAR(s.meanX, p.x0, tolerance);
        EXPECT_NEAR(s.width, p.sigma, tolerance);
        std::printf("coherent state, order %d: 1 - |<psi(0)|psi(T)>| = %.3g, <x> - x0 = %.3g\n",
                    order == SplitOrder::Second ? 2 : 4, 1.0 - std::abs(overlap), s.meanX - p.x0);
    }
}

// After the packet has passed the barrier, the probability on the right is
// the transmission averaged over its momentum distribution.
TEST(OpenLine, BarrierSplitsThePacketAsTheTransmissionSays) {
    const PacketSettings p{-15.0, 2.5, 2.0};
    double expected = 0.0;
    const double dk = 1e-4;
    for (double k = p.k0 - 3.0; k <= p.k0 + 3.0; k += dk)
        expected += BarrierTransmission(0.5 * k * k) * MomentumDensity(p, k) * dk;
    OpenLine line(p, Sampled(Barrier));
    line.MoveTo(14.0);
    const PacketSample s = line.Sample();
    EXPECT_NEAR(s.norm, 1.0, 1e-10);
    EXPECT_NEAR(s.right, expected, 1e-3);
    std::printf("barrier: right %.6f, integral of T |phi|^2 %.6f\n", s.right, expected);
}

TEST(OpenLine, RefusesWhatDoesNotFit) {
    EXPECT_EQ(CheckPacket({0.0, 1.0, 0.0}).value().message,
              "sigma must be a finite number greater than 0");
    EXPECT_TRUE(CheckPacket({0.0, 1.0, -1.0}));
    EXPECT_TRUE(CheckPacket({NAN, 1.0, 1.0}));
    EXPECT_TRUE(CheckPacket({0.0, INFINITY, 1.0}));
    EXPECT_FALSE(CheckPacket({-24.0, 3.0, 1.0}));
    const auto far = CheckPacket({-25.0, 3.0, 1.0});
    EXPECT_TRUE(far.value().message.starts_with("the packet does not fit"));
    EXPECT_EQ(far->setting, PacketProblem::Setting::X0);
    EXPECT_EQ(CheckPacket({0.0, 11.0, 1.0})->setting, PacketProblem::Setting::K0);
    EXPECT_TRUE(CheckPacket({0.0, 0.0, 4.5}));
    EXPECT_TRUE(CheckPacket({0.0, 9.0, 1.0}));
    EXPECT_FALSE(CheckPacket({0.0, -10.0, 2.0}));
    EXPECT_TRUE(CheckPacket({0.0, 0.0, 0.3}));
    EXPECT_FALSE(CheckSplit(0.0));
    EXPECT_TRUE(CheckSplit(32.0));
    EXPECT_TRUE(CheckSplit(NAN));
    std::vector<double> v(kPoints, 0.0);
    EXPECT_FALSE(CheckPotential(v));
    v[3] = INFINITY;
    EXPECT_EQ(CheckPotential(v).value(), "V is not finite at x = -39.8828125 on the packet's grid");
}

}  // namespace
}  // namespace packet
