#include "levels_tab.h"

#include <cmath>
#include <cstdio>

#include "dialog_platform.h"
#include "wave_dlg.h"

namespace {

std::string Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::vector<std::string> LevelColumns() {
    return {"n",       "Paridad",    "Nodos",          "Disparo",
            "Preciso", "Diferencia", "Error estimado", "Exacto"};
}

TextRows LevelTexts(const AccurateLevelTable& table) {
    TextRows rows;
    for (const AccurateLevelRow& row : table.rows) {
        const spectrum::Level& l = row.level;
        const std::string shooting = row.shooting ? Number("%.10f", row.shooting->energy) : "-";
        const std::string difference =
            row.shooting ? Number("%+.2e", row.shooting->energy - l.energy) : "-";
        std::string estimate = Number("%.1e", l.errorEstimate);
        if (!l.converged) estimate += " (!)";
        rows.push_back({std::to_string(l.index), ParityText(l.parity, ParityWords::Caption),
                        std::to_string(l.nodes), shooting, Number("%.13f", l.energy), difference,
                        estimate, row.exact ? Number("%.13f", *row.exact) : "-"});
    }
    if (rows.empty())
        rows.push_back({"Ningun nivel por debajo de E = " + Number("%.6g", table.ceiling)});
    if (std::string edge = ContinuumText(table); !edge.empty()) rows.push_back({edge});
    return rows;
}

std::string ContinuumText(const AccurateLevelTable& table) {
    if (!table.continuum) return {};
    const std::string where = " por debajo del continuo en E = " + Number("%.6g", *table.continuum);
    if (!table.boundCount) return "Infinitos estados ligados" + where;
    const int n = *table.boundCount;
    return std::to_string(n) + (n == 1 ? " estado ligado" : " estados ligados") + where;
}

AccurateLevelTable DialogLevelTable(const CWaveDlg& dlg, std::span<const SearchLevel> recorded,
                                    std::optional<double> below) {
    const double ceiling = below.value_or(dlg.CurrentSearchBounds().ceiling);
    const FamilyId family = dlg.Choice().Family();
    return AccurateLevels(dlg.CurrentPotentialInfo(), ceiling,
                          ClosedForms(family, dlg.Choice().Values(family), ceiling), recorded);
}

LevelsTab::LevelsTab(DialogPlatform& platform, Source source, RecordedSource recorded)
    : platform_(platform), source_(std::move(source)), recorded_(std::move(recorded)) {}

void LevelsTab::OnShown(bool shown) {
    shown_ = shown;
    if (shown && stale_) Refresh();
    platform_.ShowLevelTable(shown);
}

void LevelsTab::Stale() {
    accurate_.reset();
    RecordedChanged();
}

void LevelsTab::RecordedChanged() {
    stale_ = true;
    if (shown_) Refresh();
}

void LevelsTab::Refresh() {
    stale_ = false;
    if (!accurate_) accurate_ = source_();
    AccurateLevelTable table = *accurate_;
    MatchRecorded(recorded_(), table.rows);
    platform_.SetLevelTable(LevelColumns(), LevelTexts(table));
}
