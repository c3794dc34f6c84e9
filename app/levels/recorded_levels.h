// The levels the search has recorded, as the CSV lists them (velquor-cli
// levels prints it, the window copies it): each beside the continuous
// problem's answer where it has one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "closed_forms.h"
#include "level_search.h"

class CWaveDlg;

// The recorded levels of one potential.
struct RecordedLevels {
    std::string name;  // the potential family's name: woods-saxon, oscillator, ...
    std::vector<SearchLevel> levels;
    std::vector<spectrum::Level> closedForms;  // empty: no known answer

    // The closed form of the level's parity nearest to its energy, if any.
    std::optional<spectrum::Level> ClosedForm(const SearchLevel& level) const;
};

// The dialog's potential's family name, its recorded levels and their closed forms.
RecordedLevels RecordedLevelsOf(const CWaveDlg& dlg);

// 17 significant digits ("%.17g" in the C locale, whatever the user's locale
// says): enough for every double to read back bit for bit. A NaN is "nan".
std::string ExactDecimal(double value);

// A header line, then one line a level: potential, index, parity, energy,
// ticks, and the closed-form level and the difference where there is one.
std::string LevelsCsv(const std::vector<RecordedLevels>& tables);
