// The levels the search has recorded, as the level tables list them: each
// beside the continuous problem's answer where it has one, and the CSV text
// that velquor-cli prints and the window copies.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reference_levels.h"
#include "wave_dlg.h"

struct LevelRow {
    int index;            // in the dialog's level table
    std::uint8_t parity;  // 0 even, 1 odd, as the search found it
    double energy;
    int ticks;  // timer ticks from the press of "Play" to the recording
};

// The levels of one potential.
struct LevelTable {
    std::string name;  // the potential family's name: woods-saxon, oscillator, ...
    std::vector<LevelRow> rows;
    std::vector<ReferenceLevel> references;  // empty: no known answer

    // The reference of the row's parity nearest to its energy, if any.
    std::optional<ReferenceLevel> Reference(const LevelRow& row) const;
};

// The name of the potential's family: woods-saxon, oscillator, well, ...
std::string CurrentPotentialName(const CWaveDlg& dlg);

// The closed-form levels of the dialog's potential: the oscillator's and the
// square well's, none for the others.
std::vector<ReferenceLevel> ClosedFormLevels(const CWaveDlg& dlg);

// "even" or "odd".
const char* ParityName(std::uint8_t parity);

// 17 significant digits ("%.17g" in the C locale, whatever the user's locale
// says): enough for every double to read back bit for bit. A NaN is "nan".
std::string ExactDecimal(double value);

// A header line, then one line a level: potential, index, parity, energy,
// ticks, and the closed-form level and the difference where there is one.
std::string LevelsCsv(const std::vector<LevelTable>& tables);

// Counts the timer ticks of the window's search from each press of "Play" to
// the level it records. The host hands it the presses and the ticks.
class LevelTicks {
  public:
    void Play(CWaveDlg& dlg);
    void Tick(CWaveDlg& dlg, unsigned timerId);
    // The dialog's recorded levels with their ticks and references.
    LevelTable Table(const CWaveDlg& dlg) const;

  private:
    int sincePlay_ = 0;
    std::array<int, CWaveDlg::kMaxLevels> ticks_{};
};
