#include "scenario.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

namespace scenario {

namespace {

using nlohmann::json;

constexpr std::array<const char*, 5> kTabs{"normal", "zoom", "levels", "evolution", "transmission"};
constexpr std::array kKeys{"velquor", "potential", "settings",  "formula",     "tab",
                           "energy",  "predictor", "evolution", "transmission"};
constexpr std::array kTransmissionKeys{"from", "to", "energy"};
constexpr std::array kEvolutionKeys{"states", "weights", "phases", "speed", "time", "playing"};
// Deeper nesting than this is no scenario's; refused before parsing.
constexpr int kMaxDepth = 8;
// Energies beyond this are no potential's of the program.
constexpr double kMaxEnergy = 1e6;
constexpr double kMaxSpeed = 100.0;
constexpr double kMaxTime = 1e9;

std::string Quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

template <std::size_t N>
std::string Listed(const std::array<const char*, N>& words) {
    std::string out;
    for (std::size_t i = 0; i < N; ++i)
        out += (i == 0 ? "" : i + 1 == N ? " and " : ", ") + std::string(words[i]);
    return out;
}

template <std::size_t N>
std::optional<std::string> UnknownKey(const json& object, const std::array<const char*, N>& keys,
                                      std::string_view where) {
    for (const auto& item : object.items()) {
        bool known = false;
        for (const char* k : keys)
            known = known || item.key() == k;
        if (!known)
            return "unknown key " + Quoted(item.key()) + " in " + std::string(where) +
                   "; it takes " + Listed(keys);
    }
    return std::nullopt;
}

// The nesting of brackets outside strings.
bool TooDeep(std::string_view text) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth) return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

std::optional<std::string> Number(const json& value, std::string_view name, double min, double max,
                                  double& out) {
    if (!value.is_number() || !std::isfinite(value.get<double>()) || value.get<double>() < min ||
        value.get<double>() > max)
        return Quoted(name) + " must be a number from " + ExactNumber(min) + " to " +
               ExactNumber(max);
    out = value.get<double>() == 0.0 ? 0.0 : value.get<double>();
    return std::nullopt;
}

std::optional<std::string> Text(const json& value, std::string_view name, std::string& out) {
    if (!value.is_string() || value.get_ref<const std::string&>().size() > kMaxText)
        return Quoted(name) + " must be a text of at most " + std::to_string(kMaxText) +
               " characters";
    out = value.get<std::string>();
    return std::nullopt;
}

std::optional<std::string> Flag(const json& value, std::string_view name, bool& out) {
    if (!value.is_boolean()) return Quoted(name) + " must be true or false";
    out = value.get<bool>();
    return std::nullopt;
}

std::optional<std::string> ReadSettings(const json& value, Scenario& s) {
    const FamilyInfo& family = FamilyOf(s.potential);
    if (!value.is_object()) return "'settings' must be an object of a setting's name and value";
    for (const auto& item : value.items()) {
        std::size_t i = 0;
        while (i < family.settings.size() && item.key() != family.settings[i].name)
            ++i;
        if (i == family.settings.size()) {
            std::string names;
            for (const SettingInfo& setting : family.settings)
                names += (names.empty() ? "" : ", ") + std::string(setting.name);
            return "unknown setting " + Quoted(item.key()) + " of " + family.name +
                   (names.empty() ? "; it has none" : "; it has " + names);
        }
        const SettingInfo& setting = family.settings[i];
        if (auto m = Number(item.value(), setting.name, setting.min, setting.max, s.settings[i]))
            return m;
        if (setting.integer && s.settings[i] != std::floor(s.settings[i]))
            return Quoted(setting.name) + " must be a whole number";
    }
    return std::nullopt;
}

std::optional<std::string> ReadEvolution(const json& value, Evolution& e) {
    if (!value.is_object()) return "'evolution' must be an object";
    if (auto m = UnknownKey(value, kEvolutionKeys, "'evolution'")) return m;
    const auto field = [&](const char* key) -> const json* {
        const auto it = value.find(key);
        return it == value.end() ? nullptr : &*it;
    };
    if (const json* v = field("states"); v) {
        if (auto m = Text(*v, "states", e.states)) return m;
    }
    if (const json* v = field("weights"); v) {
        if (auto m = Text(*v, "weights", e.weights)) return m;
    }
    if (const json* v = field("phases"); v) {
        if (auto m = Text(*v, "phases", e.phases)) return m;
    }
    if (const json* v = field("speed"); v) {
        if (auto m = Number(*v, "speed", 0.0, kMaxSpeed, e.speed)) return m;
    }
    if (const json* v = field("time"); v) {
        if (auto m = Number(*v, "time", 0.0, kMaxTime, e.time)) return m;
    }
    if (const json* v = field("playing"); v) {
        if (auto m = Flag(*v, "playing", e.playing)) return m;
    }
    return std::nullopt;
}

std::optional<std::string> ReadTransmission(const json& value, Transmission& t) {
    if (!value.is_object()) return "'transmission' must be an object";
    if (auto m = UnknownKey(value, kTransmissionKeys, "'transmission'")) return m;
    for (const auto& [key, field] :
         {std::pair{"from", &t.from}, std::pair{"to", &t.to}, std::pair{"energy", &t.energy}}) {
        const auto it = value.find(key);
        if (it == value.end()) return std::string("'transmission' needs '") + key + "'";
        if (auto m = Number(*it, key, -kMaxEnergy, kMaxEnergy, *field)) return m;
    }
    return std::nullopt;
}

std::optional<std::string> ReadPotential(const json& doc, Scenario& s) {
    if (const auto it = doc.find("potential"); it != doc.end()) {
        const FamilyInfo* family = it->is_string() ? FindFamily(it->get<std::string>()) : nullptr;
        if (!family) {
            std::string names;
            for (const FamilyInfo& f : Families())
                names += (names.empty() ? "" : ", ") + std::string(f.name);
            return "'potential' must be one of " + names;
        }
        s.potential = family->id;
    }
    s.settings = DefaultValues(s.potential);
    const bool formula = s.potential == FamilyId::Formula;
    if (const auto it = doc.find("settings"); it != doc.end()) {
        if (formula) return "a formula has no 'settings'; give 'formula' alone";
        if (auto m = ReadSettings(*it, s)) return m;
    }
    if (const auto it = doc.find("formula"); it != doc.end()) {
        if (!formula) return "'formula' goes with \"potential\": \"formula\"";
        if (auto m = Text(*it, "formula", s.formula)) return m;
    } else if (formula) {
        return "\"potential\": \"formula\" needs a 'formula'";
    }
    if (formula) s.settings.clear();
    return std::nullopt;
}

std::optional<std::string> ReadDocument(const json& doc, Scenario& s) {
    if (!doc.is_object()) return "a scenario is a JSON object, { ... }";
    if (auto m = UnknownKey(doc, kKeys, "the scenario")) return m;
    if (const auto it = doc.find("velquor"); it != doc.end() && *it != 1)
        return "'velquor' must be 1, the only version of scenarios there is";
    if (auto m = ReadPotential(doc, s)) return m;
    if (const auto it = doc.find("tab"); it != doc.end()) {
        s.tab = -1;
        for (std::size_t i = 0; i < kTabs.size(); ++i)
            if (it->is_string() && it->get<std::string>() == kTabs[i]) s.tab = static_cast<int>(i);
        if (s.tab < 0) return "'tab' must be one of " + Listed(kTabs);
    }
    if (const auto it = doc.find("energy"); it != doc.end()) {
        if (auto m = Number(*it, "energy", -kMaxEnergy, kMaxEnergy, s.energy)) return m;
    }
    if (const auto it = doc.find("predictor"); it != doc.end()) {
        if (auto m = Flag(*it, "predictor", s.predictor)) return m;
    }
    if (const auto it = doc.find("evolution"); it != doc.end()) {
        s.evolution.emplace();
        if (auto m = ReadEvolution(*it, *s.evolution)) return m;
    }
    if (const auto it = doc.find("transmission"); it != doc.end()) {
        s.transmission.emplace();
        if (auto m = ReadTransmission(*it, *s.transmission)) return m;
    }
    return std::nullopt;
}

}  // namespace

