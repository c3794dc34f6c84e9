// Runs every benchmark with the usual console table, then sets the figures
// that have a target next to it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Keeps each benchmark's processor time per iteration in milliseconds (less
// disturbed than the wall clock by whatever else the machine runs): the median when
// the run was repeated, the single figure otherwise.
class TargetReporter : public benchmark::ConsoleReporter {
  public:
    explicit TargetReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const std::string name = run.run_name.str();
            if (median || !medians_.count(name)) {
                const double ms = run.GetAdjustedCPUTime() /
                                  benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
                times_[name] = ms;
                if (median) medians_[name] = true;
            }
        }
    }

    // Milliseconds, or a negative number when the benchmark did not run.
    double Ms(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? -1.0 : it->second;
    }

  private:
    std::map<std::string, double> times_;
    std::map<std::string, bool> medians_;
};

struct Target {
    const char* what;
    const char* benchmark;
    double limitMs;         // absolute limit, or
    const char* reference;  // a benchmark the figure is set against
    double factor;          // times the reference
};

constexpr Target kTargets[] = {
    {"\"Normal\" redraw after \"Predictor\"", "BM_RedrawNormalPrediction", 0.5, nullptr, 0.0},
    {"\"Normal\" redraw during a search", "BM_RedrawNormalSearching", 0.5, nullptr, 0.0},
    {"\"Zoom\" redraw, nine oscillator levels", "BM_RedrawZoomOscillatorLevels", 2.0, nullptr, 0.0},
    {"Evolution frame, 20 levels (x \"Zoom\" redraw)", "BM_EvolutionFrame20Levels", 0.0,
     "BM_RedrawZoomOscillatorLevels", 1.0},
    {"\"Transmision\" redraw (x \"Zoom\" redraw)", "BM_RedrawTransmission", 0.0,
     "BM_RedrawZoomOscillatorLevels", 1.0},
    {"Clear of the frame (x memset)", "BM_ClearFrame", 0.0, "BM_MemsetFrame", 3.0},
    {"Oscillator level search, all levels", "BM_LevelSearch/1", 10.0, nullptr, 0.0},
    {"Accurate oscillator levels (x search)", "BM_AccurateOscillatorLevels", 0.0,
     "BM_LevelSearch/1", 1.0},
};

int PrintTargets(const TargetReporter& reporter) {
    std::printf("\n%-42s %12s %12s  %s\n", "Target", "measured", "limit", "");
    int missed = 0;
    for (const Target& t : kTargets) {
        const double ms = reporter.Ms(t.benchmark);
        double limit = t.limitMs;
        if (t.reference != nullptr) {
            const double ref = reporter.Ms(t.reference);
            limit = ref < 0.0 ? -1.0 : ref * t.factor;
        }
        if (ms < 0.0 || limit < 0.0) {
            std::printf("%-42s %12s %12s  not run\n", t.what, "-", "-");
            continue;
        }
        const bool met = ms <= limit;
        missed += met ? 0 : 1;
        std::printf("%-42s %9.3f ms %9.3f ms  %s\n", t.what, ms, limit, met ? "met" : "MISSED");
    }
    return missed;
}

}  // namespace

int main(int argc, char** argv) {
    // Colours only on a terminal, and never when asked not to.
    bool colour = isatty(fileno(stdout)) != 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--benchmark_color=false") == 0) colour = false;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter(colour ? benchmark::ConsoleReporter::OO_ColorTabular
                                   : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const int missed = PrintTargets(reporter);
    // Timings on a shared machine wander; a miss is reported, not fatal,
    // unless the caller asks for it.
    return missed > 0 && std::getenv("VELQUOR_BENCH_STRICT") != nullptr ? 1 : 0;
}
