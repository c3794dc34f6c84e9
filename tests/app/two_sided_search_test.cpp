// A V that is not even, searched at the dialog: "Predictor" shoots from both
// ends, "Play" records the Morse potential's four bound states in order with
// their nodes and stops at the continuum edge; "Niveles" puts them beside the
// accurate ones.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless_host.h"
#include "levels_tab.h"
#include "potential_choice.h"
#include "resources.h"

namespace {

const std::string kMorse = "8*(1 - exp(-(x - 0.5)))^2 - 8";

// D = 8, a = 1, m = 1: hbar omega = 4 and E_n = -8 + 4 (n + 1/2) - (n + 1/2)^2 / 2.
double MorseLevel(int n) {
    const double k = n + 0.5;
    return -8.0 + 4.0 * k - 0.5 * k * k;
}

void ChooseFormula(HeadlessSession& s, const std::string& formula) {
    ASSERT_TRUE(s.SelectPotential(FamilyOf(FamilyId::Formula).caption));
    ASSERT_EQ(s.ChangeSettings({formula}), std::nullopt);
}

void PlayAll(HeadlessSession& s) {
    for (int presses = 0; presses < 30 && s.Platform().IsEnabled(res::kPlay); ++presses) {
        s.Click(res::kPlay);
        ASSERT_TRUE(s.RunTimer(100000));
        if (s.Dialog().LastTick() != CWaveDlg::Tick::Recorded) break;
    }
}

}  // namespace

TEST(TwoSidedSearch, MorseFourLevelsInOrderWithNodesUpToTheEdge) {
    HeadlessSession s(true);
    ChooseFormula(s, kMorse);
    const CWaveDlg& d = s.Dialog();
    EXPECT_EQ(s.Platform().ControlText(res::kPotentialNote), PotentialChoice::kNotEvenNote);
    for (int id : {res::kPredictor, res::kSearch, res::kPlay})
        EXPECT_TRUE(s.Platform().IsEnabled(id)) << id;
    EXPECT_EQ(d.CurrentSearchBounds().ceiling, 0.0);  // the continuum edge, below the view's top
    EXPECT_EQ(d.CurrentSearchBounds().bottom, -8.0);

    PlayAll(s);
    const auto levels = d.Search().Levels();
    ASSERT_EQ(levels.size(), 4u);
    for (int n = 0; n < 4; ++n) {
        const SearchLevel& l = levels[static_cast<std::size_t>(n)];
        EXPECT_EQ(l.index, n);
        EXPECT_EQ(l.nodes, n);
        EXPECT_TRUE(l.TwoSided());
        EXPECT_NEAR(l.energy, MorseLevel(n), 2e-4) << n;  // the grid's error; 0.05 is asked
    }
    EXPECT_FALSE(s.Platform().IsEnabled(res::kPlay));
    EXPECT_EQ(d.LastTick(), CWaveDlg::Tick::ScanEnded);

    // "Niveles": each beside the accurate level of its nodes.
    const AccurateLevelTable table = DialogLevelTable(d, levels);
    ASSERT_EQ(table.rows.size(), 4u);
    for (const AccurateLevelRow& row : table.rows) {
        ASSERT_TRUE(row.shooting.has_value());
        EXPECT_EQ(row.shooting->nodes, row.level.nodes);
        EXPECT_NEAR(row.level.energy, MorseLevel(row.level.index), 1e-9);
    }
    EXPECT_EQ(LevelTexts(table).front().at(1), "-");
}

// Below the ground state and above it the mismatch has opposite signs and
// the count below tells them apart; the box shows the typed energy.
TEST(TwoSidedSearch, PredictorShootsFromBothEnds) {
    HeadlessSession s(true);
    ChooseFormula(s, kMorse);
    const LevelSearch& search = s.Dialog().Search();
    s.TypeEnergy("-6.5");
    s.Click(res::kPredictor);
    ASSERT_TRUE(search.PredictionShown());
    const ShotResult below = search.PredictionShot();
    s.TypeEnergy("-5.9");
    s.Click(res::kPredictor);
    const ShotResult above = search.PredictionShot();
    EXPECT_EQ(below.levelsBelow, 0);
    EXPECT_EQ(above.levelsBelow, 1);
    EXPECT_LT(below.mismatch * above.mismatch, 0.0);
    EXPECT_DOUBLE_EQ(search.Shot().MatchX(), 0.5);
    EXPECT_EQ(search.Lower().Value(0.5).x, search.LeftHalf().Value(0.5).x);
}

// "Play" after "Buscar" has begun a bisection finishes that level: each level
// is recorded in turn.
TEST(TwoSidedSearch, PlayFinishesTheLevelBuscarBegan) {
    HeadlessSession s(true);
    ChooseFormula(s, kMorse);
    for (int i = 0; i < 24; ++i)
        s.Click(res::kSearch);
    ASSERT_EQ(s.Dialog().Search().CurrentPhase(), LevelSearch::Phase::Bisect);
    s.Click(res::kPlay);
    ASSERT_TRUE(s.RunTimer(100000));
    ASSERT_EQ(s.Dialog().Search().Levels().size(), 1u);
    EXPECT_EQ(s.Dialog().Search().Levels()[0].nodes, 0);
    EXPECT_NEAR(s.Dialog().Search().Levels()[0].energy, MorseLevel(0), 2e-4);
}

// Where V falls without bound on a side no level is bound: the search
// records none, whatever box states the grid would hold.
TEST(TwoSidedSearch, NoLevelWhereVFalls) {
    HeadlessSession s(true);
    ChooseFormula(s, "x/2");
    PlayAll(s);
    EXPECT_TRUE(s.Dialog().Search().Levels().empty());
    EXPECT_FALSE(s.Platform().IsEnabled(res::kPlay));
}
