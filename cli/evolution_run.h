// A superposition as velquor-cli takes it: --states, --weights and --phases,
// put on the session through the "Evolucion" tab's own fields and "Aplicar",
// so that every number and pixel is the window's.
#pragma once

#include <string>
#include <vector>

#include "cli_options.h"
#include "headless_host.h"

namespace cli {

const Option& StatesOption();
const Option& WeightsOption();
const Option& PhasesOption();
// The three; required: when --states is, in the words of its help.
std::vector<Option> SuperpositionOptions(const std::string& required = "Required.");

struct EvolutionRequest {
    std::string states, weights, phases;
};

// The options' texts; --states is required.
EvolutionRequest ReadEvolution(const Arguments& args);

// A time option: a finite number that is not negative.
double ReadTime(const Arguments& args, const Option& option, double fallback);

// Shows the tab (which fetches the chosen potential's accurate levels), types
// the choice and applies it, at time t; paused. Throws UsageError, naming the
// option, for a level that does not exist, weights or phases that do not
// match the levels, weights that are all zero.
void ApplyEvolution(HeadlessSession& session, const EvolutionRequest& request, double t);

}  // namespace cli
