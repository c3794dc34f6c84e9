// The plotter draws what a view shows: the coordinate frame (white background,
// thin black grid, thick black axes) and curves y = f(x) + offset, each in the
// colour of its stroke profile and, when lifted off zero, over a thin black
// level line. One plotter per view, each bound to its own canvas.
#pragma once

#include <memory>
#include <vector>

#include "canvas.h"
#include "pixel.h"
#include "real_function.h"
#include "stroke_profile.h"

class Plotter {
  public:
    explicit Plotter(PlotCanvas* canvas);
    Plotter(const Plotter&) = delete;
    Plotter& operator=(const Plotter&) = delete;

    // World distance between grid lines; a step that is not positive (or not
    // a number) leaves out that family of lines.
    void SetGridStepX(double step) { gridStepX_ = step; }
    void SetGridStepY(double step) { gridStepY_ = step; }

    // Makes the white background in the image's own format and hands the
    // canvas the frame profile. Call once, after the grid steps.
    void Prepare();

    // Clears the image and draws the grid and the axes.
    void DrawAxes();

    // Draws y = f(x) + offset across the whole visible range with curveProfile,
    // over a level line at y = offset when the offset is not zero. The canvas's
    // profile is the same afterwards as before.
    void PlotFunction(const RealFunction& f, StrokeProfile* curveProfile, double offset);

    PlotCanvas* GetCanvas() const { return canvas_; }
    double GridStepX() const { return gridStepX_; }
    double GridStepY() const { return gridStepY_; }

    // Black strokes of grid, axes and level lines; the drawing code rewrites
    // its extent before each kind of stroke.
    SolidProfile frameProfile;

  private:
    PlotCanvas* canvas_;
    std::vector<CurvePiece> pieces_;  // room for the curve being plotted, kept between curves
    std::unique_ptr<Pixel> background_;
    double gridStepX_ = 0.0;
    double gridStepY_ = 0.0;
};
