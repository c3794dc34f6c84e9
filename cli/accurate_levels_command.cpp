#include "accurate_levels_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "level_run.h"
#include "levels_tab.h"
#include "text_output.h"

namespace cli {

namespace {

struct AccurateRun {
    const PotentialName* potential;
    AccurateLevelTable table;
};

AccurateRun Run(const PotentialRequest& request, bool both, std::optional<double> below) {
    HeadlessSession session(true);
    ChoosePotential(session, request);
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

// The bound states, where that says more than the rows: the listing was cut
// at the continuum edge, or there are more bound states than rows.
std::string BoundStates(const AccurateLevelTable& t) {
    if (!t.countNote.empty() && !t.boundCount && t.continuum) return t.countNote + "\n";
    if (!t.continuum || !t.boundCount) return "";
    if (!(t.ceiling > *t.continuum) && *t.boundCount <= static_cast<int>(t.rows.size())) return "";
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

QJsonObject JsonLevel(const AccurateLevelRow& row, bool both) {
    const spectrum::Level& l = row.level;
    const QJsonValue parity =
        l.parity ? QJsonValue(QString::fromUtf8(ParityText(l.parity))) : QJsonValue();
    QJsonObject level{{QStringLiteral("index"), l.index}, {QStringLiteral("parity"), parity}};
    if (both) {
        level[QStringLiteral("shooting")] =
            row.shooting ? QJsonValue(QJsonObject{{QStringLiteral("energy"), row.shooting->energy},
                                                  {QStringLiteral("ticks"), row.shooting->ticks}})
                         : QJsonValue();
        level[QStringLiteral("accurate")] =
            QJsonObject{{QStringLiteral("energy"), l.energy},
                        {QStringLiteral("error_estimate"), l.errorEstimate},
                        {QStringLiteral("nodes"), l.nodes}};
    } else {
        level[QStringLiteral("nodes")] = l.nodes;
        level[QStringLiteral("energy")] = l.energy;
        level[QStringLiteral("error_estimate")] = l.errorEstimate;
    }
    if (row.exact) {
        level[QStringLiteral("exact")] = *row.exact;
        if (!both) level[QStringLiteral("difference")] = l.energy - *row.exact;
    }
    level[QStringLiteral("converged")] = l.converged;
    if (!l.warning.empty()) level[QStringLiteral("warning")] = QString::fromStdString(l.warning);
    return level;
}

std::string Json(const std::vector<AccurateRun>& runs, bool both) {
    QJsonArray potentials;
    for (const AccurateRun& run : runs) {
        QJsonArray levels;
        for (const AccurateLevelRow& row : run.table.rows)
            levels.append(JsonLevel(row, both));
        QJsonObject p{
            {QStringLiteral("name"), QString::fromUtf8(run.potential->name)},
            {QStringLiteral("caption"), QString::fromUtf8(run.potential->caption)},
            {QStringLiteral("method"), both ? QStringLiteral("both") : QStringLiteral("accurate")},
            {QStringLiteral("ceiling"), run.table.ceiling},
            {QStringLiteral("levels"), levels}};
        const AccurateLevelTable& t = run.table;
        p[QStringLiteral("continuum")] = t.continuum ? QJsonValue(*t.continuum) : QJsonValue();
        p[QStringLiteral("bound_count")] = t.boundCount ? QJsonValue(*t.boundCount) : QJsonValue();
        const std::string note =
            t.note + (t.note.empty() || t.countNote.empty() ? "" : "; ") + t.countNote;
        if (!note.empty()) p[QStringLiteral("note")] = QString::fromStdString(note);
        potentials.append(p);
    }
    const QJsonObject root{{QStringLiteral("potentials"), potentials}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
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
