// velquor-cli render: the picture is the dialog's frame, turned the right way
// up and into red-green-blue, and it is written whole or not at all.
#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "headless_host.h"
#include "resources.h"

namespace {

struct Scene {
    friend void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.label; }

    const char* label;
    QStringList options;                        // after --view, before --output
    int tab;                                    // 0 normal, 1 zoom, 3 evolution
    std::function<void(HeadlessSession&)> act;  // the same at the window
};

void PlayLevels(HeadlessSession& s, std::size_t wanted) {
    while (s.Dialog().Search().Levels().size() < wanted && s.Platform().IsEnabled(res::kPlay)) {
        s.Click(res::kPlay);
        s.RunTimer();
    }
}

std::vector<Scene> Scenes() {
    return {
        {"NormalAfterPredictor",
         {"--view", "normal", "--energy", "2.5"},
         0,
         [](HeadlessSession& s) {
             s.TypeEnergy("2.5");
             s.Click(res::kPredictor);
         }},
        {"NormalWhileSearching",
         {"--view", "normal", "--potential", "well", "--steps", "25"},
         0,
         [](HeadlessSession& s) {
             s.SelectPotential("Pozo Finito");
             for (int i = 0; i < 25; ++i)
                 s.Click(res::kSearch);
         }},
        {"NormalAfterTheLastLevel",
         {"--view", "normal", "--levels", "all"},
         0,
         [](HeadlessSession& s) { PlayLevels(s, 99); }},
        {"ZoomWithThreeLevels",
         {"--view", "zoom", "--potential", "Woods-Saxon", "--levels", "3"},
         1,
         [](HeadlessSession& s) {
             s.SelectPotential("Woods-Saxon");
             PlayLevels(s, 3);
         }},
        {"ZoomWithAllLevels",
         {"--view", "zoom", "--levels", "all"},
         1,
         [](HeadlessSession& s) { PlayLevels(s, 99); }},
        {"MorsePredictionShotFromBothEnds",
         {"--view", "normal", "--formula", "8*(1 - exp(-(x - 0.5)))^2 - 8", "--energy", "-6.5"},
         0,
         [](HeadlessSession& s) {
             s.SelectPotential("Formula");
             s.ChangeSettings({"8*(1 - exp(-(x - 0.5)))^2 - 8"});
             s.TypeEnergy("-6.5");
             s.Click(res::kPredictor);
         }},
        {"MorseWhileSearching",
         {"--view", "normal", "--formula", "8*(1 - exp(-(x - 0.5)))^2 - 8", "--steps", "40"},
         0,
         [](HeadlessSession& s) {
             s.SelectPotential("Formula");
             s.ChangeSettings({"8*(1 - exp(-(x - 0.5)))^2 - 8"});
             for (int i = 0; i < 40; ++i)
                 s.Click(res::kSearch);
         }},
        {"EvolutionOfTheLowestTwo",
         {"--view", "evolution", "--states", "0,1", "--time", "1.1"},
         res::kEvolutionTab,
         [](HeadlessSession& s) {
             s.SelectTab(res::kEvolutionTab);
             s.Click(res::kEvolutionPlay);  // pause
             s.Platform().SetControlText(res::kEvolutionTime, "1.1");
             s.Click(res::kEvolutionApply);
         }},
        {"TransmissionOfADoubleBarrier",
         {"--view", "transmission", "--formula", "6*(abs(x)>1)*(abs(x)<1.5)", "--energy", "2"},
         res::kTransmissionTab,
         [](HeadlessSession& s) {
             s.SelectPotential("Formula");
             s.ChangeSettings({"6*(abs(x)>1)*(abs(x)<1.5)"});
             s.SelectTab(res::kTransmissionTab);
             s.Type(res::kTransmissionEnergy, "2");
             s.Click(res::kTransmissionApply);
         }},
    };
}

class RenderScene : public testing::TestWithParam<Scene> {};

TEST_P(RenderScene, PngIsTheWindowsFrame) {
    const Scene& scene = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("picture.png");
    const CliRun render =
        RunCli(QStringList{"render"} + scene.options + QStringList{"--output", path});
    ASSERT_EQ(render.status, 0) << render.err;
    EXPECT_EQ(render.out, "");
    EXPECT_EQ(render.err, "");

    HeadlessSession s;
    scene.act(s);
    s.SelectTab(scene.tab);
    const std::vector<std::uint8_t>& frame = s.Paint();
    const int w = s.Platform().frameWidth, h = s.Platform().frameHeight;

    const QImage png(path, "PNG");
    ASSERT_FALSE(png.isNull());
    ASSERT_EQ(png.width(), w);
    ASSERT_EQ(png.height(), h);
    EXPECT_EQ(w, 624);
    EXPECT_EQ(h, 584);
    int mismatches = 0, red = 0, solution = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Picture row y is frame row h - 1 - y; frame bytes are blue, green, red.
            const std::size_t i = (static_cast<std::size_t>(h - 1 - y) * w + x) * 3;
            const QRgb expected = qRgb(frame[i + 2], frame[i + 1], frame[i]);
            const QRgb got = png.pixel(x, y);
            mismatches += got != expected;
            red += got == qRgb(255, 0, 0);
            // A wave function's real part: blue, or azure and violet for the
            // search's two brackets.
            solution +=
                got == qRgb(0, 0, 255) || got == qRgb(0, 128, 255) || got == qRgb(128, 0, 255);
        }
    }
    EXPECT_EQ(mismatches, 0);
    // Not two blank frames that agree: every scene here shows a solution.
    EXPECT_GT(solution, 100);
    if (scene.tab == 1 || scene.options.contains("2.5")) {
        EXPECT_GT(red, 100);
    }
    // Only the picture is left in the folder: no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Scenes, RenderScene, testing::ValuesIn(Scenes()),
                         [](const testing::TestParamInfo<Scene>& info) {
                             return std::string(info.param.label);
                         });

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Render, ReplacesAnOldPictureWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("view.PNG");
    ASSERT_EQ(RunCli({"render", "--view", "zoom", "--output", path}).status, 0);
    const QByteArray empty = ReadAll(path);
    const CliRun run = RunCli({"render", "--view", "zoom", "--levels", "2", "--output", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const QByteArray twoLevels = ReadAll(path);
    EXPECT_NE(twoLevels, empty);
    EXPECT_FALSE(QImage::fromData(twoLevels, "PNG").isNull());
    // The same scene gives the same bytes.
    ASSERT_EQ(RunCli({"render", "--view", "zoom", "--levels", "2", "--output", path}).status, 0);
    EXPECT_EQ(ReadAll(path), twoLevels);
}

TEST(Render, FailedWriteLeavesTheOldPictureAndNoDebris) {
    QTemporaryDir dir;
    const QString path = dir.filePath("view.png");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();
    // A file size limit of 4 KiB stops the write part way; the signal it
    // raises is ignored, so the write fails as a full disk would make it.
    const CliRun run = RunCli({"render", "--view", "zoom", "--levels", "all", "--output", path},
                              "trap '' XFSZ; ulimit -f 4");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write '" + path.toStdString() + "'"), std::string::npos)
        << run.err;
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_EQ(ReadAll(path), QByteArray("old picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
