// Rectangles of pixels in one of the four pixel formats, held in one heap
// block with no row padding; pixel (x, y) starts at byte (y * width + x) * bpp
// and row 0 comes first. The frame is a BufferImage of format 2 (blue, green,
// red bytes), which is also the byte order of a 24-bit bottom-up bitmap, so
// the window shows it with one block copy and row 0 ends up at the bottom.
//
// Coordinates are 16-bit: callers pass wider integers and only the low 16
// bits count, so -1 is 65535 and lies outside every image. Reads outside the
// image, or from an image without pixels, give black (0); writes there are
// ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "pixel.h"

class Image {
  public:
    Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    virtual ~Image();

    // Records size and format and makes a new scratch pixel of the format.
    virtual bool Create(std::uint16_t width, std::uint16_t height, std::uint8_t format);
    // Bilinear blend at a real position, through the pixel type's own
    // truncating Scale and saturating Add; the last column and the last row
    // are returned unblended.
    virtual void Sample(double x, double y, Pixel& out);
    virtual void GetPixel(std::uint16_t x, std::uint16_t y, Pixel& out) = 0;
    virtual std::uint32_t GetRgb565(std::uint16_t x, std::uint16_t y);
    // Bilinear blend of the packed colours, per channel in double; alpha is dropped.
    virtual std::uint32_t SampleRgb(double x, double y);
    virtual std::uint32_t GetRgb(std::uint16_t x, std::uint16_t y);

    // A new pixel of this image's format (value unset); null for a format outside 1..4.
    std::unique_ptr<Pixel> NewPixel() const;

    std::uint8_t Format() const { return format_; }
    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }

  protected:
    std::uint8_t format_ = 0;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    // Scratch for reads that go through a pixel (Sample, GetRgb565, GetRgb):
    // those calls must not be nested on one image.
    std::unique_ptr<Pixel> prototype_;
};

class BufferImage : public Image {
  public:
    BufferImage() = default;
    ~BufferImage() override;

    // Allocates width * height * bpp bytes (zeroed). Returns false for a
    // format outside 1..4 or when the heap refuses; the image then has no
    // buffer and keeps its previous size and format.
    bool Create(std::uint16_t width, std::uint16_t height, std::uint8_t format) override;
    void Release();

    // out should be of the image's format (either RGB kind for format 2);
    // another kind receives the colour through FromRgb.
    void GetPixel(std::uint16_t x, std::uint16_t y, Pixel& out) override;
    // Format 1 gives the grey byte alone (0x000000VV), format 3 includes
    // alpha, format 4 gives the level replicated to three channels.
    std::uint32_t GetRgb(std::uint16_t x, std::uint16_t y) override;
    void Sample(double x, double y, Pixel& out) override;

    // in should be of the image's format (either RGB kind for formats 2 and
    // 3); another kind is written through its packed colour. Format 1 always
    // stores the low byte of in's packed colour.
    void SetPixel(std::uint16_t x, std::uint16_t y, const Pixel& in);
    void SetRgb(std::uint16_t x, std::uint16_t y, std::uint32_t packed) {
        if (!Contains(x, y)) return;
        if (format_ == kRgb24) {
            // The frame's format, once per painted pixel: inline, no dispatch.
            std::uint8_t* p = buffer_.get() + (static_cast<std::size_t>(y) * width_ + x) * 3;
            p[0] = static_cast<std::uint8_t>(packed);
            p[1] = static_cast<std::uint8_t>(packed >> 8);
            p[2] = static_cast<std::uint8_t>(packed >> 16);
            return;
        }
        EncodeRgb(packed, buffer_.get() + Offset(x, y));
    }
    // Copies ByteSize() bytes to destination for formats 1 to 3; a float
    // image has no matching bitmap, so format 4 copies nothing.
    void CopyTo(std::uint8_t* destination) const;

    // Writes in at every pixel: the same bytes as SetPixel everywhere, at block-copy speed.
    void Fill(const Pixel& in);
    const std::uint8_t* Data() const { return buffer_.get(); }
    // width * height * bpp; 0 without a buffer.
    std::size_t ByteSize() const;
    // 1, 3, 4, 4 for formats 1 to 4; 0 otherwise.
    static std::size_t BytesPerPixel(std::uint8_t format);

  private:
    struct FreeBytes {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };

    bool Contains(std::uint16_t x, std::uint16_t y) const {
        return buffer_ && x < width_ && y < height_;
    }
    std::size_t Offset(std::uint16_t x, std::uint16_t y) const {
        return (static_cast<std::size_t>(y) * width_ + x) * BytesPerPixel(format_);
    }
    // The bytes SetPixel stores for in; returns how many (bpp).
    std::size_t Encode(const Pixel& in, std::uint8_t* bytes) const;
    void EncodeRgb(std::uint32_t packed, std::uint8_t* bytes) const;

    std::unique_ptr<std::uint8_t, FreeBytes> buffer_;
};
