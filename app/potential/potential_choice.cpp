#include "potential_choice.h"

#include <cmath>

#include "data_exchange.h"
#include "dialog_platform.h"
#include "spectrum.h"

namespace {

std::size_t Slot(FamilyId id) {
    return static_cast<std::size_t>(id);
}

// The normalisation interval each of the three first families always had.
double StartHalfWidth(FamilyId id) {
    switch (id) {
        case FamilyId::Oscillator:
            return 5.0;
        case FamilyId::Well:
            return 6.0;
        default:
            return 8.0;
    }
}

}  // namespace

PotentialChoice::PotentialChoice(WoodsSaxonPotential& woodsSaxon, PowerPotential& oscillator,
                                 SquareWell& well)
    : woodsSaxon_(woodsSaxon), oscillator_(oscillator), well_(well) {
    for (const FamilyInfo& f : Families())
        values_[Slot(f.id)] = DefaultValues(f.id);
}

void PotentialChoice::AddListItems(DialogPlatform& platform) {
    for (const FamilyInfo& f : Families())
        if (f.id > FamilyId::Well) platform.AddListItem(f.caption, static_cast<int>(f.id));
}

int PotentialChoice::ListIndex(FamilyId id) {
    // The dialog's first three in their order, then the table's.
    if (id <= FamilyId::Well) return static_cast<int>(id) - 1;
    int index = 3;
    for (const FamilyInfo& f : Families()) {
        if (f.id == id) return index;
        if (f.id > FamilyId::Well) ++index;
    }
    return 0;
}

std::optional<FamilyId> PotentialChoice::FamilyOfData(std::intptr_t data) {
    for (const FamilyInfo& f : Families())
        if (static_cast<std::intptr_t>(f.id) == data) return f.id;
    return std::nullopt;
}

Potential& PotentialChoice::Object(FamilyId id) {
    switch (id) {
        case FamilyId::WoodsSaxon:
            return woodsSaxon_;
        case FamilyId::Oscillator:
            return oscillator_;
        case FamilyId::Well:
            return well_;
        case FamilyId::PoschlTeller:
            return poschlTeller_;
        case FamilyId::VShaped:
            return vShaped_;
        case FamilyId::Wells:
            return wells_;
        case FamilyId::Formula:
            break;
    }
    return StartedFormula();
}

FormulaPotential& PotentialChoice::StartedFormula() const {
    if (!formulaStarted_) formula_.SetText(kStartFormula);
    formulaStarted_ = true;
    return formula_;
}

const Potential* PotentialChoice::Select(std::intptr_t listData) {
    const std::optional<FamilyId> id = FamilyOfData(listData);
    if (!id) return nullptr;
    Potential& p = Object(*id);
    if (*id != FamilyId::Formula) ApplySettings(*id, values_[Slot(*id)], p);
    family_ = *id;
    current_ = &p;
    boundEnd_.reset();
    if (TwoSided())
        boundEnd_ = spectrum::BoundStatesEnd(p, PotentialRange(p, RangeSamples::WholeGrid).bottom);
    return current_;
}

SearchRange PotentialChoice::CapAtContinuum(SearchRange range) const {
    if (!TwoSided() || !boundEnd_) return range;
    range.ceiling = std::fmin(range.ceiling, std::fmax(*boundEnd_, range.bottom));
    return range;
}

const std::vector<double>& PotentialChoice::Values(FamilyId id) const {
    return values_[Slot(id)];
}

void PotentialChoice::SetValues(FamilyId id, std::vector<double> values) {
    if (values.size() == FamilyOf(id).settings.size()) values_[Slot(id)] = std::move(values);
}

std::optional<std::string> PotentialChoice::SetFormula(std::string_view text) {
    // A refused text leaves the formula as it was: the start formula, even if
    // not compiled yet.
    std::optional<std::string> refused = formula_.SetText(text);
    formulaStarted_ = formulaStarted_ || !refused;
    return refused;
}

bool PotentialChoice::Classic() const {
    return family_ <= FamilyId::Well && values_[Slot(family_)] == DefaultValues(family_);
}

RangeSamples PotentialChoice::Samples() const {
    if (Classic()) return RangeSamples::Integers;
    return TwoSided() ? RangeSamples::WholeGrid : RangeSamples::Grid;
}

double PotentialChoice::NormalisationHalfWidth(SearchRange bounds) const {
    const double start = StartHalfWidth(family_);
    if (Classic()) return start;
    return ::NormalisationHalfWidth(*current_, bounds, start);
}

// ---- The settings dialog ------------------------------------------------------

std::string SettingRangeMessage(const SettingInfo& s) {
    return std::string("Enter ") + (s.integer ? "a whole number" : "a number") + " between " +
           FormatDouble(s.min) + " and " + FormatDouble(s.max) + " for " + s.name + ".";
}

std::optional<double> ReadSetting(const SettingInfo& s, std::string_view text) {
    const std::optional<double> v = ParseDecimal(text);
    if (!v || *v < s.min || *v > s.max) return std::nullopt;
    if (s.integer && *v != std::floor(*v)) return std::nullopt;
    return *v == 0.0 ? 0.0 : *v;  // -0 reads as 0
}

SettingsEditor::SettingsEditor(PotentialChoice& choice, FamilyId family)
    : choice_(choice), family_(family) {
    if (IsFormula()) {
        fields_.push_back({"V(x) =", "", choice.Formula().Text()});
        return;
    }
    const std::vector<double>& values = choice.Values(family);
    for (std::size_t i = 0; i < Info().settings.size(); ++i) {
        const SettingInfo& s = Info().settings[i];
        fields_.push_back(
            {s.name, FormatDouble(s.min) + " to " + FormatDouble(s.max), FormatDouble(values[i])});
    }
}

std::optional<std::string> SettingsEditor::Apply() {
    badField_ = -1;
    if (IsFormula()) {
        if (std::optional<std::string> message = choice_.SetFormula(fields_[0].text)) {
            badField_ = 0;
            return message;
        }
        applied_ = true;
        return std::nullopt;
    }
    std::vector<double> values;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const SettingInfo& s = Info().settings[i];
        const std::optional<double> v = ReadSetting(s, fields_[i].text);
        if (!v) {
            badField_ = static_cast<int>(i);
            return SettingRangeMessage(s);
        }
        values.push_back(*v);
    }
    choice_.SetValues(family_, std::move(values));
    applied_ = true;
    return std::nullopt;
}
