#include "stroke_profile.h"

void SolidProfile::ColorAt(Pixel& out, double /*distance*/) const {
    if (color) {
        out.Assign(*color);
    } else {
        // Scaling by zero makes any pixel kind black (ARGB keeps its alpha).
        out.Scale(0.0);
    }
}

void RampProfile::SetInner(double v) {
    inner_ = v;
    span_ = outer_ - v;
}

void RampProfile::SetOuter(double v) {
    outer_ = v;
    span_ = v - inner_;
}

void RampProfile::Scale(double k) {
    inner_ *= k;
    outer_ *= k;
    span_ *= k;
}

void RampProfile::ColorAt(Pixel& out, double distance) const {
    if (!map_) {
        out.Scale(0.0);
    } else {
        map_->Map(out, RampPosition(distance));
    }
}
