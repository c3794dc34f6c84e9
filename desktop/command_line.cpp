#include "command_line.h"

#include <cstdio>
#include <cstring>

#include "caption.h"
#include "resources.h"

namespace {

constexpr const char* kHelp =
    "Usage: velquor [--help | --version] [--lang en|es] [Qt options] [SCENARIO.json]\n"
    "\n"
    "Opens the Velquor window: the bound states of a particle in one dimension,\n"
    "-1/2 psi'' + V(x) psi = E psi, found by the shooting method one step at a time.\n"
    "\n"
    "The window:\n"
    "  Potencial    the list chooses the potential; choosing one clears the levels.\n"
    "  Ajustes...   the chosen potential's settings, or the formula V(x) to use.\n"
    "  Predictor    draws the even solution at the energy typed beside it: below a\n"
    "               level it runs off to one side far out, above it to the other.\n"
    "  Buscar       one step of the level search: raise the energy until the\n"
    "               solution far out changes sign, then halve that bracket.\n"
    "  Play         runs the search on a 100 ms timer until the next level converges\n"
    "               and records it; the next press looks for the next level.\n"
    "  Normal       the first tab: the potential with the prediction or the search.\n"
    "  Zoom         every recorded level as its density (red) and real part (blue),\n"
    "               standing on a line at its energy.\n"
    "  Niveles      every level as a table: the search's energy beside the accurate\n"
    "               one, their difference, its error estimate, nodes and parity.\n"
    "  Evolucion    a superposition of levels moving in time: choose the levels\n"
    "               (Estados), their weights (Pesos) and phases (Fases), then\n"
    "               Aplicar; Play or Pausa, Velocidad, and t = 0 to start again.\n"
    "\n"
    "A right click opens a menu: Save picture (Ctrl+S), Copy picture (Ctrl+Shift+C),\n"
    "Copy levels (Ctrl+Shift+L), Open scenario (Ctrl+O), Save scenario (Ctrl+Shift+S),\n"
    "Close, and About velquor (also F1). A scenario is a small JSON file of the state:\n"
    "the potential and its settings or formula, the tab, the energy and the Evolucion\n"
    "fields; velquor SCENARIO.json opens one, and velquor-cli takes --scenario FILE.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the version and exit\n"
    "  --lang en|es   the window's language (also VELQUOR_LANG); by default the\n"
    "                 system's: Spanish for es*, English for any other\n"
    "Any other option goes to Qt, for example -platform offscreen or -style.\n"
    "\n"
    "velquor-cli prints the same levels and draws the same pictures without a window.\n";

bool Is(const char* arg, const char* name) {
    return std::strcmp(arg, name) == 0;
}

// The value of --lang X or --lang=X at i, if that is one.
std::optional<std::string> LangAt(const std::vector<std::string>& args, std::size_t& i) {
    if (args[i] == "--lang") return i + 1 < args.size() ? args[++i] : std::string();
    if (args[i].starts_with("--lang=")) return args[i].substr(7);
    return std::nullopt;
}

}  // namespace

std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "--help") || Is(argv[i], "-h")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (Is(argv[i], "--version")) {
            std::printf("%s %s\n", res::kInternalName, res::kFileVersion);
            return 0;
        }
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::optional<std::string> lang = LangAt(args, i);
        if (lang && !KnownLanguage(*lang)) {
            std::fprintf(stderr, "velquor: --lang '%s': give en or es\n", lang->c_str());
            return 2;
        }
    }
    return std::nullopt;
}

WindowRequest ReadWindowRequest(const std::vector<std::string>& args, const char* env) {
    WindowRequest request;
    if (env) request.language = env;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const std::optional<std::string> lang = LangAt(args, i)) {
            request.language = *lang;
        } else if (!args[i].starts_with('-') && request.scenario.empty()) {
            request.scenario = args[i];
        }
    }
    return request;
}
