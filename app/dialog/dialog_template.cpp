#include "dialog_template.h"

#include <array>
#include <cstdlib>

#include "caption.h"
#include "evolution_view.h"
#include "resources.h"
#include "transmission_tab.h"

namespace {

using K = ControlKind;

constexpr std::array kMainControls{
    ControlTemplate{res::kIterations, K::Edit, "", 295, 15, 25, 14, false},
    ControlTemplate{res::kSpin, K::UpDown, "Spin1", 320, 15, 10, 14, false},
    ControlTemplate{res::kPlotGroup, K::GroupBox, "", 10, 60, 420, 370, true},
    ControlTemplate{res::kIterate, K::PushButton, VQ_CAPTION("Iterar"), 240, 15, 50, 14, false},
    ControlTemplate{res::kPredictor, K::DefaultPushButton, VQ_CAPTION("Predictor"), 80, 10, 40, 10,
                    true},
    ControlTemplate{res::kEnergy, K::Edit, "", 10, 10, 65, 12, true},
    ControlTemplate{res::kPredictorGroup, K::GroupBox, VQ_CAPTION("Predictor"), 5, 0, 120, 40,
                    true},
    ControlTemplate{res::kSearch, K::PushButton, VQ_CAPTION("Buscar"), 10, 25, 40, 10, true},
    ControlTemplate{res::kPlay, K::PushButton, VQ_CAPTION("Play"), 55, 25, 40, 10, true},
    ControlTemplate{res::kTab, K::TabControl, "", 5, 45, 430, 390, true},
    ControlTemplate{res::kPotentialList, K::DropDownList, "", 130, 15, 75, 50, true},
    ControlTemplate{res::kPotentialLabel, K::StaticText, VQ_CAPTION("Potencial"), 130, 5, 65, 10,
                    true},
    ControlTemplate{res::kWebLink, K::PushButton, res::kWebLinkCaption, 340, 5, 90, 14, true},
    ControlTemplate{res::kSettings, K::PushButton, res::kSettingsCaption, 275, 15, 55, 14, true},
    ControlTemplate{res::kPotentialNote, K::StaticText, "", 130, 33, 300, 10, true},
};

constexpr std::array kAboutControls{
    ControlTemplate{-1, K::StaticIcon, "", 11, 17, 20, 20, true},
    ControlTemplate{-1, K::StaticText, res::kAboutVersionLine, 40, 10, 119, 8, true},
    ControlTemplate{-1, K::StaticText, res::kAboutSecondLine, 40, 25, 119, 8, true},
    ControlTemplate{res::kOk, K::DefaultPushButton, VQ_CAPTION("OK"), 178, 7, 50, 14, true},
};

const DialogTemplate kMain{res::kTitle, 439, 442, kMainControls};
const DialogTemplate kAbout{res::kAboutTitle, 235, 55, kAboutControls};

// The "Evolucion" tab: what to superpose, then how it runs, in two rows.
constexpr std::array kEvolutionBand{
    BandControl{-1, K::Label, VQ_CAPTION("&Estados"), 6, 5, 80, 22, res::kEvolutionStates},
    BandControl{res::kEvolutionStates, K::Edit, "", 92, 5, 90, 22, 0},
    BandControl{-1, K::Label, VQ_CAPTION("&Pesos"), 188, 5, 53, 22, res::kEvolutionWeights},
    BandControl{res::kEvolutionWeights, K::Edit, "", 247, 5, 110, 22, 0},
    BandControl{-1, K::Label, VQ_CAPTION("&Fases"), 363, 5, 31, 22, res::kEvolutionPhases},
    BandControl{res::kEvolutionPhases, K::Edit, "", 400, 5, 110, 22, 0},
    BandControl{res::kEvolutionApply, K::PushButton, VQ_CAPTION("&Aplicar"), 516, 5, 80, 21, 0},
    BandControl{res::kEvolutionPlay, K::PushButton, res::kPauseCaption, 6, 32, 80, 21, 0},
    BandControl{res::kEvolutionReset, K::PushButton, "t = &0", 92, 32, 80, 21, 0},
    BandControl{-1, K::Label, VQ_CAPTION("&Velocidad"), 188, 32, 53, 22, res::kEvolutionSpeed},
    BandControl{res::kEvolutionSpeed, K::Edit, "", 247, 32, 50, 22, 0},
    BandControl{-1, K::Label, "&t", 363, 32, 31, 22, res::kEvolutionTime},
    BandControl{res::kEvolutionTime, K::Edit, "", 400, 32, 70, 22, 0},
    BandControl{res::kEvolutionEnergy, K::Label, "", 516, 32, 102, 22, 0},
};

constexpr std::array kTransmissionBand{
    BandControl{-1, K::Label, VQ_CAPTION("&Desde"), 6, 5, 50, 22, res::kTransmissionFrom},
    BandControl{res::kTransmissionFrom, K::Edit, "", 60, 5, 80, 22, 0},
    BandControl{-1, K::Label, VQ_CAPTION("&Hasta"), 146, 5, 45, 22, res::kTransmissionTo},
    BandControl{res::kTransmissionTo, K::Edit, "", 195, 5, 80, 22, 0},
    BandControl{-1, K::Label, VQ_CAPTION("&E"), 281, 5, 20, 22, res::kTransmissionEnergy},
    BandControl{res::kTransmissionEnergy, K::Edit, "", 305, 5, 110, 22, 0},
    BandControl{res::kTransmissionApply, K::PushButton, VQ_CAPTION("&Aplicar"), 421, 5, 80, 21, 0},
    BandControl{res::kTransmissionInfo, K::Label, "", 6, 32, 290, 22, 0},
    BandControl{res::kTransmissionResonances, K::Label, "", 300, 32, 316, 22, 0},
};

constexpr std::array kBands{
    BandTemplate{"evolution", res::kEvolutionTab, EvolutionView::kBandHeight, res::kEvolutionApply,
                 kEvolutionBand},
    BandTemplate{"transmission", res::kTransmissionTab, TransmissionTab::kBandHeight,
                 res::kTransmissionApply, kTransmissionBand},
};

}  // namespace

const DialogTemplate& MainDialogTemplate() {
    return kMain;
}
const DialogTemplate& AboutDialogTemplate() {
    return kAbout;
}
std::span<const BandTemplate> BandTemplates() {
    return kBands;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long n = static_cast<long long>(a) * b;
    const long long d = c;
    const long long q = (std::llabs(n) * 2 + std::llabs(d)) / (std::llabs(d) * 2);
    return static_cast<int>((n < 0) != (d < 0) ? -q : q);
}

int DialogUnitsToPixelsX(int units) {
    return MulDiv(units, kBaseUnitX, 4);
}
int DialogUnitsToPixelsY(int units) {
    return MulDiv(units, kBaseUnitY, 8);
}

PixelRect ControlPixelRect(const ControlTemplate& control) {
    const int left = DialogUnitsToPixelsX(control.x);
    const int top = DialogUnitsToPixelsY(control.y);
    return {left, top, left + DialogUnitsToPixelsX(control.cx),
            top + DialogUnitsToPixelsY(control.cy)};
}

PixelRect MainControlPixelRect(int id) {
    for (const ControlTemplate& c : MainDialogTemplate().controls)
        if (c.id == id) return ControlPixelRect(c);
    return {};
}

PixelRect BandControlPixelRect(const BandControl& control) {
    return {control.x, control.y, control.x + control.cx, control.y + control.cy};
}
