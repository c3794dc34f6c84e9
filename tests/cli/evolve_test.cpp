// velquor-cli evolve, and the inputs that evolve and render --view evolution
// refuse: exit 2, one line, nothing written.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "cli_runner.h"

namespace {

TEST(Evolve, OscillatorPairAgainstItsClosedForm) {
    const CliRun run =
        RunCli({"evolve", "--states", "0,1", "--to", "5", "--step", "0.25", "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), 1u + 21u + 1u);  // header, t = 0 ... 5, the final newline
    EXPECT_EQ(lines[0], "t,norm,mean_x,mean_x2,mean_energy");
    for (std::size_t i = 1; i <= 21; ++i) {
        const std::vector<std::string> cells = Split(lines[i], ',');
        ASSERT_EQ(cells.size(), 5u);
        const double t = std::stod(cells[0]);
        EXPECT_EQ(t, 0.25 * static_cast<double>(i - 1));
        EXPECT_NEAR(std::stod(cells[1]), 1.0, 1e-12);
        EXPECT_NEAR(std::stod(cells[2]), std::pow(2.0, -0.75) * std::cos(std::numbers::sqrt2 * t),
                    1e-10);
        EXPECT_NEAR(std::stod(cells[4]), -8.0 + std::numbers::sqrt2, 1e-12);
        EXPECT_EQ(cells[4], Split(lines[1], ',')[4]);  // <E> does not move
    }
}

TEST(Evolve, JsonNamesTheStatesAndTheirNormalisedWeights) {
    const CliRun run = RunCli({"evolve", "--potential", "well", "--states", "0 2", "--weights",
                               "3,4", "--phases", "0,1.5", "--to", "1", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(root["states"].toArray(), (QJsonArray{0, 2}));
    EXPECT_NEAR(root["weights"][0].toDouble(), 0.6, 1e-15);
    EXPECT_NEAR(root["weights"][1].toDouble(), 0.8, 1e-15);
    const QJsonArray samples = root["samples"].toArray();
    ASSERT_EQ(samples.size(), 11);
    for (const QJsonValue& s : samples) {
        EXPECT_NEAR(s["norm"].toDouble(), 1.0, 1e-12);
        for (const char* key : {"t", "mean_x", "mean_x2", "mean_energy"})
            EXPECT_TRUE(s[key].isDouble()) << key;
    }
}

TEST(Evolve, BadInputEndsWithOneLineAndWritesNothing) {
    const QStringList bad[] = {
        {"evolve", "--states", "0,9"},
        {"evolve", "--states", "0,1", "--weights", "0,0"},
        {"evolve", "--states", "0,1", "--weights", "1"},
        {"evolve", "--states", "0,1", "--phases", "1,2,3"},
        {"evolve", "--states", "0,0"},
        {"evolve", "--weights", "1"},
        {"evolve", "--states", "0,1", "--to", "-1"},
        {"evolve", "--states", "0,1", "--step", "0"},
        {"evolve", "--states", "0,1", "--to", "inf"},
        {"render", "--view", "evolution", "--states", "x"},
        {"render", "--view", "evolution", "--states", "0,1", "--time", "-0.5"},
        {"render", "--view", "evolution", "--states", "0,1", "--time", "nan"},
        {"render", "--view", "evolution", "--states", "1,2", "--weights", "0,0"},
        {"render", "--view", "zoom", "--states", "0,1"},
    };
    for (const QStringList& args : bad) {
        QTemporaryDir dir;
        const QString path = dir.filePath("picture.png");
        const bool render = args.first() == "render";
        const CliRun run = RunCli(render ? args + QStringList{"--output", path} : args);
        const std::string what = args.join(' ').toStdString();
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, "") << what;
        EXPECT_EQ(Split(run.err, '\n').size(), 2u) << what << ": " << run.err;
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << what;
    }
}

}  // namespace
