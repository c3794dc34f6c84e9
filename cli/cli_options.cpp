#include "cli_options.h"

#include <cstdio>

#include "data_exchange.h"

namespace cli {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

}  // namespace

const std::vector<PotentialName>& Potentials() {
    static const std::vector<PotentialName> potentials{
        {PotentialKind::WoodsSaxon, "woods-saxon", "Woods-Saxon"},
        {PotentialKind::Oscillator, "oscillator", "Oscilador armonico"},
        {PotentialKind::Well, "well", "Pozo Finito"},
    };
    return potentials;
}

const std::vector<PotentialName>& AllPotentials() {
    static const std::vector<PotentialName> potentials = [] {
        std::vector<PotentialName> all = Potentials();
        all.push_back({PotentialKind::PoschlTeller, "poschl-teller", "Poschl-Teller"});
        all.push_back({PotentialKind::VShaped, "v-shaped", "Potencial en V"});
        all.push_back({PotentialKind::Wells, "wells", "Pozos multiples"});
        return all;
    }();
    return potentials;
}

const PotentialName& DefaultPotential() {
    return Potentials()[1];
}

const PotentialName& FindPotential(std::string_view text) {
    for (const PotentialName& p : AllPotentials())
        if (SameIgnoringCase(text, p.name) || SameIgnoringCase(text, p.caption)) return p;
    std::vector<std::string> names, captions;
    for (const PotentialName& p : AllPotentials()) {
        names.emplace_back(p.name);
        std::string caption(1, '"');
        caption.append(p.caption).push_back('"');
        captions.push_back(std::move(caption));
    }
    throw UsageError("unknown potential " + Quoted(text) + "; accepted: " + JoinChoices(names) +
                     " (or the list captions " + JoinChoices(captions) + ")");
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

bool ParseSubcommand(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                     const QStringList& args, std::string_view usage) {
    // Not Qt's own help option: that one brings --help-all with it.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    parser.addOptions(options);
    parser.addOption(help);
    const std::string command = args.isEmpty() ? std::string() : args.first().toStdString();

    std::vector<std::string> accepted;
    for (const QCommandLineOption& o : options)
        accepted.push_back("--" + o.names().constLast().toStdString());
    accepted.emplace_back("--help");
    const std::string see = "see " + std::string(kProgram) + " " + command + " --help";

    // QCommandLineParser takes its first argument for the program's name; here
    // that is the subcommand.
    if (!parser.parse(args)) {
        std::string reason;
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // Qt names them without their dashes.
            const QString& name = unknown.first();
            reason = "unknown option '" + std::string(name.size() == 1 ? "-" : "--") +
                     name.toStdString() + "'";
        } else {
            reason = parser.errorText().toStdString();
            if (!reason.empty()) reason[0] = Lower(reason[0]);
            if (!reason.empty() && reason.back() == '.') reason.pop_back();
        }
        throw UsageError(reason + "; accepted: " + JoinChoices(accepted, "and") + " (" + see + ")");
    }
    if (parser.isSet(help)) {
        // Qt's first line names the executable as it was started; ours names
        // the subcommand and what its options take.
        std::string text = parser.helpText().toStdString();
        text.erase(0, text.find('\n') + 1);
        text = "Usage: " + std::string(kProgram) + " " + std::string(usage) + "\n\n" + text;
        std::fputs(text.c_str(), stdout);
        return false;
    }
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty())
        throw UsageError("unexpected argument " + Quoted(extra.first().toStdString()) +
                         "; it takes options only: " + JoinChoices(accepted, "and") + " (" + see +
                         ")");
    return true;
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

}  // namespace cli
