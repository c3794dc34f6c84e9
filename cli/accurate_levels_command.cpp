#include "accurate_levels_command.h"

#include "json_text.h"
#include "level_run.h"
#include "levels_tab.h"
#include "text_output.h"

namespace cli {

namespace {

struct AccurateRun {
    const FamilyInfo* potential;
    AccurateLevelTable table;
};

AccurateRun Run(const PotentialRequest& request, bool both, std::optional<double> below) {
    const std::unique_ptr<HeadlessSession> opened = OpenSession(request);
    HeadlessSession& session = *opened;
    std::vector<SearchLevel> recorded;
    if (both) recorded = PlayForLevels(session);
    return {request.potential, DialogLevelTable(session.Dialog(), recorded, below)};
}

std::string Parity(const spectrum::Level& level) {
    return level.parity ? ParityText(level.parity) : "-";
}

std::string Optional(const std::optional<double>& value) {
    return value ? Exact(*value) : "-";
}

std::string Heading(const AccurateRun& run) {
    const AccurateLevelTable& t = run.table;
    return std::string(run.potential->caption) + " (" + run.potential->name +
           "): " + std::to_string(t.rows.size()) + " levels below " + Exact(t.ceiling) +
           (t.note.empty() ? "" : " (" + t.note + ")") + "\n";
}

// The bound states, wherever V has a continuum: how many there are (which
// may be more than the rows), or that there are infinitely many.
std::string BoundStates(const AccurateLevelTable& t) {
    if (!t.countNote.empty() && !t.boundCount && t.continuum) return t.countNote + "\n";
    if (!t.continuum || !t.boundCount) return "";
    return std::to_string(*t.boundCount) + (*t.boundCount == 1 ? " bound state" : " bound states") +
           " below the continuum at " + Exact(*t.continuum) + "\n";
}

std::string Warnings(const AccurateLevelTable& t) {
    std::string out;
    for (const AccurateLevelRow& row : t.rows)
        if (!row.level.warning.empty())
            out += "warning: level " + std::to_string(row.level.index) + ": " + row.level.warning +
                   "\n";
    return out;
}

std::string Table(const std::vector<AccurateRun>& runs, bool both) {
    std::string out;
    for (const AccurateRun& run : runs) {
        if (!out.empty()) out += "\n";
        out += Heading(run) + BoundStates(run.table);
        out += PadLeft("#", 3) + "  " + PadRight("parity", 8) + PadLeft("nodes", 5) + "  " +
               (both ? PadRight("shooting", 24) + PadLeft("ticks", 5) + "  " : "") +
               PadRight("energy", 24) + PadRight("error estimate", 16) + PadRight("exact", 24) +
               "difference\n";
        for (const AccurateLevelRow& row : run.table.rows) {
            const spectrum::Level& l = row.level;
            out += PadLeft(std::to_string(l.index), 3) + "  " + PadRight(Parity(l), 8) +
                   PadLeft(std::to_string(l.nodes), 5) + "  ";
            if (both)
                out += PadRight(row.shooting ? Exact(row.shooting->energy) : "-", 24) +
                       PadLeft(row.shooting ? std::to_string(row.shooting->ticks) : "-", 5) + "  ";
            out += PadRight(Exact(l.energy), 24) + PadRight(Brief(l.errorEstimate), 16) +
                   PadRight(Optional(row.exact), 24) +
                   (row.exact ? Brief(l.energy - *row.exact) : "-") + "\n";
        }
        out += Warnings(run.table);
    }
    return out;
}

std::string Csv(const std::vector<AccurateRun>& runs, bool both) {
    std::string out = both ? "potential,index,parity,shooting_energy,ticks,energy,error_estimate,"
                             "nodes,exact,converged\n"
                           : "potential,index,nodes,parity,energy,error_estimate,exact,"
                             "difference,converged\n";
    const auto cell = [](const std::optional<double>& v) { return v ? Exact(*v) : ""; };
    for (const AccurateRun& run : runs) {
        for (const AccurateLevelRow& row : run.table.rows) {
            const spectrum::Level& l = row.level;
            const std::string head =
                std::string(run.potential->name) + "," + std::to_string(l.index) + ",";
            const std::optional<double> difference =
                row.exact ? std::optional(l.energy - *row.exact) : std::nullopt;
            if (both)
                out += head + ParityText(l.parity) + "," +
                       (row.shooting ? Exact(row.shooting->energy) + "," +
                                           std::to_string(row.shooting->ticks)
                                     : ",") +
                       "," + Exact(l.energy) + "," + Exact(l.errorEstimate) + "," +
                       std::to_string(l.nodes) + "," + cell(row.exact) + "," +
                       (l.converged ? "true" : "false") + "\n";
            else
                out += head + std::to_string(l.nodes) + "," + ParityText(l.parity) + "," +
                       Exact(l.energy) + "," + Exact(l.errorEstimate) + "," + cell(row.exact) +
                       "," + cell(difference) + "," + (l.converged ? "true" : "false") + "\n";
        }
    }
    return out;
}

JsonValue JsonLevel(const AccurateLevelRow& row, bool both) {
    const spectrum::Level& l = row.level;
    JsonValue level{{"index", l.index},
                    {"parity", l.parity ? JsonValue(ParityText(l.parity)) : JsonValue()}};
    if (both) {
        level["shooting"] = row.shooting ? JsonValue{{"energy", row.shooting->energy},
                                                     {"ticks", row.shooting->ticks}}
                                         : JsonValue();
        if (row.shooting && row.shooting->TwoSided())
            level["shooting"]["nodes"] = row.shooting->nodes;
        level["accurate"] = {
            {"energy", l.energy}, {"error_estimate", l.errorEstimate}, {"nodes", l.nodes}};
    } else {
        level["nodes"] = l.nodes;
        level["energy"] = l.energy;
        level["error_estimate"] = l.errorEstimate;
    }
    if (row.exact) {
        level["exact"] = *row.exact;
        if (!both) level["difference"] = l.energy - *row.exact;
    }
    level["converged"] = l.converged;
    if (!l.warning.empty()) level["warning"] = l.warning;
    return level;
}

std::string Json(const std::vector<AccurateRun>& runs, bool both) {
    JsonValue potentials = JsonValue::array();
    for (const AccurateRun& run : runs) {
        JsonValue levels = JsonValue::array();
        for (const AccurateLevelRow& row : run.table.rows)
            levels.push_back(JsonLevel(row, both));
        const AccurateLevelTable& t = run.table;
        JsonValue p{{"name", run.potential->name},
                    {"caption", run.potential->caption},
                    {"method", both ? "both" : "accurate"},
                    {"ceiling", t.ceiling},
                    {"levels", levels}};
        p["continuum"] = t.continuum ? JsonValue(*t.continuum) : JsonValue();
        p["bound_count"] = t.boundCount ? JsonValue(*t.boundCount) : JsonValue();
        const std::string note =
            t.note + (t.note.empty() || t.countNote.empty() ? "" : "; ") + t.countNote;
        if (!note.empty()) p["note"] = note;
        potentials.push_back(p);
    }
    return JsonText({{"potentials", potentials}});
}

}  // namespace

void WriteAccurateLevels(const std::vector<PotentialRequest>& potentials, bool both,
                         const std::string& format, std::optional<double> below) {
    std::vector<AccurateRun> runs;
    for (const PotentialRequest& p : potentials)
        runs.push_back(Run(p, both, below));
    WriteOut(format == "csv"    ? Csv(runs, both)
             : format == "json" ? Json(runs, both)
                                : Table(runs, both));
}

}  // namespace cli
