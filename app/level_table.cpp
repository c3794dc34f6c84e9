#include "level_table.h"

#include <charconv>
#include <cmath>

#include "accurate_levels.h"
#include "model.h"
#include "portable_numbers.h"
#include "potential_family.h"
#include "resources.h"

std::optional<ReferenceLevel> LevelTable::Reference(const LevelRow& row) const {
    return NearestReference(references, row.parity, row.energy);
}

std::string CurrentPotentialName(const CWaveDlg& dlg) {
    return FamilyOf(dlg.m_choice.Family()).name;
}

std::vector<ReferenceLevel> ClosedFormLevels(const CWaveDlg& dlg) {
    if (dlg.m_potential == &dlg.m_oscillator && dlg.m_oscillator.Exponent() == 2.0) {
        // Twice the table's size reaches well past any level the scan can find.
        const PowerPotential& v = dlg.m_oscillator;
        return OscillatorLevels(v.Coefficient(), v.Offset(), model::kMassFactor,
                                2 * static_cast<int>(CWaveDlg::kMaxLevels));
    }
    if (dlg.m_potential == &dlg.m_well)
        return SquareWellLevels(dlg.m_well.HalfWidth(), dlg.m_well.Depth(), model::kMassFactor);
    // The new families' closed forms (Poschl-Teller, v-shaped), up to the search's ceiling.
    const FamilyId family = dlg.m_choice.Family();
    if (family == FamilyId::PoschlTeller || family == FamilyId::VShaped)
        return ClosedForms(family, dlg.m_choice.Values(family), dlg.CurrentSearchBounds().ceiling);
    return {};
}

const char* ParityName(std::uint8_t parity) {
    return parity == 0 ? "even" : "odd";
}

std::string ExactDecimal(double value) {
    if (std::isnan(value)) return "nan";  // not "-nan": a sign means nothing here
    char buffer[64];
    const auto [end, ec] =
        portable::ToChars(buffer, buffer + sizeof buffer, value, portable::Notation::General, 17);
    if (ec != std::errc()) return "nan";
    return std::string(buffer, end);
}

std::string LevelsCsv(const std::vector<LevelTable>& tables) {
    std::string out = "potential,index,parity,energy,ticks,exact,difference\n";
    for (const LevelTable& table : tables) {
        for (const LevelRow& level : table.rows) {
            const std::optional<ReferenceLevel> ref = table.Reference(level);
            out += table.name + "," + std::to_string(level.index) + "," + ParityName(level.parity) +
                   "," + ExactDecimal(level.energy) + "," + std::to_string(level.ticks) + "," +
                   (ref ? ExactDecimal(ref->energy) : "") + "," +
                   (ref ? ExactDecimal(level.energy - ref->energy) : "") + "\n";
        }
    }
    return out;
}

void LevelTicks::Play(CWaveDlg& dlg) {
    sincePlay_ = 0;
    dlg.OnPlay();
}

void LevelTicks::Tick(CWaveDlg& dlg, unsigned timerId) {
    const std::uint8_t before = dlg.m_levelCount;
    if (timerId == res::kSearchTimer) ++sincePlay_;
    dlg.OnTimer(timerId);
    if (dlg.m_levelCount == before + 1) ticks_[before] = sincePlay_;
}

LevelTable LevelTicks::Table(const CWaveDlg& dlg) const {
    LevelTable table{CurrentPotentialName(dlg), {}, ClosedFormLevels(dlg)};
    for (int i = 0; i < dlg.m_levelCount; ++i)
        table.rows.push_back({i, dlg.m_levelParity[i], dlg.m_levels[i], ticks_[i]});
    return table;
}
