// Numbers as text that reads back to the same double, and the one way results
// reach standard output.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// 17 significant digits ("%.17g" in the C locale, whatever the user's locale
// says): enough for every double to read back bit for bit.
std::string Exact(double value);

// Shorter, for the eye: "%.3e".
std::string Brief(double value);

// Left- or right-aligned in a column of the given width.
std::string PadRight(std::string_view text, std::size_t width);
std::string PadLeft(std::string_view text, std::size_t width);

// Writes everything to standard output and flushes it; throws WriteError if
// the output does not take it (a full disk, say).
void WriteOut(std::string_view text);

}  // namespace cli
