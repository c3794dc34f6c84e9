// The "Evolucion" tab's frame: the sum over the levels on the grid and the
// drawing, as one tick of its timer does them.
#include <benchmark/benchmark.h>

#include <string>

#include "headless_host.h"
#include "model.h"
#include "oscillator_states.h"
#include "resources.h"

namespace {

// Twenty exact oscillator levels at uneven weights, the timer running.
void BM_EvolutionFrame20Levels(benchmark::State& state) {
    HeadlessSession session;
    HeadlessPlatform& p = session.Platform();
    session.Dialog().Evolution().SetLevelSource([] {
        const dynamics::Grid grid{model::kGridMin, model::kGridStep, model::kSamples};
        return dynamics::OscillatorLevels(1.0, -8.0, 20, grid);
    });
    session.SelectTab(res::kEvolutionTab);
    std::string states, weights;
    for (int k = 0; k < 20; ++k) {
        states += std::to_string(k) + " ";
        weights += std::to_string(1.0 + 0.05 * k) + " ";
    }
    p.SetControlText(res::kEvolutionStates, states);
    p.SetControlText(res::kEvolutionWeights, weights);
    p.SetControlText(res::kEvolutionPhases, "");
    session.Click(res::kEvolutionApply);
    state.counters["levels"] =
        static_cast<double>(session.Dialog().Evolution().Choice().states.size());
    for (auto _ : state) {
        session.TickEvolution();
        benchmark::DoNotOptimize(session.Dialog().Frame().Data());
    }
}
BENCHMARK(BM_EvolutionFrame20Levels)->Unit(benchmark::kMicrosecond);

}  // namespace
