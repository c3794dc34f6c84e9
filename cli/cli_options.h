// What velquor-cli accepts on its command line: the potentials by name, the
// energies and counts, and the errors that end a run with their exit status.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>

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

enum class PotentialKind : std::uint8_t {
    WoodsSaxon,
    Oscillator,
    Well,
    PoschlTeller,
    VShaped,
    Wells,
    Formula,
};

struct PotentialName {
    PotentialKind kind;
    const char* name;     // on the command line and in csv and json
    const char* caption;  // in the window's list, which is also accepted
};

// The three a run of every potential takes, in the order of the window's list.
const std::vector<PotentialName>& Potentials();
// Every family of the window's list (the formula entry apart).
const std::vector<PotentialName>& AllPotentials();
// The window's first choice.
const PotentialName& DefaultPotential();

// A name or a list caption, in any letter case.
const PotentialName& FindPotential(std::string_view text);

// The energy box's reading rule: a finite decimal number.
double ParseEnergy(std::string_view option, std::string_view text);

// A whole number from 0 to max; anything else names the range (and why it
// ends there) in the error.
int ParseCount(std::string_view option, std::string_view text, int max, std::string_view why);

// One of the given words.
std::string ParseChoice(std::string_view option, std::string_view text,
                        const std::vector<std::string>& choices);

// Adds the options (and --help) to the parser and parses a subcommand's
// arguments, args[0] being the subcommand. Returns false when --help was asked
// for and the help text has been printed.
bool ParseSubcommand(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                     const QStringList& args, std::string_view usage);

// "a, b or c"
std::string JoinChoices(const std::vector<std::string>& choices, std::string_view last = "or");

}  // namespace cli
