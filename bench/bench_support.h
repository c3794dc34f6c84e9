// Sessions in the states the benchmarks measure.
#pragma once

#include <cmath>
#include <cstdint>

#include "headless_host.h"
#include "level_views.h"
#include "resources.h"

namespace bench {

// Presses "Play" and lets the timer run until the scan has passed the
// ceiling, as velquor-cli levels does. Returns the number of levels.
inline int SearchAllLevels(HeadlessSession& s) {
    for (int presses = 0; presses < 40 && s.Platform().IsEnabled(res::kPlay); ++presses) {
        s.Click(res::kPlay);
        s.RunTimer(100000);
    }
    return static_cast<int>(s.Dialog().Search().Levels().size());
}

// The "Normal" and "Zoom" pictures of the dialog's potential on a frame of
// their own, as the dialog draws them, for a benchmark to drive directly.
struct OwnViews {
    BufferImage frame;
    CurveStyles styles;
    LevelViews views{frame, styles};

    explicit OwnViews(const CWaveDlg& d) {
        frame.Create(static_cast<std::uint16_t>(d.Frame().Width()),
                     static_cast<std::uint16_t>(d.Frame().Height()), kRgb24);
        views.SetViews(StartViews(d.Frame().Width(), d.Frame().Height()));
        views.SetPotential(&d.Potential(), true);
        views.SetNormalisation(d.Views().Normaliser().Interval().y, HUGE_VAL);
    }
};

}  // namespace bench
