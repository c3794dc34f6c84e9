// velquor-cli's answers to bad usage and input: status 2, one line on the
// error stream naming the bad value and what would be accepted, nothing on
// standard output and no picture. Also its help, and a refused output stream.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cli_runner.h"

namespace {

struct BadInput {
    friend void PrintTo(const BadInput& input, std::ostream* os) { *os << input.label; }

    const char* label;
    QStringList args;  // "DIR" stands for an empty folder of the test's own
    std::vector<std::string> said;
};

std::vector<BadInput> BadInputs() {
    const QStringList render{"render", "--view", "zoom"};
    const QString out = "DIR/p.png";
    return {
        {"NoCommand",
         {},
         {"no command",
          "levels, predict, render, evolve, packet, potentials, transmission or resonances"}},
        {"UnknownCommand",
         {"draw"},
         {"'draw'",
          "levels, predict, render, evolve, packet, potentials, transmission or resonances"}},
        {"OptionBeforeCommand", {"--potential", "well"}, {"'--potential'", "--help and --version"}},
        {"UnknownOption",
         {"levels", "--colour", "red"},
         {"'--colour'", "--potential, --set, --formula, --scenario, --format"}},
        {"StrayArgument", {"levels", "well"}, {"'well'", "--potential"}},
        {"UnknownFormat", {"levels", "--format", "xml"}, {"'xml'", "table, csv or json"}},
        {"UnknownPotential",
         {"levels", "--potential", "coulomb"},
         {"'coulomb'", "woods-saxon, oscillator, well, poschl-teller, v-shaped or wells",
          "\"Pozo Finito\""}},
        {"MissingValue", {"predict", "--energy"}, {"'--energy'"}},
        {"NoEnergy", {"predict", "--parity", "odd"}, {"--energy is required"}},
        {"WordForEnergy", {"predict", "--energy", "low"}, {"'low'", "finite decimal number"}},
        {"NanEnergy", {"predict", "--energy", "nan"}, {"'nan'", "finite decimal number"}},
        {"InfiniteEnergy", {"predict", "--energy", "-inf"}, {"'-inf'", "finite decimal number"}},
        {"OverflowingEnergy", {"predict", "--energy", "1e309"}, {"'1e309'", "finite decimal"}},
        {"HexEnergy", {"predict", "--energy", "0x10"}, {"'0x10'", "finite decimal number"}},
        {"CommaEnergy", {"predict", "--energy", "2,5"}, {"'2,5'", "finite decimal number"}},
        {"UnknownParity",
         {"predict", "--energy", "1", "--parity", "both"},
         {"'both'", "even or odd"}},
        {"PredictFormat",
         {"predict", "--energy", "1", "--format", "table"},
         {"'table'", "csv or json"}},
        {"NoView",
         {"render", "--output", out},
         {"--view is required", "normal, zoom, evolution or transmission"}},
        {"UnknownView",
         {"render", "--view", "side", "--output", out},
         {"'side'", "normal, zoom, evolution or transmission"}},
        {"NoOutput", render, {"--output is required", ".png"}},
        {"NegativeSteps",
         render + QStringList{"--steps", "-5", "--output", out},
         {"'-5'", "0 to 100000", "minutes"}},
        {"AbsurdSteps",
         render + QStringList{"--steps", "100001", "--output", out},
         {"'100001'", "0 to 100000", "minutes"}},
        {"FractionalSteps",
         render + QStringList{"--steps", "2.5", "--output", out},
         {"'2.5'", "whole number"}},
        {"TooManyLevels",
         render + QStringList{"--levels", "21", "--output", out},
         {"'21'", "0 to 20", "table holds 20", "all"}},
        {"MoreLevelsThanTheWellHas",
         render + QStringList{"--potential", "well", "--levels", "7", "--output", out},
         {"--levels 7", "only 6 levels", "0 to 6"}},
        {"TwoActions",
         render + QStringList{"--energy", "1", "--steps", "2", "--output", out},
         {"--energy, --steps and --levels", "at most one"}},
        {"BadRenderEnergy",
         render + QStringList{"--energy", "e5", "--output", out},
         {"'e5'", "finite decimal number"}},
        {"NotPng", render + QStringList{"--output", "DIR/p.jpg"}, {"'DIR/p.jpg'", ".png"}},
        {"MissingFolder",
         render + QStringList{"--output", "DIR/none/p.png"},
         {"'DIR/none'", "does not exist", "existing folder"}},
        {"FileForFolder",
         render + QStringList{"--output", "DIR/file.txt/p.png"},
         {"'DIR/file.txt'", "not a folder"}},
        {"FolderForFile", render + QStringList{"--output", "DIR/sub.png"}, {"is a folder"}},
        // Not even root may add a file here.
        {"UnwritableFolder",
         render + QStringList{"--output", "/proc/p.png"},
         {"'/proc'", "cannot be written"}},
    };
}

class Refuses : public testing::TestWithParam<BadInput> {};

TEST_P(Refuses, WithOneLineStatusTwoAndNoOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.png"));
    QFile file(dir.filePath("file.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList args = GetParam().args;
    args.replaceInStrings("DIR", dir.path());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.err;
    EXPECT_EQ(lines[0].rfind("velquor-cli", 0), 0u) << lines[0];
    for (std::string said : GetParam().said) {
        const std::size_t at = said.find("DIR");
        if (at != std::string::npos) said.replace(at, 3, dir.path().toStdString());
        EXPECT_NE(lines[0].find(said), std::string::npos)
            << "wanted " << said << " in " << lines[0];
    }
    // Nothing new in the folder: its two fixtures only.
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        2);
}

INSTANTIATE_TEST_SUITE_P(BadInputs, Refuses, testing::ValuesIn(BadInputs()),
                         [](const testing::TestParamInfo<BadInput>& info) {
                             return std::string(info.param.label);
                         });

TEST(Usage, HelpForTheProgramAndEachCommand) {
    const CliRun top = RunCli({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_EQ(top.out.rfind("Usage: velquor-cli COMMAND", 0), 0u);
    for (const char* command : {"levels", "predict", "render"}) {
        EXPECT_NE(top.out.find(std::string("  ") + command), std::string::npos) << command;
        const CliRun help = RunCli({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.err, "");
        EXPECT_EQ(help.out.rfind(std::string("Usage: velquor-cli ") + command, 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--potential <NAME>"), std::string::npos) << command;
    }
    EXPECT_EQ(RunCli({"--version"}).out, "velquor-cli 1.0.0.1\n");
}

TEST(Usage, AnOutputThatTakesNothingIsAFailureToWrite) {
    const CliRun run = RunCli({"levels", "--potential", "well"}, {}, "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write to standard output"), std::string::npos) << run.err;
}

}  // namespace
