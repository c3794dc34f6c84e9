// Which levels a superposition takes and with what weights, as a person types
// them into the "Evolucion" tab or onto velquor-cli's command line: lists of
// numbers separated by commas or blanks. One reading and one set of messages
// for both.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "superposition.h"

struct EvolutionChoice {
    std::vector<std::size_t> states;         // level indices, each once
    std::vector<dynamics::Complex> weights;  // one per state: amplitude e^(i phase)
};

struct EvolutionChoiceError {
    enum class Field { States, Weights, Phases };
    Field field;
    std::string message;  // one line, naming the bad value
};

// states: level indices below levelCount; weights: one real number per state
// (empty: all equal), not all zero; phases: one angle per state in radians
// (empty: all zero).
std::variant<EvolutionChoice, EvolutionChoiceError> ReadEvolutionChoice(std::string_view states,
                                                                        std::string_view weights,
                                                                        std::string_view phases,
                                                                        std::size_t levelCount);

// The default: the two lowest levels (or the only one) at equal weights.
EvolutionChoice DefaultEvolutionChoice(std::size_t levelCount);

// The words of a list ("0, 1 2" gives "0", "1", "2").
std::vector<std::string> SplitList(std::string_view text);

// A time or a speed: a finite number that is not negative.
std::optional<double> ParseNonNegative(std::string_view text);
