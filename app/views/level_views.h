// The pictures of the "Normal" and "Zoom" tabs. "Normal": the potential with
// the search's solutions (the prediction, or both ends of the bracket while
// searching, or the level last found with its density). "Zoom": the
// potential with every recorded level drawn at its energy.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>

#include "canvas.h"
#include "curve_styles.h"
#include "image.h"
#include "level_search.h"
#include "plotter.h"
#include "sampled_function.h"
#include "view_range.h"
#include "wave_function.h"

class LevelViews {
  public:
    LevelViews(BufferImage& frame, CurveStyles& styles);
    LevelViews(const LevelViews&) = delete;
    LevelViews& operator=(const LevelViews&) = delete;

    // The scales and origins of both views (nothing is redone for the same).
    void SetViews(const ViewFrames& views);
    // The potential the levels are integrated in. The start's three
    // potentials (classic) are drawn as they always were; the others have
    // their levels' divergent tails cut. twoSided: V is not even, its levels
    // are shot from both ends and normalised on the whole grid.
    void SetPotential(const RealFunction* v, bool classic, bool twoSided = false);
    // The interval a level is normalised on, and how far its shot solution
    // may grow.
    void SetNormalisation(double halfWidth, double growthLimit);
    // Gone with the window: nothing is drawn after this.
    void Release();

    bool Ready() const { return plotNormal_ != nullptr && canvasNormal_ != nullptr; }
    const PlotCanvas* NormalCanvas() const { return canvasNormal_.get(); }
    const PlotCanvas* ZoomCanvas() const { return canvasZoom_.get(); }

    // searching: the brackets are on show (a step has begun since the last
    // level was recorded).
    void DrawNormal(const RealFunction& v, const LevelSearch& search, bool searching);
    void DrawZoom(const RealFunction& v, std::span<const SearchLevel> levels);

    // What each level is integrated into and normalised by, for tests that
    // change them behind the view's back.
    WaveFunction& LevelFunction() { return level_; }
    Integrator& Normaliser() { return integrator_; }
    const Integrator& Normaliser() const { return integrator_; }

  private:
    // Everything level_'s integration and normalisation at a level depend
    // on, bit for bit; nothing when they cannot be told (a potential of
    // another kind).
    struct LevelKey {
        std::array<std::uint64_t, 15> bits{};
        std::uint16_t count = 0;
        std::uint16_t steps = 0;
        std::uint8_t parity = 0;
        int kind = 0;
        bool operator==(const LevelKey&) const = default;
    };
    std::optional<LevelKey> KeyFor(const SearchLevel& level) const;
    // Integrates and normalises the level into level_, or copies back what
    // that gave last time from the very same inputs.
    void ShowLevel(std::size_t i, const SearchLevel& level);
    // Shot from both ends: the prediction's two halves, and a mark at the
    // matching point.
    void DrawHalves(const LevelSearch& search);
    void MarkMatchingPoint(const LevelSearch& search);

    BufferImage& frame_;
    CurveStyles& styles_;
    ViewFrames views_;
    std::unique_ptr<PlotCanvas> canvasNormal_;
    std::unique_ptr<PlotCanvas> canvasZoom_;
    std::unique_ptr<Plotter> plotNormal_;
    std::unique_ptr<Plotter> plotZoom_;
    Integrator integrator_;
    Integrator wholeGrid_;  // where a level shot from both ends is normalised
    TwoSidedShot shot_;
    WaveFunction level_;
    RealPartView levelRe_;
    DensityView levelDensity_;
    bool classic_ = true;

    // The zoom view integrates and normalises every level again on every
    // redraw, most often with the very same inputs: what came out last time
    // for each level, with what it came from.
    struct LevelCopy {
        bool valid = false;
        LevelKey key;
        SampledFunction function;
    };
    std::array<LevelCopy, LevelSearch::kMaxLevels> copies_;
};
