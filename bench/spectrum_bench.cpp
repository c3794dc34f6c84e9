// The accurate levels beside the shooting search (BM_LevelSearch/1): every
// oscillator level below the search's own ceiling, each to 1e-12.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_support.h"
#include "spectrum.h"

namespace {

void BM_AccurateOscillatorLevels(benchmark::State& state) {
    HeadlessSession session(true);
    session.SelectPotential(1);  // "Oscilador armonico", as BM_LevelSearch/1
    const CWaveDlg& d = session.Dialog();
    const PotentialInfo info = d.CurrentPotentialInfo();
    const double ceiling = d.CurrentSearchBounds().ceiling;  // the search's own
    spectrum::Spectrum levels;
    for (auto _ : state) {
        spectrum::Solver solver(info);
        levels = solver.Levels(ceiling);
        benchmark::DoNotOptimize(levels.levels.data());
    }
    double worst = 0.0;
    for (const spectrum::Level& level : levels.levels)
        worst = std::fmax(worst,
                          std::fabs(level.energy - (-8.0 + std::sqrt(2.0) * (level.index + 0.5))));
    state.counters["levels"] = static_cast<double>(levels.levels.size());
    state.counters["worst_error"] = worst;
}
BENCHMARK(BM_AccurateOscillatorLevels)->Unit(benchmark::kMillisecond);

}  // namespace
