// The level search: single steps in each state, and whole searches.
#include <benchmark/benchmark.h>

#include "bench_support.h"

namespace {

// The oscillator search just before the states a step can start from.
struct Snapshot {
    double eLow, eHigh;
    std::uint8_t parity;
    double lowSign;
};

Snapshot Take(const CWaveDlg& d) {
    return {d.m_eLow, d.m_eHigh, CWaveDlg::s_parity, CWaveDlg::s_lowSign};
}

// range(0): the state (0 start, 1 bisect, 2 scan, 3 next level); range(1): 1
// draws every step as the window does, 0 defers drawing as the command line does.
void BM_SearchStep(benchmark::State& state) {
    const auto searchState = static_cast<std::uint8_t>(state.range(0));
    const bool drawn = state.range(1) != 0;
    HeadlessSession session(!drawn);
    CWaveDlg& d = session.Dialog();
    session.Click(res::kSearch);  // state 0 -> 2 on the oscillator
    const Snapshot scan = Take(d);
    while (d.m_searchState != 1)
        session.Click(res::kSearch);
    const Snapshot bisect = Take(d);
    // Convergence on the ground state; state 3 then moves past it.
    session.Click(res::kPlay);
    session.RunTimer(1000);
    const Snapshot next = Take(d);
    const Snapshot& from = searchState == 1 ? bisect : searchState == 3 ? next : scan;
    state.SetLabel(drawn ? "drawn" : "deferred");
    for (auto _ : state) {
        d.m_searchState = searchState;
        d.m_eLow = from.eLow;
        d.m_eHigh = from.eHigh;
        CWaveDlg::s_parity = from.parity;
        CWaveDlg::s_lowSign = from.lowSign;
        d.SearchStep();
        benchmark::DoNotOptimize(d.m_eHigh);
    }
}
BENCHMARK(BM_SearchStep)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 0}})
    ->ArgNames({"state", "drawn"})
    ->Unit(benchmark::kMicrosecond);

// Every level of one potential (0 Woods-Saxon, 1 oscillator, 2 well), found
// as velquor-cli levels finds them: "Play" and ticks until the scan ends.
void BM_LevelSearch(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    HeadlessSession session(true);
    int levels = 0;
    int ticks = 0;
    for (auto _ : state) {
        const int before = session.Ticks();
        session.SelectPotential(index);
        levels = bench::SearchAllLevels(session);
        ticks = session.Ticks() - before;
    }
    state.SetLabel(session.Platform().listItems[index].first);
    state.counters["levels"] = levels;
    state.counters["ticks"] = ticks;
}
BENCHMARK(BM_LevelSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A fresh headless session: what a command-line run pays before its search.
void BM_SessionStart(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessSession session(true);
        benchmark::DoNotOptimize(session.Dialog().m_frame.Data());
    }
}
BENCHMARK(BM_SessionStart)->Unit(benchmark::kMicrosecond);

}  // namespace
