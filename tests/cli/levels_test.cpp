// velquor-cli levels against the window's own search, level by level and to
// the last bit, and its reference levels against the equations they solve.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <numbers>

#include "cli_runner.h"
#include "headless_host.h"
#include "resources.h"

namespace {

struct Level {
    int index;
    std::string parity;
    double energy;
    int ticks;
    std::string exact, difference;  // as printed: empty where there is none
};

std::vector<Level> ParseCsv(const std::string& csv, const std::string& potential) {
    std::vector<Level> levels;
    const std::vector<std::string> lines = Lines(csv);
    EXPECT_EQ(lines.at(0), "potential,index,parity,energy,ticks,exact,difference");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = Split(lines[i], ',');
        EXPECT_EQ(f.size(), 7u) << lines[i];
        if (f.size() != 7 || f[0] != potential) continue;
        levels.push_back({std::stoi(f[1]), f[2], Number(f[3]), std::stoi(f[4]), f[5], f[6]});
    }
    return levels;
}

// The window's search, as a person runs it: "Play", let the timer run, again,
// until "Play" stays disabled.
std::vector<Level> SearchAtTheWindow(const std::string& caption) {
    HeadlessSession s;
    EXPECT_TRUE(s.SelectPotential(caption));
    std::vector<Level> levels;
    while (s.Platform().IsEnabled(res::kPlay) && levels.size() <= CWaveDlg::kMaxLevels) {
        const int before = s.Ticks();
        s.Click(res::kPlay);
        EXPECT_TRUE(s.RunTimer());
        if (s.Dialog().LastTick() != CWaveDlg::Tick::Recorded) break;
        const CWaveDlg& d = s.Dialog();
        const int k = d.Search().Levels().size() - 1;
        levels.push_back({k, d.Search().Levels()[k].parity ? "odd" : "even",
                          d.Search().Levels()[k].energy, s.Ticks() - before, "", ""});
    }
    return levels;
}

struct PotentialCase {
    friend void PrintTo(const PotentialCase& p, std::ostream* os) { *os << p.name; }

    const char* name;
    const char* caption;
    std::size_t levels;
};

class LevelsOf : public testing::TestWithParam<PotentialCase> {};

