// Where the level search looks: from the potential's least value up to its
// greatest, capped by the top of the "Normal" view. One rule for the shooting
// search and for every solver that offers the same levels.
#pragma once

#include "real_function.h"

struct SearchRange {
    double bottom = 0.0;
    double ceiling = 0.0;
    bool operator==(const SearchRange&) const = default;
};

// How the potential is sampled for its range.
enum class RangeSamples {
    // x = 0, 1, ..., 14: the three potentials at their default settings.
    Integers,
    // Every point of the wave functions' grid on [0, 15]: a narrow well
    // cannot hide between two samples.
    Grid,
    // Every grid point on [-15, 15], for a potential that is not even.
    WholeGrid,
};

// The least and greatest value of the potential on the samples.
SearchRange PotentialRange(const RealFunction& v, RangeSamples samples);

// The range with its ceiling capped by viewTop.
SearchRange SearchBounds(const RealFunction& v, double viewTop,
                         RangeSamples samples = RangeSamples::Grid);

// Half the interval a level is normalised on: out to the last x where V lies
// a tenth of the way below the search's ceiling (past it, the shot solutions
// of the levels decay, and then grow without bound), 2 more for the tails;
// at least least and at most the grid's half-width.
double NormalisationHalfWidth(const RealFunction& v, SearchRange bounds, double least);
