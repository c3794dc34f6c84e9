#include "pixel.h"

#include <algorithm>
#include <cmath>

#include "channel_math.h"

namespace {

using channel::kInv255;
using channel::TruncClamp;

// Grey weights for colour to grey; the float kind uses float constants instead.
constexpr double kRedWeight = 0.5;
constexpr double kGreenWeight = 0.3;
constexpr double kBlueWeight = 0.2;

std::uint32_t Grey565(std::uint32_t v) {
    return (v >> 3) << 11 | (v & 0xF8u) << 3 | v >> 3;
}

float UnitFloat(std::uint8_t channel) {
    return static_cast<float>(channel * kInv255);
}

std::uint8_t SaturatingAdd(std::uint8_t a, std::uint8_t b) {
    return static_cast<std::uint8_t>(std::min(a + b, 255));
}

std::uint8_t SaturatingSub(std::uint8_t a, std::uint8_t b) {
    return a > b ? static_cast<std::uint8_t>(a - b) : std::uint8_t{0};
}

// Float grey results are limited after the computation; NaN becomes 0 so it
// cannot spread into later conversions.
float ClampUnit(double f) {
    if (!(f > 0.0)) return 0.0f;
    if (f > 1.0) return 1.0f;
    return static_cast<float>(f);
}

// RGB channel from a float: above 1 is full, below 0 is none (NaN too).
std::uint8_t ChannelFromFloat(float c) {
    if (c > 1.0f) return 255;
    if (!(c >= 0.0f)) return 0;
    return TruncClamp(c * 255.0);
}

// The other pixel as this pixel's kind: itself when it is one, else the
// temporary filled from its packed colour.
template <class T>
const T& SameKind(const Pixel& other, T& scratch) {
    if (const T* same = PixelAs<T>(other)) return *same;
    scratch.FromRgb(other.ToRgb());
    return scratch;
}

const PixelRGB24& RgbOf(const Pixel& other, PixelRGB24& scratch) {
    if (const PixelRGB24* same = PixelAs<PixelRGB24>(other)) return *same;
    const std::uint32_t packed = other.ToRgb();
    scratch.FromRgb(packed);
    scratch.spare = static_cast<std::uint8_t>(packed >> 24);
    return scratch;
}

double Sq(double v) {
    return v * v;
}

}  // namespace

// ---- PixelGray8 ----

std::uint32_t PixelGray8::ToRgb565() const {
    return Grey565(v);
}

std::uint32_t PixelGray8::ToRgb() const {
    return v * 0x010101u;
}

void PixelGray8::ToFloatRgb(float& red, float& green, float& blue) const {
    red = green = blue = UnitFloat(v);
}

void PixelGray8::FromRgb(std::uint32_t packed) {
    const double r = (packed >> 16) & 0xFFu;
    const double g = (packed >> 8) & 0xFFu;
    const double b = packed & 0xFFu;
    // The weights sum to 1, so the level cannot leave 0..255.
    v = TruncClamp(kRedWeight * r + kGreenWeight * g + kBlueWeight * b);
}

void PixelGray8::FromFloatRgb(float red, float green, float blue) {
    v = TruncClamp(127.5 * red + 76.5 * green + 51.0 * blue);
}

void PixelGray8::Assign(const Pixel& other) {
    PixelGray8 scratch;
    v = SameKind(other, scratch).v;
}

double PixelGray8::Magnitude() const {
    return v;
}

double PixelGray8::Distance(const Pixel& other) const {
    PixelGray8 scratch;
    return std::abs(static_cast<double>(v) - SameKind(other, scratch).v);
}

void PixelGray8::Add(const Pixel& other) {
    PixelGray8 scratch;
    v = SaturatingAdd(v, SameKind(other, scratch).v);
}

void PixelGray8::Subtract(const Pixel& other) {
    PixelGray8 scratch;
    v = SaturatingSub(v, SameKind(other, scratch).v);
}

void PixelGray8::Scale(double k) {
    v = TruncClamp(v * k);
}

double PixelGray8::Dot(const Pixel& other) const {
    PixelGray8 scratch;
    return static_cast<double>(v) * SameKind(other, scratch).v;
}

void PixelGray8::SetWhite() {
    v = 255;
}

bool PixelGray8::Equals(const Pixel& other) const {
    PixelGray8 scratch;
    return v == SameKind(other, scratch).v;
}

// ---- PixelRGB24 ----

std::uint32_t PixelRGB24::ToRgb565() const {
    return (red & 0xF8u) << 8 | (green & 0xF8u) << 3 | blue >> 3;
}

std::uint32_t PixelRGB24::ToRgb() const {
    return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 | blue;
}

void PixelRGB24::ToFloatRgb(float& r, float& g, float& b) const {
    r = UnitFloat(red);
    g = UnitFloat(green);
    b = UnitFloat(blue);
}

void PixelRGB24::FromRgb(std::uint32_t packed) {
    red = static_cast<std::uint8_t>(packed >> 16);
    green = static_cast<std::uint8_t>(packed >> 8);
    blue = static_cast<std::uint8_t>(packed);
}

