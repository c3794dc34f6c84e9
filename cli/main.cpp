// velquor-cli: the Velquor window's computations and pictures from the
// command line. Every number and pixel comes from the dialog's own logic,
// driven through its headless host exactly as a person drives the window.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli_options.h"
#include "commands.h"
#include "potential_options.h"
#include "resources.h"

namespace {

constexpr const char* kHelpStart =
    "Usage: velquor-cli COMMAND [options]\n"
    "\n"
    "The bound states of a particle in one dimension by the shooting method, computed\n"
    "and drawn exactly as the Velquor window does it, without a window.\n"
    "\n"
    "Commands:\n"
    "  levels   run the level search and print every level it finds\n"
    "  predict  print the solution at a trial energy on the grid\n"
    "  render   write one view of the window as a PNG picture\n"
    "  evolve   print the norm, <x>, <x^2> and <E> of a superposition of levels in time\n"
    "  packet   send a wave packet along the open line: where its probability goes\n"
    "  potentials  list every potential family, its formula and its settings\n"
    "  transmission  print the transmission and reflection of a wave at energies\n"
    "  resonances  print the resonances (poles of the transmission) in an energy range\n"
    "\n";

constexpr const char* kHelpEnd =
    "\n"
    "Formulas (--formula EXPR), read by muparser: the variable x; numbers such as 8,\n"
    "-0.5 or 1e-3; + - * / and ^ (power); parentheses; abs, sign, sqrt, exp, ln,\n"
    "log10, log2, sin, cos, tan, asin, acos, atan, sinh, cosh, tanh, asinh, acosh,\n"
    "atanh, sech, min, max, sum, avg; the constants _pi and _e; comparisons and\n"
    "a ? b : c. At most 1000 characters, and V must be finite on the whole grid\n"
    "(x = -20 to 20 in steps of 0.01). The shooting method integrates an even formula,\n"
    "V(-x) = V(x), from x = 0 outward and mirrors; any other it shoots from both ends\n"
    "of the grid and matches at V's minimum. Examples: 'x^2 - 8', '-8*sech(x)^2',\n"
    "'2*abs(x) - 8', '(x^4 - 20*x^2)/2', '8*(1 - exp(-(x - 0.5)))^2 - 8'.\n"
    "\n"
    "Exit status: 0 done, 1 a result could not be written, 2 bad usage or input.\n"
    "Run 'velquor-cli COMMAND --help' for the options of a command.\n";

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
    }
    return words;
}

// The pieces, space-separated, in lines of at most width characters.
std::string Wrapped(const std::vector<std::string>& pieces, std::size_t width) {
    std::string out, line;
    for (const std::string& piece : pieces) {
        if (!line.empty() && line.size() + 1 + piece.size() > width) {
            out += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + piece;
    }
    return out + line + "\n";
}

// The potentials paragraph, from the family table; a caption is never split.
std::string PotentialsHelp() {
    std::vector<std::string> pieces =
        Words("Potentials (--potential): " + cli::PotentialNames(true, "and") +
              "; the window's captions");
    std::string open = "(";
    for (const FamilyInfo* f : cli::FirstPotentials()) {
        pieces.push_back(open + "\"" + f->caption + "\",");
        open.clear();
    }
    pieces.back().pop_back();
    for (const std::string& word :
         Words("...) work too. --set NAME=VALUE changes a potential's settings, and --formula "
               "EXPR types V(x) instead; 'velquor-cli potentials' lists them all."))
        pieces.push_back(word);
    // As wide as the widest line of the help.
    return Wrapped(pieces, 85);
}

int Fail(int status, const std::string& context, const char* message) {
    std::fprintf(stderr, "%s%s: %s\n", cli::kProgram, context.c_str(), message);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);

    std::string context;  // " levels" once the command is known
    try {
        if (args.empty())
            throw cli::UsageError(
                "no command; give levels, predict, render, evolve, packet, potentials, "
                "transmission or "
                "resonances (see " +
                std::string(cli::kProgram) + " --help)");
        const std::string command = args.front();
        if (command == "--help" || command == "-h") {
            std::fputs((kHelpStart + PotentialsHelp() + kHelpEnd).c_str(), stdout);
            return cli::kExitOk;
        }
        if (command == "--version") {
            std::printf("%s %s\n", cli::kProgram, res::kFileVersion);
            return cli::kExitOk;
        }
        context = " " + command;
        const cli::Args options(args.begin() + 1, args.end());
        if (command == "levels") return cli::RunLevels(options);
        if (command == "predict") return cli::RunPredict(options);
        if (command == "render") return cli::RunRender(options);
        if (command == "evolve") return cli::RunEvolve(options);
        if (command == "packet") return cli::RunPacket(options);
        if (command == "potentials") return cli::RunPotentials(options);
        if (command == "transmission") return cli::RunTransmission(options);
        if (command == "resonances") return cli::RunResonances(options);
        context.clear();
        if (command.starts_with('-'))
            throw cli::UsageError("unknown option '" + command +
                                  "'; before the command only --help and --version are accepted");
        throw cli::UsageError(
            "unknown command '" + command +
            "'; give levels, predict, render, evolve, packet, potentials, transmission or "
            "resonances");
    } catch (const cli::UsageError& e) {
        return Fail(cli::kExitUsage, context, e.what());
    } catch (const cli::WriteError& e) {
        return Fail(cli::kExitFailure, context, e.what());
    } catch (const std::exception& e) {
        return Fail(cli::kExitFailure, context, e.what());
    }
}
