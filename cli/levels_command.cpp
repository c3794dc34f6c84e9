// velquor-cli levels: every level the window's search finds, with the timer
// ticks it took and, where the continuous problem has a known answer, how far
// the shooting method's grid leaves the level from it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "accurate_levels_command.h"
#include "cli_options.h"
#include "commands.h"
#include "level_run.h"
#include "potential_options.h"
#include "recorded_levels.h"
#include "text_output.h"

namespace cli {

namespace {

struct PotentialRun {
    const PotentialName* potential;
    double ceiling;
    RecordedLevels levels;
};

PotentialRun RunSearch(const PotentialRequest& request) {
    const PotentialName& potential = *request.potential;
    HeadlessSession session(true);  // nobody looks at the frames: draw none
    ChoosePotential(session, request);
    PlayForLevels(session);
    const CWaveDlg& dlg = session.Dialog();
    RecordedLevels levels = RecordedLevelsOf(dlg);
    levels.name = potential.name;
    return {&potential, dlg.Search().CurrentBracket().ceiling, std::move(levels)};
}

std::string Table(const std::vector<PotentialRun>& runs) {
    std::string out;
    for (const PotentialRun& run : runs) {
        if (!out.empty()) out += "\n";
        out += std::string(run.potential->caption) + " (" + run.potential->name +
               "): " + std::to_string(run.levels.levels.size()) +
               " levels below the scan's ceiling " + Exact(run.ceiling) + "\n";
        out += PadLeft("#", 3) + "  " + PadRight("parity", 8) + PadRight("energy", 24) +
               PadLeft("ticks", 5) + "  " + PadRight("exact", 24) + "difference\n";
        for (const SearchLevel& level : run.levels.levels) {
            const std::optional<spectrum::Level> ref = run.levels.ClosedForm(level);
            out += PadLeft(std::to_string(level.index), 3) + "  " +
                   PadRight(ParityText(level.parity), 8) + PadRight(Exact(level.energy), 24) +
                   PadLeft(std::to_string(level.ticks), 5) + "  " +
                   PadRight(ref ? Exact(ref->energy) : "-", 24) +
                   (ref ? Brief(level.energy - ref->energy) : "-") + "\n";
        }
        if (run.levels.closedForms.empty()) out += "(no closed-form levels to compare with)\n";
    }
    return out;
}

std::string Csv(const std::vector<PotentialRun>& runs) {
    std::vector<RecordedLevels> tables;
    for (const PotentialRun& run : runs)
        tables.push_back(run.levels);
    return LevelsCsv(tables);
}

std::string Json(const std::vector<PotentialRun>& runs) {
    QJsonArray potentials;
    for (const PotentialRun& run : runs) {
        QJsonArray levels;
        for (const SearchLevel& level : run.levels.levels) {
            const std::optional<spectrum::Level> ref = run.levels.ClosedForm(level);
            levels.append(QJsonObject{
                {QStringLiteral("index"), level.index},
                {QStringLiteral("parity"), QString::fromUtf8(ParityText(level.parity))},
                {QStringLiteral("energy"), level.energy},
                {QStringLiteral("ticks"), level.ticks},
                {QStringLiteral("exact"), ref ? QJsonValue(ref->energy) : QJsonValue()},
                {QStringLiteral("difference"),
                 ref ? QJsonValue(level.energy - ref->energy) : QJsonValue()},
            });
        }
        potentials.append(QJsonObject{
            {QStringLiteral("name"), QString::fromUtf8(run.potential->name)},
            {QStringLiteral("caption"), QString::fromUtf8(run.potential->caption)},
            {QStringLiteral("ceiling"), run.ceiling},
            {QStringLiteral("levels"), levels},
        });
    }
    const QJsonObject root{{QStringLiteral("potentials"), potentials}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

int RunLevels(const QStringList& args) {
    const QCommandLineOption potentialOption(
        QStringLiteral("potential"),
        QStringLiteral("Only this potential: woods-saxon, oscillator, well, poschl-teller, "
                       "v-shaped or wells (or the list's caption). Without it (and without "
                       "--set and --formula), the first three, one after the other."),
        QStringLiteral("NAME"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("table (the default), csv or json."),
                                          QStringLiteral("FORMAT"), QStringLiteral("table"));
    const QCommandLineOption methodOption(
        QStringLiteral("method"),
        QStringLiteral("shooting (the default: the window's search), accurate (every level of the "
                       "continuous problem to 1e-12, with its nodes and an error estimate) or "
                       "both, side by side."),
        QStringLiteral("METHOD"), QStringLiteral("shooting"));
    const QCommandLineOption belowOption(
        QStringLiteral("below"),
        QStringLiteral("Accurate levels below this energy instead of the search's ceiling."),
        QStringLiteral("E"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs the level search as the window does when \"Play\" is pressed again and again,\n"
        "each time letting the timer tick until a level is recorded, until the scan passes\n"
        "its ceiling. For each level: its index, parity, energy (17 significant digits),\n"
        "the timer ticks it took, and where the continuous problem has a known answer\n"
        "(the oscillator -8 + sqrt(2) (k + 1/2); the well of depth 8 and half-width 2 from\n"
        "its even and odd matching equations) that level, the one of the same parity\n"
        "nearest to it, and the difference energy - exact."));
    if (!ParseSubcommand(parser,
                         {potentialOption, SetOption(), FormulaOption(), formatOption, methodOption,
                          belowOption},
                         args,
                         "levels [--potential NAME [--set NAME=VALUE]... | --formula EXPR] "
                         "[--format table|csv|json] [--method shooting|accurate|both] [--below E]"))
        return kExitOk;
    const std::string method = ParseChoice("--method", parser.value(methodOption).toStdString(),
                                           {"shooting", "accurate", "both"});
    std::optional<double> below;
    if (parser.isSet(belowOption)) {
        if (method == "shooting")
            throw UsageError("--below is for the accurate levels: add --method accurate or both");
        below = ParseEnergy("--below", parser.value(belowOption).toStdString());
    }

    const std::string format =
        ParseChoice("--format", parser.value(formatOption).toStdString(), {"table", "csv", "json"});
    std::vector<PotentialRequest> chosen;
    if (parser.isSet(potentialOption) || parser.isSet(SetOption().names().first()) ||
        parser.isSet(FormulaOption().names().first())) {
        chosen.push_back(
            ReadPotential(parser, potentialOption, DefaultPotential(), method != "accurate"));
    } else {
        for (const PotentialName& p : Potentials())
            chosen.push_back({&p, {}, false});
    }

    if (method != "shooting") {
        WriteAccurateLevels(chosen, method == "both", format, below);
        return kExitOk;
    }
    // One search after the other: the search's parity is shared by the whole
    // program, so two sessions must never take turns.
    std::vector<PotentialRun> runs;
    for (const PotentialRequest& p : chosen)
        runs.push_back(RunSearch(p));

    WriteOut(format == "csv" ? Csv(runs) : format == "json" ? Json(runs) : Table(runs));
    return kExitOk;
}

}  // namespace cli
