// Which potential the dialog shows and with what settings: one object of
// every family, each family's settings as the user last applied them, and
// the typed formula. The settings dialog edits them through SettingsEditor.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "caption.h"
#include "formula_potential.h"
#include "potential_family.h"
#include "search_bounds.h"

class DialogPlatform;

class PotentialChoice {
  public:
    // The formula a user starts from.
    static constexpr const char* kStartFormula = "x^2 - 8";
    // The window's one-line note for a potential that is not even.
    static constexpr const char* kNotEvenNote =
        VQ_CAPTION("V(x) is not even: shot from both ends, matched at V's minimum (cyan).");

    // The dialog's own objects of the three first families.
    PotentialChoice(WoodsSaxonPotential& woodsSaxon, PowerPotential& oscillator, SquareWell& well);

    // The list's items after the first three, with their item data.
    static void AddListItems(DialogPlatform& platform);
    // The position of a family's item in the list.
    static int ListIndex(FamilyId id);
    // The family of a list item's data; nothing for data of none.
    static std::optional<FamilyId> FamilyOfData(std::intptr_t data);

    // Gives the family's object the family's settings and makes it the
    // current potential. Null (and no change) for data of no family.
    const Potential* Select(std::intptr_t listData);
    FamilyId Family() const { return family_; }
    const Potential& Current() const { return *current_; }

    const std::vector<double>& Values(FamilyId id) const;
    // Settings for a family, assumed in range; they take effect at the next Select.
    void SetValues(FamilyId id, std::vector<double> values);
    const FormulaPotential& Formula() const { return StartedFormula(); }
    // The formula's text if it would do, else the message and no change.
    std::optional<std::string> SetFormula(std::string_view text);

    // One of the three first families at its default settings: the search
    // and the views do all as they always did.
    bool Classic() const;
    // The shooting method integrates an even V from x = 0 and mirrors; any
    // other V is shot from both ends.
    bool TwoSided() const { return !current_->IsEven(); }
    RangeSamples Samples() const;
    // The search's range for the current potential: shot from both ends, its
    // ceiling goes no higher than the continuum edge (the grid's own states
    // above it are no levels), and where V falls without bound on a side, to
    // its bottom (no level is bound).
    SearchRange CapAtContinuum(SearchRange range) const;
    // Half the interval levels are normalised on for the current potential,
    // given the search's bounds.
    double NormalisationHalfWidth(SearchRange bounds) const;

  private:
    Potential& Object(FamilyId id);
    // Compiling a formula costs more than setting up all the rest: the start
    // formula is compiled when the formula is first chosen or shown, which
    // most runs never do.
    FormulaPotential& StartedFormula() const;

    WoodsSaxonPotential& woodsSaxon_;
    PowerPotential& oscillator_;
    SquareWell& well_;
    PoschlTellerPotential poschlTeller_;
    VShapedPotential vShaped_;
    MultiWellPotential wells_;
    mutable FormulaPotential formula_;
    mutable bool formulaStarted_ = false;
    std::array<std::vector<double>, 8> values_;  // by FamilyId
    FamilyId family_ = FamilyId::Oscillator;
    const Potential* current_ = &oscillator_;
    std::optional<double> boundEnd_;  // spectrum::BoundStatesEnd of a V shot from both ends
};

// The settings dialog of one family: a field a setting (or the formula's
// one field), Enter to apply, Escape to cancel. A bad field keeps the dialog
// open with a message naming the setting and its range, and changes nothing.
class SettingsEditor {
  public:
    struct Field {
        std::string name;   // "depth", or "V(x) =" for the formula
        std::string range;  // "-100 to 0"; empty for the formula
        std::string text;   // what the field shows and the user types
    };

    SettingsEditor(PotentialChoice& choice, FamilyId family);

    const FamilyInfo& Info() const { return FamilyOf(family_); }
    bool IsFormula() const { return family_ == FamilyId::Formula; }
    std::vector<Field>& Fields() { return fields_; }
    const std::vector<Field>& Fields() const { return fields_; }

    // Enter. Nothing when every field reads and is in range: the settings are
    // stored and the dialog closes. Otherwise the message, and BadField() is
    // the field it names.
    std::optional<std::string> Apply();
    // Escape.
    void Cancel() { cancelled_ = true; }
    bool Applied() const { return applied_; }
    bool Cancelled() const { return cancelled_; }
    int BadField() const { return badField_; }

  private:
    PotentialChoice& choice_;
    FamilyId family_;
    std::vector<Field> fields_;
    bool applied_ = false;
    bool cancelled_ = false;
    int badField_ = -1;
};

// The message for a setting's value that does not read or lies outside its range.
std::string SettingRangeMessage(const SettingInfo& setting);
// The value of a setting typed as text, if it reads and lies in its range.
std::optional<double> ReadSetting(const SettingInfo& setting, std::string_view text);
