#include "level_views.h"

#include <cmath>

#include "level_tail.h"
#include "model.h"
#include "portable_numbers.h"
#include "potential_choice.h"

namespace {

// The real part of a function on [from, to] only: elsewhere nothing is drawn.
class SpanRealPart : public RealFunction {
  public:
    SpanRealPart(const SampledFunction& f, double from, double to)
        : re_(&f), from_(from), to_(to) {}
    double Value(double x) const override { return Inside(x) ? re_.Value(x) : NAN; }
    double Derivative(double x) const override { return Inside(x) ? re_.Derivative(x) : NAN; }

  private:
    bool Inside(double x) const { return from_ <= x && x <= to_; }
    RealPartView re_;
    double from_;
    double to_;
};

}  // namespace

LevelViews::LevelViews(BufferImage& frame, CurveStyles& styles)
    : frame_(frame), styles_(styles), levelRe_(&level_), levelDensity_(&level_) {
    integrator_.SetInterval({-8.0, 8.0});
    integrator_.SetSteps(model::kNormalisationSteps);
    level_.SetRange(model::kGridMin, model::kGridMax);
    level_.Resize(model::kSamples);
    level_.SetMassFactor(model::kMassFactor);
    wholeGrid_.SetInterval({model::kGridMin, model::kGridMax});
    wholeGrid_.SetSteps(static_cast<std::uint16_t>(model::kSamples - 1));
}

void LevelViews::SetViews(const ViewFrames& views) {
    if (views == views_) return;
    views_ = views;
    const auto plotter = [](PlotCanvas* canvas, double gridStep) {
        auto plot = std::make_unique<Plotter>(canvas);
        plot->SetGridStepX(gridStep);
        plot->SetGridStepY(gridStep);
        plot->Prepare();
        return plot;
    };
    auto normal =
        std::make_unique<PlotCanvas>(&frame_, views.normal.pixelsPerUnit, 0.0, views.normal.origin);
    auto zoom =
        std::make_unique<PlotCanvas>(&frame_, views.zoom.pixelsPerUnit, 0.0, views.zoom.origin);
    plotNormal_ = plotter(normal.get(), views.normal.gridStep);
    plotZoom_ = plotter(zoom.get(), views.zoom.gridStep);
    canvasNormal_ = std::move(normal);
    canvasZoom_ = std::move(zoom);
}

void LevelViews::SetPotential(const RealFunction* v, bool classic, bool twoSided) {
    level_.SetPotential(v);
    classic_ = classic;
    if (twoSided && v != nullptr) shot_.SetPotential(v, level_, model::kMassFactor);
}

void LevelViews::SetNormalisation(double halfWidth, double growthLimit) {
    integrator_.SetInterval({-halfWidth, halfWidth});
    level_.SetGrowthLimit(growthLimit);
}

void LevelViews::Release() {
    plotNormal_.reset();
    plotZoom_.reset();
    canvasNormal_.reset();
    canvasZoom_.reset();
}

void LevelViews::DrawNormal(const RealFunction& v, const LevelSearch& search, bool searching) {
    using S = CurveStyles;
    Plotter& plot = *plotNormal_;
    const RealPartView lowerRe(&search.Lower());
    const RealPartView upperRe(&search.Upper());
    const DensityView lowerDensity(&search.Lower());
    plot.DrawAxes();
    plot.PlotFunction(v, styles_.Profile(S::kPotential), 0.0);
    if (search.TwoSided()) MarkMatchingPoint(search);
    if (search.CurrentPhase() == LevelSearch::Phase::Start) {
        if (search.TwoSided() && search.PredictionShown() && search.Lower().HasSamples()) {
            plot.PlotFunction(lowerDensity, styles_.Profile(S::kDensity), 0.0);
            DrawHalves(search);
        } else if (search.PredictionShown() && search.Lower().HasSamples()) {
            plot.PlotFunction(lowerRe, styles_.Profile(S::kReal), 0.0);
            plot.PlotFunction(lowerDensity, styles_.Profile(S::kDensity), 0.0);
        }
    } else if (searching) {
        if (search.Lower().HasSamples())
            plot.PlotFunction(lowerRe, styles_.Profile(S::kLowerBracket), 0.0);
        if (search.Upper().HasSamples())
            plot.PlotFunction(upperRe, styles_.Profile(S::kUpperBracket), 0.0);
    } else {
        plot.PlotFunction(lowerDensity, styles_.Profile(S::kDensity), 0.0);
        if (search.Lower().HasSamples()) plot.PlotFunction(lowerRe, styles_.Profile(S::kReal), 0.0);
    }
}

