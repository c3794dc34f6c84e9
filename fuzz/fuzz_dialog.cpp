// Any sequence of what a user can do at the dialog (choose a potential, type
// an energy, "Predictor", "Buscar", "Play", let the timer tick, switch tabs,
// spin, open the About box, paint): no fault, and the level table stays in
// bounds with finite, increasing energies.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "headless_host.h"
#include "resources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // The search's program-wide values start afresh with every session.
    HeadlessSession s(true);
    CWaveDlg& d = s.Dialog();
    // Budgets that keep one input well under a tenth of a second, sanitizers
    // included: search steps and integrations (ticks, "Buscar", "Predictor"),
    // and paints, which draw the frame.
    int paints = 0;
    int steps = 0;
    for (int event = 0; event < 100 && steps < 80 && in.remaining_bytes() > 0; ++event) {
        switch (in.ConsumeIntegralInRange<int>(0, 11)) {
            case 0:
                s.SelectPotential(in.ConsumeIntegralInRange<int>(-1, 3));
                break;
            case 1:
                s.TypeEnergy(in.ConsumeRandomLengthString(24));
                break;
            case 2:
                s.Click(res::kPredictor);
                ++steps;
                break;
            case 3:
                s.Click(res::kSearch);
                ++steps;
                break;
            case 4:
                s.Click(res::kPlay);
                break;
            case 5:
                // A run of ticks, as while the user waits.
                for (int k = in.ConsumeIntegralInRange<int>(1, 32); k > 0 && steps < 80; --k) {
                    s.Tick();
                    ++steps;
                }
                break;
            case 6:
                s.SelectTab(in.ConsumeIntegralInRange<int>(-1, 2));
                break;
            case 7:
                d.OnSpinDelta(in.ConsumeIntegralInRange<int>(-3, 3));
                break;
            case 8:
                d.OnSysCommand(in.ConsumeIntegral<std::uint16_t>());
                break;
            case 9:
                if (paints < 2) {
                    s.Paint();
                    ++paints;
                }
                break;
            case 10:
                s.PressEnter();
                ++steps;
                break;
            default:
                s.Click(in.ConsumeIntegralInRange<int>(1000, 1020));
                ++steps;
                break;
        }
        const std::span<const SearchLevel> levels = d.Search().Levels();
        if (levels.size() > CWaveDlg::kMaxLevels) std::abort();
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (!std::isfinite(levels[i].energy)) std::abort();
            if (i > 0 && !(levels[i].energy > levels[i - 1].energy)) std::abort();
        }
        if (s.Platform().timerRunning != d.TimerRunning()) std::abort();
    }
    return 0;
}
