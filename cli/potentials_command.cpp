// velquor-cli potentials: every family of potentials the window's list offers,
// its formula, and each setting with its default and range.
#include "cli_options.h"
#include "commands.h"
#include "data_exchange.h"
#include "json_text.h"
#include "potential_family.h"
#include "potential_options.h"
#include "text_output.h"

namespace cli {

namespace {

// Every family, or only the one of a scenario.
std::vector<const FamilyInfo*> Listed(std::optional<FamilyId> only) {
    std::vector<const FamilyInfo*> listed;
    for (const FamilyInfo& f : Families())
        if (!only || f.id == *only) listed.push_back(&f);
    return listed;
}

std::string Table(std::optional<FamilyId> only) {
    std::string out;
    for (const FamilyInfo* family : Listed(only)) {
        const FamilyInfo& f = *family;
        if (!out.empty()) out += "\n";
        out += std::string(f.name) + " (\"" + f.caption + "\"): V = " + f.formula + "\n";
        if (f.settings.empty()) out += "  no settings: --formula EXPR gives V(x)\n";
        for (const SettingInfo& s : f.settings)
            out += "  " + PadRight(s.name, 13) + "default " +
                   PadRight(FormatDouble(s.defaultValue), 7) + "from " +
                   PadRight(FormatDouble(s.min), 6) + "to " + FormatDouble(s.max) +
                   (s.integer ? ", whole numbers" : "") + "\n";
    }
    return out;
}

std::string Json(std::optional<FamilyId> only) {
    JsonValue families = JsonValue::array();
    for (const FamilyInfo* family : Listed(only)) {
        const FamilyInfo& f = *family;
        JsonValue settings = JsonValue::array();
        for (const SettingInfo& s : f.settings)
            settings.push_back({
                {"name", s.name},
                {"default", s.defaultValue},
                {"min", s.min},
                {"max", s.max},
                {"integer", s.integer},
            });
        families.push_back({
            {"name", f.name},
            {"caption", f.caption},
            {"formula", f.formula},
            {"settings", settings},
        });
    }
    return JsonText({{"potentials", families}});
}

}  // namespace

int RunPotentials(const Args& args) {
    const std::vector<std::string> formats{"table", "json"};
    const std::optional<Arguments> given = ParseCommand(
        {"potentials",
         "potentials " + FormatUsage(formats) + " [--scenario FILE]",
         "Lists every family of potentials in the order of the window's list: its name (for\n"
         "--potential), its caption, its formula and each setting (for --set NAME=VALUE) with\n"
         "its default and the range it takes. The last entry is the typed formula, --formula.\n"
         "With --scenario FILE, only the scenario's potential.",
         {FormatOption(formats), ScenarioOption()}},
        args);
    if (!given) return kExitOk;
    std::optional<FamilyId> only;
    if (given->IsSet(ScenarioOption())) only = ReadScenarioOption(*given).potential;
    WriteOut(ReadFormat(*given, formats) == "json" ? Json(only) : Table(only));
    return kExitOk;
}

}  // namespace cli
