// The families of potentials a user can pick, with their settings: the
// window's list, the settings dialog and velquor-cli all read this table.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "potentials.h"

// Also the item data of the window's list.
enum class FamilyId : std::uint8_t {
    WoodsSaxon = 1,
    Oscillator = 2,
    Well = 3,
    PoschlTeller = 4,
    VShaped = 5,
    Wells = 6,
    Formula = 7,
};

struct SettingInfo {
    const char* name;  // on the command line and in the settings dialog
    double defaultValue;
    double min;
    double max;
    bool integer;  // a whole number (the count of wells)
};

struct FamilyInfo {
    FamilyId id;
    const char* name;     // on the command line and in csv and json
    const char* caption;  // in the window's list
    const char* formula;  // V(x) in words and symbols
    std::span<const SettingInfo> settings;
};

// In the order of the window's list; the formula entry last, with no settings.
std::span<const FamilyInfo> Families();
const FamilyInfo& FamilyOf(FamilyId id);
// By name or caption, exactly; null if there is none.
const FamilyInfo* FindFamily(std::string_view nameOrCaption);

// One value a setting, in the table's order.
std::vector<double> DefaultValues(FamilyId id);
// Gives p, an object of the family's class, the values (in the table's
// order, as many as the family has settings). false if p is of another class.
bool ApplySettings(FamilyId id, std::span<const double> values, Potential& p);
// A new potential of a family with settings, at the given values.
std::unique_ptr<Potential> MakePotential(FamilyId id, std::span<const double> values);

// What a solver needs to know of a potential besides its values.
struct PotentialInfo {
    const RealFunction* v = nullptr;
    bool even = true;
    std::vector<double> jumps;  // increasing x
    double bottom = 0.0;        // the least value on the wave functions' grid
};
PotentialInfo Describe(const Potential& p);