// The left half in the real part's blue, the right half in violet, each
// carried past the matching point: where they part there, the energy is not
// a level.
void LevelViews::DrawHalves(const LevelSearch& search) {
    using S = CurveStyles;
    const double match = search.Shot().MatchX();
    const SpanRealPart left(search.LeftHalf(), model::kGridMin, match + TwoSidedShot::kOverlap);
    const SpanRealPart right(search.RightHalf(), match - TwoSidedShot::kOverlap, model::kGridMax);
    plotNormal_->PlotFunction(left, styles_.Profile(S::kReal), 0.0);
    plotNormal_->PlotFunction(right, styles_.Profile(S::kUpperBracket), 0.0);
}

// A cyan line up the picture at the matching point.
void LevelViews::MarkMatchingPoint(const LevelSearch& search) {
    PlotCanvas& canvas = *canvasNormal_;
    StrokeProfile* const saved = canvas.profile;
    canvas.profile = styles_.Profile(CurveStyles::kUnused);
    const double x = search.Shot().MatchX();
    canvas.Line(Vector2(x, canvas.MinY()), Vector2(x, canvas.MaxY()));
    canvas.profile = saved;
}

void LevelViews::DrawZoom(const RealFunction& v, std::span<const SearchLevel> levels) {
    using S = CurveStyles;
    Plotter& plot = *plotZoom_;
    plot.DrawAxes();
    plot.PlotFunction(v, styles_.Profile(S::kPotential), 0.0);
    for (std::size_t i = 0; i < levels.size() && i < copies_.size(); ++i) {
        ShowLevel(i, levels[i]);
        plot.PlotFunction(levelDensity_, styles_.Profile(S::kDensity), levels[i].energy);
        plot.PlotFunction(levelRe_, styles_.Profile(S::kReal), levels[i].energy);
    }
}

void LevelViews::ShowLevel(std::size_t i, const SearchLevel& level) {
    const std::optional<LevelKey> key = KeyFor(level);
    LevelCopy& copy = copies_[i];
    if (key && copy.valid && copy.key == *key) {
        // The same inputs: the same samples and scale, copied back.
        level_.CopyFrom(copy.function);
        return;
    }
    if (level.TwoSided()) {
        shot_.Shoot(level.energy, level_);
        wholeGrid_.Normalize(level_);
    } else {
        level_.Integrate(level.parity, level.energy);
        if (!classic_) TrimDivergentTail(level_, level.energy);
        integrator_.Normalize(level_);
    }
    copy.valid = key && copy.function.CopyFrom(level_);
    if (key) copy.key = *key;
}

std::optional<LevelViews::LevelKey> LevelViews::KeyFor(const SearchLevel& level) const {
    const RealFunction* potential = level_.Potential();
    if (potential == nullptr || level_.Count() < 2) return std::nullopt;
    const std::optional<PotentialSettings> settings = SettingsOf(*potential);
    if (!settings) return std::nullopt;
    const auto bits = [](double v) { return portable::BitCast<std::uint64_t>(v); };
    const Vector2 first = level_.GetSample(0);
    const Vector2 last = level_.GetSample(static_cast<std::uint16_t>(level_.Count() - 1));
    LevelKey key;
    // The level; the function as it stands (the samples its integration
    // leaves alone, and the scale it divides); its grid and mass factor; the
    // potential; the normalisation.
    key.bits = {bits(level.energy),
                bits(level_.Scale()),
                bits(first.x),
                bits(first.y),
                bits(last.x),
                bits(last.y),
                bits(level_.XMin()),
                bits(level_.XMax()),
                bits(level_.MassFactor()),
                bits(settings->values[0]),
                bits(settings->values[1]),
                bits(settings->values[2]),
                bits(settings->values[3]),
                bits(integrator_.Interval().x),
                bits(integrator_.Interval().y)};
    key.count = level_.Count();
    key.steps = integrator_.Steps();
    key.parity = level.parity;
    key.kind = settings->kind;
    return key;
}
