#include "accessibility.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "caption.h"
#include "dialog_platform.h"
#include "resources.h"
#include "wave_dlg.h"

namespace {

constexpr std::array kTexts{
    AccessibleText{res::kEnergy, VQ_CAPTION("Trial energy"),
                   VQ_CAPTION("The energy at which Predictor draws the solution: a number.")},
    AccessibleText{res::kPredictor, VQ_CAPTION("Predictor"),
                   VQ_CAPTION("Draws the even solution at the trial energy over the potential.")},
    AccessibleText{res::kSearch, VQ_CAPTION("Buscar"), VQ_CAPTION("One step of the level search.")},
    AccessibleText{res::kPlay, VQ_CAPTION("Play"),
                   VQ_CAPTION("Runs the search until the next level is found, and records it.")},
    AccessibleText{res::kTab, VQ_CAPTION("Views"),
                   VQ_CAPTION("Normal, Zoom, the table of levels and the evolution in time.")},
    AccessibleText{res::kPotentialList, VQ_CAPTION("Potencial"),
                   VQ_CAPTION("Chooses the potential; choosing one clears the levels found.")},
    AccessibleText{res::kWebLink, res::kWebLinkCaption,
                   VQ_CAPTION("Opens an article on the shooting method in the browser.")},
    AccessibleText{res::kSettings, res::kSettingsCaption,
                   VQ_CAPTION("The chosen potential's settings, or the formula V(x).")},
    AccessibleText{res::kPotentialNote, VQ_CAPTION("Note"),
                   VQ_CAPTION("Why the search cannot take the chosen potential, if it cannot.")},
    AccessibleText{res::kPlotGroup, VQ_CAPTION("Picture"),
                   VQ_CAPTION("The potential, the solutions and the levels found.")},
    AccessibleText{res::kEvolutionStates, VQ_CAPTION("Estados"),
                   VQ_CAPTION("The levels to superpose, by index from 0, such as 0, 1.")},
    AccessibleText{res::kEvolutionWeights, VQ_CAPTION("Pesos"),
                   VQ_CAPTION("One weight per level, not all zero.")},
    AccessibleText{res::kEvolutionPhases, VQ_CAPTION("Fases"),
                   VQ_CAPTION("One phase per level, in radians.")},
    AccessibleText{res::kEvolutionApply, VQ_CAPTION("Aplicar"),
                   VQ_CAPTION("Takes the levels, weights, phases, speed and time typed.")},
    AccessibleText{res::kEvolutionPlay, VQ_CAPTION("Play or pause"),
                   VQ_CAPTION("Starts or stops the motion.")},
    AccessibleText{res::kEvolutionReset, VQ_CAPTION("t = 0"),
                   VQ_CAPTION("Goes back to the start, t = 0.")},
    AccessibleText{res::kEvolutionSpeed, VQ_CAPTION("Velocidad"),
                   VQ_CAPTION("Time units a second, from 0 to 100.")},
    AccessibleText{res::kEvolutionTime, VQ_CAPTION("t"),
                   VQ_CAPTION("The time shown; type one and apply to jump there.")},
    AccessibleText{res::kEvolutionEnergy, VQ_CAPTION("Mean energy"),
                   VQ_CAPTION("The state's mean energy, or why nothing moves.")},
};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string s = text;
    // A screen reader says "minus" for the minus sign, not for a hyphen.
    if (!s.empty() && s.front() == '-') s.replace(0, 1, "\u2212");
    return s;
}

std::string PotentialName(const CWaveDlg& dlg, const DialogPlatform& platform) {
    const FamilyId family = dlg.Choice().Family();
    if (family == FamilyId::Oscillator) return platform.Caption(VQ_CAPTION("Oscilador"));
    return platform.Caption(FamilyOf(family).caption);
}

// The last level recorded, as the accurate table gives it where it has it
// (the search's own energy is a few digits short of it).
std::string LastLevel(CWaveDlg& dlg, const DialogPlatform& platform, const std::string& name) {
    const SearchLevel& found = dlg.Search().Levels().back();
    const int index = static_cast<int>(dlg.Search().Levels().size()) - 1;
    const AccurateLevelTable& table = dlg.LevelTable();
    double energy = found.energy;
    int nodes = found.nodes >= 0 ? found.nodes : index;
    std::string parity =
        found.TwoSided()
            ? "-"
            : platform.Caption(found.parity == 0 ? VQ_CAPTION("par") : VQ_CAPTION("impar"));
    for (const AccurateLevelRow& row : table.rows) {
        if (row.level.index != index) continue;
        energy = row.level.energy;
        nodes = row.level.nodes;
        parity = platform.Caption(ParityText(row.level.parity, ParityWords::Caption));
    }
    return FillCaption(platform.Caption(VQ_CAPTION("%1, level %2 of %3: E = %4, %5 nodes, %6")),
                       {name, std::to_string(index), std::to_string(table.rows.size()),
                        Number(energy), std::to_string(nodes), parity});
}

}  // namespace

std::span<const AccessibleText> AccessibleTexts() {
    return kTexts;
}

const AccessibleText* FindAccessibleText(int id) {
    for (const AccessibleText& t : kTexts)
        if (t.id == id) return &t;
    return nullptr;
}

std::string PlotDescription(CWaveDlg& dlg, const DialogPlatform& platform) {
    const std::string name = PotentialName(dlg, platform);
    const bool levels = !dlg.Search().Levels().empty();
    switch (platform.CurrentTab()) {
        case 0:
            if (dlg.Search().PredictionShown())
                return FillCaption(platform.Caption(VQ_CAPTION("%1, trial energy E = %2")),
                                   {name, Number(dlg.Energy())});
            [[fallthrough]];
        case 1:
            if (levels) return LastLevel(dlg, platform, name);
            return FillCaption(platform.Caption(VQ_CAPTION("%1: no level found yet")), {name});
        case res::kLevelsTab:
            return FillCaption(platform.Caption(VQ_CAPTION("%1: table of %2 levels")),
                               {name, std::to_string(dlg.LevelTable().rows.size())});
        case res::kEvolutionTab: {
            std::string states;
            for (std::size_t k : dlg.Evolution().Choice().states)
                states += (states.empty() ? "" : ", ") + std::to_string(k);
            char t[32];
            std::snprintf(t, sizeof t, "%.1f", dlg.Evolution().Time());
            return FillCaption(
                platform.Caption(VQ_CAPTION("%1, superposition of levels %2 at t = %3")),
                {name, states, t});
        }
        default:
            return name;
    }
}

std::optional<double> EnergyAtRow(const CWaveDlg& dlg, double row) {
    const PlotCanvas* canvas = dlg.Views().NormalCanvas();
    const int height = dlg.PlotRect().Height();
    if (!canvas || height <= 0) return std::nullopt;
    const double e = canvas->MaxY() - row / height * (canvas->MaxY() - canvas->MinY());
    return std::round(e * 1e4) / 1e4;
}
