// velquor-cli levels: every level the window's search finds, with the timer
// ticks it took and, where the continuous problem has a known answer, how far
// the shooting method's grid leaves the level from it.
#include "accurate_levels_command.h"
#include "cli_options.h"
#include "commands.h"
#include "json_text.h"
#include "level_run.h"
#include "potential_options.h"
#include "recorded_levels.h"
#include "text_output.h"

namespace cli {

namespace {

const std::vector<std::string> kFormats{"table", "csv", "json"};

struct PotentialRun {
    const FamilyInfo* potential;
    double ceiling;
    RecordedLevels levels;
};

PotentialRun RunSearch(const PotentialRequest& request) {
    const FamilyInfo& potential = *request.potential;
    const std::unique_ptr<HeadlessSession> opened = OpenSession(request);
    HeadlessSession& session = *opened;
    PlayForLevels(session);
    const CWaveDlg& dlg = session.Dialog();
    RecordedLevels levels = RecordedLevelsOf(dlg);
    levels.name = potential.name;
    return {&potential, dlg.Search().CurrentBracket().ceiling, std::move(levels)};
}

// A level shot from both ends has no parity: its nodes stand in the column.
std::string ParityCell(const SearchLevel& level) {
    return level.TwoSided() ? std::to_string(level.nodes) + " nodes" : ParityText(level.parity);
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
            out += PadLeft(std::to_string(level.index), 3) + "  " + PadRight(ParityCell(level), 8) +
                   PadRight(Exact(level.energy), 24) + PadLeft(std::to_string(level.ticks), 5) +
                   "  " + PadRight(ref ? Exact(ref->energy) : "-", 24) +
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
    JsonValue potentials = JsonValue::array();
    for (const PotentialRun& run : runs) {
        JsonValue levels = JsonValue::array();
        for (const SearchLevel& level : run.levels.levels) {
            const std::optional<spectrum::Level> ref = run.levels.ClosedForm(level);
            levels.push_back({
                {"index", level.index},
                {"parity", level.TwoSided() ? JsonValue() : JsonValue(ParityText(level.parity))},
                {"energy", level.energy},
                {"ticks", level.ticks},
                {"exact", ref ? JsonValue(ref->energy) : JsonValue()},
                {"difference", ref ? JsonValue(level.energy - ref->energy) : JsonValue()},
            });
            if (level.TwoSided()) levels.back()["nodes"] = level.nodes;
        }
        potentials.push_back({
            {"name", run.potential->name},
            {"caption", run.potential->caption},
            {"ceiling", run.ceiling},
            {"levels", levels},
        });
    }
    return JsonText({{"potentials", potentials}});
}

}  // namespace

int RunLevels(const Args& args) {
    const Option format = FormatOption(kFormats);
    const Option method{"method", "METHOD",
                        "shooting (the default: the window's search), accurate (every level of "
                        "the continuous problem to 1e-12, with its nodes and an error estimate) "
                        "or both, side by side.",
                        "shooting"};
    const Option below{"below", "E",
                       "Accurate levels below this energy instead of the search's ceiling.", ""};
    std::vector<Option> options = PotentialOptions(OnlyPotentialOption());
    options.insert(options.end(), {format, method, below});
    const std::optional<Arguments> given = ParseCommand(
        {"levels",
         std::string("levels ") + kPotentialUsage + " " + FormatUsage(kFormats) +
             " [--method shooting|accurate|both] [--below E]",
         "Runs the level search as the window does when \"Play\" is pressed again and again,\n"
         "each time letting the timer tick until a level is recorded, until the scan passes\n"
         "its ceiling. For each level: its index, parity, energy (17 significant digits),\n"
         "the timer ticks it took, and where the continuous problem has a known answer\n"
         "(the oscillator -8 + sqrt(2) (k + 1/2); the well of depth 8 and half-width 2 from\n"
         "its even and odd matching equations) that level, the one of the same parity\n"
         "nearest to it, and the difference energy - exact. A V that is not even is shot\n"
         "from both ends: its levels come in order of energy with their nodes instead of\n"
         "a parity (null in json), and stop at the continuum edge.",
         options},
        args);
    if (!given) return kExitOk;
    const std::string how =
        ParseChoice("--method", given->Value(method), {"shooting", "accurate", "both"});
    std::optional<double> energyBelow;
    if (given->IsSet(below)) {
        if (how == "shooting")
            throw UsageError("--below is for the accurate levels: add --method accurate or both");
        energyBelow = ParseEnergy("--below", given->Value(below));
    }

    const std::string output = ReadFormat(*given, kFormats);
    std::vector<PotentialRequest> chosen;
    if (PotentialGiven(*given)) {
        chosen.push_back(ReadPotential(*given));
    } else {
        for (const FamilyInfo* p : FirstPotentials())
            chosen.push_back({p, {}, false, std::nullopt, false});
    }

    if (how != "shooting") {
        WriteAccurateLevels(chosen, how == "both", output, energyBelow);
        return kExitOk;
    }
    // One search after the other: the search's parity is shared by the whole
    // program, so two sessions must never take turns.
    std::vector<PotentialRun> runs;
    for (const PotentialRequest& p : chosen)
        runs.push_back(RunSearch(p));

    WriteOut(output == "csv" ? Csv(runs) : output == "json" ? Json(runs) : Table(runs));
    return kExitOk;
}

}  // namespace cli
