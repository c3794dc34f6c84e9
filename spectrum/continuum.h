// What V does far out on each side: grows without bound, or levels off to a
// limit, and how fast. The lower of the two limits is the continuum edge:
// the bound states are the levels below it.
#pragma once

#include <optional>

#include "spectrum.h"

namespace spectrum::detail {

struct Side {
    enum class Kind {
        Grows,      // V -> +infinity: every energy is bound on this side
        LevelsOff,  // V -> limit
        Falls,      // V -> -infinity: no level is bound
        Unknown,    // none of these seen (V oscillates)
    };
    Kind kind = Kind::Unknown;
    double limit = 0.0;
    // |x| beyond which V is within rounding of its limit (LevelsOff); when
    // V only gets there further out than the solver ever goes, `reached` is
    // that far point and `settled` is false.
    double reached = 0.0;
    bool settled = false;
    double residual = 0.0;  // |V - limit| at `reached`, where not settled
    // V approaches its limit from below more slowly than 1/x^2, or as
    // -g/x^2 with g > 1/8: infinitely many levels below the limit.
    bool slowTail = false;
};

struct Continuum {
    Side left, right;
    std::optional<double> edge;  // the lower limit, where a side levels off
    bool infinitelyMany = false;
};

// `scale` is the size of V near the wells (|V| at the bottom, at least 1):
// it sets what counts as rounding.
Continuum FindContinuum(const Potential& v, double scale);

}  // namespace spectrum::detail
