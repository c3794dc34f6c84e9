#include "potential_family.h"

#include <array>
#include <cmath>
#include <typeinfo>

#include "model.h"

namespace {

constexpr std::array kWoodsSaxon{SettingInfo{"strength", -16.0, -100.0, 0.0, false}};
constexpr std::array kOscillator{
    SettingInfo{"coefficient", 1.0, 0.01, 100.0, false},
    SettingInfo{"exponent", 2.0, 1.0, 10.0, false},
    SettingInfo{"offset", -8.0, -50.0, 50.0, false},
};
constexpr std::array kWell{
    SettingInfo{"depth", -8.0, -100.0, 0.0, false},
    SettingInfo{"half-width", 2.0, 0.1, 10.0, false},
};
constexpr std::array kPoschlTeller{
    SettingInfo{"depth", -8.0, -100.0, 0.0, false},
    SettingInfo{"width", 1.0, 0.1, 10.0, false},
};
constexpr std::array kVShaped{
    SettingInfo{"slope", 2.0, 0.1, 100.0, false},
    SettingInfo{"offset", -8.0, -50.0, 50.0, false},
};
// At most 8 wells of width 2 and gaps of 2: 15 on either side, inside the
// part of the grid the search reads.
constexpr std::array kWells{
    SettingInfo{"count", 2.0, 1.0, 8.0, true},
    SettingInfo{"depth", -8.0, -100.0, 0.0, false},
    SettingInfo{"width", 1.0, 0.1, 2.0, false},
    SettingInfo{"gap", 0.5, 0.0, 2.0, false},
};

const std::array kFamilies{
    FamilyInfo{FamilyId::WoodsSaxon, "woods-saxon", "Woods-Saxon", "strength / (1 + exp(x^2))",
               kWoodsSaxon},
    FamilyInfo{FamilyId::Oscillator, "oscillator", "Oscilador armonico",
               "coefficient * |x|^exponent + offset", kOscillator},
    FamilyInfo{FamilyId::Well, "well", "Pozo Finito", "depth for |x| < half-width, else 0", kWell},
    FamilyInfo{FamilyId::PoschlTeller, "poschl-teller", "Poschl-Teller",
               "depth * sech(x / width)^2", kPoschlTeller},
    FamilyInfo{FamilyId::VShaped, "v-shaped", "Potencial en V", "slope * |x| + offset", kVShaped},
    FamilyInfo{FamilyId::Wells, "wells", "Pozos multiples",
               "count wells of depth and width, gap apart, centred on 0; else 0", kWells},
    FamilyInfo{FamilyId::Formula, "formula", "Formula", "V(x) as typed (muparser)", {}},
};

template <class T>
T* As(Potential& p) {
    return typeid(p) == typeid(T) ? static_cast<T*>(&p) : nullptr;
}

}  // namespace

std::span<const FamilyInfo> Families() {
    return kFamilies;
}

const FamilyInfo& FamilyOf(FamilyId id) {
    for (const FamilyInfo& f : kFamilies)
        if (f.id == id) return f;
    return kFamilies.back();
}

const FamilyInfo* FindFamily(std::string_view nameOrCaption) {
    for (const FamilyInfo& f : kFamilies)
        if (nameOrCaption == f.name || nameOrCaption == f.caption) return &f;
    return nullptr;
}

std::vector<double> DefaultValues(FamilyId id) {
    std::vector<double> values;
    for (const SettingInfo& s : FamilyOf(id).settings)
        values.push_back(s.defaultValue);
    return values;
}

bool ApplySettings(FamilyId id, std::span<const double> v, Potential& p) {
    if (v.size() != FamilyOf(id).settings.size()) return false;
    switch (id) {
        case FamilyId::WoodsSaxon:
            if (auto* ws = As<WoodsSaxonPotential>(p)) {
                ws->SetStrength(v[0]);
                return true;
            }
            break;
        case FamilyId::Oscillator:
            if (auto* o = As<PowerPotential>(p)) {
                o->SetCoefficient(v[0]);
                o->SetExponent(v[1]);
                o->SetOffset(v[2]);
                return true;
            }
            break;
        case FamilyId::Well:
            if (auto* w = As<SquareWell>(p)) {
                w->SetDepth(v[0]);
                w->SetHalfWidth(v[1]);
                return true;
            }
            break;
        case FamilyId::PoschlTeller:
            if (auto* pt = As<PoschlTellerPotential>(p)) {
                pt->SetDepth(v[0]);
                pt->SetWidth(v[1]);
                return true;
            }
            break;
        case FamilyId::VShaped:
            if (auto* vs = As<VShapedPotential>(p)) {
                vs->SetSlope(v[0]);
                vs->SetOffset(v[1]);
                return true;
            }
            break;
        case FamilyId::Wells:
            if (auto* m = As<MultiWellPotential>(p)) {
                m->SetCount(static_cast<int>(v[0]));
                m->SetDepth(v[1]);
                m->SetWidth(v[2]);
                m->SetGap(v[3]);
                return true;
            }
            break;
        case FamilyId::Formula:
            break;
    }
    return false;
}

std::unique_ptr<Potential> MakePotential(FamilyId id, std::span<const double> values) {
    std::unique_ptr<Potential> p;
    switch (id) {
        case FamilyId::WoodsSaxon:
            p = std::make_unique<WoodsSaxonPotential>();
            break;
        case FamilyId::Oscillator:
            p = std::make_unique<PowerPotential>();
            break;
        case FamilyId::Well:
            p = std::make_unique<SquareWell>();
            break;
        case FamilyId::PoschlTeller:
            p = std::make_unique<PoschlTellerPotential>();
            break;
        case FamilyId::VShaped:
            p = std::make_unique<VShapedPotential>();
            break;
        case FamilyId::Wells:
            p = std::make_unique<MultiWellPotential>();
            break;
        case FamilyId::Formula:
            return nullptr;
    }
    if (!ApplySettings(id, values, *p)) return nullptr;
    return p;
}

PotentialInfo Describe(const Potential& p) {
    PotentialInfo info{&p, p.IsEven(), p.Jumps(), 0.0};
    double bottom = INFINITY;
    for (int i = 0; i < model::kSamples; ++i) {
        const double v = p.Value(i * model::kGridStep + model::kGridMin);
        if (v < bottom) bottom = v;
    }
    info.bottom = bottom;
    return info;
}
