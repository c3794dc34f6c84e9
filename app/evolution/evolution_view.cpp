#include "evolution_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "data_exchange.h"
#include "model.h"
#include "resources.h"

namespace {

// The zoom view's scale and grid, so that the two read alike. The
// potential's lowest point in sight sits this far up the picture below the
// band, unless the level line at <E> would then be higher than the other.
constexpr double kPixelsPerUnit = 60.0;
constexpr double kGridStep = 1.0;
constexpr double kBottomRow = 0.1;
constexpr double kHighestLevelRow = 0.6;
// The mark at <x>: a disc on the level line and a tick through it.
constexpr double kMarkRadius = 3.0;
constexpr double kMarkTick = 0.4;
// The dashes of the continuum edge's line, in units of x.
constexpr double kDash = 0.25;

std::string Join(const std::vector<std::string>& words) {
    std::string s;
    for (const std::string& w : words)
        s += (s.empty() ? "" : ", ") + w;
    return s;
}

std::string Fixed(double v, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, v);
    return text;
}

}  // namespace

EvolutionView::EvolutionView(DialogPlatform& platform, BufferImage& frame,
                             const EvolutionProfiles& profiles, std::function<void()> redraw)
    : platform_(platform), frame_(frame), profiles_(profiles), redraw_(std::move(redraw)) {
    psi_.SetRange(model::kGridMin, model::kGridMax);
    psi_.Resize(model::kSamples);
    real_.SetTarget(&psi_);
    density_.SetTarget(&psi_);
    markRamp_.SetStart(0, 0, 0, 0);
    markRamp_.SetEnd(255, 255, 255, 0);
    markProfile_.SetMap(&markRamp_);
    markProfile_.SetInner(1.0);
    markProfile_.SetOuter(2.0);
    edgeRamp_.SetStart(128, 128, 128, 0);
    edgeRamp_.SetEnd(255, 255, 255, 0);
    edgeProfile_.SetMap(&edgeRamp_);
    edgeProfile_.SetInner(2.5);
    edgeProfile_.SetOuter(3.5);
    white_ = frame_.NewPixel();
    if (white_) white_->SetWhite();
    bandProfile_.color = white_.get();
    bandProfile_.extent = 0.0;
}

void EvolutionView::InitControls() {
    platform_.SetControlText(res::kEvolutionSpeed, FormatDouble(speed_));
    platform_.SetControlText(res::kEvolutionPlay,
                             playing_ ? res::kPauseCaption : res::kPlayCaption);
    ShowChoice();
    ShowTime();
}

void EvolutionView::SetLevelSource(LevelSource source) {
    source_ = std::move(source);
    stale_ = true;
}

void EvolutionView::SetPotential(const RealFunction* potential) {
    potential_ = potential;
    stale_ = true;
    plot_.reset();  // placed afresh for this potential
    canvas_.reset();
    Restart(0.0);
    ShowTime();
    if (!shown_) return;
    Refresh();
    if (playing_ && state_ && !timerRunning_) StartTimer();
}

// ---- Time and the timer -------------------------------------------------------

double EvolutionView::TickStep() const {
    return speed_ * kTimePerSecond * res::kEvolutionTimerMs / 1000.0;
}

void EvolutionView::Restart(double t) {
    start_ = t;
    ticks_ = 0;
}

void EvolutionView::SetTime(double t) {
    Restart(t);
    ShowTime();
}

void EvolutionView::StartTimer() {
    platform_.SetTimer(res::kEvolutionTimer, res::kEvolutionTimerMs);
    timerRunning_ = true;
}

void EvolutionView::StopTimer() {
    if (timerRunning_) platform_.KillTimer(res::kEvolutionTimer);
    timerRunning_ = false;
}

void EvolutionView::Stop() {
    StopTimer();
}

void EvolutionView::OnShown(bool shown) {
    shown_ = shown;
    if (!shown) {
        StopTimer();
        return;
    }
    Refresh();
    ShowTime();
    if (playing_ && state_) StartTimer();
}

void EvolutionView::OnPlayPause() {
    playing_ = !playing_;
    platform_.SetControlText(res::kEvolutionPlay,
                             playing_ ? res::kPauseCaption : res::kPlayCaption);
    if (playing_ && shown_ && state_) {
        StartTimer();
    } else {
        StopTimer();
    }
}

