// The level search: single steps in each state, and whole searches.
#include <benchmark/benchmark.h>

#include "bench_support.h"

namespace {

// range(0): the phase a step starts from (0 start, 1 bisect, 2 scan, 3 next
// level), on the oscillator's search as the dialog left it; range(1): 1 draws
// the "Normal" view after every step as the window does, 0 does not, as the
// command line does.
void BM_SearchStep(benchmark::State& state) {
    const auto phase = static_cast<LevelSearch::Phase>(state.range(0));
    const bool drawn = state.range(1) != 0;
    HeadlessSession session(true);
    const CWaveDlg& d = session.Dialog();
    session.Click(res::kSearch);  // start -> scan on the oscillator
    const LevelSearch::Bracket scan = d.Search().CurrentBracket();
    while (d.Search().CurrentPhase() != LevelSearch::Phase::Bisect)
        session.Click(res::kSearch);
    const LevelSearch::Bracket bisect = d.Search().CurrentBracket();
    // Convergence on the ground state; the next phase then moves past it.
    session.Click(res::kPlay);
    session.RunTimer(1000);
    const LevelSearch::Bracket next = d.Search().CurrentBracket();
    LevelSearch::Bracket from = phase == LevelSearch::Phase::Bisect      ? bisect
                                : phase == LevelSearch::Phase::NextLevel ? next
                                                                         : scan;
    from.phase = phase;

    LevelSearch search;
    search.SetPotential(&d.Potential());
    bench::OwnViews own(d);
    const SearchRange range = d.CurrentSearchBounds();
    state.SetLabel(drawn ? "drawn" : "deferred");
    for (auto _ : state) {
        search.SetBracket(from);
        search.TakeStep(range);
        if (drawn) own.views.DrawNormal(d.Potential(), search, true);
        benchmark::DoNotOptimize(search.CurrentBracket().high);
        benchmark::DoNotOptimize(own.frame.Data());
    }
}
BENCHMARK(BM_SearchStep)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 0}})
    ->ArgNames({"phase", "drawn"})
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

// Every level of the Morse potential, shot from both ends, as velquor-cli
// levels --formula finds them: the formula is applied once, then searched.
void BM_TwoSidedSearch(benchmark::State& state) {
    HeadlessSession session(true);
    session.SelectPotential("Formula");
    session.ChangeSettings({"8*(1 - exp(-(x - 0.5)))^2 - 8"});
    int levels = 0;
    for (auto _ : state) {
        session.Click(res::kSearch);  // a search that starts afresh
        levels = bench::SearchAllLevels(session);
        state.PauseTiming();
        session.SelectPotential("Formula");
        state.ResumeTiming();
    }
    state.counters["levels"] = levels;
}
BENCHMARK(BM_TwoSidedSearch)->Unit(benchmark::kMillisecond);

// A fresh headless session: what a command-line run pays before its search.
void BM_SessionStart(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessSession session(true);
        benchmark::DoNotOptimize(session.Dialog().Frame().Data());
    }
}
BENCHMARK(BM_SessionStart)->Unit(benchmark::kMicrosecond);

}  // namespace
