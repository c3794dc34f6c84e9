// Sessions in the states the benchmarks measure.
#pragma once

#include "headless_host.h"
#include "resources.h"

namespace bench {

// Presses "Play" and lets the timer run until the scan has passed the
// ceiling, as velquor-cli levels does. Returns the number of levels.
inline int SearchAllLevels(HeadlessSession& s) {
    for (int presses = 0; presses < 40 && s.Platform().IsEnabled(res::kPlay); ++presses) {
        s.Click(res::kPlay);
        s.RunTimer(100000);
    }
    return s.Dialog().Search().Levels().size();
}

}  // namespace bench