TEST_P(LevelsOf, AgreeWithTheWindowsSearchBitForBit) {
    const PotentialCase& p = GetParam();
    const CliRun run = RunCli({"levels", "--potential", p.name, "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<Level> printed = ParseCsv(run.out, p.name);
    const std::vector<Level> window = SearchAtTheWindow(p.caption);
    ASSERT_EQ(window.size(), p.levels);
    ASSERT_EQ(printed.size(), window.size());
    for (std::size_t k = 0; k < window.size(); ++k) {
        EXPECT_EQ(printed[k].index, static_cast<int>(k));
        EXPECT_EQ(printed[k].parity, k % 2 ? "odd" : "even");
        EXPECT_EQ(printed[k].parity, window[k].parity);
        EXPECT_EQ(printed[k].energy, window[k].energy) << k;  // 17 digits read back exactly
        EXPECT_EQ(printed[k].ticks, window[k].ticks) << k;
        if (k > 0) {
            EXPECT_GT(printed[k].energy, printed[k - 1].energy);
        }
        if (!printed[k].exact.empty()) {
            EXPECT_EQ(Number(printed[k].difference), printed[k].energy - Number(printed[k].exact));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPotentials, LevelsOf,
                         testing::Values(PotentialCase{"woods-saxon", "Woods-Saxon", 4},
                                         PotentialCase{"oscillator", "Oscilador armonico", 9},
                                         PotentialCase{"well", "Pozo Finito", 6}),
                         [](const testing::TestParamInfo<PotentialCase>& info) {
                             return std::string(info.param.name) == "woods-saxon"
                                        ? std::string("WoodsSaxon")
                                        : std::string(info.param.name);
                         });

TEST(Levels, OscillatorReferenceIsTheClosedForm) {
    const CliRun run = RunCli({"levels", "--potential", "Oscilador armonico", "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Level> levels = ParseCsv(run.out, "oscillator");
    ASSERT_EQ(levels.size(), 9u);
    for (std::size_t k = 0; k < levels.size(); ++k) {
        EXPECT_EQ(Number(levels[k].exact), -8.0 + std::sqrt(2.0) * (k + 0.5)) << k;
        // The grid's step leaves the even levels a little low, the odd ones
        // much closer.
        EXPECT_LT(std::fabs(Number(levels[k].difference)), k % 2 ? 1e-3 : 0.03) << k;
    }
}

TEST(Levels, WellReferenceSolvesTheMatchingEquations) {
    const CliRun run = RunCli({"levels", "--potential", "well", "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Level> levels = ParseCsv(run.out, "well");
    ASSERT_EQ(levels.size(), 6u);  // z0 = 8 lies between 5 pi/2 and 3 pi
    const double a = 2.0;
    for (std::size_t n = 0; n < levels.size(); ++n) {
        const double e = Number(levels[n].exact);
        const double k = std::sqrt(2.0 * (e + 8.0));
        const double kappa = std::sqrt(-2.0 * e);
        // Inside cos kx or sin kx, outside e^(-kappa |x|): the log-derivatives meet.
        const double mismatch =
            n % 2 == 0 ? k * std::tan(k * a) - kappa : -k / std::tan(k * a) - kappa;
        EXPECT_NEAR(mismatch, 0.0, 1e-10) << n;
        EXPECT_GT(k * a, n * std::numbers::pi / 2.0) << n;
        EXPECT_LT(k * a, (n + 1) * std::numbers::pi / 2.0) << n;
        EXPECT_LT(std::fabs(Number(levels[n].difference)), 0.02) << n;
    }
    // Below the infinite well of the same width.
    EXPECT_LT(Number(levels[0].exact), -8.0 + std::numbers::pi * std::numbers::pi / 32.0);
}

TEST(Levels, AllThreeInEveryFormatSayTheSame) {
    const CliRun csv = RunCli({"levels", "--format", "csv"});
    const CliRun json = RunCli({"levels", "--format", "json"});
    const CliRun table = RunCli({"levels"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_EQ(table.status, 0) << table.err;

    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out));
    const QJsonArray potentials = doc.object().value("potentials").toArray();
    ASSERT_EQ(potentials.size(), 3);
    const char* names[] = {"woods-saxon", "oscillator", "well"};
    const char* captions[] = {"Woods-Saxon", "Oscilador armonico", "Pozo Finito"};
    for (int p = 0; p < 3; ++p) {
        const QJsonObject potential = potentials[p].toObject();
        EXPECT_EQ(potential.value("name").toString().toStdString(), names[p]);
        const std::vector<Level> levels = ParseCsv(csv.out, names[p]);
        const QJsonArray jsonLevels = potential.value("levels").toArray();
        ASSERT_EQ(static_cast<std::size_t>(jsonLevels.size()), levels.size()) << names[p];
        for (std::size_t k = 0; k < levels.size(); ++k) {
            const QJsonObject level = jsonLevels[static_cast<int>(k)].toObject();
            EXPECT_EQ(level.value("energy").toDouble(), levels[k].energy);
            EXPECT_EQ(level.value("ticks").toInt(), levels[k].ticks);
            EXPECT_EQ(level.value("parity").toString().toStdString(), levels[k].parity);
            if (levels[k].exact.empty()) {
                EXPECT_TRUE(level.value("exact").isNull());
            } else {
                EXPECT_EQ(level.value("exact").toDouble(), Number(levels[k].exact));
            }
        }
        // The table shows each potential under its caption with the same
        // 17-digit energies, one row per level.
        const std::size_t heading = table.out.find(std::string(captions[p]) + " (" + names[p]);
        ASSERT_NE(heading, std::string::npos) << names[p];
        for (const Level& level : levels) {
            char energy[40];
            const auto end = std::to_chars(energy, energy + sizeof energy, level.energy,
                                           std::chars_format::general, 17)
                                 .ptr;
            EXPECT_NE(table.out.find(" " + std::string(energy, end) + " ", heading),
                      std::string::npos);
        }
    }
    EXPECT_EQ(ParseCsv(csv.out, "woods-saxon").at(0).exact, "");
    EXPECT_LT(table.out.find("Woods-Saxon"), table.out.find("Oscilador armonico"));
    EXPECT_LT(table.out.find("Oscilador armonico"), table.out.find("Pozo Finito"));
}

}  // namespace
