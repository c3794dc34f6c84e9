// velquor-cli on a V that is not even: levels shot from both ends with their
// nodes and no parity, beside the accurate ones, and "Predictor"'s matching
// point and mismatch, all as the window's search has them.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli_runner.h"
#include "headless_host.h"
#include "resources.h"

namespace {

const QString kMorse = QStringLiteral("8*(1 - exp(-(x - 0.5)))^2 - 8");

double MorseLevel(int n) {
    const double k = n + 0.5;
    return -8.0 + 4.0 * k - 0.5 * k * k;
}

QJsonObject Json(const QStringList& args) {
    const CliRun run = RunCli(args + QStringList{"--format", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

}  // namespace

// The search's four levels, bit for bit the window's, with their nodes; side
// by side with the accurate levels, each beside the one of its nodes.
TEST(TwoSidedCli, MorseLevelsShootingAndBoth) {
    HeadlessSession s(true);
    s.SelectPotential("Formula");
    ASSERT_EQ(s.ChangeSettings({kMorse.toStdString()}), std::nullopt);
    while (s.Platform().IsEnabled(res::kPlay)) {
        s.Click(res::kPlay);
        ASSERT_TRUE(s.RunTimer());
    }
    const auto window = s.Dialog().Search().Levels();
    ASSERT_EQ(window.size(), 4u);

    const QJsonArray shooting = Json({"levels", "--formula", kMorse})["potentials"]
                                    .toArray()[0]
                                    .toObject()["levels"]
                                    .toArray();
    ASSERT_EQ(shooting.size(), 4);
    for (int n = 0; n < 4; ++n) {
        const QJsonObject l = shooting[n].toObject();
        EXPECT_TRUE(l["parity"].isNull());
        EXPECT_EQ(l["nodes"].toInt(), n);
        EXPECT_EQ(l["energy"].toDouble(), window[static_cast<std::size_t>(n)].energy);
        EXPECT_NEAR(l["energy"].toDouble(), MorseLevel(n), 2e-4);
    }
    const QJsonArray both = Json({"levels", "--formula", kMorse, "--method", "both"})["potentials"]
                                .toArray()[0]
                                .toObject()["levels"]
                                .toArray();
    ASSERT_EQ(both.size(), 4);
    for (int n = 0; n < 4; ++n) {
        const QJsonObject l = both[n].toObject();
        EXPECT_TRUE(l["parity"].isNull());
        EXPECT_EQ(l["shooting"].toObject()["nodes"].toInt(), n);
        EXPECT_EQ(l["shooting"]["energy"].toDouble(), shooting[n].toObject()["energy"].toDouble());
        EXPECT_NEAR(l["accurate"]["energy"].toDouble(), MorseLevel(n), 1e-9);
    }
}

// Below the ground state and above it: the matching point at V's minimum,
// mismatches of opposite signs, the count below, the nodes; the samples are
// the window's.
TEST(TwoSidedCli, PredictReportsTheMatching) {
    const QJsonObject below = Json({"predict", "--formula", kMorse, "--energy", "-6.5"});
    const QJsonObject above = Json({"predict", "--formula", kMorse, "--energy", "-5.9"});
    for (const QJsonObject& o : {below, above}) {
        EXPECT_TRUE(o["parity"].isNull());
        EXPECT_EQ(o["matching_point"].toDouble(), 0.5);
        EXPECT_EQ(o["nodes"].toInt(), 0);
    }
    EXPECT_EQ(below["levels_below"].toInt(), 0);
    EXPECT_EQ(above["levels_below"].toInt(), 1);
    EXPECT_LT(below["mismatch"].toDouble() * above["mismatch"].toDouble(), 0.0);

    HeadlessSession s(true);
    s.SelectPotential("Formula");
    ASSERT_EQ(s.ChangeSettings({kMorse.toStdString()}), std::nullopt);
    s.TypeEnergy("-6.5");
    s.Click(res::kPredictor);
    EXPECT_EQ(below["mismatch"].toDouble(), s.Dialog().Search().PredictionShot().mismatch);
    const QJsonArray re = below["re"].toArray();
    ASSERT_EQ(re.size(), 4001);
    for (int i = 0; i < re.size(); i += 50)
        EXPECT_NEAR(re[i].toDouble(),
                    s.Dialog().Search().Lower().GetSample(static_cast<std::uint16_t>(i)).x, 1e-12)
            << i;
}
