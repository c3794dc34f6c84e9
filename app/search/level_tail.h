// A level found by shooting is right only up to where the growing solution,
// which any energy short of exact carries, overtakes the decaying one; past
// the least |psi| beyond the last turning point the shot solution only grows.
// The three potentials of the start are drawn as they always were; the
// others have their levels' tails cut there before they are normalised, so
// that a deep level is not drawn as two walls at the interval's ends.
#pragma once

#include "wave_function.h"

// Zeroes the samples of psi (shot at energy, even or odd about x = 0) past the
// least |psi| beyond the last x where V < energy, on both sides. The grid's
// two end samples are left as they are.
void TrimDivergentTail(WaveFunction& psi, double energy);
