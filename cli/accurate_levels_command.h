// velquor-cli levels --method accurate|both: the accurate solver's levels of
// each chosen potential, alone or beside the search's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "potential_options.h"

namespace cli {

// Writes the levels of each potential in the format (table, csv or json).
// both: the search runs first, as --method shooting runs it, and its levels
// stand beside the accurate ones. below: the ceiling instead of the search's.
void WriteAccurateLevels(const std::vector<PotentialRequest>& potentials, bool both,
                         const std::string& format, std::optional<double> below);

}  // namespace cli
