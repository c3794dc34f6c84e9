// velquor-cli: the Velquor window's computations and pictures from the
// command line. Every number and pixel comes from the dialog's own logic,
// driven through its headless host exactly as a person drives the window.
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "cli_options.h"
#include "commands.h"
#include "resources.h"

namespace {

constexpr const char* kHelp =
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
    "  potentials  list every potential family, its formula and its settings\n"
    "\n"
    "Potentials (--potential): woods-saxon, oscillator (the default), well, poschl-teller,\n"
    "v-shaped and wells; the window's captions (\"Woods-Saxon\", \"Oscilador armonico\",\n"
    "\"Pozo Finito\" ...) work too. --set NAME=VALUE changes a potential's settings, and\n"
    "--formula EXPR types V(x) instead; 'velquor-cli potentials' lists them all.\n"
    "\n"
    "Formulas (--formula EXPR), read by muparser: the variable x; numbers such as 8,\n"
    "-0.5 or 1e-3; + - * / and ^ (power); parentheses; abs, sign, sqrt, exp, ln,\n"
    "log10, log2, sin, cos, tan, asin, acos, atan, sinh, cosh, tanh, asinh, acosh,\n"
    "atanh, sech, min, max, sum, avg; the constants _pi and _e; comparisons and\n"
    "a ? b : c. At most 1000 characters, and V must be finite on the whole grid\n"
    "(x = -20 to 20 in steps of 0.01). The shooting method takes even formulas only,\n"
    "V(-x) = V(x): it integrates from x = 0 outward and mirrors. Examples: 'x^2 - 8',\n"
    "'-8*sech(x)^2', '2*abs(x) - 8', '(x^4 - 20*x^2)/2'.\n"
    "\n"
    "Exit status: 0 done, 1 a result could not be written, 2 bad usage or input.\n"
    "Run 'velquor-cli COMMAND --help' for the options of a command.\n";

int Fail(int status, const std::string& context, const char* message) {
    std::fprintf(stderr, "%s%s: %s\n", cli::kProgram, context.c_str(), message);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    std::string context;  // " levels" once the command is known
    try {
        if (args.isEmpty())
            throw cli::UsageError(
                "no command; give levels, predict, render, evolve or potentials (see " +
                std::string(cli::kProgram) + " --help)");
        const QString command = args.first();
        if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
            std::fputs(kHelp, stdout);
            return cli::kExitOk;
        }
        if (command == QLatin1String("--version")) {
            std::printf("%s %s\n", cli::kProgram, res::kFileVersion);
            return cli::kExitOk;
        }
        context = " " + command.toStdString();
        if (command == QLatin1String("levels")) return cli::RunLevels(args);
        if (command == QLatin1String("predict")) return cli::RunPredict(args);
        if (command == QLatin1String("render")) return cli::RunRender(args);
        if (command == QLatin1String("evolve")) return cli::RunEvolve(args);
        if (command == QLatin1String("potentials")) return cli::RunPotentials(args);
        context.clear();
        if (command.startsWith(QLatin1Char('-')))
            throw cli::UsageError("unknown option '" + command.toStdString() +
                                  "'; before the command only --help and --version are accepted");
        throw cli::UsageError("unknown command '" + command.toStdString() +
                              "'; give levels, predict, render, evolve or potentials");
    } catch (const cli::UsageError& e) {
        return Fail(cli::kExitUsage, context, e.what());
    } catch (const cli::WriteError& e) {
        return Fail(cli::kExitFailure, context, e.what());
    } catch (const std::exception& e) {
        return Fail(cli::kExitFailure, context, e.what());
    }
}
