#include "evolution_run.h"

#include <variant>

#include "cli_options.h"
#include "evolution_choice.h"
#include "resources.h"
#include "text_output.h"

namespace cli {

QCommandLineOption StatesOption() {
    return {QStringLiteral("states"),
            QStringLiteral("The levels to superpose, by index from 0: a list such as 0,1. "
                           "Required."),
            QStringLiteral("LIST")};
}

QCommandLineOption WeightsOption() {
    return {QStringLiteral("weights"),
            QStringLiteral("One weight per level, not all zero (default: all equal); they are "
                           "normalised."),
            QStringLiteral("LIST")};
}

QCommandLineOption PhasesOption() {
    return {QStringLiteral("phases"),
            QStringLiteral("One phase per level in radians (default: all 0)."),
            QStringLiteral("LIST")};
}

EvolutionRequest ReadEvolution(const QCommandLineParser& parser) {
    if (!parser.isSet(StatesOption()))
        throw UsageError("--states is required; give the levels to superpose, such as 0,1");
    return {parser.value(StatesOption()).toStdString(), parser.value(WeightsOption()).toStdString(),
            parser.value(PhasesOption()).toStdString()};
}

double ReadTime(const QCommandLineParser& parser, const QCommandLineOption& option,
                double fallback) {
    if (!parser.isSet(option)) return fallback;
    const std::string text = parser.value(option).toStdString();
    const std::optional<double> t = ParseNonNegative(text);
    if (!t)
        throw UsageError("--" + option.names().first().toStdString() + " '" + text +
                         "' is not a time; give a finite number that is not negative");
    return *t;
}

void ApplyEvolution(HeadlessSession& session, const EvolutionRequest& request, double t) {
    session.SelectTab(res::kEvolutionTab);
    EvolutionView& view = session.Dialog().Evolution();
    const auto read =
        ReadEvolutionChoice(request.states, request.weights, request.phases, view.Levels().size());
    if (const auto* e = std::get_if<EvolutionChoiceError>(&read)) {
        using Field = EvolutionChoiceError::Field;
        const char* option = e->field == Field::States    ? "--states"
                             : e->field == Field::Weights ? "--weights"
                                                          : "--phases";
        throw UsageError(std::string(option) + ": " + e->message);
    }
    HeadlessPlatform& p = session.Platform();
    p.SetControlText(res::kEvolutionStates, request.states);
    p.SetControlText(res::kEvolutionWeights, request.weights);
    p.SetControlText(res::kEvolutionPhases, request.phases);
    p.SetControlText(res::kEvolutionTime, Exact(t));
    if (view.Playing()) session.Click(res::kEvolutionPlay);
    session.Click(res::kEvolutionApply);
    if (!p.messages.empty()) throw UsageError(p.messages.back().second);
}

}  // namespace cli