void EvolutionView::OnReset() {
    SetTime(0.0);
    redraw_();
}

void EvolutionView::OnTick() {
    if (!timerRunning_) return;
    ++ticks_;
    ShowTime();
    redraw_();
}

// ---- The choice -----------------------------------------------------------------

const std::vector<dynamics::Eigenstate>& EvolutionView::Levels() {
    if (stale_) Refresh();
    return levels_;
}

const dynamics::Superposition* EvolutionView::State() {
    if (stale_) Refresh();
    return state_ ? &*state_ : nullptr;
}

void EvolutionView::Refresh() {
    if (!stale_) return;
    stale_ = false;
    BoundStatesOnGrid bound = source_ ? source_() : BoundStatesOnGrid{};
    levels_ = std::move(bound.levels);
    continuum_ = bound.continuum;
    const auto read = ReadEvolutionChoice(
        platform_.ControlText(res::kEvolutionStates), platform_.ControlText(res::kEvolutionWeights),
        platform_.ControlText(res::kEvolutionPhases), levels_.size());
    const auto* choice = std::get_if<EvolutionChoice>(&read);
    Build(choice ? *choice : DefaultEvolutionChoice(levels_.size()));
    if (!choice) ShowChoice();
}

void EvolutionView::Build(const EvolutionChoice& choice) {
    choice_ = choice;
    state_.reset();
    if (!choice.states.empty()) {
        std::vector<dynamics::Eigenstate> chosen;
        for (std::size_t k : choice.states)
            chosen.push_back(levels_[k]);
        const dynamics::Grid grid{model::kGridMin, model::kGridStep, model::kSamples};
        try {
            state_.emplace(grid, std::move(chosen), choice.weights);
        } catch (const std::invalid_argument&) {
            state_.reset();  // levels the solver could not give apart: nothing moves
        }
    }
    if (!state_) StopTimer();
    platform_.SetControlText(res::kEvolutionEnergy, state_
                                                        ? "<E> = " + Fixed(state_->MeanEnergy(), 6)
                                                        : std::string(res::kNoLevelsText));
    PlaceCanvas();
}

bool EvolutionView::OnApply() {
    if (stale_) Refresh();
    const auto read = ReadEvolutionChoice(
        platform_.ControlText(res::kEvolutionStates), platform_.ControlText(res::kEvolutionWeights),
        platform_.ControlText(res::kEvolutionPhases), levels_.size());
    if (const auto* e = std::get_if<EvolutionChoiceError>(&read)) {
        using Field = EvolutionChoiceError::Field;
        const int id = e->field == Field::States    ? res::kEvolutionStates
                       : e->field == Field::Weights ? res::kEvolutionWeights
                                                    : res::kEvolutionPhases;
        platform_.DataEntryMessage(id, e->message);
        return false;
    }
    const std::optional<double> speed =
        ParseNonNegative(platform_.ControlText(res::kEvolutionSpeed));
    if (!speed || *speed > res::kMaxEvolutionSpeed) {
        platform_.DataEntryMessage(res::kEvolutionSpeed, res::kEnterSpeed);
        return false;
    }
    const std::optional<double> t = ParseNonNegative(platform_.ControlText(res::kEvolutionTime));
    if (!t) {
        platform_.DataEntryMessage(res::kEvolutionTime, res::kEnterTime);
        return false;
    }
    Build(std::get<EvolutionChoice>(read));
    speed_ = *speed;
    SetTime(*t);
    if (playing_ && shown_ && state_ && !timerRunning_) StartTimer();
    redraw_();
    return true;
}

void EvolutionView::ShowChoice() {
    std::vector<std::string> states, weights, phases;
    for (std::size_t k = 0; k < choice_.states.size(); ++k) {
        states.push_back(std::to_string(choice_.states[k]));
        weights.push_back(FormatDouble(std::abs(choice_.weights[k])));
        phases.push_back(FormatDouble(std::arg(choice_.weights[k])));
    }
    platform_.SetControlText(res::kEvolutionStates, Join(states));
    platform_.SetControlText(res::kEvolutionWeights, Join(weights));
    platform_.SetControlText(res::kEvolutionPhases, Join(phases));
}

void EvolutionView::ShowTime() {
    platform_.SetControlText(res::kEvolutionTime, Fixed(Time(), 3));
}

// ---- Drawing ---------------------------------------------------------------------

