// The dialog's frame as a picture: the PNG bytes of it, and a write that
// never leaves half a file. The window and velquor-cli both save through
// here, so that the same state gives the same file from either.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace picture {

// A file must not depend on the screen it was saved from: 100 dots an inch.
inline constexpr int kDotsPerMeter = 3937;

// Rows top to bottom, each pixel red, green, blue.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The frame's rows run bottom to top in blue, green, red.
Picture FramePicture(const std::uint8_t* frame, int width, int height);

// The picture as PNG: 8 bits a channel, libpng's default compression and
// filters, and the resolution above. Empty if the encoder failed.
std::vector<std::uint8_t> EncodePng(const Picture& picture);

// Writes bytes to a temporary file beside path and renames it over path, so
// that a failure leaves no half-written file and any old one as it was. A
// new file gets the usual permissions, an old one keeps its own. Returns the
// system's reason on failure, an empty string on success.
std::string WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace picture
