// A superposition as velquor-cli takes it: --states, --weights and --phases,
// put on the session through the "Evolucion" tab's own fields and "Aplicar",
// so that every number and pixel is the window's.
#pragma once

#include <string>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "headless_host.h"

namespace cli {

QCommandLineOption StatesOption();
QCommandLineOption WeightsOption();
QCommandLineOption PhasesOption();

struct EvolutionRequest {
    std::string states, weights, phases;
};

// The options' texts; --states is required.
EvolutionRequest ReadEvolution(const QCommandLineParser& parser);

// A time option: a finite number that is not negative.
double ReadTime(const QCommandLineParser& parser, const QCommandLineOption& option,
                double fallback);

// Shows the tab (which fetches the chosen potential's accurate levels), types
// the choice and applies it, at time t; paused. Throws UsageError, naming the
// option, for a level that does not exist, weights or phases that do not
// match the levels, weights that are all zero.
void ApplyEvolution(HeadlessSession& session, const EvolutionRequest& request, double t);

}  // namespace cli
