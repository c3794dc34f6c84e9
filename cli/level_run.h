// The level search as a person runs it at the window: press "Play", let the
// timer tick until it stops, and again, until enough levels are recorded or
// "Play" stays disabled because the scan has passed its ceiling.
#pragma once

#include <cstddef>
#include <limits>
#include <vector>

#include "headless_host.h"
#include "level_search.h"

namespace cli {

inline constexpr std::size_t kAllLevels = std::numeric_limits<std::size_t>::max();

// Runs the search of the session's selected potential until `wanted` levels
// have been recorded by this run or the scan has ended; returns those levels.
std::vector<SearchLevel> PlayForLevels(HeadlessSession& session, std::size_t wanted = kAllLevels);

}  // namespace cli
