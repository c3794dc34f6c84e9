// The discrete Fourier transform of the open line's grid, by KISS FFT. The
// transforms are not scaled: Inverse(Forward(a)) is N a.
#pragma once

#include <complex>
#include <memory>
#include <vector>

namespace packet {

using Complex = std::complex<double>;

class Fourier {
  public:
    explicit Fourier(std::size_t n);
    ~Fourier();
    Fourier(const Fourier&) = delete;
    Fourier& operator=(const Fourier&) = delete;

    // in and out hold n values each and must not overlap.
    void Forward(const Complex* in, Complex* out) const;
    void Inverse(const Complex* in, Complex* out) const;

  private:
    struct Plans;
    std::unique_ptr<Plans> plans_;
};

}  // namespace packet
