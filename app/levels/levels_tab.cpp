#include "levels_tab.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "caption.h"
#include "dialog_platform.h"
#include "wave_dlg.h"

namespace {

std::string Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Words(const DialogPlatform* platform, const char* text) {
    return platform ? platform->Caption(text) : std::string(text);
}

}  // namespace

std::vector<std::string> LevelColumns() {
    return {"n",
            VQ_CAPTION("Paridad"),
            VQ_CAPTION("Nodos"),
            VQ_CAPTION("Disparo"),
            VQ_CAPTION("Preciso"),
            VQ_CAPTION("Diferencia"),
            VQ_CAPTION("Error estimado"),
            VQ_CAPTION("Exacto")};
}

TextRows LevelTexts(const AccurateLevelTable& table, const DialogPlatform* platform) {
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
        rows.push_back(
            {FillCaption(Words(platform, VQ_CAPTION("Ningun nivel por debajo de E = %1")),
                         {Number("%.6g", table.ceiling)})});
    if (std::string edge = ContinuumText(table, platform); !edge.empty()) rows.push_back({edge});
    return rows;
}

std::string ContinuumText(const AccurateLevelTable& table, const DialogPlatform* platform) {
    if (!table.continuum) return {};
    const std::string edge = Number("%.6g", *table.continuum);
    if (!table.boundCount)
        return FillCaption(
            Words(platform,
                  VQ_CAPTION("Infinitos estados ligados por debajo del continuo en E = %1")),
            {edge});
    const int n = *table.boundCount;
    const char* pattern = n == 1
                              ? VQ_CAPTION("%1 estado ligado por debajo del continuo en E = %2")
                              : VQ_CAPTION("%1 estados ligados por debajo del continuo en E = %2");
    return FillCaption(Words(platform, pattern), {std::to_string(n), edge});
}

AccurateLevelTable DialogLevelTable(const CWaveDlg& dlg, std::span<const SearchLevel> recorded,
                                    std::optional<double> below) {
    const double ceiling = below.value_or(dlg.CurrentSearchBounds().ceiling);
    const FamilyId family = dlg.Choice().Family();
    return AccurateLevels(dlg.CurrentPotentialInfo(), ceiling,
                          ClosedForms(family, dlg.Choice().Values(family), ceiling), recorded);
}

std::string DialogLevelKey(const CWaveDlg& dlg) {
    const FamilyId family = dlg.Choice().Family();
    std::string key = std::to_string(static_cast<int>(family));
    for (double v : dlg.Choice().Values(family))
        key += " " + Number("%.17g", v);
    if (family == FamilyId::Formula) key += " " + dlg.Choice().Formula().Text();
    return key + " below " + Number("%.17g", dlg.CurrentSearchBounds().ceiling);
}

LevelsTab::LevelsTab(DialogPlatform& platform, Source source, KeySource key,
                     RecordedSource recorded)
    : platform_(platform),
      source_(std::move(source)),
      key_(std::move(key)),
      recorded_(std::move(recorded)) {}

void LevelsTab::OnShown(bool shown) {
    shown_ = shown;
    if (shown && stale_) Refresh();
    platform_.ShowLevelTable(shown);
}

void LevelsTab::Stale() {
    current_ = false;
    RecordedChanged();
}

void LevelsTab::RecordedChanged() {
    stale_ = true;
    if (shown_) Refresh();
}

const AccurateLevelTable& LevelsTab::Accurate() {
    if (current_) return kept_.back().second;
    current_ = true;
    std::string key = key_();
    const auto found = std::find_if(kept_.begin(), kept_.end(),
                                    [&key](const auto& entry) { return entry.first == key; });
    if (found != kept_.end()) {
        std::rotate(found, found + 1, kept_.end());
        return kept_.back().second;
    }
    if (kept_.size() == kKept) kept_.erase(kept_.begin());
    kept_.emplace_back(std::move(key), source_());
    return kept_.back().second;
}

void LevelsTab::Refresh() {
    stale_ = false;
    AccurateLevelTable table = Accurate();
    MatchRecorded(recorded_(), table.rows);
    platform_.SetLevelTable(LevelColumns(), LevelTexts(table, &platform_));
}
