#include "cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>

#include "data_exchange.h"

namespace cli {

namespace {

const Option kHelp{"help", "", "Show this help and exit.", ""};

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The refusal of a command's arguments, with what it accepts.
UsageError Refusal(const Command& command, const std::string& reason, std::string_view lead) {
    std::vector<std::string> accepted;
    for (const Option& o : command.options)
        accepted.push_back("--" + o.name);
    accepted.push_back("--" + kHelp.name);
    return UsageError(reason + std::string(lead) + JoinChoices(accepted, "and") + " (see " +
                      kProgram + " " + command.name + " --help)");
}

// What the parser left over: unknown options, which start with a dash (and
// are more than one) up to "--", and arguments, the others. An unknown option
// is named as typed up to any '=', or by its first letter after a single dash
// (where letters are options of their own).
struct LeftOver {
    std::optional<std::string> unknown, argument;
};

LeftOver Sort(const std::vector<std::string>& leftOver) {
    LeftOver sorted;
    bool optionsEnded = false;
    for (const std::string& arg : leftOver) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (!sorted.unknown)
                sorted.unknown = arg[1] == '-' ? arg.substr(0, arg.find('=')) : arg.substr(0, 2);
        } else if (!sorted.argument) {
            sorted.argument = arg;
        }
    }
    return sorted;
}

void CheckUnknown(const Command& command, const LeftOver& leftOver) {
    if (leftOver.unknown)
        throw Refusal(command, "unknown option " + Quoted(*leftOver.unknown), "; accepted: ");
}

// The arguments as the parser is handed them, last first. --name= gives the
// option an empty value, so the two are handed apart. --help=VALUE (or
// -h=VALUE) is not handed at all: it is refused once the arguments have
// been checked for unknown options, as the program always did.
struct ForParser {
    std::vector<std::string> reversed;
    std::string helpWithValue;  // "--help" or "-h" if given a value
};

ForParser Prepare(const std::vector<std::string>& args) {
    ForParser out;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        const std::size_t eq = optionsEnded ? std::string::npos : arg.find('=');
        optionsEnded = optionsEnded || arg == "--";
        const std::string name = arg.substr(0, eq);
        if (eq != std::string::npos && (name == "--help" || name == "-h")) {
            out.helpWithValue = name;
        } else if (eq != std::string::npos && eq == arg.size() - 1 && eq > 2 &&
                   arg.starts_with("--")) {
            out.reversed.push_back(name);
            out.reversed.emplace_back();
        } else {
            out.reversed.push_back(arg);
        }
    }
    std::reverse(out.reversed.begin(), out.reversed.end());
    return out;
}

// One option's names and help, and the lines Qt's command-line parser has
// always laid them out in: the description wrapped at the last space that
// keeps a line within 79 columns, beside the names padded to width.
std::string OptionHelp(const std::string& names, std::size_t width,
                       const std::string& description) {
    std::size_t namesShown = 0;
    const auto nextNames = [&] {
        std::string part = names.substr(namesShown, width);
        namesShown += part.size();
        part.resize(std::max(part.size(), width), ' ');
        return part;
    };
    const long max = 79 - static_cast<long>(2 + width + 1);
    const long length = static_cast<long>(description.size());
    std::string text;
    long lineStart = 0;
    long lastBreakable = -1;
    long column = 0;
    for (long i = 0; i < length; ++i) {
        ++column;
        const char c = description[static_cast<std::size_t>(i)];
        if (IsSpace(c)) lastBreakable = i;
        long breakAt = -1;
        long nextLineStart = -1;
        if (column > max && lastBreakable != -1) {
            breakAt = lastBreakable;
            nextLineStart = lastBreakable + 1;
        } else if ((column > max - 1 && lastBreakable == -1) || i == length - 1) {
            breakAt = i + 1;
            nextLineStart = breakAt;
        } else if (c == '\n') {
            breakAt = i;
            nextLineStart = i + 1;
        }
        if (breakAt == -1) continue;
        text += "  " + nextNames() + " " +
                description.substr(static_cast<std::size_t>(lineStart),
                                   static_cast<std::size_t>(breakAt - lineStart)) +
                "\n";
        column = 0;
        lastBreakable = -1;
        lineStart = nextLineStart;
        if (lineStart < length && IsSpace(description[static_cast<std::size_t>(lineStart)]))
            ++lineStart;
        // The loop's step then passes over the line's first character.
        i = lineStart;
    }
    while (namesShown < names.size())
        text += "  " + nextNames() + "\n";
    return text;
}

