#include "accurate_levels.h"

#include <cmath>
#include <numbers>

#include "model.h"

namespace {

// Beyond the solver's own limit of levels there is nothing to compare with.
constexpr double kMostClosedForms = 1000.0;

}  // namespace

std::vector<ReferenceLevel> ClosedForms(FamilyId family, std::span<const double> values,
                                        double below) {
    constexpr double k = model::kMassFactor;
    switch (family) {
        case FamilyId::Oscillator: {  // coefficient, exponent, offset
            if (values[1] != 2.0) return {};
            const double omega = std::sqrt(2.0 * values[0] / k);
            const double count = std::fmax(0.0, std::ceil((below - values[2]) / omega + 0.5));
            return OscillatorLevels(values[0], values[2], k,
                                    static_cast<int>(std::fmin(count, kMostClosedForms)) + 1);
        }
        case FamilyId::Well:  // depth, half-width
            return SquareWellLevels(values[1], values[0], k, 0.0);
        case FamilyId::PoschlTeller:  // depth, width
            return PoschlTellerLevels(values[0], values[1], k);
        case FamilyId::VShaped: {  // slope, offset: levels up to what is shown
            const double scale = std::cbrt(values[0] * values[0] / (2.0 * k));
            const double t = std::pow(3.0 * std::numbers::pi * kMostClosedForms / 2.0, 2.0 / 3.0);
            return VShapedLevels(values[0], values[1], k, std::fmin(below, values[1] + scale * t));
        }
        default:
            return {};
    }
}

namespace {

std::uint8_t ParityBit(const spectrum::Level& level) {
    return level.parity == spectrum::Parity::Odd ? 1 : 0;
}

// Each recorded level to the row of its parity with the nearest energy.
void MatchRecorded(const std::vector<ShootingLevel>& recorded,
                   std::vector<AccurateLevelRow>& rows) {
    for (const ShootingLevel& found : recorded) {
        AccurateLevelRow* best = nullptr;
        for (AccurateLevelRow& row : rows) {
            if (row.level.parity && ParityBit(row.level) != found.parity) continue;
            if (!best || std::fabs(row.level.energy - found.energy) <
                             std::fabs(best->level.energy - found.energy))
                best = &row;
        }
        if (best && (!best->shooting || std::fabs(best->level.energy - found.energy) <
                                            std::fabs(best->level.energy - best->shooting->energy)))
            best->shooting = found;
    }
}

}  // namespace

AccurateLevelTable AccurateLevels(const PotentialInfo& potential, double ceiling,
                                  const std::vector<ReferenceLevel>& exact,
                                  const std::vector<ShootingLevel>& recorded) {
    AccurateLevelTable table;
    table.ceiling = ceiling;
    if (potential.v == nullptr) return table;
    spectrum::Solver solver(potential);
    spectrum::Spectrum found = solver.Levels(ceiling);
    table.note = found.note;
    for (spectrum::Level& level : found.levels) {
        AccurateLevelRow row{std::move(level), std::nullopt, std::nullopt};
        for (const ReferenceLevel& r : exact)
            if (r.n == row.level.index) row.exact = r.energy;
        table.rows.push_back(std::move(row));
    }
    MatchRecorded(recorded, table.rows);
    return table;
}

const char* ParityWord(const std::optional<spectrum::Parity>& parity) {
    if (!parity) return "";
    return *parity == spectrum::Parity::Even ? "even" : "odd";
}
