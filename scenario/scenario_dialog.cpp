#include "scenario_dialog.h"

#include "data_exchange.h"
#include "headless_host.h"
#include "resources.h"
#include "wave_dlg.h"

namespace scenario {

namespace {

// The settings dialog's fields for the scenario's potential.
std::vector<std::string> SettingTexts(const Scenario& s) {
    if (s.potential == FamilyId::Formula) return {s.formula};
    std::vector<std::string> texts;
    for (double v : s.settings)
        texts.push_back(ExactNumber(v));
    return texts;
}

std::optional<std::string> ChoosePotential(CWaveDlg& dlg, DialogPlatform& platform,
                                           const Scenario& s) {
    platform.SelectListItem(PotentialChoice::ListIndex(s.potential));
    SettingsEditor editor(dlg.Choice(), s.potential);
    const std::vector<std::string> texts = SettingTexts(s);
    for (std::size_t i = 0; i < texts.size() && i < editor.Fields().size(); ++i)
        editor.Fields()[i].text = texts[i];
    if (std::optional<std::string> refused = editor.Apply()) return refused;
    dlg.OnPotentialChange();
    return std::nullopt;
}

void SetEnergy(CWaveDlg& dlg, DialogPlatform& platform, const Scenario& s) {
    platform.SetControlText(res::kEnergy, ExactNumber(s.energy));
    if (s.predictor) {
        dlg.OnCommand(res::kPredictor);
    } else {
        dlg.UpdateData(true);
    }
}

void SetEvolution(CWaveDlg& dlg, DialogPlatform& platform, const Evolution& e) {
    // The band shows this potential's levels before anyone types into it.
    dlg.Evolution().Levels();
    platform.SetControlText(res::kEvolutionStates, e.states);
    platform.SetControlText(res::kEvolutionWeights, e.weights);
    platform.SetControlText(res::kEvolutionPhases, e.phases);
    platform.SetControlText(res::kEvolutionSpeed, ExactNumber(e.speed));
    platform.SetControlText(res::kEvolutionTime, ExactNumber(e.time));
    dlg.OnCommand(res::kEvolutionApply);
    if (dlg.Evolution().Playing() != e.playing) dlg.OnCommand(res::kEvolutionPlay);
}

void SetTransmission(CWaveDlg& dlg, DialogPlatform& platform, const Transmission& t) {
    // The tab takes its potential before anyone types into its band.
    dlg.Transmission().From();
    platform.SetControlText(res::kTransmissionFrom, ExactNumber(t.from));
    platform.SetControlText(res::kTransmissionTo, ExactNumber(t.to));
    platform.SetControlText(res::kTransmissionEnergy, ExactNumber(t.energy));
    dlg.OnCommand(res::kTransmissionApply);
}

// Everything but the checks; a message the dialog shows on the way is left
// to the platform.
std::optional<std::string> Apply(CWaveDlg& dlg, DialogPlatform& platform, const Scenario& s) {
    if (std::optional<std::string> refused = ChoosePotential(dlg, platform, s)) return refused;
    SetEnergy(dlg, platform, s);
    if (s.evolution) SetEvolution(dlg, platform, *s.evolution);
    if (s.transmission) SetTransmission(dlg, platform, *s.transmission);
    platform.SelectTab(s.tab);
    dlg.OnTabChange();
    return std::nullopt;
}

}  // namespace

Scenario Capture(const CWaveDlg& dlg, const DialogPlatform& platform) {
    Scenario s;
    s.potential = dlg.Choice().Family();
    if (s.potential == FamilyId::Formula) {
        s.formula = dlg.Choice().Formula().Text();
    } else {
        s.settings = dlg.Choice().Values(s.potential);
    }
    s.tab = platform.CurrentTab();
    s.energy = dlg.Energy();
    s.predictor = dlg.Search().PredictionShown();
    if (s.tab == res::kEvolutionTab) {
        const EvolutionView& view = dlg.Evolution();
        s.evolution = Evolution{platform.ControlText(res::kEvolutionStates),
                                platform.ControlText(res::kEvolutionWeights),
                                platform.ControlText(res::kEvolutionPhases),
                                view.Speed(),
                                view.Time(),
                                view.Playing()};
    }
    if (s.tab == res::kTransmissionTab)
        if (const std::optional<TransmissionTab::Range> shown = dlg.Transmission().Showing())
            s.transmission = Transmission{shown->from, shown->to, shown->marker};
    return s;
}

std::optional<std::string> Open(CWaveDlg& dlg, DialogPlatform& platform, const Scenario& s) {
    HeadlessSession trial(true);
    if (std::optional<std::string> refused = Apply(trial.Dialog(), trial.Platform(), s))
        return refused;
    if (!trial.Platform().messages.empty()) return trial.Platform().messages.front().second;
    return Apply(dlg, platform, s);
}

}  // namespace scenario
