// A scenario: what a teacher hands a class to start from, as a small JSON
// file. The potential and its settings or formula, the tab, the trial energy
// and whether "Predictor" was pressed, the "Evolucion" band's fields and the
// "Transmision" tab's range and marker.
// Reading is strict: a text that is not JSON, a key that is not known, a
// value of the wrong type or out of range, or a file over kMaxBytes gives one
// message naming what is wrong, and no scenario.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "potential_family.h"

namespace scenario {

inline constexpr std::size_t kMaxBytes = 64 * 1024;
// The longest text a field takes (a formula is at most 1000 characters).
inline constexpr std::size_t kMaxText = 1000;

// The "Evolucion" band's fields as typed, its speed and time, and whether it plays.
struct Evolution {
    std::string states;
    std::string weights;
    std::string phases;
    double speed = 1.0;
    double time = 0.0;
    bool playing = true;
    bool operator==(const Evolution&) const = default;
};

// The "Transmision" tab's range and marker.
struct Transmission {
    double from = 0.0;
    double to = 1.0;
    double energy = 0.5;
    bool operator==(const Transmission&) const = default;
};

struct Scenario {
    FamilyId potential = FamilyId::Oscillator;
    std::vector<double> settings;  // the family's, in its table's order; none for a formula
    std::string formula;           // V(x) for the formula family
    int tab = 0;                   // the tab's index
    double energy = -1.0;          // the energy box
    bool predictor = false;        // "Predictor" pressed at that energy
    std::optional<Evolution> evolution;
    std::optional<Transmission> transmission;
    bool operator==(const Scenario&) const = default;
};

// Either a scenario or the one-line message saying why there is none.
using ReadResult = std::variant<Scenario, std::string>;

ReadResult Read(std::string_view text);
// The file's text, read only if it is no larger than kMaxBytes.
ReadResult ReadFile(const std::string& path);
// The JSON text of a scenario, every field written; Read gives it back.
// Indented by indent spaces a level, or on one line for -1 (a link's).
std::string Write(const Scenario& s, int indent = 2);

// The tabs by name, in the window's order ("normal", "zoom", ...).
std::span<const char* const> TabNames();

// A double written so that reading it gives the same bits.
std::string ExactNumber(double value);

}  // namespace scenario
