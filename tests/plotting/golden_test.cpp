// Whole pictures of the two views, compared byte for byte with the golden
// images in tests/data/golden. Regenerate them only on purpose, with
// scripts/regen-golden (which sets VELQUOR_REGEN_GOLDEN), and look at them
// before committing.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "views.h"

namespace {

using testviews::ProgramViews;
using testviews::Scene;

class GoldenPicture : public testing::TestWithParam<Scene> {};

TEST_P(GoldenPicture, MatchesByteForByte) {
    ProgramViews views;
    testviews::DrawScene(GetParam(), views);
    const std::string name = testviews::SceneName(GetParam());
    const std::string path = std::string(VELQUOR_TEST_DATA_DIR) + "/golden/" + name + ".ppm";
    const std::vector<std::uint8_t> actual = testviews::PpmBytes(views.frame);
    if (std::getenv("VELQUOR_REGEN_GOLDEN") != nullptr) {
        ASSERT_TRUE(testviews::WriteFile(path, actual)) << path;
        GTEST_SKIP() << "wrote " << path;
    }
    std::vector<std::uint8_t> expected;
    ASSERT_TRUE(testviews::ReadFile(path, expected))
        << "missing " << path << "; run scripts/regen-golden";
    if (actual == expected) return;

    // Keep the picture for a look, and say where it differs.
    const std::string kept = testing::TempDir() + name + ".actual.ppm";
    testviews::WriteFile(kept, actual);
    ASSERT_EQ(actual.size(), expected.size()) << "picture size changed; actual kept in " << kept;
    const std::size_t width = views.frame.Width();
    const std::size_t height = views.frame.Height();
    const std::size_t header = actual.size() - width * height * 3;
    std::size_t differing = 0;
    std::size_t first = 0;
    for (std::size_t i = header; i < actual.size(); i += 3) {
        if (actual[i] != expected[i] || actual[i + 1] != expected[i + 1] ||
            actual[i + 2] != expected[i + 2]) {
            if (differing++ == 0) first = (i - header) / 3;
        }
    }
    ADD_FAILURE() << name << ": " << differing << " pixels differ, the first at image ("
                  << first % width << ", " << height - 1 - first / width
                  << "); actual picture kept in " << kept;
}

// The canvas clips its scans to the image and starts them where they enter it;
// the written-out primitives visit everything. Both must give the same picture.
TEST_P(GoldenPicture, SameAsUnclippedPrimitives) {
    ProgramViews views;
    ProgramViews reference(testviews::kFrameWidth, testviews::kFrameHeight, true);
    testviews::DrawScene(GetParam(), views);
    testviews::DrawScene(GetParam(), reference);
    EXPECT_TRUE(testviews::PpmBytes(views.frame) == testviews::PpmBytes(reference.frame));
}

INSTANTIATE_TEST_SUITE_P(Scenes, GoldenPicture, testing::ValuesIn(testviews::kScenes),
                         [](const testing::TestParamInfo<Scene>& info) {
                             std::string name = testviews::SceneName(info.param);
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
