#include "frame_picture.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <random>
#include <system_error>

namespace picture {

namespace {

// ---- PNG ----------------------------------------------------------------------

void Append(png_structp png, png_bytep data, std::size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    if (!stored) png_error(png, "out of memory");
}

void Flush(png_structp) {}

// The encoder's state, released however the encoding ends.
class PngWriter {
  public:
    PngWriter()
        : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)),
          info_(png_ ? png_create_info_struct(png_) : nullptr) {}
    ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    // libpng reports an error by a long jump back here: nothing between the
    // jump and its target may own anything.
    bool Write(const Picture& p, png_bytepp rows, std::vector<std::uint8_t>& out) {
        if (!png_ || !info_) return false;
        if (setjmp(png_jmpbuf(png_))) return false;
        png_set_write_fn(png_, &out, Append, Flush);
        png_set_IHDR(png_, info_, static_cast<png_uint_32>(p.width),
                     static_cast<png_uint_32>(p.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_pHYs(png_, info_, kDotsPerMeter, kDotsPerMeter, PNG_RESOLUTION_METER);
        png_write_info(png_, info_);
        png_write_image(png_, rows);
        png_write_end(png_, info_);
        return true;
    }

  private:
    png_structp png_;
    png_infop info_;
};

// ---- Files --------------------------------------------------------------------

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// A link is written through, to the file it names.
std::string FollowLink(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    return ec ? path : target.string();
}

// A new file beside target, readable and writable as the user's umask lets
// new files be; its name goes to name. -1 (errno set) if none could be made.
int CreateBeside(const std::string& target, std::string& name) {
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + "." + std::to_string(random() % 1000000);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// 0 once every byte is written, else the system's error.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

Picture FramePicture(const std::uint8_t* frame, int width, int height) {
    Picture picture{width, height, {}};
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    picture.rgb.resize(rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = frame + rowBytes * static_cast<std::size_t>(height - 1 - y);
        std::uint8_t* to = picture.rgb.data() + rowBytes * static_cast<std::size_t>(y);
        for (std::size_t i = 0; i < rowBytes; i += 3) {
            to[i] = from[i + 2];
            to[i + 1] = from[i + 1];
            to[i + 2] = from[i];
        }
    }
    return picture;
}

std::vector<std::uint8_t> EncodePng(const Picture& picture) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(picture.width);
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() != rowBytes * static_cast<std::size_t>(picture.height))
        return {};
    std::vector<png_bytep> rows;
    for (int y = 0; y < picture.height; ++y)
        // libpng only reads the rows it writes.
        rows.push_back(const_cast<png_bytep>(picture.rgb.data()) +
                       rowBytes * static_cast<std::size_t>(y));
    std::vector<std::uint8_t> png;
    PngWriter writer;
    if (!writer.Write(picture, rows.data(), png)) return {};
    return png;
}

std::string WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = FollowLink(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0) return Reason(errno);
    std::string temporary;
    const int fd = CreateBeside(target, temporary);
    if (fd < 0) return Reason(errno);
    int error = exists && ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
    if (error == 0) error = WriteAll(fd, bytes);
    if (error == 0) ::fsync(fd);  // where the file system can; its refusal is no failure
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error == 0) return {};
    ::unlink(temporary.c_str());
    return Reason(error);
}

}  // namespace picture
