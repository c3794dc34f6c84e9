// velquor-cli levels --method accurate|both: every level to 1e-12 of its
// closed form with an estimate no smaller than its error, beside the
// search's own levels, and the options' bad uses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli_runner.h"

namespace {

QJsonArray Levels(const QStringList& args) {
    const CliRun run = RunCli(QStringList{"levels", "--format", "json"} + args);
    EXPECT_EQ(run.status, 0) << run.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    return root["potentials"].toArray()[0].toObject()["levels"].toArray();
}

// Each family with a closed form, at its defaults and at other settings.
TEST(AccurateLevelsCli, EveryLevelWithinTheGuaranteeOfItsClosedForm) {
    const std::vector<QStringList> cases = {
        {"--potential", "oscillator"},
        {"--potential", "oscillator", "--set", "coefficient=0.5,offset=-3"},
        {"--potential", "well"},
        {"--potential", "well", "--set", "depth=-10,half-width=1"},
        {"--potential", "poschl-teller"},
        {"--potential", "poschl-teller", "--set", "depth=-30,width=2"},
        {"--potential", "v-shaped"},
        {"--potential", "v-shaped", "--set", "slope=1,offset=0", "--below", "6"},
    };
    for (const QStringList& c : cases) {
        SCOPED_TRACE(c.join(' ').toStdString());
        const QJsonArray levels = Levels(QStringList{"--method", "accurate"} + c);
        ASSERT_GE(levels.size(), 3);
        for (int n = 0; n < levels.size(); ++n) {
            const QJsonObject l = levels[n].toObject();
            EXPECT_EQ(l["index"].toInt(), n);
            EXPECT_EQ(l["nodes"].toInt(), n);
            EXPECT_EQ(l["parity"].toString(), n % 2 == 0 ? "even" : "odd");
            const double e = l["energy"].toDouble();
            ASSERT_TRUE(l["exact"].isDouble());
            const double error = std::fabs(e - l["exact"].toDouble());
            EXPECT_LE(error, 1e-12 * std::fmax(1.0, std::fabs(e)));
            EXPECT_GE(l["error_estimate"].toDouble(), error);
            EXPECT_DOUBLE_EQ(l["difference"].toDouble(), e - l["exact"].toDouble());
        }
    }
}

// Both: the search's levels bit for bit as --method shooting gives them,
// each beside the accurate level of its parity.
TEST(AccurateLevelsCli, BothPutsTheSearchBesideTheAccurateLevels) {
    const QJsonArray shooting = Levels({"--potential", "oscillator"});
    const QJsonArray both = Levels({"--potential", "oscillator", "--method", "both"});
    ASSERT_EQ(both.size(), shooting.size());
    for (int n = 0; n < both.size(); ++n) {
        const QJsonObject l = both[n].toObject();
        const QJsonObject s = shooting[n].toObject();
        EXPECT_EQ(l["parity"].toString(), s["parity"].toString());
        EXPECT_EQ(l["shooting"].toObject()["energy"].toDouble(), s["energy"].toDouble());
        EXPECT_EQ(l["shooting"].toObject()["ticks"].toInt(), s["ticks"].toInt());
        EXPECT_EQ(l["accurate"].toObject()["nodes"].toInt(), n);
        EXPECT_LT(std::fabs(l["accurate"].toObject()["energy"].toDouble() - s["energy"].toDouble()),
                  3e-2);
        EXPECT_TRUE(l["exact"].isDouble());
    }
}

// Where V levels off, each potential says its continuum edge and how many
// bound states lie below it; only those are listed, and the table says so
// when the ceiling lies above the edge.
TEST(AccurateLevelsCli, ContinuumAndBoundCount) {
    const auto potential = [](const QStringList& args) {
        const CliRun run =
            RunCli(QStringList{"levels", "--format", "json", "--method", "accurate"} + args);
        EXPECT_EQ(run.status, 0) << run.err;
        return QJsonDocument::fromJson(QByteArray::fromStdString(run.out))
            .object()["potentials"]
            .toArray()[0]
            .toObject();
    };
    const QStringList morse{"--formula", "8*(1-exp(-(x-0.5)))^2-8"};
    const QJsonObject m = potential(morse);
    EXPECT_EQ(m["continuum"].toDouble(-1.0), 0.0);
    EXPECT_EQ(m["bound_count"].toInt(), 4);
    ASSERT_EQ(m["levels"].toArray().size(), 4);
    EXPECT_NEAR(m["levels"].toArray()[3].toObject()["energy"].toDouble(), -0.125, 1e-12);
    const CliRun table = RunCli(QStringList{"levels", "--method", "accurate"} + morse);
    EXPECT_NE(table.out.find("4 bound states below the continuum at 0\n"), std::string::npos)
        << table.out;
    const QJsonObject slow = potential({"--formula", "-1/sqrt(1+x^2)"});
    EXPECT_TRUE(slow["bound_count"].isNull());
    EXPECT_NE(slow["note"].toString().indexOf("infinitely many"), -1);
    const QJsonObject oscillator = potential({"--potential", "oscillator"});
    EXPECT_TRUE(oscillator["continuum"].isNull());
    EXPECT_TRUE(oscillator["bound_count"].isNull());
}

TEST(AccurateLevelsCli, UnevenFormulaNoLevelAndBadUses) {
    const QJsonArray uneven = Levels({"--formula", "(x-1)^2-8", "--method", "accurate"});
    ASSERT_FALSE(uneven.isEmpty());
    EXPECT_TRUE(uneven[0].toObject()["parity"].isNull());
    const CliRun none =
        RunCli({"levels", "--method", "accurate", "--below", "-9", "--potential", "oscillator"});
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.out.find("no level below the ceiling"), std::string::npos) << none.out;
    for (const QStringList& bad : {QStringList{"--below", "1"}, QStringList{"--method", "exact"}}) {
        const CliRun run = RunCli(QStringList{"levels"} + bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find('\n'), std::string::npos);
    }
}

}  // namespace
