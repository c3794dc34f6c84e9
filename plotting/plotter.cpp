#include "plotter.h"

#include <cmath>

Plotter::Plotter(PlotCanvas* canvas) : canvas_(canvas) {}

void Plotter::Prepare() {
    if (canvas_ == nullptr) return;
    if (canvas_->Image() != nullptr) {
        background_ = canvas_->Image()->NewPixel();
        if (background_) background_->SetWhite();
    }
    canvas_->profile = &frameProfile;
}

void Plotter::DrawAxes() {
    if (canvas_ == nullptr) return;
    PlotCanvas& canvas = *canvas_;
    if (background_) canvas.Clear(*background_);
    const double minX = canvas.MinX();
    const double maxX = canvas.MaxX();
    const double minY = canvas.MinY();
    const double maxY = canvas.MaxY();

    frameProfile.extent = 1.0;
    // Grid lines sit on whole multiples of the step. The start index is
    // truncated toward zero, so a negative edge starts at the first multiple
    // inside the view. A step too small to move x ends the loop.
    if (gridStepX_ > 0.0) {
        for (double x = std::trunc(minX / gridStepX_) * gridStepX_; x < maxX;) {
            canvas.Line(Vector2(x, minY), Vector2(x, maxY));
            const double next = x + gridStepX_;
            if (next == x) break;
            x = next;
        }
    }
    if (gridStepY_ > 0.0) {
        for (double y = std::trunc(minY / gridStepY_) * gridStepY_; y < maxY;) {
            canvas.Line(Vector2(minX, y), Vector2(maxX, y));
            const double next = y + gridStepY_;
            if (next == y) break;
            y = next;
        }
    }

    frameProfile.extent = 3.0;
    canvas.Line(Vector2(minX, 0.0), Vector2(maxX, 0.0));
    canvas.Line(Vector2(0.0, minY), Vector2(0.0, maxY));
}

void Plotter::PlotFunction(const RealFunction& f, StrokeProfile* curveProfile, double offset) {
    if (canvas_ == nullptr) return;
    PlotCanvas& canvas = *canvas_;
    const double minX = canvas.MinX();
    const double maxX = canvas.MaxX();
    const double minY = canvas.MinY();
    const double maxY = canvas.MaxY();

    if (offset != 0.0) {
        frameProfile.extent = 0.5;
        canvas.Line(Vector2(minX, offset), Vector2(maxX, offset));
    }

    StrokeProfile* const saved = canvas.profile;
    canvas.profile = curveProfile;

    // Sample every half pixel. Shallow stretches are painted sample by sample
    // across the curve; steep ones, and jumps of more than one world unit
    // (a wall of a discontinuous potential), are joined by straight lines. A
    // sample outside the vertical range is skipped and no line joins it to the
    // next one inside.
    // The pieces are collected first and handed to the canvas as one curve.
    std::size_t count = 0;
    const auto add = [this, &count](CurvePiece::Kind kind, Vector2 a, Vector2 b) {
        if (count == pieces_.size()) pieces_.resize(pieces_.size() * 2 + 1024);
        pieces_[count++] = {kind, a, b};
    };
    const auto point = [&add](Vector2 p, Vector2 t) { add(CurvePiece::Kind::Point, p, t); };
    const auto line = [&add](Vector2 a, Vector2 b) { add(CurvePiece::Kind::Line, a, b); };
    const double dx = canvas.PixelSize() * 0.5;
    Vector2 prev(minX, f.Value(minX) + offset);
    for (double x = minX; x < maxX;) {
        const Vector2 p(x, f.Value(x) + offset);
        if (minY < p.y && p.y < maxY) {
            const double slope = f.Derivative(x);
            const bool prevInside = minY < prev.y && prev.y < maxY;
            if (std::abs(slope) < 1.0) {
                if (std::abs(p.y - prev.y) <= 1.0) {
                    point(p, Vector2(1.0, slope));
                } else if (prevInside) {
                    line(prev, p);
                }
            } else if (std::abs(slope) >= 1.0) {
                if (prevInside) line(prev, p);
            }
        }
        prev = p;
        const double next = x + dx;
        if (next == x) break;
        x = next;
    }
    canvas.DrawCurve(std::span<const CurvePiece>(pieces_.data(), count));

    canvas.profile = saved;
}
