// Where the "Evolucion" tab's levels come from: the accurate solver, every
// level below the ceiling, each eigenfunction sampled on the window's grid.
#pragma once

#include <optional>
#include <vector>

#include "potential_family.h"
#include "superposition.h"

// The levels the tab offers, and the continuum edge they lie below (none
// where V grows without bound on both sides).
struct BoundStatesOnGrid {
    BoundStatesOnGrid(std::vector<dynamics::Eigenstate> l = {}, std::optional<double> edge = {})
        : levels(std::move(l)), continuum(edge) {}
    std::vector<dynamics::Eigenstate> levels;
    std::optional<double> continuum;
};

// Lowest first, each positive far out on the right as the Hermite functions
// are; empty when no level lies below the ceiling. A level the
// solver could not bring to its tolerance is still there (its error is far
// below what a picture shows).
// Only bound states: none at or above the continuum edge.
BoundStatesOnGrid AccurateLevelsOnGrid(const PotentialInfo& potential, double ceiling);
