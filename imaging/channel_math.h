// Real-to-integer conversions for channel values. Every double that becomes a
// byte passes through one of these, so a NaN or a huge value (a stroke at an
// infinite distance, a sample far off the image) yields a defined result
// instead of an undefined conversion. Finite values that fit keep the plain
// truncating result.
#pragma once

#include <cmath>
#include <cstdint>

namespace channel {

// trunc(v), limited to 0..255 afterwards; NaN gives 0.
inline std::uint8_t TruncClamp(double v) {
    if (!(v > 0.0)) return 0;  // also NaN
    if (v >= 255.0) return 255;
    return static_cast<std::uint8_t>(v);
}

// The low bits of trunc(v) modulo 2^bits (two's complement for negatives).
// fmod is exact, so this matches an integer AND for every value that fits in
// an integer; infinities and NaN give 0.
inline std::uint32_t TruncWrap(double v, double modulus) {
    if (!std::isfinite(v)) return 0;
    double m = std::fmod(std::trunc(v), modulus);
    if (m < 0.0) m += modulus;
    return static_cast<std::uint32_t>(m);
}

// Below 2^62 in magnitude trunc(v) fits a 64-bit integer, whose low bits are
// the residue fmod gives, two's complement included: the same result without
// the library call, which every painted pixel would otherwise pay four times.
inline constexpr double kWrapIntegerLimit = 4611686018427387904.0;  // 2^62

inline std::uint64_t TruncLowBits(double v) {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(v));
}

inline std::uint8_t TruncWrapByte(double v) {
    if (std::fabs(v) < kWrapIntegerLimit) return static_cast<std::uint8_t>(TruncLowBits(v));
    return static_cast<std::uint8_t>(TruncWrap(v, 256.0));
}

// A coordinate: trunc(v) with only its low 16 bits kept, as for any wider integer.
inline std::uint16_t TruncWrap16(double v) {
    if (std::fabs(v) < kWrapIntegerLimit) return static_cast<std::uint16_t>(TruncLowBits(v));
    return static_cast<std::uint16_t>(TruncWrap(v, 65536.0));
}

// The float grey weights and 1/255, as single-precision constants widened to double.
inline constexpr double kInv255 = static_cast<double>(1.0f / 255.0f);
inline constexpr double kRedWeightF = static_cast<double>(0.5f);
inline constexpr double kGreenWeightF = static_cast<double>(0.3f);
inline constexpr double kBlueWeightF = static_cast<double>(0.2f);

// Grey level of a packed colour for the float format.
inline float GreyFromPacked(std::uint32_t packed) {
    const double r = (packed >> 16) & 0xFFu;
    const double g = (packed >> 8) & 0xFFu;
    const double b = packed & 0xFFu;
    return static_cast<float>((kRedWeightF * r + kGreenWeightF * g + kBlueWeightF * b) * kInv255);
}

}  // namespace channel
