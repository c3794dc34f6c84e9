// The accurate levels beside the shooting search (BM_LevelSearch/1): every
// oscillator level below the search's own ceiling, each to 1e-12.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

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

// Potentials that level off, at the default ceiling (above their continuum
// edge): the Morse potential 8 (1 - e^-(x - 1/2))^2 - 8, whose four levels
// are -(7/2 - n)^2 / 2, and a well with walls of two heights.
void AccurateLevelsOf(benchmark::State& state, const spectrum::Potential& v,
                      const std::vector<double>& exact) {
    spectrum::Spectrum levels;
    for (auto _ : state) {
        spectrum::Solver solver(v, {});
        levels = solver.Levels(4.8666666666666663);
        benchmark::DoNotOptimize(levels.levels.data());
    }
    double worst = 0.0;
    for (const spectrum::Level& level : levels.levels)
        if (level.index < static_cast<int>(exact.size()))
            worst = std::fmax(worst, std::fabs(level.energy - exact[level.index]));
    state.counters["levels"] = static_cast<double>(levels.levels.size());
    state.counters["worst_error"] = exact.empty() ? NAN : worst;
}

void BM_AccurateMorseLevels(benchmark::State& state) {
    const auto morse = [](double x) {
        const double u = 1.0 - std::exp(-(x - 0.5));
        return 8.0 * u * u - 8.0;
    };
    AccurateLevelsOf(state, morse, {-6.125, -3.125, -1.125, -0.125});
}
BENCHMARK(BM_AccurateMorseLevels)->Unit(benchmark::kMillisecond);

void BM_AccurateStepLevels(benchmark::State& state) {
    const auto step = [](double x) { return x < 0.0 ? 0.0 : (x < 1.0 ? -8.0 : 5.0); };
    AccurateLevelsOf(state, step, {});
}
BENCHMARK(BM_AccurateStepLevels)->Unit(benchmark::kMillisecond);

}  // namespace
