#include "potential_options.h"

#include <stdexcept>

#include "data_exchange.h"
#include "potential_choice.h"
#include "resources.h"
#include "scenario_dialog.h"

namespace cli {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Every family of the list but the typed formula.
std::vector<const FamilyInfo*> Named() {
    std::vector<const FamilyInfo*> named;
    for (const FamilyInfo& f : Families())
        if (f.id != FamilyId::Formula) named.push_back(&f);
    return named;
}

std::string Trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return std::string(text);
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

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

const FamilyInfo& DefaultPotential() {
    return FamilyOf(FamilyId::Oscillator);
}

std::vector<const FamilyInfo*> FirstPotentials() {
    std::vector<const FamilyInfo*> first;
    for (const FamilyInfo& f : Families())
        if (f.id <= FamilyId::Well) first.push_back(&f);
    return first;
}

const FamilyInfo& FindPotential(std::string_view text) {
    for (const FamilyInfo* f : Named())
        if (SameIgnoringCase(text, f->name) || SameIgnoringCase(text, f->caption)) return *f;
    std::vector<std::string> captions;
    for (const FamilyInfo* f : Named())
        captions.push_back("\"" + std::string(f->caption) + "\"");
    throw UsageError("unknown potential " + Quoted(text) + "; accepted: " + PotentialNames(false) +
                     " (or the list captions " + JoinChoices(captions) + ")");
}

std::string PotentialNames(bool markDefault, std::string_view last) {
    std::vector<std::string> names;
    for (const FamilyInfo* f : Named())
        names.push_back(
            f->name + std::string(markDefault && f == &DefaultPotential() ? " (the default)" : ""));
    return JoinChoices(names, last);
}

const Option& PotentialOption() {
    static const Option option{"potential", "NAME",
                               PotentialNames(true) + ", or the list's caption.", ""};
    return option;
}

const Option& OnlyPotentialOption() {
    static const Option option{"potential", "NAME",
                               "Only this potential: " + PotentialNames(false) +
                                   " (or the list's caption); --set " + "alone changes the " +
                                   DefaultPotential().name + ". Without any of --potential, " +
                                   "--set and --formula, the first three, one after the other.",
                               ""};
    return option;
}

const Option& SetOption() {
    static const Option option{
        "set", "NAME=VALUE",
        "Settings of the potential: NAME=VALUE[,NAME=VALUE...], repeatable; 'velquor-cli "
        "potentials' lists every setting and its range.",
        ""};
    return option;
}

const Option& FormulaOption() {
    static const Option option{
        "formula", "EXPR",
        "V(x) typed as text instead of --potential, such as 'x^2 - 8' or '-8*sech(x)^2' "
        "(muparser's operators and functions, and sech).",
        ""};
    return option;
}

const Option& ScenarioOption() {
    static const Option option{
        "scenario", "FILE",
        "A scenario file, as the window saves it (JSON): its potential and settings or "
        "formula instead of --potential, --set and --formula; render also takes its tab, "
        "energy and \"Evolucion\" fields.",
        ""};
    return option;
}

std::vector<Option> PotentialOptions(const Option& potential) {
    return {potential, SetOption(), FormulaOption(), ScenarioOption()};
}

Option FormatOption(const std::vector<std::string>& formats) {
    std::vector<std::string> described = formats;
    described.front() += " (the default)";
    return {"format", "FORMAT", JoinChoices(described) + ".", formats.front()};
}

std::string FormatUsage(const std::vector<std::string>& formats) {
    std::string usage = "[--format ";
    for (const std::string& f : formats)
        usage += (&f == &formats.front() ? "" : "|") + f;
    return usage + "]";
}

std::string ReadFormat(const Arguments& args, const std::vector<std::string>& formats) {
    return ParseChoice("--format", args.Value(FormatOption(formats)), formats);
}

bool PotentialGiven(const Arguments& args) {
    return args.IsSet(PotentialOption()) || args.IsSet(SetOption()) ||
           args.IsSet(FormulaOption()) || args.IsSet(ScenarioOption());
}

scenario::Scenario ReadScenarioOption(const Arguments& args) {
    const std::string path = args.Value(ScenarioOption());
    scenario::ReadResult read = scenario::ReadFile(path);
    if (const auto* message = std::get_if<std::string>(&read))
        throw UsageError("--scenario " + Quoted(path) + ": " + *message);
    return std::get<scenario::Scenario>(std::move(read));
}

namespace {

PotentialRequest ScenarioRequest(const Arguments& args) {
    if (args.IsSet(PotentialOption()) || args.IsSet(SetOption()) || args.IsSet(FormulaOption()))
        throw UsageError("--scenario and --potential, --set or --formula exclude one another");
    PotentialRequest request;
    request.scenario = ReadScenarioOption(args);
    request.potential = &FamilyOf(request.scenario->potential);
    request.changed = true;
    return request;
}

}  // namespace

PotentialRequest ReadPotential(const Arguments& args) {
    if (args.IsSet(ScenarioOption())) return ScenarioRequest(args);
    PotentialRequest request;
    if (args.IsSet(FormulaOption())) {
        if (args.IsSet(PotentialOption()))
            throw UsageError("--formula and --potential exclude one another; give one");
        if (args.IsSet(SetOption()))
            throw UsageError("--set is for the settings of a --potential; a formula has none");
        request.potential = &FamilyOf(FamilyId::Formula);
        request.fields = {args.Value(FormulaOption())};
        request.changed = true;
        return request;
    }
    request.potential = args.IsSet(PotentialOption())
                            ? &FindPotential(args.Value(PotentialOption()))
                            : &DefaultPotential();
    for (const SettingInfo& s : request.potential->settings)
        request.fields.push_back(FormatDouble(s.defaultValue));
    for (const std::string& option : args.Values(SetOption())) {
        for (const std::string& item : Split(option, ','))
            ReadSetting(*request.potential, Trimmed(item), request.fields);
        request.changed = true;
    }
    return request;
}

std::unique_ptr<HeadlessSession> OpenSession(const PotentialRequest& request) {
    auto session = std::make_unique<HeadlessSession>(true);
    const FamilyInfo& potential = *request.potential;
    if (!session->SelectPotential(potential.caption))
        throw std::logic_error("the window's list has no \"" + std::string(potential.caption) +
                               "\"");
    if (!request.changed) return session;
    if (request.scenario) {
        scenario::Scenario s = *request.scenario;
        if (!request.whole) {
            // Its potential alone: the start's tab and energy, no band.
            s.tab = 0;
            s.energy = scenario::Scenario{}.energy;
            s.predictor = false;
            s.evolution.reset();
        }
        if (std::optional<std::string> refused =
                scenario::Open(session->Dialog(), session->Platform(), s))
            throw UsageError("--scenario: " + *refused);
        return session;
    }
    const std::optional<std::string> refused = session->ChangeSettings(request.fields);
    if (potential.id != FamilyId::Formula) {
        // The options were checked as the dialog checks its fields.
        if (refused)
            throw std::logic_error("the settings dialog refused checked settings: " + *refused);
        return session;
    }
    if (refused) throw UsageError("--formula " + Quoted(request.fields.front()) + ": " + *refused);
    return session;
}

}  // namespace cli
