#include "accurate_levels.h"

#include <cmath>

#include "caption.h"
#include "model.h"

namespace {

std::uint8_t ParityBit(const spectrum::Level& level) {
    return level.parity == spectrum::Parity::Odd ? 1 : 0;
}

}  // namespace

void MatchRecorded(std::span<const SearchLevel> recorded, std::vector<AccurateLevelRow>& rows) {
    for (AccurateLevelRow& row : rows)
        row.shooting.reset();
    for (const SearchLevel& found : recorded) {
        AccurateLevelRow* best = nullptr;
        for (AccurateLevelRow& row : rows) {
            // A level shot from both ends knows its nodes, one from the
            // centre its parity.
            if (found.TwoSided() ? found.nodes != row.level.nodes
                                 : row.level.parity && ParityBit(row.level) != found.parity)
                continue;
            if (!best || std::fabs(row.level.energy - found.energy) <
                             std::fabs(best->level.energy - found.energy))
                best = &row;
        }
        if (best && (!best->shooting || std::fabs(best->level.energy - found.energy) <
                                            std::fabs(best->level.energy - best->shooting->energy)))
            best->shooting = found;
    }
}

AccurateLevelTable AccurateLevels(const PotentialInfo& potential, double ceiling,
                                  const std::vector<spectrum::Level>& exact,
                                  std::span<const SearchLevel> recorded) {
    AccurateLevelTable table;
    table.ceiling = ceiling;
    if (potential.v == nullptr) return table;
    spectrum::Solver solver(potential);
    spectrum::Spectrum found = solver.Levels(ceiling);
    table.note = found.note;
    table.continuum = found.continuum;
    table.boundCount = found.boundCount;
    table.countNote = found.countNote;
    for (spectrum::Level& level : found.levels) {
        AccurateLevelRow row{std::move(level), std::nullopt, std::nullopt};
        for (const spectrum::Level& r : exact)
            if (r.index == row.level.index) row.exact = r.energy;
        table.rows.push_back(std::move(row));
    }
    MatchRecorded(recorded, table.rows);
    return table;
}

const char* ParityText(const std::optional<spectrum::Parity>& parity, ParityWords words) {
    const bool data = words == ParityWords::Data;
    if (!parity) return data ? "" : "-";
    if (*parity == spectrum::Parity::Even) return data ? "even" : VQ_CAPTION("par");
    return data ? "odd" : VQ_CAPTION("impar");
}

const char* ParityText(std::uint8_t searchParity, ParityWords words) {
    if (searchParity == SearchLevel::kNoParity) return ParityText(std::nullopt, words);
    return ParityText(searchParity == 0 ? spectrum::Parity::Even : spectrum::Parity::Odd, words);
}