std::span<const char* const> TabNames() {
    return kTabs;
}

std::string ExactNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    // The shortest of 15, 16 and 17 digits that reads back the same.
    for (int digits = 15; digits < 17; ++digits) {
        char shorter[40];
        std::snprintf(shorter, sizeof shorter, "%.*g", digits, value);
        if (std::strtod(shorter, nullptr) == value) return shorter;
    }
    return text;
}

ReadResult Read(std::string_view text) {
    if (text.size() > kMaxBytes)
        return "the scenario is larger than " + std::to_string(kMaxBytes / 1024) + " KiB";
    if (TooDeep(text)) return "not a scenario: JSON nested deeper than a scenario's";
    const json doc = json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded()) return "not a scenario: the text is not JSON";
    Scenario s;
    if (auto m = ReadDocument(doc, s)) return *m;
    return s;
}

ReadResult ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot read " + Quoted(path);
    std::string text(kMaxBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return Read(text);
}

std::string Write(const Scenario& s, int indent) {
    json doc = json::object();
    doc["velquor"] = 1;
    const FamilyInfo& family = FamilyOf(s.potential);
    doc["potential"] = family.name;
    if (s.potential == FamilyId::Formula) {
        doc["formula"] = s.formula;
    } else {
        json settings = json::object();
        for (std::size_t i = 0; i < family.settings.size() && i < s.settings.size(); ++i)
            settings[family.settings[i].name] = s.settings[i];
        doc["settings"] = settings;
    }
    doc["tab"] = s.tab >= 0 && s.tab < static_cast<int>(kTabs.size()) ? kTabs[s.tab] : kTabs[0];
    doc["energy"] = s.energy;
    doc["predictor"] = s.predictor;
    if (s.evolution) {
        const Evolution& e = *s.evolution;
        doc["evolution"] = {{"states", e.states}, {"weights", e.weights}, {"phases", e.phases},
                            {"speed", e.speed},   {"time", e.time},       {"playing", e.playing}};
    }
    if (s.transmission)
        doc["transmission"] = {{"from", s.transmission->from},
                               {"to", s.transmission->to},
                               {"energy", s.transmission->energy}};
    return doc.dump(indent, ' ', false, json::error_handler_t::replace) + (indent < 0 ? "" : "\n");
}

}  // namespace scenario
