// Where the "Evolucion" tab's levels come from: the accurate solver, every
// level below the ceiling, each eigenfunction sampled on the window's grid.
#pragma once

#include <vector>

#include "potential_family.h"
#include "superposition.h"

// Lowest first, each positive far out on the right as the Hermite functions
// are; empty when no level lies below the ceiling. A level the
// solver could not bring to its tolerance is still there (its error is far
// below what a picture shows).
std::vector<dynamics::Eigenstate> AccurateLevelsOnGrid(const PotentialInfo& potential,
                                                       double ceiling);
