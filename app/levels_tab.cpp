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

const char* TableParity(const std::optional<spectrum::Parity>& parity) {
    if (!parity) return "-";
    return *parity == spectrum::Parity::Even ? "par" : "impar";
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
        rows.push_back({std::to_string(l.index), TableParity(l.parity), std::to_string(l.nodes),
                        shooting, Number("%.13f", l.energy), difference, estimate,
                        row.exact ? Number("%.13f", *row.exact) : "-"});
    }
    if (rows.empty())
        rows.push_back({"Ningun nivel por debajo de E = " + Number("%.6g", table.ceiling)});
    return rows;
}

std::vector<ShootingLevel> RecordedLevels(const CWaveDlg& dlg) {
    std::vector<ShootingLevel> recorded;
    for (int i = 0; i < dlg.m_levelCount; ++i)
        recorded.push_back({dlg.m_levelParity[i], dlg.m_levels[i], 0});
    return recorded;
}

AccurateLevelTable DialogLevelTable(const CWaveDlg& dlg, const std::vector<ShootingLevel>& recorded,
                                    std::optional<double> below) {
    const double ceiling = below.value_or(dlg.CurrentSearchBounds().ceiling);
    const FamilyId family = dlg.m_choice.Family();
    return AccurateLevels(dlg.CurrentPotentialInfo(), ceiling,
                          ClosedForms(family, dlg.m_choice.Values(family), ceiling), recorded);
}

LevelsTab::LevelsTab(DialogPlatform& platform, Source source)
    : platform_(platform), source_(std::move(source)) {}

void LevelsTab::OnShown(bool shown) {
    shown_ = shown;
    if (shown && stale_) Refresh();
    platform_.ShowLevelTable(shown);
}

void LevelsTab::Stale() {
    stale_ = true;
    if (shown_) Refresh();
}

void LevelsTab::Refresh() {
    stale_ = false;
    platform_.SetLevelTable(LevelColumns(), LevelTexts(source_()));
}