std::string Names(const Option& option) {
    std::string names = option.name == kHelp.name ? "-h, --help" : "--" + option.name;
    if (!option.valueName.empty()) names += " <" + option.valueName + ">";
    return names;
}

}  // namespace

std::string Arguments::Value(const Option& option) const {
    const auto it = given_.find(option.name);
    return it == given_.end() ? option.fallback : it->second.back();
}

std::vector<std::string> Arguments::Values(const Option& option) const {
    const auto it = given_.find(option.name);
    return it == given_.end() ? std::vector<std::string>{} : it->second;
}

std::optional<Arguments> ParseCommand(const Command& command,
                                      const std::vector<std::string>& args) {
    CLI::App app;
    app.set_help_flag();  // ours: without the parser's own wording
    app.allow_extras();
    std::vector<CLI::Option*> options;
    for (const Option& o : command.options)
        options.push_back(
            app.add_option("--" + o.name)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll));
    CLI::Option* help = app.add_flag("-h,--help");
    ForParser handed = Prepare(args);
    // Unknown options first, then a value missing or too many, then --help,
    // then arguments that are no options.
    try {
        app.parse(handed.reversed);
    } catch (const CLI::ArgumentMismatch&) {
        // The last argument is an option that takes a value, and none came.
        CheckUnknown(command, Sort(app.remaining()));
        throw Refusal(command, "missing value after " + Quoted(args.back()), "; accepted: ");
    }
    const LeftOver leftOver = Sort(app.remaining());
    CheckUnknown(command, leftOver);
    if (!handed.helpWithValue.empty())
        throw Refusal(command, "unexpected value after " + Quoted(handed.helpWithValue),
                      "; accepted: ");
    if (help->count() > 0) {
        std::fputs(HelpText(command).c_str(), stdout);
        return std::nullopt;
    }
    if (leftOver.argument)
        throw Refusal(command, "unexpected argument " + Quoted(*leftOver.argument),
                      "; it takes options only: ");
    Arguments arguments;
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->count() > 0)
            arguments.given_[command.options[i].name] = options[i]->results();
    return arguments;
}

std::string HelpText(const Command& command) {
    std::vector<Option> options = command.options;
    options.push_back(kHelp);
    std::size_t width = 0;
    for (const Option& o : options)
        width = std::max(width, Names(o).size());
    width = std::min<std::size_t>(50, width + 1);
    std::string text = "Usage: " + std::string(kProgram) + " " + command.usage + "\n\n" +
                       command.description + "\n\nOptions:\n";
    for (const Option& o : options)
        text += OptionHelp(Names(o), width, o.description);
    return text;
}

double ParseEnergy(std::string_view option, std::string_view text) {
    if (const std::optional<double> e = ParseDecimal(text)) return *e;
    throw UsageError(std::string(option) + " " + Quoted(text) +
                     " is not a finite decimal number; give one such as -7.29, 2.5 or 1e-3");
}

int ParseCount(std::string_view option, std::string_view text, int max, std::string_view why) {
    const std::optional<std::uint32_t> n = ParseUnsigned(text);
    if (n && *n <= static_cast<std::uint32_t>(max)) return static_cast<int>(*n);
    throw UsageError(std::string(option) + " " + Quoted(text) + ": give a whole number from 0 to " +
                     std::to_string(max) + " (" + std::string(why) + ")");
}

std::string ParseChoice(std::string_view option, std::string_view text,
                        const std::vector<std::string>& choices) {
    for (const std::string& c : choices)
        if (text == c) return c;
    throw UsageError(std::string(option) + " " + Quoted(text) + ": give " + JoinChoices(choices));
}

std::string JoinChoices(const std::vector<std::string>& choices, std::string_view last) {
    std::string out;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i + 1 == choices.size() && i > 0) {
            out.append(" ").append(last).append(" ");
        } else if (i > 0) {
            out += ", ";
        }
        out += choices[i];
    }
    return out;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

}  // namespace cli
