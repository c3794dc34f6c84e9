#include "text_output.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "cli_options.h"
#include "recorded_levels.h"

namespace cli {

namespace {

std::string ToChars(double value, std::chars_format format, int precision) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (ec != std::errc()) return "nan";
    return std::string(buffer, end);
}

}  // namespace

std::string Exact(double value) {
    return ExactDecimal(value);
}

std::string Brief(double value) {
    return ToChars(value, std::chars_format::scientific, 3);
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.insert(0, width - out.size(), ' ');
    return out;
}

void WriteOut(std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (!written || std::fflush(stdout) != 0 || std::ferror(stdout))
        throw WriteError("cannot write to standard output");
}

}  // namespace cli
