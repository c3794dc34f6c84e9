// The shooting integration and the normalisation on the program's grid.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "model.h"

namespace {

// Potential by list position (0 Woods-Saxon, 1 oscillator, 2 well), set up as
// the dialog sets it up, and an energy near its ground state.
struct Case {
    const char* name;
    double energy;
};
constexpr Case kCases[] = {{"woods-saxon", -14.0}, {"oscillator", -7.3}, {"well", -7.5}};

void ConfigureGrid(WaveFunction& psi, const RealFunction* potential) {
    psi.SetRange(model::kGridMin, model::kGridMax);
    psi.Resize(model::kSamples);
    psi.SetMassFactor(model::kMassFactor);
    psi.SetPotential(potential);
}

void BM_Integrate(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    HeadlessSession session(true);
    session.SelectPotential(index);
    WaveFunction psi;
    ConfigureGrid(psi, &session.Dialog().Potential());
    state.SetLabel(kCases[index].name);
    std::uint8_t parity = 0;
    for (auto _ : state) {
        psi.Integrate(parity, kCases[index].energy);
        benchmark::DoNotOptimize(psi.Value(15.0));
        parity ^= 1;
    }
}
BENCHMARK(BM_Integrate)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_Normalize(benchmark::State& state) {
    HeadlessSession session(true);
    WaveFunction psi;
    ConfigureGrid(psi, &session.Dialog().Potential());
    psi.Integrate(0, -7.29);
    const Integrator& integrator = session.Dialog().Views().Normaliser();
    for (auto _ : state) {
        psi.SetScale(1.0);
        integrator.Normalize(psi);
        benchmark::DoNotOptimize(psi.Scale());
    }
}
BENCHMARK(BM_Normalize)->Unit(benchmark::kMicrosecond);

}  // namespace
