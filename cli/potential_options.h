// The potential a command runs on: --potential NAME with --set NAME=VALUE for
// its settings, or --formula EXPR instead. Read and checked before any work,
// then put on the session through the window's own settings dialog.
#pragma once

#include <string>
#include <vector>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "cli_options.h"
#include "headless_host.h"
#include "potential_family.h"

namespace cli {

struct PotentialRequest {
    const PotentialName* potential = nullptr;  // the family, "formula" for a formula
    std::vector<std::string> fields;           // the settings dialog's texts
    bool changed = false;                      // any --set or --formula
};

QCommandLineOption SetOption();
QCommandLineOption FormulaOption();

// The potential the options ask for (fallback without --potential and
// --formula). shooting: a command that integrates from x = 0 and mirrors,
// which needs an even potential. Throws UsageError naming the bad option.
PotentialRequest ReadPotential(const QCommandLineParser& parser,
                               const QCommandLineOption& potentialOption,
                               const PotentialName& fallback, bool shooting);

// Chooses the potential in the session's list and applies its settings.
void ChoosePotential(HeadlessSession& session, const PotentialRequest& request);

}  // namespace cli
