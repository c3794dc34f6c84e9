// The continuum: T(E) of the double barrier 6 (1 < |x| < 1.5) at 1000
// energies from 0 to 6, each to its target, as the "Transmision" tab's curve
// needs it (a new object each time: nothing kept from the last run).
#include <benchmark/benchmark.h>

#include <cmath>

#include "formula_potential.h"
#include "headless_host.h"
#include "resources.h"
#include "scattering.h"

namespace {

void BM_DoubleBarrierTransmission1000(benchmark::State& state) {
    FormulaPotential f;
    f.SetText("6*(abs(x)>1)*(abs(x)<1.5)");
    double worstSum = 0.0;
    for (auto _ : state) {
        const scattering::Transmission t([&f](double x) { return f.Value(x); }, f.Jumps());
        worstSum = 0.0;
        for (int i = 1; i <= 1000; ++i) {
            const scattering::Point p = t.At(0.006 * i);
            worstSum = std::fmax(worstSum, std::fabs(p.transmission + p.reflection - 1.0));
        }
        benchmark::DoNotOptimize(worstSum);
    }
    state.counters["worst_|T+R-1|"] = worstSum;
}
BENCHMARK(BM_DoubleBarrierTransmission1000)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

void ShowDoubleBarrier(HeadlessSession& session) {
    session.SelectPotential("Formula");
    session.ChangeSettings({"6*(abs(x)>1)*(abs(x)<1.5)"});
    session.SelectTab(res::kTransmissionTab);
    session.Paint();  // the curve, the resonances and the state, once
}

// A "Transmision" redraw as the dialog asks for one: the curves, the
// resonances and the state kept from the last.
void BM_RedrawTransmission(benchmark::State& state) {
    HeadlessSession session;
    ShowDoubleBarrier(session);
    for (auto _ : state) {
        session.Dialog().Redraw();
        benchmark::DoNotOptimize(session.Dialog().Frame().Data());
    }
}
BENCHMARK(BM_RedrawTransmission)->Unit(benchmark::kMicrosecond);

// The marker moved a column by a key before each: the state at the new
// energy is computed and drawn too.
void BM_RedrawTransmissionMarkerMoved(benchmark::State& state) {
    HeadlessSession session;
    ShowDoubleBarrier(session);
    bool right = true;
    for (auto _ : state) {
        session.PressPlotKey(right ? PlotKey::Right : PlotKey::Left);
        right = !right;
        benchmark::DoNotOptimize(session.Dialog().Frame().Data());
    }
}
BENCHMARK(BM_RedrawTransmissionMarkerMoved)->Unit(benchmark::kMicrosecond);

}  // namespace
