#include "potential_options.h"

#include <stdexcept>

#include "data_exchange.h"
#include "formula_potential.h"
#include "potential_choice.h"

namespace cli {

namespace {

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string SettingNames(const FamilyInfo& family) {
    std::vector<std::string> names;
    for (const SettingInfo& s : family.settings)
        names.emplace_back(s.name);
    return JoinChoices(names, "and");
}

// One NAME=VALUE into its field; the range is checked as the dialog does.
void ReadSetting(const FamilyInfo& family, std::string_view item,
                 std::vector<std::string>& fields) {
    const std::size_t eq = item.find('=');
    if (eq == std::string_view::npos || eq == 0)
        throw UsageError("--set " + Quoted(item) + ": give NAME=VALUE, such as " +
                         family.settings[0].name + "=" +
                         FormatDouble(family.settings[0].defaultValue));
    const std::string_view name = item.substr(0, eq);
    const std::string_view value = item.substr(eq + 1);
    for (std::size_t i = 0; i < family.settings.size(); ++i) {
        const SettingInfo& s = family.settings[i];
        if (name != s.name) continue;
        if (!::ReadSetting(s, value))
            throw UsageError("--set " + Quoted(item) + ": " + s.name + " takes " +
                             (s.integer ? "a whole number" : "a number") + " between " +
                             FormatDouble(s.min) + " and " + FormatDouble(s.max));
        fields[i] = std::string(value);
        return;
    }
    throw UsageError("--set " + Quoted(item) + ": " + family.name + " has no setting " +
                     Quoted(name) + "; its settings: " + SettingNames(family));
}

const PotentialName& FormulaName() {
    static const PotentialName formula{PotentialKind::Formula, "formula", "Formula"};
    return formula;
}

}  // namespace

QCommandLineOption SetOption() {
    return QCommandLineOption(
        QStringLiteral("set"),
        QStringLiteral("Settings of the potential: NAME=VALUE[,NAME=VALUE...], repeatable; "
                       "'velquor-cli potentials' lists every setting and its range."),
        QStringLiteral("NAME=VALUE"));
}

QCommandLineOption FormulaOption() {
    return QCommandLineOption(
        QStringLiteral("formula"),
        QStringLiteral("V(x) typed as text instead of --potential, such as 'x^2 - 8' or "
                       "'-8*sech(x)^2' (muparser's operators and functions, and sech)."),
        QStringLiteral("EXPR"));
}

PotentialRequest ReadPotential(const QCommandLineParser& parser,
                               const QCommandLineOption& potentialOption,
                               const PotentialName& fallback, bool shooting) {
    const QString setName = QStringLiteral("set");
    const QString formulaName = QStringLiteral("formula");
    PotentialRequest request;
    if (parser.isSet(formulaName)) {
        if (parser.isSet(potentialOption))
            throw UsageError("--formula and --potential exclude one another; give one");
        if (parser.isSet(setName))
            throw UsageError("--set is for the settings of a --potential; a formula has none");
        const std::string text = parser.value(formulaName).toStdString();
        FormulaPotential formula;
        if (const std::optional<std::string> message = formula.SetText(text))
            throw UsageError("--formula " + Quoted(text) + ": " + *message);
        if (shooting && !formula.IsEven())
            throw UsageError("--formula " + Quoted(text) +
                             ": V(x) is not even, and the shooting method integrates from "
                             "x = 0 and mirrors; give an even formula");
        request.potential = &FormulaName();
        request.fields = {text};
        request.changed = true;
        return request;
    }
    request.potential = parser.isSet(potentialOption)
                            ? &FindPotential(parser.value(potentialOption).toStdString())
                            : &fallback;
    const FamilyInfo* family = FindFamily(request.potential->name);
    if (!family) throw std::logic_error("no family for " + std::string(request.potential->name));
    for (const SettingInfo& s : family->settings)
        request.fields.push_back(FormatDouble(s.defaultValue));
    for (const QString& option : parser.values(setName)) {
        for (const QString& item : option.split(QLatin1Char(',')))
            ReadSetting(*family, item.trimmed().toStdString(), request.fields);
        request.changed = true;
    }
    return request;
}

void ChoosePotential(HeadlessSession& session, const PotentialRequest& request) {
    if (!session.SelectPotential(request.potential->caption))
        throw std::logic_error("the window's list has no \"" +
                               std::string(request.potential->caption) + "\"");
    if (!request.changed) return;
    // The options were checked as the dialog checks its fields.
    if (const std::optional<std::string> message = session.ChangeSettings(request.fields))
        throw std::logic_error("the settings dialog refused checked settings: " + *message);
}

}  // namespace cli
