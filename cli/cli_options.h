// What velquor-cli accepts on its command line: each command's options, the
// energies and counts, and the errors that end a run with their exit status.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

inline constexpr const char* kProgram = "velquor-cli";

// Exit statuses, as command-line tools use them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file or the output could not be written
inline constexpr int kExitUsage = 2;    // bad usage or input: nothing was done

// Bad usage or input; the message is one line and names the bad value and
// what would have been accepted.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writing a result failed after the work was done.
class WriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An option of a command, --name VALUE; given again, the last value counts
// (and Values() has them all).
struct Option {
    std::string name;         // without the dashes
    std::string valueName;    // what the help calls the value: --name <VALUE>
    std::string description;  // one paragraph for the help
    std::string fallback;     // the value when the option is not given
};

struct Command {
    std::string name;         // "levels"
    std::string usage;        // what follows "Usage: velquor-cli "
    std::string description;  // lines of the help before the options
    std::vector<Option> options;
};

// A command's options as given on its command line.
class Arguments {
  public:
    bool IsSet(const Option& option) const { return given_.contains(option.name); }
    // The last value given, or the option's fallback.
    std::string Value(const Option& option) const;
    // Every value given, in order.
    std::vector<std::string> Values(const Option& option) const;

  private:
    friend std::optional<Arguments> ParseCommand(const Command&, const std::vector<std::string>&);
    std::map<std::string, std::vector<std::string>, std::less<>> given_;
};

// Parses a command's arguments (those after its name). Nothing when --help
// (or -h) was asked for: the help has been printed. Throws UsageError for
// an unknown option, a missing value or an argument that is not an option.
std::optional<Arguments> ParseCommand(const Command& command, const std::vector<std::string>& args);

// "Usage: ...", the description and every option with its help, lines
// wrapped to 79 columns.
std::string HelpText(const Command& command);

// The energy box's reading rule: a finite decimal number.
double ParseEnergy(std::string_view option, std::string_view text);

// A whole number from 0 to max; anything else names the range (and why it
// ends there) in the error.
int ParseCount(std::string_view option, std::string_view text, int max, std::string_view why);

// One of the given words.
std::string ParseChoice(std::string_view option, std::string_view text,
                        const std::vector<std::string>& choices);

// "a, b or c"
std::string JoinChoices(const std::vector<std::string>& choices, std::string_view last = "or");

// 'text'
std::string Quoted(std::string_view text);

}  // namespace cli
