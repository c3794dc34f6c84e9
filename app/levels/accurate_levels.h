// The accurate levels of a potential beside the shooting search's: the rows
// of the "Niveles" tab and of velquor-cli levels --method accurate|both.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "closed_forms.h"
#include "level_search.h"
#include "potential_family.h"
#include "spectrum.h"

struct AccurateLevelRow {
    spectrum::Level level;                // index, nodes, parity, energy, estimate
    std::optional<SearchLevel> shooting;  // the recorded level, where one was found
    std::optional<double> exact;          // the closed form, where there is one
};

struct AccurateLevelTable {
    double ceiling = 0.0;
    std::vector<AccurateLevelRow> rows;
    std::string note;  // spectrum::kNoLevelNote when there is no level
    // What the solver says of the bound states whatever the ceiling: the
    // continuum edge, how many lie below it, why that number is infinite.
    std::optional<double> continuum;
    std::optional<int> boundCount;
    std::string countNote;
};

// Every level below the ceiling by the accurate solver, each beside the
// recorded level of the same parity nearest to it (a recorded level goes to
// one row at most) and its closed form.
AccurateLevelTable AccurateLevels(const PotentialInfo& potential, double ceiling,
                                  const std::vector<spectrum::Level>& exact,
                                  std::span<const SearchLevel> recorded);

// Each recorded level beside the row of its parity with the nearest energy
// (a recorded level goes to one row at most); rows matched before are cleared.
void MatchRecorded(std::span<const SearchLevel> recorded, std::vector<AccurateLevelRow>& rows);

// The words a parity is written with: "even" and "odd" (empty where V is
// not even) in data, "par" and "impar" ("-") in the window's captions.
enum class ParityWords { Data, Caption };
const char* ParityText(const std::optional<spectrum::Parity>& parity,
                       ParityWords words = ParityWords::Data);
// The parity of the starting values a search level was shot with.
const char* ParityText(std::uint8_t searchParity, ParityWords words = ParityWords::Data);
