#include "evolution_run.h"

#include <variant>

#include "cli_options.h"
#include "evolution_choice.h"
#include "resources.h"
#include "text_output.h"

namespace cli {

const Option& StatesOption() {
    static const Option option{"states", "LIST",
                               "The levels to superpose, by index from 0: a list such as 0,1.", ""};
    return option;
}

const Option& WeightsOption() {
    static const Option option{
        "weights", "LIST",
        "One weight per level, not all zero (default: all equal); they are normalised.", ""};
    return option;
}

const Option& PhasesOption() {
    static const Option option{"phases", "LIST", "One phase per level in radians (default: all 0).",
                               ""};
    return option;
}

std::vector<Option> SuperpositionOptions(const std::string& required) {
    Option states = StatesOption();
    states.description += " " + required;
    return {states, WeightsOption(), PhasesOption()};
}

EvolutionRequest ReadEvolution(const Arguments& args) {
    if (!args.IsSet(StatesOption()))
        throw UsageError("--states is required; give the levels to superpose, such as 0,1");
    return {args.Value(StatesOption()), args.Value(WeightsOption()), args.Value(PhasesOption())};
}

double ReadTime(const Arguments& args, const Option& option, double fallback) {
    if (!args.IsSet(option)) return fallback;
    const std::string text = args.Value(option);
    const std::optional<double> t = ParseNonNegative(text);
    if (!t)
        throw UsageError("--" + option.name + " '" + text +
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
