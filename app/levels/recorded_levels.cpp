#include "recorded_levels.h"

#include <charconv>
#include <cmath>

#include "accurate_levels.h"
#include "portable_numbers.h"
#include "potential_family.h"
#include "wave_dlg.h"

std::optional<spectrum::Level> RecordedLevels::ClosedForm(const SearchLevel& level) const {
    return NearestClosedForm(closedForms, level.parity, level.energy);
}

RecordedLevels RecordedLevelsOf(const CWaveDlg& dlg) {
    const PotentialChoice& choice = dlg.Choice();
    const FamilyId family = choice.Family();
    return {FamilyOf(family).name,
            {dlg.Search().Levels().begin(), dlg.Search().Levels().end()},
            ClosedForms(family, choice.Values(family), dlg.CurrentSearchBounds().ceiling)};
}

std::string ExactDecimal(double value) {
    if (std::isnan(value)) return "nan";  // not "-nan": a sign means nothing here
    char buffer[64];
    const auto [end, ec] =
        portable::ToChars(buffer, buffer + sizeof buffer, value, portable::Notation::General, 17);
    if (ec != std::errc()) return "nan";
    return std::string(buffer, end);
}

std::string LevelsCsv(const std::vector<RecordedLevels>& tables) {
    std::string out = "potential,index,parity,energy,ticks,exact,difference\n";
    for (const RecordedLevels& table : tables) {
        for (const SearchLevel& level : table.levels) {
            const std::optional<spectrum::Level> ref = table.ClosedForm(level);
            out += table.name + "," + std::to_string(level.index) + "," + ParityText(level.parity) +
                   "," + ExactDecimal(level.energy) + "," + std::to_string(level.ticks) + "," +
                   (ref ? ExactDecimal(ref->energy) : "") + "," +
                   (ref ? ExactDecimal(level.energy - ref->energy) : "") + "\n";
        }
    }
    return out;
}
