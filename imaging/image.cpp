#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "channel_math.h"

namespace {

// Splits a real coordinate into its pixel index (truncated, low 16 bits) and
// the fraction above floor(v) that weights the next pixel.
struct SamplePoint {
    std::uint16_t index;
    double fraction;
};

SamplePoint Split(double v) {
    return {channel::TruncWrap16(v), v - std::floor(v)};
}

double Channel(std::uint32_t packed, int shift) {
    return (packed >> shift) & 0xFFu;
}

}  // namespace

// ---- Image ----

Image::~Image() = default;

bool Image::Create(std::uint16_t width, std::uint16_t height, std::uint8_t format) {
    format_ = format;
    width_ = width;
    height_ = height;
    prototype_ = NewPixel();
    return true;
}

std::unique_ptr<Pixel> Image::NewPixel() const {
    switch (format_) {
        case kGray8:
            return std::make_unique<PixelGray8>();
        case kRgb24:
            return std::make_unique<PixelRGB24>();
        case kArgb32:
            return std::make_unique<PixelARGB32>();
        case kGrayF32:
            return std::make_unique<PixelGrayF32>();
        default:
            return nullptr;
    }
}

void Image::Sample(double x, double y, Pixel& out) {
    const SamplePoint sx = Split(x);
    const SamplePoint sy = Split(y);
    const std::uint16_t x0 = sx.index;
    const std::uint16_t y0 = sy.index;
    const double fx = sx.fraction;
    const double fy = sy.fraction;

    // The last column or row has no neighbour to blend with.
    if (x0 + 1 == width_ || y0 + 1 == height_ || !prototype_) {
        GetPixel(x0, y0, out);
        return;
    }
    const auto x1 = static_cast<std::uint16_t>(x0 + 1);
    const auto y1 = static_cast<std::uint16_t>(y0 + 1);

    GetPixel(x0, y0, out);
    out.Scale((1.0 - fx) * (1.0 - fy));
    const struct {
        std::uint16_t x, y;
        double weight;
    } neighbours[] = {
        {x0, y1, (1.0 - fx) * fy},
        {x1, y0, fx * (1.0 - fy)},
        {x1, y1, fx * fy},
    };
    for (const auto& n : neighbours) {
        GetPixel(n.x, n.y, *prototype_);
        prototype_->Scale(n.weight);
        out.Add(*prototype_);
    }
}

std::uint32_t Image::GetRgb565(std::uint16_t x, std::uint16_t y) {
    if (!prototype_) return 0;
    GetPixel(x, y, *prototype_);
    return prototype_->ToRgb565();
}

std::uint32_t Image::SampleRgb(double x, double y) {
    const SamplePoint sx = Split(x);
    const SamplePoint sy = Split(y);
    const std::uint16_t x0 = sx.index;
    const std::uint16_t y0 = sy.index;
    const double fx = sx.fraction;
    const double fy = sy.fraction;

    if (x0 + 1 == width_ || y0 + 1 == height_) return GetRgb(x0, y0);
    const auto x1 = static_cast<std::uint16_t>(x0 + 1);
    const auto y1 = static_cast<std::uint16_t>(y0 + 1);

    const std::uint32_t c00 = GetRgb(x0, y0);
    const std::uint32_t c01 = GetRgb(x0, y1);
    const std::uint32_t c10 = GetRgb(x1, y0);
    const std::uint32_t c11 = GetRgb(x1, y1);
    std::uint32_t result = 0;
    for (const int shift : {16, 8, 0}) {
        const double value =
            fy * ((1.0 - fx) * Channel(c01, shift) + fx * Channel(c11, shift)) +
            (1.0 - fy) * ((1.0 - fx) * Channel(c00, shift) + fx * Channel(c10, shift));
        result |= static_cast<std::uint32_t>(channel::TruncClamp(value)) << shift;
    }
    return result;
}

std::uint32_t Image::GetRgb(std::uint16_t x, std::uint16_t y) {
    if (!prototype_) return 0;
    GetPixel(x, y, *prototype_);
    return prototype_->ToRgb();
}

// ---- BufferImage ----

BufferImage::~BufferImage() {
    Release();
}

std::size_t BufferImage::BytesPerPixel(std::uint8_t format) {
    switch (format) {
        case kGray8:
            return 1;
        case kRgb24:
            return 3;
        case kArgb32:
        case kGrayF32:
            return 4;
        default:
            return 0;
    }
}

bool BufferImage::Create(std::uint16_t width, std::uint16_t height, std::uint8_t format) {
    Release();
    const std::size_t bpp = BytesPerPixel(format);
    if (bpp == 0) return false;
    const std::size_t size = static_cast<std::size_t>(width) * height * bpp;
    // At least one byte, so that an empty image still counts as created.
    buffer_.reset(static_cast<std::uint8_t*>(std::calloc(std::max<std::size_t>(size, 1), 1)));
    if (!buffer_) return false;
    return Image::Create(width, height, format);
}

void BufferImage::Release() {
    buffer_.reset();
}

