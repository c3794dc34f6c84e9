// What the window program answers on its command line before it needs a
// display: --help and --version, so that both work on a machine without one
// (and help2man can make the manual page from them at build time).
#pragma once

#include <optional>
#include <string>
#include <vector>

// Prints the help or the version when argv asks for one and returns the exit
// status; returns nothing when the window should start.
std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv);

// What the window is asked for once Qt has taken its own options: --lang
// en|es (or VELQUOR_LANG, given as env), and a scenario file to open.
struct WindowRequest {
    std::string language;  // empty: the system's
    std::string scenario;  // empty: none
};
WindowRequest ReadWindowRequest(const std::vector<std::string>& args, const char* env);
