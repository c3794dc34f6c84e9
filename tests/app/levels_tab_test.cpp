// The "Niveles" tab at the dialog: shown only while selected, the accurate
// levels of every family against their closed forms, the search's levels
// beside them once recorded, and a refresh when the potential changes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "headless_host.h"
#include "resources.h"

namespace {

enum Column { kIndex, kParity, kNodes, kShooting, kAccurate, kDifference, kEstimate, kExact };

void Choose(HeadlessSession& s, FamilyId id, const std::vector<std::string>& settings) {
    ASSERT_TRUE(s.SelectPotential(FamilyOf(id).caption));
    if (!settings.empty()) {
        ASSERT_FALSE(s.ChangeSettings(settings).has_value());
    }
}

// Every row: its index, nodes and parity, and the accurate level within
// 1e-12 of the closed form (both shown to 13 decimals) where there is one;
// where V levels off, one more row names the bound states and the edge.
void ExpectRowsExact(const HeadlessPlatform& p, std::size_t count, const std::string& edge = "") {
    ASSERT_EQ(p.levelRows.size(), count + (edge.empty() ? 0 : 1));
    if (!edge.empty()) {
        EXPECT_EQ(p.levelRows.back(), std::vector<std::string>{edge});
    }
    for (std::size_t n = 0; n < count; ++n) {
        const std::vector<std::string>& row = p.levelRows[n];
        SCOPED_TRACE("row " + std::to_string(n));
        EXPECT_EQ(row[kIndex], std::to_string(n));
        EXPECT_EQ(row[kNodes], std::to_string(n));
        EXPECT_EQ(row[kParity], n % 2 == 0 ? "par" : "impar");
        EXPECT_NEAR(std::stod(row[kAccurate]), std::stod(row[kExact]), 1e-12);
    }
}

TEST(LevelsTab, ShownWhileSelectedWithTheSearchBesideTheAccurateLevels) {
    HeadlessSession s(true);
    HeadlessPlatform& p = s.Platform();
    ASSERT_GE(p.tabs.size(), 3u);
    EXPECT_EQ(p.tabs[0], "Normal");
    EXPECT_EQ(p.tabs[1], "Zoom");
    EXPECT_EQ(p.tabs[res::kLevelsTab], "Niveles");
    EXPECT_FALSE(p.levelTableShown);
    s.SelectTab(res::kLevelsTab);
    EXPECT_TRUE(p.levelTableShown);
    EXPECT_EQ(p.levelColumns.size(), 8u);
    ExpectRowsExact(p, 9);  // the oscillator at start-up
    EXPECT_EQ(p.levelRows[0][kShooting], "-");
    s.SelectTab(0);
    EXPECT_FALSE(p.levelTableShown);
    // The search's levels join the table, each within the search's 2e-2.
    while (p.IsEnabled(res::kPlay)) {
        s.Click(res::kPlay);
        ASSERT_TRUE(s.RunTimer(100000));
    }
    s.SelectTab(res::kLevelsTab);
    for (const std::vector<std::string>& row : p.levelRows) {
        ASSERT_NE(row[kShooting], "-");
        const double difference = std::stod(row[kShooting]) - std::stod(row[kAccurate]);
        EXPECT_LT(std::fabs(difference), 3e-2);
        EXPECT_NEAR(difference, std::stod(row[kDifference]), 1e-2 * std::fabs(difference));
    }
}

TEST(LevelsTab, EveryFamilyWithAClosedFormAndARefreshOnEachChange) {
    HeadlessSession s(true);
    HeadlessPlatform& p = s.Platform();
    s.SelectTab(res::kLevelsTab);
    Choose(s, FamilyId::Well, {});
    ExpectRowsExact(p, 6, "6 estados ligados por debajo del continuo en E = 0");
    Choose(s, FamilyId::Well, {"-10", "1"});
    ExpectRowsExact(p, 3, "3 estados ligados por debajo del continuo en E = 0");
    Choose(s, FamilyId::PoschlTeller, {});
    ExpectRowsExact(p, 4, "4 estados ligados por debajo del continuo en E = 0");
    Choose(s, FamilyId::VShaped, {"1", "-3"});
    EXPECT_GT(p.levelRows.size(), 3u);
    ExpectRowsExact(p, p.levelRows.size());
    Choose(s, FamilyId::WoodsSaxon, {});
    EXPECT_EQ(p.levelRows[0][kExact], "-");
}

TEST(LevelsTab, NoParityForAnUnevenFormulaAndANoteForNoLevel) {
    HeadlessSession s(true);
    HeadlessPlatform& p = s.Platform();
    s.SelectTab(res::kLevelsTab);
    Choose(s, FamilyId::Formula, {"(x-1)^2 - 8"});
    ASSERT_FALSE(p.levelRows.empty());
    EXPECT_EQ(p.levelRows[0][kParity], "-");
    EXPECT_EQ(p.levelRows[1][kNodes], "1");
    Choose(s, FamilyId::Formula, {"x^2 + 100"});
    ASSERT_EQ(p.levelRows.size(), 1u);
    EXPECT_EQ(p.levelRows[0][0].rfind("Ningun nivel", 0), 0u);
}

// Solved once a potential: a recorded level only re-matches the rows, and
// going back to a potential finds its table kept.
TEST(LevelsTab, SolvesOncePerPotential) {
    HeadlessPlatform p;
    int solves = 0;
    std::string key = "a";
    std::vector<SearchLevel> recorded;
    LevelsTab tab(
        p,
        [&] {
            ++solves;
            AccurateLevelTable t;
            spectrum::Level level;
            level.energy = key == "a" ? -1.0 : -2.0;
            t.rows.push_back({level, {}, {}});
            return t;
        },
        [&] { return key; }, [&] { return std::span<const SearchLevel>(recorded); });
    tab.OnShown(true);
    recorded.push_back({0, 0, -1.01, 3});
    tab.RecordedChanged();
    EXPECT_EQ(p.levelRows[0][kShooting], "-1.0100000000");
    key = "b";
    tab.Stale();
    EXPECT_EQ(p.levelRows[0][kAccurate], "-2.0000000000000");
    key = "a";
    tab.Stale();
    EXPECT_EQ(p.levelRows[0][kAccurate], "-1.0000000000000");
    EXPECT_EQ(solves, 2);
}

}  // namespace
