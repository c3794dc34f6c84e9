#include "evolution_choice.h"

#include <cmath>

#include "data_exchange.h"

namespace {

using Field = EvolutionChoiceError::Field;

std::string Quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

// A list of finite numbers, one per state, or nothing for the default.
std::variant<std::vector<double>, EvolutionChoiceError> ReadNumbers(std::string_view text,
                                                                    std::size_t count, Field field,
                                                                    const char* what) {
    const std::vector<std::string> words = SplitList(text);
    std::vector<double> values;
    for (const std::string& word : words) {
        const std::optional<double> v = ParseDecimal(word);
        if (!v)
            return EvolutionChoiceError{
                field, Quoted(word) + " is not a number; give one " + what + " per state"};
        values.push_back(*v);
    }
    if (!values.empty() && values.size() != count)
        return EvolutionChoiceError{
            field, std::to_string(count) + " states and " + std::to_string(values.size()) + " " +
                       what + (values.size() == 1 ? "" : "s") + "; give one per state"};
    return values;
}

}  // namespace

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ',' || c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

std::optional<double> ParseNonNegative(std::string_view text) {
    const std::optional<double> v = ParseDecimal(text);
    if (!v || !std::isfinite(*v) || *v < 0.0) return std::nullopt;
    return *v;
}

EvolutionChoice DefaultEvolutionChoice(std::size_t levelCount) {
    EvolutionChoice choice;
    for (std::size_t k = 0; k < levelCount && k < 2; ++k) {
        choice.states.push_back(k);
        choice.weights.emplace_back(1.0, 0.0);
    }
    return choice;
}

std::variant<EvolutionChoice, EvolutionChoiceError> ReadEvolutionChoice(std::string_view states,
                                                                        std::string_view weights,
                                                                        std::string_view phases,
                                                                        std::size_t levelCount) {
    const std::string range = levelCount == 0
                                  ? std::string("the potential has no level")
                                  : "give levels 0 to " + std::to_string(levelCount - 1);
    EvolutionChoice choice;
    for (const std::string& word : SplitList(states)) {
        const std::optional<std::uint32_t> n = ParseUnsigned(word);
        if (!n)
            return EvolutionChoiceError{Field::States, Quoted(word) + " is not a level; " + range};
        if (*n >= levelCount)
            return EvolutionChoiceError{Field::States,
                                        "level " + word + " does not exist; " + range};
        for (std::size_t s : choice.states)
            if (s == *n)
                return EvolutionChoiceError{Field::States, "level " + word + " is given twice"};
        choice.states.push_back(*n);
    }
    if (choice.states.empty())
        return EvolutionChoiceError{Field::States, "no levels given; " + range};

    const std::size_t count = choice.states.size();
    auto w = ReadNumbers(weights, count, Field::Weights, "weight");
    if (auto* e = std::get_if<EvolutionChoiceError>(&w)) return *e;
    auto p = ReadNumbers(phases, count, Field::Phases, "phase");
    if (auto* e = std::get_if<EvolutionChoiceError>(&p)) return *e;
    std::vector<double> amplitudes = std::get<std::vector<double>>(w);
    std::vector<double> angles = std::get<std::vector<double>>(p);
    if (amplitudes.empty()) amplitudes.assign(count, 1.0);
    if (angles.empty()) angles.assign(count, 0.0);
    bool anyWeight = false;
    for (std::size_t k = 0; k < count; ++k) {
        anyWeight = anyWeight || amplitudes[k] != 0.0;
        choice.weights.push_back(std::polar(1.0, angles[k]) * amplitudes[k]);
    }
    if (!anyWeight)
        return EvolutionChoiceError{Field::Weights,
                                    "the weights are all zero; give at least one "
                                    "that is not"};
    return choice;
}
