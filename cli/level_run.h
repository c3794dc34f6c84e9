// The level search as a person runs it at the window: press "Play", let the
// timer tick until it stops, and again, until enough levels are recorded or
// "Play" stays disabled because the scan has passed its ceiling.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "headless_host.h"
#include "level_table.h"

namespace cli {

using FoundLevel = LevelRow;

inline constexpr std::size_t kAllLevels = std::numeric_limits<std::size_t>::max();

// Runs the search of the session's selected potential until `wanted` levels
// have been recorded by this run or the scan has ended. The session's search
// state is program-wide: never run two sessions' searches interleaved.
std::vector<FoundLevel> PlayForLevels(HeadlessSession& session, std::size_t wanted = kAllLevels);

}  // namespace cli
