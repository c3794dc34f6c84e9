#include "fourier.h"

#include <kissfft.hh>

namespace packet {

struct Fourier::Plans {
    explicit Plans(std::size_t n) : forward(n, false), inverse(n, true) {}
    kissfft<double> forward;
    kissfft<double> inverse;
};

Fourier::Fourier(std::size_t n) : plans_(std::make_unique<Plans>(n)) {}

Fourier::~Fourier() = default;

void Fourier::Forward(const Complex* in, Complex* out) const {
    plans_->forward.transform(in, out);
}

void Fourier::Inverse(const Complex* in, Complex* out) const {
    plans_->inverse.transform(in, out);
}

}  // namespace packet
