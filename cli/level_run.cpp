#include "level_run.h"

#include <stdexcept>

#include "resources.h"

namespace cli {

std::vector<FoundLevel> PlayForLevels(HeadlessSession& session, std::size_t wanted) {
    std::vector<FoundLevel> found;
    const CWaveDlg& dlg = session.Dialog();
    // Each press records at most one level and the table holds kMaxLevels, so
    // the presses are bounded even if "Play" somehow stayed enabled.
    for (std::size_t press = 0; press <= CWaveDlg::kMaxLevels && found.size() < wanted; ++press) {
        if (!session.Platform().IsEnabled(res::kPlay)) break;
        const int before = session.Ticks();
        session.Click(res::kPlay);
        // A level takes a few dozen ticks; a timer still running after this
        // many is a fault of the search, not a slow potential.
        if (!session.RunTimer(100000))
            throw std::runtime_error("the level search did not stop its timer");
        if (dlg.LastTick() != CWaveDlg::Tick::Recorded) break;
        const int index = dlg.m_levelCount - 1;
        found.push_back(
            {index, dlg.m_levelParity[index], dlg.m_levels[index], session.Ticks() - before});
    }
    return found;
}

}  // namespace cli
