// Whatever is typed as V(x): the formula is refused with a message and stays
// as it was, or taken, finite on the whole grid and even exactly when the
// grid says so; and the window applies it, draws both views of it and takes
// a search step (shooting from both ends where it is not even), without
// fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formula_potential.h"
#include "headless_host.h"
#include "model.h"
#include "resources.h"

namespace {

double GridX(int i) {
    return i * model::kGridStep + model::kGridMin;
}

bool EvenOnGrid(const FormulaPotential& f) {
    for (int i = 0; i <= model::kCentreIndex; ++i) {
        const double a = f.Value(GridX(i));
        const double b = f.Value(-GridX(i));
        if (!(std::fabs(a - b) <= FormulaPotential::kEvenTolerance * std::fmax(1.0, std::fabs(a))))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static HeadlessSession session(true);
    static const bool chosen = session.SelectPotential(std::string("Formula"));
    if (!chosen) std::abort();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const FormulaPotential& formula = session.Dialog().Choice().Formula();
    const std::string before = formula.Text();

    const std::optional<std::string> check = FormulaPotential::Check(text);
    const std::optional<std::string> message = session.ChangeSettings({text});
    if (check != message) std::abort();
    if (message) {
        if (message->empty() || formula.Text() != before) std::abort();
        session.Platform().messages.clear();
        return 0;
    }
    if (formula.Text() != text || text.size() > FormulaPotential::kMaxLength) std::abort();
    for (int i = 0; i < model::kSamples; ++i)
        if (!std::isfinite(formula.Value(GridX(i)))) std::abort();
    if (formula.IsEven() != EvenOnGrid(formula)) std::abort();
    const bool searchable = session.Platform().IsEnabled(res::kSearch);
    if (!searchable) std::abort();

    session.SelectTab(0);
    session.Paint();
    session.SelectTab(1);
    session.Paint();
    if (searchable) {
        session.Click(res::kSearch);
        session.Paint();
    }
    return 0;
}
