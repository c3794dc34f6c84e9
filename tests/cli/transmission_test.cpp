// velquor-cli transmission and resonances: the square well's T(E) against
// its closed form in every format, the double barrier's poles as the
// scattering code gives them, and bad input ending with one line and no output.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli_runner.h"
#include "formula_potential.h"
#include "scattering.h"

namespace {

QJsonObject Json(const QStringList& args) {
    const CliRun run = RunCli(args + QStringList{"--format", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out))
        .object()["potentials"]
        .toArray()[0]
        .toObject();
}

// V = depth on |x| < a: T = 1 / (1 + depth^2 sin^2(2 a k') / (4 E (E - depth))).
long double WellTransmission(long double depth, long double a, long double e) {
    const long double s = std::sin(2.0L * a * std::sqrt(2.0L * (e - depth)));
    return 1.0L / (1.0L + depth * depth * s * s / (4.0L * e * (e - depth)));
}

TEST(TransmissionCli, SquareWellMatchesItsClosedFormInEveryFormat) {
    const QStringList well{"transmission", "--potential", "well", "--set",    "depth=-8", "--from",
                           "0.25",         "--to",        "20",   "--points", "80"};
    const QJsonObject p = Json(well);
    EXPECT_EQ(p["name"].toString(), "well");
    EXPECT_EQ(p["left"].toDouble(), 0.0);
    EXPECT_EQ(p["right"].toDouble(), 0.0);
    const QJsonArray points = p["points"].toArray();
    ASSERT_EQ(points.size(), 80);
    const CliRun csv = RunCli(well + QStringList{"--format", "csv"});
    const std::vector<std::string> rows = Lines(csv.out);
    ASSERT_EQ(rows.size(), 81u);
    EXPECT_EQ(rows[0], "potential,energy,transmission,reflection,error_estimate,converged");
    for (int i = 0; i < points.size(); ++i) {
        const QJsonObject q = points[i].toObject();
        const double e = q["energy"].toDouble();
        const double t = q["transmission"].toDouble();
        const double r = q["reflection"].toDouble();
        const double estimate = q["error_estimate"].toDouble();
        const long double exact = WellTransmission(-8.0L, 2.0L, e);
        EXPECT_LE(std::fabs(t - exact), estimate) << e;
        EXPECT_LE(std::fabs(r - (1.0L - exact)), estimate) << e;
        EXPECT_LE(estimate, 1e-10) << e;
        EXPECT_NEAR(t + r, 1.0, 1e-12);
        const std::vector<std::string> cells = Split(rows[i + 1], ',');
        ASSERT_EQ(cells.size(), 6u);
        EXPECT_EQ(Number(cells[1]), e);
        EXPECT_EQ(Number(cells[2]), t);
        EXPECT_EQ(Number(cells[3]), r);
        EXPECT_EQ(cells[5], "true");
    }
    const QJsonArray one =
        Json({"transmission", "--potential", "well", "--energy", "0.25"})["points"].toArray();
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].toObject()["transmission"].toDouble(),
              points[0].toObject()["transmission"].toDouble());
}

TEST(TransmissionCli, ResonancesAreTheScatteringCodesPoles) {
    const char* text = "6*(abs(x)>1)*(abs(x)<1.5)";
    const QJsonArray found =
        Json({"resonances", "--formula", text, "--from", "0", "--to", "6"})["resonances"].toArray();
    FormulaPotential f;
    ASSERT_FALSE(f.SetText(text));
    const scattering::Transmission t([&f](double x) { return f.Value(x); }, f.Jumps());
    const std::vector<scattering::Resonance> expected = t.Resonances(0.0, 6.0);
    ASSERT_EQ(found.size(), 2);
    ASSERT_EQ(expected.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const QJsonObject r = found[i].toObject();
        EXPECT_EQ(r["energy"].toDouble(), expected[i].energy);
        EXPECT_EQ(r["width"].toDouble(), expected[i].width);
        EXPECT_EQ(r["error_estimate"].toDouble(), expected[i].errorEstimate);
    }
    EXPECT_TRUE(Json({"resonances", "--potential", "poschl-teller", "--set", "depth=-3", "--from",
                      "0", "--to", "10"})["resonances"]
                    .toArray()
                    .isEmpty());
}

TEST(TransmissionCli, BadInputEndsWithOneLineAndWritesNothing) {
    const std::vector<QStringList> cases{
        {"transmission", "--potential", "well", "--energy", "-9"},
        {"transmission", "--potential", "well", "--energy", "0"},
        {"transmission", "--potential", "oscillator", "--energy", "1"},
        {"transmission", "--formula", "x", "--energy", "1"},
        {"transmission", "--potential", "well", "--from", "2", "--to", "1"},
        {"transmission", "--potential", "well", "--from", "1", "--to", "1e999"},
        {"transmission", "--potential", "well", "--from", "nan", "--to", "1"},
        {"transmission", "--potential", "well", "--from", "1", "--to", "2", "--points", "0"},
        {"transmission", "--potential", "well", "--from", "1", "--to", "2", "--points", "100001"},
        {"transmission", "--potential", "well", "--energy", "1", "--points", "3"},
        {"transmission", "--potential", "well"},
        {"resonances", "--potential", "well", "--from", "1"},
        {"resonances", "--potential", "v-shaped", "--from", "1", "--to", "2"},
        {"resonances", "--potential", "well", "--from", "-20", "--to", "-10"},
    };
    for (const QStringList& c : cases) {
        const CliRun run = RunCli(c);
        EXPECT_EQ(run.status, 2) << c.join(' ').toStdString();
        EXPECT_TRUE(run.out.empty()) << c.join(' ').toStdString();
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
}

}  // namespace
