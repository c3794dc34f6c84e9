// velquor-cli from start to finish, as a script calling it a thousand times
// waits for it: --version (loading the program and its libraries) and the
// oscillator's levels (the dialog set up and the search run as well). Wall
// time: the time goes to the child process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <vector>

extern char** environ;

namespace {

// Runs the program with its output thrown away; false if it did not exit 0.
bool Run(std::vector<const char*> args) {
    args.insert(args.begin(), VELQUOR_CLI);
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VELQUOR_CLI, &actions, nullptr,
                                    const_cast<char* const*>(args.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void BM_CliVersion(benchmark::State& state) {
    for (auto _ : state)
        if (!Run({"--version"})) state.SkipWithError("velquor-cli --version failed");
}
BENCHMARK(BM_CliVersion)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_CliOscillatorLevels(benchmark::State& state) {
    for (auto _ : state)
        if (!Run({"levels", "--potential", "oscillator"}))
            state.SkipWithError("velquor-cli levels failed");
}
BENCHMARK(BM_CliOscillatorLevels)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
