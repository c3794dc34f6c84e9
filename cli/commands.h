// The subcommands of velquor-cli. Each takes its own arguments (the first
// being its name), writes its result and returns the exit status; bad input
// throws UsageError before anything is written, a failed write WriteError.
#pragma once

#include <QStringList>

namespace cli {

int RunLevels(const QStringList& args);
int RunPredict(const QStringList& args);
int RunRender(const QStringList& args);
int RunEvolve(const QStringList& args);
int RunPotentials(const QStringList& args);

}  // namespace cli