void PixelRGB24::FromFloatRgb(float r, float g, float b) {
    red = ChannelFromFloat(r);
    green = ChannelFromFloat(g);
    blue = ChannelFromFloat(b);
}

void PixelRGB24::Assign(const Pixel& other) {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    red = o.red;
    green = o.green;
    blue = o.blue;
    spare = o.spare;
}

double PixelRGB24::Magnitude() const {
    return std::sqrt(Sq(red) + Sq(green) + Sq(blue));
}

double PixelRGB24::Distance(const Pixel& other) const {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    return std::sqrt(Sq(red - o.red) + Sq(green - o.green) + Sq(blue - o.blue));
}

void PixelRGB24::Add(const Pixel& other) {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    blue = SaturatingAdd(blue, o.blue);
    red = SaturatingAdd(red, o.red);
    green = SaturatingAdd(green, o.green);
}

void PixelRGB24::Subtract(const Pixel& other) {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    blue = SaturatingSub(blue, o.blue);
    red = SaturatingSub(red, o.red);
    green = SaturatingSub(green, o.green);
}

void PixelRGB24::Scale(double k) {
    blue = TruncClamp(blue * k);
    red = TruncClamp(red * k);
    green = TruncClamp(green * k);
}

double PixelRGB24::Dot(const Pixel& other) const {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    return static_cast<double>(red) * o.red + static_cast<double>(green) * o.green +
           static_cast<double>(blue) * o.blue;
}

void PixelRGB24::SetWhite() {
    red = green = blue = 255;
}

bool PixelRGB24::Equals(const Pixel& other) const {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    return red == o.red && green == o.green && blue == o.blue;
}

// ---- PixelARGB32 ----

std::uint32_t PixelARGB32::ToRgb() const {
    return static_cast<std::uint32_t>(alpha()) << 24 | PixelRGB24::ToRgb();
}

void PixelARGB32::FromRgb(std::uint32_t packed) {
    PixelRGB24::FromRgb(packed);
    alpha() = static_cast<std::uint8_t>(packed >> 24);
}

void PixelARGB32::Add(const Pixel& other) {
    PixelRGB24 scratch;
    const PixelRGB24& o = RgbOf(other, scratch);
    const double a = alpha();
    const double oa = o.spare;
    blue = TruncClamp(o.blue * oa + blue * a);
    red = TruncClamp(o.red * oa + red * a);
    green = TruncClamp(o.green * oa + green * a);
}

void PixelARGB32::SetWhite() {
    PixelRGB24::SetWhite();
    alpha() = 255;
}

// ---- PixelGrayF32 ----

namespace {
// The grey byte the float level stands for: trunc(f * 255), low 8 bits.
std::uint32_t LevelByte(float f) {
    return channel::TruncWrapByte(f * 255.0);
}
}  // namespace

std::uint32_t PixelGrayF32::ToRgb565() const {
    return Grey565(LevelByte(f));
}

std::uint32_t PixelGrayF32::ToRgb() const {
    return LevelByte(f) * 0x010101u;
}

void PixelGrayF32::ToFloatRgb(float& red, float& green, float& blue) const {
    red = green = blue = f;
}

void PixelGrayF32::FromRgb(std::uint32_t packed) {
    f = channel::GreyFromPacked(packed);
}

void PixelGrayF32::FromFloatRgb(float red, float green, float blue) {
    f = static_cast<float>(channel::kRedWeightF * red + channel::kGreenWeightF * green +
                           channel::kBlueWeightF * blue);
}

void PixelGrayF32::Assign(const Pixel& other) {
    PixelGrayF32 scratch;
    f = SameKind(other, scratch).f;
}

double PixelGrayF32::Magnitude() const {
    return f;
}

double PixelGrayF32::Distance(const Pixel& other) const {
    PixelGrayF32 scratch;
    return std::abs(static_cast<double>(f) - SameKind(other, scratch).f);
}

void PixelGrayF32::Add(const Pixel& other) {
    PixelGrayF32 scratch;
    const double sum = static_cast<double>(f) + SameKind(other, scratch).f;
    f = sum > 1.0 ? 1.0f : static_cast<float>(sum);
}

void PixelGrayF32::Subtract(const Pixel& other) {
    PixelGrayF32 scratch;
    const double diff = static_cast<double>(f) - SameKind(other, scratch).f;
    f = diff < 0.0 ? 0.0f : static_cast<float>(diff);
}

void PixelGrayF32::Scale(double k) {
    f = ClampUnit(f * k);
}

double PixelGrayF32::Dot(const Pixel& other) const {
    PixelGrayF32 scratch;
    return static_cast<double>(f) * SameKind(other, scratch).f;
}

void PixelGrayF32::SetWhite() {
    f = 1.0f;
}

bool PixelGrayF32::Equals(const Pixel& other) const {
    PixelGrayF32 scratch;
    return f == SameKind(other, scratch).f;
}
