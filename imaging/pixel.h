// The colour of one image element in one of four storage forms. Images,
// colour ramps and the canvas exchange colours through the Pixel interface
// without knowing the form; an image hands out pixels of its own format.
//
// Packed colour: blue bits 0..7, green 8..15, red 16..23, alpha 24..31 (alpha
// only for PixelARGB32; the others write 0 there and ignore it).
//
// Operations that take an "other" pixel expect one of the same kind (the RGB
// kinds accept each other). Any other kind is first converted through its
// packed colour into a temporary of this pixel's kind, so a mismatch gives a
// defined, if approximate, result.
#pragma once

#include <cstdint>
#include <typeinfo>

enum PixelFormat : std::uint8_t { kGray8 = 1, kRgb24 = 2, kArgb32 = 3, kGrayF32 = 4 };

class Pixel {
  public:
    virtual ~Pixel() = default;

    // 5-6-5 word: red's top 5 bits at 11..15, green's at 6..10, blue's at 0..4;
    // bit 5 stays 0, so white is 0xFFDF.
    virtual std::uint32_t ToRgb565() const = 0;
    virtual std::uint32_t ToRgb() const = 0;
    virtual void ToFloatRgb(float& red, float& green, float& blue) const = 0;
    virtual void FromRgb(std::uint32_t packed) = 0;
    virtual void FromFloatRgb(float red, float green, float blue) = 0;
    virtual void Assign(const Pixel& other) = 0;
    virtual double Magnitude() const = 0;
    virtual double Distance(const Pixel& other) const = 0;
    // Add, Subtract and Scale saturate at the ends of the channel range.
    virtual void Add(const Pixel& other) = 0;
    virtual void Subtract(const Pixel& other) = 0;
    virtual void Scale(double k) = 0;
    virtual double Dot(const Pixel& other) const = 0;
    virtual void SetWhite() = 0;
    virtual bool Equals(const Pixel& other) const = 0;

  protected:
    Pixel() = default;
    Pixel(const Pixel&) = default;
    Pixel& operator=(const Pixel&) = default;
};

// Format 1: one grey byte. Colours become grey with weights 0.5, 0.3, 0.2.
class PixelGray8 : public Pixel {
  public:
    std::uint8_t v = 0;

    PixelGray8() = default;
    explicit PixelGray8(std::uint8_t level) : v(level) {}

    std::uint32_t ToRgb565() const override;
    std::uint32_t ToRgb() const override;
    void ToFloatRgb(float& red, float& green, float& blue) const override;
    void FromRgb(std::uint32_t packed) override;
    void FromFloatRgb(float red, float green, float blue) override;
    void Assign(const Pixel& other) override;
    double Magnitude() const override;
    double Distance(const Pixel& other) const override;
    void Add(const Pixel& other) override;
    void Subtract(const Pixel& other) override;
    void Scale(double k) override;
    double Dot(const Pixel& other) const override;
    void SetWhite() override;
    bool Equals(const Pixel& other) const override;
};

// Format 2: red, green, blue bytes and a spare fourth byte (alpha for the
// derived ARGB kind, which is why every RGB operation can read either kind).
class PixelRGB24 : public Pixel {
  public:
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t spare = 0;

    PixelRGB24() = default;
    PixelRGB24(std::uint8_t r, std::uint8_t g, std::uint8_t b) : red(r), green(g), blue(b) {}

    std::uint32_t ToRgb565() const override;
    std::uint32_t ToRgb() const override;
    void ToFloatRgb(float& r, float& g, float& b) const override;
    void FromRgb(std::uint32_t packed) override;
    void FromFloatRgb(float r, float g, float b) override;
    // Copies all four bytes, the spare one included.
    void Assign(const Pixel& other) override;
    double Magnitude() const override;
    double Distance(const Pixel& other) const override;
    void Add(const Pixel& other) override;
    void Subtract(const Pixel& other) override;
    void Scale(double k) override;
    double Dot(const Pixel& other) const override;
    void SetWhite() override;
    // Compares red, green and blue only.
    bool Equals(const Pixel& other) const override;
};

// Format 3: PixelRGB24 whose fourth byte is alpha. Only the packed form, Add
// and SetWhite know about alpha; every other operation ignores it.
class PixelARGB32 : public PixelRGB24 {
  public:
    PixelARGB32() = default;
    PixelARGB32(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a)
        : PixelRGB24(r, g, b) {
        spare = a;
    }

    std::uint8_t& alpha() { return spare; }
    std::uint8_t alpha() const { return spare; }

    std::uint32_t ToRgb() const override;
    void FromRgb(std::uint32_t packed) override;
    // Alpha-weighted sum: each channel becomes min(255, other * other.alpha + this * alpha).
    void Add(const Pixel& other) override;
    void SetWhite() override;
};

// Format 4: one float grey level in 0..1.
class PixelGrayF32 : public Pixel {
  public:
    float f = 0.0f;

    PixelGrayF32() = default;
    explicit PixelGrayF32(float level) : f(level) {}

    std::uint32_t ToRgb565() const override;
    std::uint32_t ToRgb() const override;
    void ToFloatRgb(float& red, float& green, float& blue) const override;
    void FromRgb(std::uint32_t packed) override;
    // No clamp: inputs outside 0..1 give a level outside 0..1.
    void FromFloatRgb(float red, float green, float blue) override;
    void Assign(const Pixel& other) override;
    double Magnitude() const override;
    double Distance(const Pixel& other) const override;
    void Add(const Pixel& other) override;
    void Subtract(const Pixel& other) override;
    void Scale(double k) override;
    double Dot(const Pixel& other) const override;
    void SetWhite() override;
    bool Equals(const Pixel& other) const override;
};

// The pixel as T when it is one (or derives from it), else null. The exact
// kind is recognised by one type comparison, which keeps the image's per-pixel
// write path free of a full dynamic cast.
template <class T>
const T* PixelAs(const Pixel& p) {
    if (typeid(p) == typeid(T)) return static_cast<const T*>(&p);
    return dynamic_cast<const T*>(&p);
}

template <class T>
T* PixelAs(Pixel& p) {
    return const_cast<T*>(PixelAs<T>(static_cast<const Pixel&>(p)));
}
