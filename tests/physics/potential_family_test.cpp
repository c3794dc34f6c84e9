// The families of potentials: the oscillator's power of |x| keeps today's
// values bit for bit, the new families are even and where they should be,
// and the table describes what the objects do.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <set>
#include <string>

#include "model.h"
#include "potential_family.h"

namespace {

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

}  // namespace

// Exponent 2 on |x| must give what alpha * pow(x, 2) + d gave, value and
// slope, on every grid point and anywhere in between.
TEST(PotentialFamily, PowerOfAbsoluteXKeepsTheOscillatorBitForBit) {
    PowerPotential p;
    p.SetCoefficient(1.0);
    p.SetOffset(-8.0);
    // Read at run time, as the old code read its exponent: a constant 2 would
    // let the compiler square instead of calling pow.
    volatile double two = 2.0;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> anywhere(-40.0, 40.0);
    for (int i = 0; i < model::kSamples + 20000; ++i) {
        const double x =
            i < model::kSamples ? i * model::kGridStep + model::kGridMin : anywhere(random);
        ASSERT_EQ(Bits(p.Value(x)), Bits(1.0 * std::pow(x, two) + -8.0)) << x;
        ASSERT_EQ(Bits(p.Derivative(x)), Bits(1.0 * std::pow(x, two - 1.0) * two)) << x;
    }
    p.SetExponent(3.0);
    EXPECT_EQ(p.Value(-2.0), 0.0);  // |x|^3: even
    EXPECT_EQ(p.Derivative(-2.0), -12.0);
}

TEST(PotentialFamily, NewFamiliesAreEvenAndWhereTheyShouldBe) {
    PoschlTellerPotential pt;
    pt.SetDepth(-8.0);
    pt.SetWidth(2.0);
    EXPECT_EQ(pt.Value(0.0), -8.0);
    EXPECT_DOUBLE_EQ(pt.Value(2.0), -8.0 / (std::cosh(1.0) * std::cosh(1.0)));
    EXPECT_NEAR(pt.Derivative(1.0), (pt.Value(1.0 + 1e-6) - pt.Value(1.0 - 1e-6)) / 2e-6, 1e-6);
    EXPECT_EQ(pt.Value(1000.0), 0.0);

    VShapedPotential v;
    v.SetSlope(2.0);
    v.SetOffset(-8.0);
    EXPECT_EQ(v.Value(-3.0), -2.0);
    EXPECT_EQ(v.Derivative(-3.0), -2.0);

    // Two wells of width 1, 0.5 apart: (-1.25, -0.25) and (0.25, 1.25).
    MultiWellPotential w;
    w.SetDepth(-8.0);
    for (double x : {-1.2, -0.3, 0.3, 0.75, 1.2})
        EXPECT_EQ(w.Value(x), -8.0) << x;
    for (double x : {-1.25, -0.25, 0.0, 0.25, 1.25, 3.0})
        EXPECT_EQ(w.Value(x), 0.0) << x;
    EXPECT_EQ(w.Jumps(), (std::vector<double>{-1.25, -0.25, 0.25, 1.25}));
    w.SetCount(3);
    EXPECT_EQ(w.Jumps(), (std::vector<double>{-2.0, -1.0, -0.5, 0.5, 1.0, 2.0}));
    EXPECT_EQ(w.Value(0.0), -8.0);
    w.SetGap(0.0);  // one wide well: no inner walls, no dips to 0 between
    EXPECT_EQ(w.Jumps(), (std::vector<double>{-1.5, 1.5}));
    EXPECT_EQ(w.Value(0.5), -8.0);

    w.SetCount(5);
    w.SetGap(0.3);
    w.SetWidth(0.7);
    const Potential* all[] = {&pt, &v, &w};
    for (const Potential* p : all)
        for (int i = 0; i < model::kSamples; ++i) {
            const double x = i * model::kGridStep + model::kGridMin;
            ASSERT_EQ(Bits(p->Value(x)), Bits(p->Value(-x))) << x;
        }
}

// Every family's defaults lie in its ranges and make the objects the program
// starts with; SettingsOf tells every settings-aware kind from the others.
TEST(PotentialFamily, TableDefaultsAndKinds) {
    std::set<std::string> names;
    std::set<int> kinds;
    int data = 1;
    for (const FamilyInfo& f : Families()) {
        EXPECT_EQ(static_cast<int>(f.id), data++);
        EXPECT_TRUE(names.insert(f.name).second);
        EXPECT_EQ(FindFamily(f.name), &f);
        EXPECT_EQ(FindFamily(f.caption), &f);
        for (const SettingInfo& s : f.settings) {
            EXPECT_LE(s.min, s.defaultValue) << f.name << " " << s.name;
            EXPECT_LE(s.defaultValue, s.max) << f.name << " " << s.name;
        }
        if (f.id == FamilyId::Formula) {
            EXPECT_EQ(MakePotential(f.id, {}), nullptr);
            continue;
        }
        const auto p = MakePotential(f.id, DefaultValues(f.id));
        ASSERT_NE(p, nullptr);
        const auto settings = SettingsOf(*p);
        ASSERT_TRUE(settings);
        EXPECT_TRUE(kinds.insert(settings->kind).second);
    }
    EXPECT_EQ(kinds.size(), 6u);
    EXPECT_EQ(FindFamily("nothing"), nullptr);

    // The three of today at their defaults.
    const auto ws = MakePotential(FamilyId::WoodsSaxon, DefaultValues(FamilyId::WoodsSaxon));
    EXPECT_EQ(ws->Value(0.0), -8.0);
    const auto osc = MakePotential(FamilyId::Oscillator, DefaultValues(FamilyId::Oscillator));
    EXPECT_EQ(osc->Value(3.0), 1.0);
    const auto well = MakePotential(FamilyId::Well, DefaultValues(FamilyId::Well));
    EXPECT_EQ(well->Value(1.99), -8.0);
    EXPECT_EQ(well->Value(2.0), 0.0);

    // A family's settings go to its own class only.
    EXPECT_FALSE(ApplySettings(FamilyId::Well, DefaultValues(FamilyId::Well), *ws));
    EXPECT_FALSE(ApplySettings(FamilyId::Well, std::vector<double>{1.0}, *well));
}

TEST(PotentialFamily, DescriptionGivesEvennessJumpsAndBottom) {
    const auto well = MakePotential(FamilyId::Well, std::vector<double>{-10.0, 1.0});
    const PotentialInfo info = Describe(*well);
    EXPECT_EQ(info.v, well.get());
    EXPECT_TRUE(info.even);
    EXPECT_EQ(info.jumps, (std::vector<double>{-1.0, 1.0}));
    EXPECT_EQ(info.bottom, -10.0);
    EXPECT_TRUE(Describe(WoodsSaxonPotential()).jumps.empty());
}
