#include "frame_picture.h"

#include <QBuffer>
#include <QSaveFile>
#include <cerrno>
#include <system_error>

namespace picture {

namespace {
constexpr int kDotsPerMeter = 3937;
}  // namespace

QImage FrameImage(const std::uint8_t* frame, int width, int height) {
    const QImage bottomUp(frame, width, height, 3 * width, QImage::Format_BGR888);
    QImage image = bottomUp.mirrored(false, true).convertToFormat(QImage::Format_RGB888);
    // A picture's resolution defaults to the screen's; a file must not depend
    // on the screen it was saved from. 100 dots an inch, Qt's choice where
    // there is no screen.
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}

QByteArray EncodePng(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return png;
}

std::string WriteWhole(const QString& path, const QByteArray& bytes) {
    // Dropped without commit, the temporary file goes away with it.
    QSaveFile file(path);
    errno = 0;
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (written && file.commit()) return {};
    // Qt may lose the system's reason on a short write (a file size limit, a
    // full disk); errno still holds it.
    const int reason = errno;
    return reason != 0 ? std::generic_category().message(reason) : file.errorString().toStdString();
}

}  // namespace picture