std::size_t BufferImage::ByteSize() const {
    if (!buffer_) return 0;
    return static_cast<std::size_t>(width_) * height_ * BytesPerPixel(format_);
}

void BufferImage::GetPixel(std::uint16_t x, std::uint16_t y, Pixel& out) {
    if (!Contains(x, y)) {
        out.FromRgb(0);
        return;
    }
    const std::uint8_t* p = buffer_.get() + Offset(x, y);
    switch (format_) {
        case kGray8:
            if (PixelGray8* grey = PixelAs<PixelGray8>(out)) {
                grey->v = p[0];
            } else {
                out.FromRgb(p[0] * 0x010101u);
            }
            break;
        case kRgb24:
            if (PixelRGB24* rgb = PixelAs<PixelRGB24>(out)) {
                rgb->red = p[2];
                rgb->green = p[1];
                rgb->blue = p[0];
            } else {
                out.FromRgb(BufferImage::GetRgb(x, y));
            }
            break;
        default:
            out.FromRgb(BufferImage::GetRgb(x, y));
            break;
    }
}

std::uint32_t BufferImage::GetRgb(std::uint16_t x, std::uint16_t y) {
    if (!Contains(x, y)) return 0;
    const std::uint8_t* p = buffer_.get() + Offset(x, y);
    const std::uint32_t bgr =
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
    switch (format_) {
        case kGray8:
            return p[0];
        case kRgb24:
            return bgr;
        case kArgb32:
            return static_cast<std::uint32_t>(p[3]) << 24 | bgr;
        case kGrayF32: {
            PixelGrayF32 grey;
            std::memcpy(&grey.f, p, sizeof grey.f);
            return grey.ToRgb();
        }
        default:
            return 0;
    }
}

void BufferImage::Sample(double x, double y, Pixel& out) {
    Image::Sample(x, y, out);
}

void BufferImage::EncodeRgb(std::uint32_t packed, std::uint8_t* bytes) const {
    switch (format_) {
        case kGray8:
            bytes[0] = static_cast<std::uint8_t>(packed);
            break;
        case kRgb24:
        case kArgb32:
            bytes[0] = static_cast<std::uint8_t>(packed);
            bytes[1] = static_cast<std::uint8_t>(packed >> 8);
            bytes[2] = static_cast<std::uint8_t>(packed >> 16);
            if (format_ == kArgb32) bytes[3] = static_cast<std::uint8_t>(packed >> 24);
            break;
        case kGrayF32: {
            const float f = channel::GreyFromPacked(packed);
            std::memcpy(bytes, &f, sizeof f);
            break;
        }
        default:
            break;
    }
}

std::size_t BufferImage::Encode(const Pixel& in, std::uint8_t* bytes) const {
    switch (format_) {
        case kRgb24:
        case kArgb32:
            if (const PixelRGB24* rgb = PixelAs<PixelRGB24>(in)) {
                bytes[0] = rgb->blue;
                bytes[1] = rgb->green;
                bytes[2] = rgb->red;
                bytes[3] = rgb->spare;  // alpha for format 3; not stored for format 2
            } else {
                EncodeRgb(in.ToRgb(), bytes);
            }
            break;
        case kGrayF32:
            if (const PixelGrayF32* grey = PixelAs<PixelGrayF32>(in)) {
                std::memcpy(bytes, &grey->f, sizeof grey->f);
            } else {
                EncodeRgb(in.ToRgb(), bytes);
            }
            break;
        default:
            EncodeRgb(in.ToRgb(), bytes);
            break;
    }
    return BytesPerPixel(format_);
}

void BufferImage::SetPixel(std::uint16_t x, std::uint16_t y, const Pixel& in) {
    if (!Contains(x, y)) return;
    std::uint8_t* p = buffer_.get() + Offset(x, y);
    // The frame's own case, once per painted pixel: three stores, no conversions.
    if (format_ == kRgb24 && typeid(in) == typeid(PixelRGB24)) {
        const auto& rgb = static_cast<const PixelRGB24&>(in);
        p[0] = rgb.blue;
        p[1] = rgb.green;
        p[2] = rgb.red;
        return;
    }
    std::uint8_t bytes[4] = {};
    std::memcpy(p, bytes, Encode(in, bytes));
}

void BufferImage::CopyTo(std::uint8_t* destination) const {
    if (!buffer_ || !destination || format_ == kGrayF32) return;
    std::memcpy(destination, buffer_.get(), ByteSize());
}

void BufferImage::Fill(const Pixel& in) {
    const std::size_t total = ByteSize();
    if (total == 0) return;
    std::uint8_t bytes[4] = {};
    const std::size_t bpp = Encode(in, bytes);
    std::uint8_t* data = buffer_.get();
    if (bpp == 1) {
        std::memset(data, bytes[0], total);
        return;
    }
    // One pixel, then keep doubling the filled prefix: a handful of large copies.
    std::memcpy(data, bytes, bpp);
    std::size_t filled = bpp;
    while (filled < total) {
        const std::size_t chunk = std::min(filled, total - filled);
        std::memcpy(data + filled, data, chunk);
        filled += chunk;
    }
}
