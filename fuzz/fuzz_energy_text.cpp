// Whatever is typed into the energy box, "Predictor" either reads it as the
// box's reading rule says or leaves the previous energy with a message, and
// the picture of the prediction is drawn without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data_exchange.h"
#include "headless_host.h"
#include "resources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static HeadlessSession session(true);
    const std::string text(reinterpret_cast<const char*>(data), size);
    CWaveDlg& d = session.Dialog();
    const double before = d.Energy();
    const std::size_t messages = session.Platform().messages.size();

    session.TypeEnergy(text);
    session.Click(res::kPredictor);
    session.Paint();

    const std::optional<double> read = ParseDecimal(text);
    if (read) {
        // The energy is the number read, and a finite one.
        if (d.Energy() != *read && !(d.Energy() != d.Energy() && *read != *read)) std::abort();
        if (session.Platform().messages.size() != messages) std::abort();
    } else {
        // Not a number: one message, and the energy stands.
        if (d.Energy() != before && !(d.Energy() != d.Energy() && before != before)) std::abort();
        if (session.Platform().messages.size() != messages + 1) std::abort();
    }
    if (d.Search().CurrentPhase() != LevelSearch::Phase::Start || !d.Search().PredictionShown())
        std::abort();
    session.Platform().messages.clear();
    return 0;
}
