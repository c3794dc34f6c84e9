// The scattering of one of the program's potentials, as the "Transmision"
// tab and velquor-cli both compute it.
#pragma once

#include "potential_family.h"
#include "scattering.h"

// Throws scattering::NoContinuum where V has no finite limit on a side.
// info.v must outlive the result.
scattering::Transmission ScatteringOf(const PotentialInfo& info);
