// Reading the painted frame the way a person looks at it: which colours are
// where. Pixels are addressed as (column, row) with row 0 at the bottom.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};      // real part
inline constexpr Rgb kRed{255, 0, 0};       // density
inline constexpr Rgb kGreen{0, 255, 0};     // potential
inline constexpr Rgb kAzure{0, 128, 255};   // lower bracket
inline constexpr Rgb kViolet{128, 0, 255};  // upper bracket

// Curves fade from their colour to white, so a curve's pixels are all of one
// family: blue (t, t, 255), red (255, t, t), green (t, 255, t), azure
// (t, 128 + ..., 255), violet (128 + ..., t, 255).
enum class Hue { White, Black, Blue, Red, Green, Azure, Violet, Other };

inline Hue Classify(Rgb c) {
    if (c == kWhite) return Hue::White;
    if (c == kBlack) return Hue::Black;
    if (c.b == 255 && c.r == c.g) return Hue::Blue;
    if (c.r == 255 && c.g == c.b) return Hue::Red;
    if (c.g == 255 && c.r == c.b) return Hue::Green;
    if (c.b == 255 && c.g > c.r) return Hue::Azure;
    if (c.b == 255 && c.r > c.g) return Hue::Violet;
    return Hue::Other;
}

class FrameProbe {
  public:
    // Keeps its own copy: the frame it was given may be gone or repainted.
    FrameProbe(std::vector<std::uint8_t> bits, int width, int height)
        : bits_(std::move(bits)), width_(width), height_(height) {}

    Rgb At(int column, int row) const {
        const std::size_t i = (static_cast<std::size_t>(row) * width_ + column) * 3;
        return {bits_[i + 2], bits_[i + 1], bits_[i]};
    }
    int Count(Rgb c) const {
        int n = 0;
        for (int row = 0; row < height_; ++row)
            for (int col = 0; col < width_; ++col)
                n += At(col, row) == c;
        return n;
    }
    bool Has(Rgb c) const { return Count(c) > 0; }
    bool HasHue(Hue h) const {
        for (int row = 0; row < height_; ++row)
            for (int col = 0; col < width_; ++col)
                if (Classify(At(col, row)) == h) return true;
        return false;
    }
    // Whether column holds hue h within rows [row - reach, row + reach].
    bool HueNear(int column, int row, Hue h, int reach = 2) const {
        for (int r = row - reach; r <= row + reach; ++r)
            if (r >= 0 && r < height_ && Classify(At(column, r)) == h) return true;
        return false;
    }
    // Rows of one column holding colour c, bottom first.
    std::vector<int> RowsOf(int column, Rgb c) const {
        std::vector<int> rows;
        for (int row = 0; row < height_; ++row)
            if (At(column, row) == c) rows.push_back(row);
        return rows;
    }

  private:
    std::vector<std::uint8_t> bits_;
    int width_, height_;
};
