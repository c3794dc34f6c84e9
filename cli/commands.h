// The subcommands of velquor-cli. Each takes the arguments after its name,
// writes its result and returns the exit status; bad input throws UsageError
// before anything is written, a failed write WriteError.
#pragma once

#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

int RunLevels(const Args& args);
int RunPredict(const Args& args);
int RunRender(const Args& args);
int RunEvolve(const Args& args);
int RunPacket(const Args& args);
int RunPotentials(const Args& args);
int RunTransmission(const Args& args);
int RunResonances(const Args& args);

}  // namespace cli
