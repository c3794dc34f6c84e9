// Frames: clearing one, and the redraw of each view as the window asks for it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "bench_support.h"

namespace {

// The floor for any redraw: writing every byte of the frame once.
void BM_MemsetFrame(benchmark::State& state) {
    HeadlessSession session;
    std::vector<std::uint8_t> bytes(session.Dialog().Frame().ByteSize());
    for (auto _ : state) {
        std::memset(bytes.data(), 0xFF, bytes.size());
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_MemsetFrame)->Unit(benchmark::kMicrosecond);

void BM_ClearFrame(benchmark::State& state) {
    HeadlessSession session;
    bench::OwnViews own(session.Dialog());
    PlotCanvas canvas(&own.frame, 30.0, 0.0, {});  // a clear knows no scale
    const PixelRGB24 white(255, 255, 255);
    for (auto _ : state) {
        canvas.Clear(white);
        benchmark::DoNotOptimize(own.frame.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(own.frame.ByteSize()));
}
BENCHMARK(BM_ClearFrame)->Unit(benchmark::kMicrosecond);

void RedrawLoop(benchmark::State& state, HeadlessSession& session) {
    for (auto _ : state) {
        session.Dialog().Redraw();
        benchmark::DoNotOptimize(session.Dialog().Frame().Data());
    }
}

// "Normal" after "Predictor": the potential, the prediction and its density.
void BM_RedrawNormalPrediction(benchmark::State& state) {
    HeadlessSession session;
    session.TypeEnergy("-7.3");
    session.Click(res::kPredictor);
    RedrawLoop(state, session);
}
BENCHMARK(BM_RedrawNormalPrediction)->Unit(benchmark::kMicrosecond);

// "Normal" while a search runs: the potential and both bracket solutions.
void BM_RedrawNormalSearching(benchmark::State& state) {
    HeadlessSession session;
    session.Click(res::kSearch);
    RedrawLoop(state, session);
}
BENCHMARK(BM_RedrawNormalSearching)->Unit(benchmark::kMicrosecond);

// "Zoom" with all nine oscillator levels: each is integrated, normalised and
// drawn as density and real part over its level line.
void BM_RedrawZoomOscillatorLevels(benchmark::State& state) {
    HeadlessSession session(true);
    const int levels = bench::SearchAllLevels(session);
    session.Dialog().SetDeferredDrawing(false);
    session.SelectTab(1);
    state.counters["levels"] = levels;
    RedrawLoop(state, session);
}
BENCHMARK(BM_RedrawZoomOscillatorLevels)->Unit(benchmark::kMicrosecond);

// The same, but with every level moved by a hair between redraws, so that no
// level can be copied back from the redraw before: each is integrated and
// normalised again, as on the first redraw after the levels change.
void BM_RedrawZoomNewLevels(benchmark::State& state) {
    HeadlessSession session(true);
    const int count = bench::SearchAllLevels(session);
    const CWaveDlg& d = session.Dialog();
    std::vector<SearchLevel> levels(d.Search().Levels().begin(), d.Search().Levels().end());
    bench::OwnViews own(d);
    state.counters["levels"] = count;
    double hair = 1e-13;
    for (auto _ : state) {
        for (SearchLevel& level : levels)
            level.energy += hair;
        hair = -hair;
        own.views.DrawZoom(d.Potential(), levels);
        benchmark::DoNotOptimize(own.frame.Data());
    }
}
BENCHMARK(BM_RedrawZoomNewLevels)->Unit(benchmark::kMicrosecond);

// The window's paint: the frame into the bitmap memory.
void BM_Paint(benchmark::State& state) {
    HeadlessSession session;
    for (auto _ : state) {
        session.Dialog().OnPaint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Paint)->Unit(benchmark::kMicrosecond);

}  // namespace
