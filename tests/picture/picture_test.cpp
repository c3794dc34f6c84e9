// The frame as a picture: turned the right way up and into red, green and
// blue; encoded as PNG that reads back to the same pixels at 100 dots an
// inch; written whole, with the permissions a saved file should have.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "frame_picture.h"

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with everything in it.
class Folder {
  public:
    Folder() {
        std::string name = (fs::temp_directory_path() / "picture-test-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~Folder() { fs::remove_all(path_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

  private:
    fs::path path_;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

unsigned Mode(const std::string& path) {
    struct stat s {};
    ::stat(path.c_str(), &s);
    return s.st_mode & 07777;
}

}  // namespace

TEST(Picture, FrameRowsTurnOverAndColoursSwap) {
    // Two rows of two pixels, bottom row first, blue-green-red.
    const std::vector<std::uint8_t> frame{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const picture::Picture p = picture::FramePicture(frame.data(), 2, 2);
    EXPECT_EQ(p.width, 2);
    EXPECT_EQ(p.height, 2);
    EXPECT_EQ(p.rgb, (std::vector<std::uint8_t>{9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));
}

TEST(Picture, PngReadsBackToThePixelsAtOneHundredDotsAnInch) {
    picture::Picture p{5, 3, {}};
    for (int i = 0; i < 5 * 3 * 3; ++i)
        p.rgb.push_back(static_cast<std::uint8_t>(i * 37));
    const std::vector<std::uint8_t> png = picture::EncodePng(p);
    ASSERT_FALSE(png.empty());

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
    EXPECT_EQ(image.width, 5u);
    EXPECT_EQ(image.height, 3u);
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    EXPECT_EQ(pixels, p.rgb);
    // pHYs: 3937 dots a metre both ways, the metre as unit.
    const std::string phys = "pHYs";
    const auto at = std::search(png.begin(), png.end(), phys.begin(), phys.end());
    ASSERT_NE(at, png.end());
    EXPECT_EQ(std::vector<std::uint8_t>(at + 4, at + 13),
              (std::vector<std::uint8_t>{0, 0, 0x0f, 0x61, 0, 0, 0x0f, 0x61, 1}));

    EXPECT_TRUE(picture::EncodePng({5, 3, {1, 2, 3}}).empty());
}

TEST(Picture, WriteIsWholeAndKeepsAnOldFilesPermissions) {
    Folder folder;
    const std::vector<std::uint8_t> bytes{'p', 'n', 'g'};
    const mode_t mask = ::umask(022);
    const std::string fresh = folder / "new.png";
    EXPECT_EQ(picture::WriteWhole(fresh, bytes), "");
    EXPECT_EQ(Contents(fresh), "png");
    EXPECT_EQ(Mode(fresh), 0644u);
    ::umask(mask);

    const std::string old = folder / "old.png";
    std::ofstream(old) << "old picture";
    ::chmod(old.c_str(), 0640);
    EXPECT_EQ(picture::WriteWhole(old, bytes), "");
    EXPECT_EQ(Contents(old), "png");
    EXPECT_EQ(Mode(old), 0640u);

    // Through a link, to the file it names; the link stays.
    const std::string link = folder / "link.png";
    fs::create_symlink(old, link);
    EXPECT_EQ(picture::WriteWhole(link, std::vector<std::uint8_t>{'n', 'e', 'w'}), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(old), "new");

    EXPECT_EQ(picture::WriteWhole(folder / "none/p.png", bytes), "No such file or directory");
    EXPECT_EQ(folder.Entries(), 3u);  // nothing left over
}
