// velquor-cli predict: the solution "Predictor" draws, on the whole grid, and
// its odd partner.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli_runner.h"
#include "headless_host.h"
#include "resources.h"

namespace {

constexpr int kPoints = 4001;

struct Grid {
    std::vector<double> x, re, density;
};

Grid ParseCsv(const std::string& csv) {
    Grid g;
    const std::vector<std::string> lines = Lines(csv);
    EXPECT_EQ(lines.at(0), "x,re,density");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = Split(lines[i], ',');
        if (f.size() != 3) {
            ADD_FAILURE() << lines[i];
            continue;
        }
        g.x.push_back(Number(f[0]));
        g.re.push_back(Number(f[1]));
        g.density.push_back(Number(f[2]));
    }
    return g;
}

Grid Predict(const QStringList& options) {
    const CliRun run = RunCli(QStringList{"predict"} + options);
    EXPECT_EQ(run.status, 0) << run.err;
    return ParseCsv(run.out);
}

TEST(Predict, EvenIsWhatPredictorDrawsAtEveryGridPoint) {
    const Grid g = Predict({"--energy", "-7.29"});
    ASSERT_EQ(g.x.size(), static_cast<std::size_t>(kPoints));

    HeadlessSession s;
    s.TypeEnergy("-7.29");
    s.Click(res::kPredictor);
    const RealPartView re(&s.Dialog().Search().Lower());
    const DensityView density(&s.Dialog().Search().Lower());
    for (int i = 0; i < kPoints; ++i) {
        const double x = -20.0 + i * 0.01;  // from the index, never summed
        ASSERT_EQ(g.x[i], x) << i;
        EXPECT_EQ(g.re[i], re.Value(x)) << i;
        EXPECT_EQ(g.density[i], density.Value(x)) << i;
        EXPECT_EQ(g.density[i], g.re[i] * g.re[i]) << i;  // a real solution
    }
    // Starts at 1 with zero slope, mirrored, and zero outside the grid's interior.
    EXPECT_EQ(g.re[2000], 1.0);
    EXPECT_EQ(g.re[0], 0.0);
    EXPECT_EQ(g.re[4000], 0.0);
    for (int j = 1; j < 2000; ++j)
        EXPECT_NEAR(g.re[2000 - j], g.re[2000 + j], 1e-9 * std::fabs(g.re[2000 + j]) + 1e-12) << j;
}

TEST(Predict, OddIsAntisymmetricAndDecaysOnlyAtALevel) {
    // The search's first odd level of the oscillator, and half a unit above it.
    const CliRun levels = RunCli({"levels", "--potential", "oscillator", "--format", "csv"});
    ASSERT_EQ(levels.status, 0) << levels.err;
    const std::string level = Split(Lines(levels.out).at(2), ',').at(3);

    const Grid at = Predict({"--energy", QString::fromStdString(level), "--parity", "odd"});
    ASSERT_EQ(at.x.size(), static_cast<std::size_t>(kPoints));
    EXPECT_EQ(at.re[2000], 0.0);
    EXPECT_NEAR(at.re[2001], 0.01, 1e-12);  // psi'(0) = 1: one step of 0.01
    for (int j = 1; j < 2000; ++j)
        EXPECT_NEAR(at.re[2000 - j], -at.re[2000 + j], 1e-9 * std::fabs(at.re[2000 + j]) + 1e-12)
            << j;
    // Past the turning point (x = 1.5) the level's solution dies away, while
    // half a unit above it the solution has run off.
    EXPECT_LT(std::fabs(at.re[2400]), 1e-3);  // x = 4

    const Grid rewritten = Predict({"--energy", QString::fromStdString(level + "e0"), "--parity",
                                    "odd", "--potential", "Oscilador armonico"});
    EXPECT_EQ(rewritten.re, at.re);  // the same number, however written
    const Grid off = Predict({"--energy", QString::number(Number(level) + 0.5), "--parity", "odd"});
    EXPECT_GT(std::fabs(off.re[2400]), 100.0);
}

TEST(Predict, JsonCarriesTheSameNumbersAndTheEnergyAsRead) {
    const Grid csv = Predict({"--energy", " +2.5e0 ", "--potential", "well"});
    const CliRun run = RunCli(
        {"predict", "--energy", " +2.5e0 ", "--potential", "Pozo Finito", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(o.value("energy").toDouble(), 2.5);
    EXPECT_EQ(o.value("potential").toString(), "well");
    EXPECT_EQ(o.value("parity").toString(), "even");
    const QJsonArray x = o.value("x").toArray(), re = o.value("re").toArray(),
                     density = o.value("density").toArray();
    ASSERT_EQ(x.size(), kPoints);
    ASSERT_EQ(re.size(), kPoints);
    ASSERT_EQ(density.size(), kPoints);
    for (int i = 0; i < kPoints; ++i) {
        EXPECT_EQ(x[i].toDouble(), csv.x[i]) << i;
        EXPECT_EQ(re[i].toDouble(), csv.re[i]) << i;
        EXPECT_EQ(density[i].toDouble(), csv.density[i]) << i;
    }
    // Above the well's rim the solution oscillates everywhere: cos(sqrt(2 E) x)
    // outside, so it never grows past its amplitude.
    double largest = 0.0;
    for (double v : csv.re)
        largest = std::fmax(largest, std::fabs(v));
    EXPECT_LT(largest, 2.0);
}

}  // namespace