// The potential's least value at the picture's columns.
double EvolutionView::LowestInSight(int width) const {
    double lowest = std::numeric_limits<double>::infinity();
    if (potential_ == nullptr) return lowest;
    for (int column = 0; column < width; ++column) {
        const double v = potential_->Value((column - width / 2) / kPixelsPerUnit);
        if (v < lowest) lowest = v;
    }
    return lowest;
}

// The continuum edge, a grey dashed bar across the picture (over the grid
// line it often lies on): no level above it is bound.
void EvolutionView::DrawEdge() {
    if (!continuum_) return;
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    canvas.profile = &edgeProfile_;
    const double y = *continuum_;
    for (double x = std::floor(canvas.MinX() / kDash) * kDash; x < canvas.MaxX(); x += 2.0 * kDash)
        canvas.Line(Vector2(x, y), Vector2(x + kDash, y));
    canvas.profile = saved;
}

// Placed for the state and the potential, so the view stays put while the
// state moves (<E> does not change with t).
void EvolutionView::PlaceCanvas() {
    const double energy = state_ ? state_->MeanEnergy() : 0.0;
    if (canvas_ && energy == placedEnergy_) return;
    placedEnergy_ = energy;
    const int w = frame_.Width();
    const int h = frame_.Height();
    const double picture = h - kBandHeight;
    double row = kHighestLevelRow * picture;
    const double lowest = LowestInSight(w);
    if (std::isfinite(lowest) && lowest < energy)
        row = std::min(row, kBottomRow * picture + (energy - lowest) * kPixelsPerUnit);
    const Vector2 origin(w / 2, std::round(std::floor(row) - energy * kPixelsPerUnit));
    plot_.reset();
    canvas_ = std::make_unique<PlotCanvas>(&frame_, kPixelsPerUnit, 0.0, origin);
    plot_ = std::make_unique<Plotter>(canvas_.get());
    plot_->SetGridStepX(kGridStep);
    plot_->SetGridStepY(kGridStep);
    plot_->Prepare();
    // The samples the view reads, with room for the slopes at its edges.
    const double h0 = model::kGridStep;
    const double lo = std::floor((canvas_->MinX() - model::kGridMin) / h0) - 3.0;
    const double hi = std::ceil((canvas_->MaxX() - model::kGridMin) / h0) + 3.0;
    first_ = static_cast<std::size_t>(std::max(0.0, lo));
    const auto last = static_cast<std::size_t>(std::clamp(hi, 0.0, model::kSamples - 1.0));
    buffer_.assign(last >= first_ ? last - first_ + 1 : 0, {});
    for (std::uint16_t i = 0; i < model::kSamples; ++i)
        psi_.SetSample(i, {});
}

void EvolutionView::FillPsi() {
    state_->Evaluate(Time(), first_, buffer_);
    for (std::size_t i = 0; i < buffer_.size(); ++i)
        psi_.SetSample(static_cast<std::uint16_t>(first_ + i),
                       {buffer_[i].real(), buffer_[i].imag()});
}

void EvolutionView::Draw() {
    if (stale_) Refresh();
    if (!plot_) PlaceCanvas();
    Plotter& plot = *plot_;
    plot.DrawAxes();
    DrawEdge();
    if (potential_) plot.PlotFunction(*potential_, profiles_.potential, 0.0);
    if (state_) {
        FillPsi();
        const double energy = state_->MeanEnergy();
        plot.PlotFunction(density_, profiles_.density, energy);
        plot.PlotFunction(real_, profiles_.real, energy);
        const double x = state_->Expect(Time()).meanX;
        PlotCanvas& canvas = *canvas_;
        StrokeProfile* const saved = canvas.profile;
        canvas.profile = &markProfile_;
        canvas.Line(Vector2(x, energy - kMarkTick), Vector2(x, energy + kMarkTick));
        canvas.DrawDisc(canvas.ToPixel(Vector2(x, energy)), kMarkRadius);
        canvas.profile = saved;
    }
    // The band under the controls stays blank.
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    canvas.profile = &bandProfile_;
    const double w = frame_.Width();
    const double h = frame_.Height();
    canvas.FillRect(Vector2(w / 2.0, h - kBandHeight / 2.0), w / 2.0 + 1.0, kBandHeight / 2.0, 0.0);
    canvas.profile = saved;
}
