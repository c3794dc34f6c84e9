// The options every command that runs on a potential shares, declared once:
// --potential NAME with --set NAME=VALUE for its settings, or --formula EXPR
// instead; and --format. The names and settings are the family table's. Read
// and checked before any work, then put on a session through the window's
// own list and settings dialog, which also reads the formula.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "headless_host.h"
#include "potential_family.h"
#include "scenario.h"

namespace cli {

// The window's first choice, and what --set alone changes.
const FamilyInfo& DefaultPotential();
// The window's first three, which a run of every potential takes.
std::vector<const FamilyInfo*> FirstPotentials();
// A family (not the typed formula) by name or list caption, in any letter case.
const FamilyInfo& FindPotential(std::string_view text);
// "woods-saxon, oscillator (the default), well, ... or wells"
std::string PotentialNames(bool markDefault, std::string_view last = "or");

// --potential as every command but levels reads it: one potential, the
// oscillator if none.
const Option& PotentialOption();
// levels's: one potential, or the first three if none.
const Option& OnlyPotentialOption();
const Option& SetOption();
const Option& FormulaOption();
// --scenario FILE: the potential and settings or formula of a scenario file,
// instead of the three.
const Option& ScenarioOption();
// The four, --potential as given.
std::vector<Option> PotentialOptions(const Option& potential = PotentialOption());
// The three in a usage line.
inline constexpr const char* kPotentialUsage =
    "[[--potential NAME] [--set NAME=VALUE]... | --formula EXPR | --scenario FILE]";

// --format, the first of formats being the default; its usage line part; its value.
Option FormatOption(const std::vector<std::string>& formats);
std::string FormatUsage(const std::vector<std::string>& formats);
std::string ReadFormat(const Arguments& args, const std::vector<std::string>& formats);

struct PotentialRequest {
    const FamilyInfo* potential = nullptr;  // the formula's entry for a formula
    std::vector<std::string> fields;        // the settings dialog's texts
    bool changed = false;                   // any --set or --formula
    // --scenario's; whole: OpenSession opens all of it (tab, energy, band),
    // else only its potential.
    std::optional<scenario::Scenario> scenario;
    bool whole = false;
};

// Whether any of the four was given.
bool PotentialGiven(const Arguments& args);

// The potential the options ask for, the default one without them. Throws
// UsageError naming the bad option or setting; the formula is read by the
// settings dialog, in OpenSession.
PotentialRequest ReadPotential(const Arguments& args);

// The scenario file of --scenario, read; UsageError naming the file and what is wrong.
scenario::Scenario ReadScenarioOption(const Arguments& args);

// A session (drawing only the frames that are painted) with the potential
// chosen in the window's list and its settings applied in the settings
// dialog. Throws UsageError, naming --formula, for a formula the dialog
// refuses.
std::unique_ptr<HeadlessSession> OpenSession(const PotentialRequest& request);

}  // namespace cli
