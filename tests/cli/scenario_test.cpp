// --scenario on every command: the scenario's potential as if given by
// options, and a bad file refused with one line before any work.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli_runner.h"

namespace {

QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
}

TEST(Scenario, EveryCommandTakesTheScenariosPotential) {
    QTemporaryDir dir;
    const QString well = Write(dir, "well.json",
                               R"({"potential": "well", "settings": {"depth": -12},
                                   "energy": -5.5, "predictor": true, "tab": "evolution",
                                   "evolution": {"states": "0, 1", "playing": false}})");
    const struct {
        QStringList scenario, options;
    } same[] = {
        {{"levels"}, {"levels", "--potential", "well", "--set", "depth=-12"}},
        {{"predict"}, {"predict", "--potential", "well", "--set", "depth=-12", "--energy", "-5.5"}},
        {{"evolve", "--to", "1"},
         {"evolve", "--potential", "well", "--set", "depth=-12", "--states", "0,1", "--to", "1"}},
        {{"potentials"}, {"potentials"}},
    };
    for (const auto& s : same) {
        const CliRun byScenario = RunCli(s.scenario + QStringList{"--scenario", well});
        const CliRun byOptions = RunCli(s.options);
        ASSERT_EQ(byScenario.status, 0) << byScenario.err;
        if (s.scenario.front() == "potentials") {
            EXPECT_EQ(byScenario.out.rfind("well (\"Pozo Finito\")", 0), 0u) << byScenario.out;
            EXPECT_NE(byOptions.out.find(byScenario.out), std::string::npos);
        } else {
            EXPECT_EQ(byScenario.out, byOptions.out) << s.scenario.front().toStdString();
        }
    }
}

TEST(Scenario, BadFilesAreRefusedWithOneLine) {
    QTemporaryDir dir;
    const QString bad =
        Write(dir, "bad.json", R"({"potential": "well", "settings": {"depth": 5}})");
    const QString huge = Write(dir, "huge.json", QByteArray(200000, ' '));
    const QString level =
        Write(dir, "level.json", R"({"tab": "evolution", "evolution": {"states": "0, 99"}})");
    const struct {
        QStringList args;
        std::string says;
    } runs[] = {
        {{"levels", "--scenario", bad},
         "velquor-cli levels: --scenario '" + bad.toStdString() +
             "': 'depth' must be a number from -100 to 0\n"},
        {{"render", "--scenario", huge, "--output", dir.filePath("x.png")},
         "velquor-cli render: --scenario '" + huge.toStdString() +
             "': the scenario is larger than 64 KiB\n"},
        {{"render", "--scenario", level, "--output", dir.filePath("x.png")},
         "velquor-cli render: --scenario: level 99 does not exist; give levels 0 to 8\n"},
        {{"predict", "--scenario", dir.filePath("none.json")},
         "velquor-cli predict: --scenario '" + dir.filePath("none.json").toStdString() +
             "': cannot read '" + dir.filePath("none.json").toStdString() + "'\n"},
        {{"levels", "--scenario", bad, "--potential", "well"},
         "velquor-cli levels: --scenario and --potential, --set or --formula exclude one "
         "another\n"},
    };
    for (const auto& r : runs) {
        const CliRun run = RunCli(r.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, r.says);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

}  // namespace
