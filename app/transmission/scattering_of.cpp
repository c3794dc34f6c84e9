#include "scattering_of.h"

#include "real_function.h"

scattering::Transmission ScatteringOf(const PotentialInfo& info) {
    const RealFunction* v = info.v;
    return scattering::Transmission([v](double x) { return v->Value(x); }, info.jumps);
}
