// What the window program answers on its command line before it needs a
// display: --help and --version, so that both work on a machine without one
// (and help2man can make the manual page from them at build time).
#pragma once

#include <optional>

// Prints the help or the version when argv asks for one and returns the exit
// status; returns nothing when the window should start.
std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv);
