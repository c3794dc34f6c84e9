// JSON as velquor-cli writes it, the same text every time: keys in sorted
// order, four spaces a level (or none), an empty list as "[" and "]" on two
// lines, a whole number as an integer (-8, 100000), any other number in the
// fewest digits that read back to the same double (decimal or exponent form,
// whichever is shorter: 0.001, 1e-05), null for one that is not finite.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace cli {

using JsonValue = nlohmann::json;

// Indented text ends in a newline; compact text does not.
std::string JsonText(const JsonValue& value, bool indented = true);

// A double in that shortest form ("0" for zero of either sign).
std::string ShortestNumber(double value);

}  // namespace cli
