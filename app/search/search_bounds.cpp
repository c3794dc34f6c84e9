#include "search_bounds.h"

#include <algorithm>

#include "model.h"

namespace {

// The grid point nearest to x (the grid's own x, i h + xmin).
int GridIndex(double x) {
    return static_cast<int>((x - model::kGridMin) / model::kGridStep + 0.5);
}

double GridX(int i) {
    return i * model::kGridStep + model::kGridMin;
}

}  // namespace

SearchRange PotentialRange(const RealFunction& v, RangeSamples samples) {
    // The limits the search has always started from.
    SearchRange r{10000.0, -10000.0};
    const auto take = [&r](double value) {
        if (value < r.bottom) r.bottom = value;
        if (value > r.ceiling) r.ceiling = value;
    };
    if (samples == RangeSamples::Integers) {
        for (double x = 0.0; x < 15.0; x += 1.0)
            take(v.Value(x));
        return r;
    }
    const int first = GridIndex(samples == RangeSamples::Grid ? 0.0 : -15.0);
    const int last = GridIndex(15.0);
    r = {v.Value(GridX(first)), v.Value(GridX(first))};
    for (int i = first; i <= last; ++i)
        take(v.Value(GridX(i)));
    return r;
}

SearchRange SearchBounds(const RealFunction& v, double viewTop, RangeSamples samples) {
    SearchRange r = PotentialRange(v, samples);
    // Nothing above the visible range would be seen.
    if (viewTop < r.ceiling) r.ceiling = viewTop;
    return r;
}

double NormalisationHalfWidth(const RealFunction& v, SearchRange bounds, double least) {
    const double ceiling = bounds.ceiling - 0.1 * (bounds.ceiling - bounds.bottom);
    double reach = 0.0;
    for (int i = model::kCentreIndex; i < model::kSamples; ++i) {
        const double x = GridX(i);
        if (v.Value(x) < ceiling || v.Value(-x) < ceiling) reach = x;
    }
    return std::clamp(reach + 2.0, least, model::kGridMax);
}
