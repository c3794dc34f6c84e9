#include "level_run.h"

#include <stdexcept>

#include "resources.h"

namespace cli {

std::vector<SearchLevel> PlayForLevels(HeadlessSession& session, std::size_t wanted) {
    std::vector<SearchLevel> found;
    const CWaveDlg& dlg = session.Dialog();
    // Each press records at most one level and the table holds kMaxLevels, so
    // the presses are bounded even if "Play" somehow stayed enabled.
    for (std::size_t press = 0; press <= CWaveDlg::kMaxLevels && found.size() < wanted; ++press) {
        if (!session.Platform().IsEnabled(res::kPlay)) break;
        session.Click(res::kPlay);
        // A level takes a few dozen ticks; a timer still running after this
        // many is a fault of the search, not a slow potential.
        if (!session.RunTimer(100000))
            throw std::runtime_error("the level search did not stop its timer");
        if (dlg.LastTick() != CWaveDlg::Tick::Recorded) break;
        found.push_back(dlg.Search().Levels().back());
    }
    return found;
}

}  // namespace cli
