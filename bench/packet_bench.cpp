// The "Paquete" tab's frame: a tick of its timer moves the packet on (whole
// steps and the remainder's step), counts left and right, and draws the
// potential, |psi|^2, Re psi and the inset of |phi(k)|^2.
#include <benchmark/benchmark.h>

#include "headless_host.h"
#include "resources.h"

namespace {

void BM_PacketFrame(benchmark::State& state) {
    HeadlessSession session;
    session.SelectTab(res::kPacketTab);
    for (auto _ : state) {
        // Back to the start now and then, so the packet stays on the grid.
        if (session.Dialog().Packet().Time() > 8.0) {
            state.PauseTiming();
            session.Click(res::kPacketReset);
            state.ResumeTiming();
        }
        session.TickPacket();
        benchmark::DoNotOptimize(session.Dialog().Frame().Data());
    }
}
BENCHMARK(BM_PacketFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
