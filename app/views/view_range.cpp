#include "view_range.h"

#include <algorithm>
#include <cmath>

namespace {

// Grid lines at least minPixels apart: 1, 2, 5, 10, 20, 50 ... world units,
// but never finer than finest.
double GridStep(double pixelsPerUnit, double minPixels, double finest) {
    double step = finest;
    for (int i = 0; i < 2000 && step * pixelsPerUnit < minPixels; ++i) {
        const double decade = std::pow(10.0, std::floor(std::log10(step)));
        const double m = step / decade;
        step = (m < 1.5 ? 2.0 : m < 3.5 ? 5.0 : 10.0) * decade;
    }
    return step;
}

// A frame showing [bottom, top] in y over the whole height, x = 0 at originX.
ViewFrame Fit(double bottom, double top, int height, double originX, double minPixels,
              double finest) {
    const double ppu = height / (top - bottom);
    return {ppu, Vector2(originX, -bottom * ppu), GridStep(ppu, minPixels, finest)};
}

}  // namespace

ViewFrames StartViews(int width, int height) {
    const int w = width;
    const int h = height;
    return {{30.0, Vector2(w / 4, 3 * h / 4), 5.0}, {60.0, Vector2(w / 2, 3 * h / 4), 1.0}};
}

double ViewTop(const ViewFrame& frame, int height) {
    return (height - frame.origin.y) / frame.pixelsPerUnit;
}

ViewFrames ChooseViews(int width, int height, SearchRange range) {
    const ViewFrames start = StartViews(width, height);
    const double startBottom = -start.normal.origin.y / start.normal.pixelsPerUnit;
    if (!(range.bottom < startBottom) || height <= 0 || !std::isfinite(range.bottom)) return start;
    // "Normal": the same top, the bottom lowered to below the potential's.
    const double top = ViewTop(start.normal, height);
    const double margin = 0.05 * (top - range.bottom);
    ViewFrames views;
    views.normal = Fit(range.bottom - margin, top, height, start.normal.origin.x, 100.0, 5.0);
    // "Zoom": from the bottom to the ceiling the search will reach.
    const double ceiling = std::min(range.ceiling, ViewTop(views.normal, height));
    const double span = std::max(ceiling - range.bottom, 1.0);
    views.zoom = Fit(range.bottom - 0.05 * span, ceiling + 0.1 * span, height, start.zoom.origin.x,
                     40.0, 1.0);
    return views;
}
