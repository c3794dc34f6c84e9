#include "transmission_picture.h"

#include <algorithm>
#include <cmath>

#include "real_function.h"

namespace {

constexpr double kMargin = 12.0;  // pixels between the panels and the frame
constexpr double kDash = 4.0;     // pixels of a dash and of its gap
constexpr double kMarkRadius = 3.0;
constexpr double kStateShare = 0.35;  // of the state panel's height for |psi|^2's top

// A curve given at the middle of every pixel column, read between them.
class ColumnCurve : public RealFunction {
  public:
    explicit ColumnCurve(std::vector<double> rows) : rows_(std::move(rows)) {}
    double Value(double x) const override {
        if (rows_.empty()) return NAN;
        const double u = std::clamp(x - 0.5, 0.0, static_cast<double>(rows_.size() - 1));
        const auto i = static_cast<std::size_t>(u);
        if (i + 1 >= rows_.size()) return rows_.back();
        return rows_[i] + (rows_[i + 1] - rows_[i]) * (u - static_cast<double>(i));
    }
    double Derivative(double x) const override {
        if (rows_.size() < 2) return 0.0;
        const double u = std::clamp(x - 0.5, 0.0, static_cast<double>(rows_.size() - 2));
        const auto i = static_cast<std::size_t>(u);
        return rows_[i + 1] - rows_[i];
    }

  private:
    std::vector<double> rows_;
};

}  // namespace

TransmissionPicture::TransmissionPicture(BufferImage& frame, const TransmissionProfiles& profiles,
                                         int bandHeight)
    : frame_(frame), profiles_(profiles), bandHeight_(bandHeight) {
    markRamp_.SetStart(0, 0, 0, 0);
    markRamp_.SetEnd(255, 255, 255, 0);
    markProfile_.SetMap(&markRamp_);
    markProfile_.SetInner(1.0);
    markProfile_.SetOuter(2.0);
    dashRamp_.SetStart(128, 128, 128, 0);
    dashRamp_.SetEnd(255, 255, 255, 0);
    dashProfile_.SetMap(&dashRamp_);
    dashProfile_.SetInner(0.5);
    dashProfile_.SetOuter(1.5);
}

TransmissionPicture::~TransmissionPicture() = default;

void TransmissionPicture::Place() {
    if (canvas_ && canvas_->Image() == &frame_) return;
    plot_.reset();
    canvas_ = std::make_unique<PlotCanvas>(&frame_, 1.0, 0.0, Vector2(0.0, 0.0));
    plot_ = std::make_unique<Plotter>(canvas_.get());
    plot_->SetGridStepX(0.0);
    plot_->SetGridStepY(0.0);
    plot_->Prepare();
    white_ = frame_.NewPixel();
    if (white_) white_->SetWhite();
    bandProfile_.color = white_.get();
    bandProfile_.extent = 0.0;
}

void TransmissionPicture::DrawEmpty() {
    Place();
    plot_->DrawAxes();
    DrawBand();
}

void TransmissionPicture::Draw(const Curves& curves, const State& state) {
    Place();
    plot_->DrawAxes();
    DrawCurvePanel(curves);
    DrawStatePanel(state);
    DrawBand();
}

// Rows: T = 0 at the middle of the picture below the band, T = 1 near its top.
void TransmissionPicture::DrawCurvePanel(const Curves& c) {
    PlotCanvas& canvas = *canvas_;
    const double w = frame_.Width();
    const double top = frame_.Height() - bandHeight_ - kMargin;
    const double bottom = 0.5 * (frame_.Height() - bandHeight_) + kMargin;
    const auto row = [&](double t) { return bottom + (top - bottom) * t; };
    plot_->frameProfile.extent = 0.5;
    canvas.profile = &plot_->frameProfile;
    canvas.Line(Vector2(0.0, row(0.0)), Vector2(w, row(0.0)));
    canvas.Line(Vector2(0.0, row(1.0)), Vector2(w, row(1.0)));
    StrokeProfile* const saved = canvas.profile;
    canvas.profile = &dashProfile_;
    for (double x : c.resonances)
        for (double y = bottom; y < top; y += 2.0 * kDash)
            canvas.Line(Vector2(x, y), Vector2(x, std::fmin(y + kDash, top)));
    canvas.profile = saved;
    std::vector<double> rows(c.t.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = row(c.r[i]);
    plot_->PlotFunction(ColumnCurve(rows), profiles_.reflection, 0.0);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = row(c.t[i]);
    plot_->PlotFunction(ColumnCurve(rows), profiles_.transmission, 0.0);
    if (!c.marker) return;
    canvas.profile = &markProfile_;
    canvas.Line(Vector2(*c.marker, bottom), Vector2(*c.marker, top));
    if (c.markerT)
        canvas.DrawDisc(canvas.ToPixel(Vector2(*c.marker, row(*c.markerT))), kMarkRadius);
    canvas.profile = saved;
}

// The potential and the state over x, the energy's line through the middle
// of the psi's scale.
void TransmissionPicture::DrawStatePanel(const State& s) {
    if (s.xs.empty()) return;
    const double top = 0.5 * (frame_.Height() - bandHeight_) - kMargin;
    const double bottom = kMargin;
    double lo = s.energy;
    double hi = s.energy;
    for (double v : s.v)
        if (std::isfinite(v)) {
            lo = std::fmin(lo, v);
            hi = std::fmax(hi, v);
        }
    // Each curve on its own scale: Re psi's and |psi|^2's largest values
    // reach the same height over the energy.
    double densityTop = 0.0;
    for (const std::complex<double>& p : s.psi)
        densityTop = std::fmax(densityTop, std::norm(p));
    const double span = std::fmax(hi - lo, 1.0);
    const double density = densityTop > 0.0 ? kStateShare * span / densityTop : 0.0;
    const double real = densityTop > 0.0 ? kStateShare * span / std::sqrt(densityTop) : 0.0;
    hi = std::fmax(hi, s.energy + kStateShare * span) + 0.05 * span;
    lo = std::fmin(lo, s.energy - kStateShare * span) - 0.05 * span;
    const auto row = [&](double e) {
        return std::clamp(bottom + (top - bottom) * (e - lo) / (hi - lo), bottom, top);
    };
    const std::size_t n = s.xs.size();
    std::vector<double> rows(n);
    for (std::size_t i = 0; i < n; ++i)
        rows[i] = row(s.v[i]);
    plot_->PlotFunction(ColumnCurve(rows), profiles_.potential, 0.0);
    PlotCanvas& canvas = *canvas_;
    plot_->frameProfile.extent = 0.5;
    canvas.profile = &plot_->frameProfile;
    canvas.Line(Vector2(0.0, row(s.energy)), Vector2(frame_.Width(), row(s.energy)));
    if (s.psi.size() != n) return;
    for (std::size_t i = 0; i < n; ++i)
        rows[i] = row(s.energy + density * std::norm(s.psi[i]));
    plot_->PlotFunction(ColumnCurve(rows), profiles_.reflection, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        rows[i] = row(s.energy + real * s.psi[i].real());
    plot_->PlotFunction(ColumnCurve(rows), profiles_.transmission, 0.0);
}

// The band under the controls stays blank.
void TransmissionPicture::DrawBand() {
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    canvas.profile = &bandProfile_;
    const double w = frame_.Width();
    const double h = frame_.Height();
    canvas.FillRect(Vector2(w / 2.0, h - bandHeight_ / 2.0), w / 2.0 + 1.0, bandHeight_ / 2.0, 0.0);
    canvas.profile = saved;
}
