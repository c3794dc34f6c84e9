// The dialog's frame as a picture: the PNG bytes of it, and a write that
// never leaves half a file. The window and velquor-cli both save through
// here, so that the same state gives the same file from either.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>

namespace picture {

// The frame's rows run bottom to top in blue, green, red; a picture's run top
// to bottom in red, green, blue.
QImage FrameImage(const std::uint8_t* frame, int width, int height);

// The picture as PNG; empty if the encoder failed.
QByteArray EncodePng(const QImage& image);

// Writes bytes to a temporary file beside path and renames it over path, so
// that a failure leaves no half-written file and any old one as it was.
// Returns the system's reason on failure, an empty string on success.
std::string WriteWhole(const QString& path, const QByteArray& bytes);

}  // namespace picture
