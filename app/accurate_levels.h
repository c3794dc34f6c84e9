// The accurate levels of a potential beside the shooting search's: the rows
// of the "Niveles" tab and of velquor-cli levels --method accurate|both.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "potential_family.h"
#include "reference_levels.h"
#include "spectrum.h"

// A level the shooting search recorded.
struct ShootingLevel {
    std::uint8_t parity;  // 0 even, 1 odd
    double energy;
    int ticks;
};

struct AccurateLevelRow {
    spectrum::Level level;                  // index, nodes, parity, energy, estimate
    std::optional<ShootingLevel> shooting;  // the recorded level, where one was found
    std::optional<double> exact;            // the closed form, where there is one
};

struct AccurateLevelTable {
    double ceiling = 0.0;
    std::vector<AccurateLevelRow> rows;
    std::string note;  // spectrum::kNoLevelNote when there is no level
};

// The closed-form levels of a family at its settings, lowest first, every
// one below `below` and one more; none for a family without a closed form
// (Woods-Saxon, wells, formulas, a power other than 2).
std::vector<ReferenceLevel> ClosedForms(FamilyId family, std::span<const double> values,
                                        double below);

// Every level below the ceiling by the accurate solver, each beside the
// recorded level of the same parity nearest to it (a recorded level goes to
// one row at most) and its closed form.
AccurateLevelTable AccurateLevels(const PotentialInfo& potential, double ceiling,
                                  const std::vector<ReferenceLevel>& exact,
                                  const std::vector<ShootingLevel>& recorded);

// "even", "odd", or an empty string where V is not even.
const char* ParityWord(const std::optional<spectrum::Parity>& parity);
