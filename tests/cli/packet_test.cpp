// velquor-cli packet: its rows are the open line's own numbers, in three
// formats; the books add up; bad input ends with one line and status 2.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_runner.h"
#include "open_line.h"
#include "packet_choice.h"
#include "potentials.h"

namespace {

// The well of the list at its settings, sampled on the packet's grid.
std::vector<double> Well() {
    SquareWell well;
    well.SetHalfWidth(2.0);
    well.SetDepth(-8.0);
    return PotentialOnPacketGrid(well);
}

TEST(Packet, RowsAreTheOpenLinesOwnNumbers) {
    const CliRun run =
        RunCli({"packet", "--potential", "well", "--x0", "-12", "--k0", "4", "--sigma", "1.5",
                "--split", "1", "--to", "6", "--step", "0.5", "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), 1u + 13u + 1u);
    EXPECT_EQ(lines[0], "t,norm,left,right,mean_x,mean_p,width");
    packet::OpenLine line({-12.0, 4.0, 1.5}, Well(), packet::SplitOrder::Second, 1.0);
    for (std::size_t i = 1; i <= 13; ++i) {
        const std::vector<std::string> cells = Split(lines[i], ',');
        ASSERT_EQ(cells.size(), 7u);
        line.MoveTo(0.5 * static_cast<double>(i - 1));
        const packet::PacketSample s = line.Sample();
        const double expected[] = {s.t, s.norm, s.left, s.right, s.meanX, s.meanP, s.width};
        for (std::size_t c = 0; c < 7; ++c)
            EXPECT_EQ(std::stod(cells[c]), expected[c]) << lines[i];
        EXPECT_NEAR(s.norm, 1.0, 1e-10);
        EXPECT_NEAR(s.left + s.right, s.norm, 1e-13);
    }
}

TEST(Packet, TableAndJsonSayTheSame) {
    const QStringList args{"packet", "--to", "1", "--step", "0.5", "--order", "4"};
    const CliRun json = RunCli(args + QStringList{"--format", "json"});
    const CliRun table = RunCli(args);
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_EQ(table.status, 0) << table.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(root.keys(), QStringList{"samples"});
    const QJsonArray samples = root["samples"].toArray();
    ASSERT_EQ(samples.size(), 3);
    const std::vector<std::string> lines = Split(table.out, '\n');
    ASSERT_EQ(lines.size(), 5u);
    const char* keys[] = {"t", "norm", "left", "right", "mean_x", "mean_p", "width"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(samples[i].toObject().keys().size(), 7);
        std::vector<std::string> cells;
        for (const std::string& cell : Split(lines[i + 1], ' '))
            if (!cell.empty()) cells.push_back(cell);
        ASSERT_EQ(cells.size(), 7u);
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(samples[i][keys[c]].toDouble(), std::stod(cells[c])) << keys[c];
    }
}

TEST(Packet, BadInputEndsWithOneLineAndWritesNothing) {
    const QStringList bad[] = {
        {"packet", "--sigma", "0"},
        {"packet", "--sigma", "-1"},
        {"packet", "--x0", "-30"},
        {"packet", "--sigma", "5"},
        {"packet", "--k0", "11"},
        {"packet", "--k0", "nan"},
        {"packet", "--x0", "1e999"},
        {"packet", "--split", "35"},
        {"packet", "--to", "-1"},
        {"packet", "--to", "inf"},
        {"packet", "--step", "0"},
        {"packet", "--order", "3"},
        {"packet", "--formula", "1/(x-30)"},
        {"render", "--view", "normal", "--time", "1", "--output", "/tmp/x.png"},
    };
    for (const QStringList& args : bad) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.empty()) << args.join(' ').toStdString();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.starts_with("velquor-cli ")) << run.err;
    }
    EXPECT_EQ(RunCli({"packet", "--formula", "1/(x-30)"}).err,
              "velquor-cli packet: V is not finite at x = 30 on the packet's grid\n");
    EXPECT_EQ(RunCli({"packet", "--sigma", "0"}).err,
              "velquor-cli packet: --sigma: sigma must be a finite number greater than 0\n");
}

}  // namespace
