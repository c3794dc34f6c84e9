#include "packet_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "data_exchange.h"
#include "evolution_choice.h"
#include "resources.h"

namespace {

// The packet's level line this far up the picture below the band, the
// potential's lowest point in the interior this far; |psi|^2 at its first
// peak this high above its line, Re psi as high.
constexpr double kLevelRow = 0.55;
constexpr double kBottomRow = 0.12;
constexpr double kCurveHeight = 0.3;
// Grid lines every 5 units of x; energy lines at least this many pixels apart.
constexpr double kGridStepX = 5.0;
constexpr double kMinGridPixels = 12.0;
// The dashes of the split point's line, in pixels.
constexpr double kDash = 6.0;
// The inset of |phi(k)|^2 in the top right corner: size and margin in pixels.
constexpr double kInsetWidth = 168.0;
constexpr double kInsetHeight = 84.0;
constexpr double kInsetMargin = 8.0;
constexpr std::uint32_t kLayerRgb = 0xE4E4E4;

std::string Fixed(double v, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, v);
    return text;
}

// A curve through values at the packet's grid points, scaled, joined by
// straight lines; 0 off the grid.
class GridCurve : public RealFunction {
  public:
    std::vector<double> values;
    double scale = 1.0;

    double Value(double x) const override {
        const auto [i, f] = Locate(x);
        if (i < 0) return 0.0;
        return scale * (values[i] + f * (values[i + 1] - values[i]));
    }
    double Derivative(double x) const override {
        const auto [i, f] = Locate(x);
        if (i < 0) return 0.0;
        return scale * (values[i + 1] - values[i]) / packet::kStep;
    }

  private:
    std::pair<std::ptrdiff_t, double> Locate(double x) const {
        const double u = (x - packet::kGridMin) / packet::kStep;
        if (!(u >= 0.0) || u >= static_cast<double>(values.size()) - 1.0) return {-1, 0.0};
        const double i = std::floor(u);
        return {static_cast<std::ptrdiff_t>(i), u - i};
    }
};

// A real function times a constant.
class Scaled : public RealFunction {
  public:
    const RealFunction* f = nullptr;
    double scale = 1.0;

    double Value(double x) const override { return scale * f->Value(x); }
    double Derivative(double x) const override { return scale * f->Derivative(x); }
};

}  // namespace

// World units: x across; up, energy times `energy` (so the x axis is V = 0).
struct PacketView::Scales {
    double pixelsPerUnit = 1.0;
    double energy = 1.0;        // world units an energy unit
    double level = 0.0;         // the packet's <H>
    double peakMomentum = 1.0;  // |phi(k)|^2 at its peak at t = 0
    double reachK = 1.0;        // the inset shows -reachK < k < reachK
    GridCurve density;
    GridCurve real;
    Scaled potential;
};

PacketView::PacketView(DialogPlatform& platform, BufferImage& frame, const PacketProfiles& profiles,
                       std::function<void()> redraw)
    : platform_(platform), frame_(frame), profiles_(profiles), redraw_(std::move(redraw)) {
    dashRamp_.SetStart(96, 96, 96, 0);
    dashRamp_.SetEnd(255, 255, 255, 0);
    dashProfile_.SetMap(&dashRamp_);
    dashProfile_.SetInner(1.0);
    dashProfile_.SetOuter(2.0);
    white_ = frame_.NewPixel();
    layer_ = frame_.NewPixel();
    black_ = frame_.NewPixel();
    if (white_) white_->SetWhite();
    if (layer_) layer_->FromRgb(kLayerRgb);
    if (black_) black_->FromRgb(0);
    fillProfile_.extent = 0.0;
    frameProfile_.color = black_.get();
    frameProfile_.extent = 1.0;
}

PacketView::~PacketView() = default;

void PacketView::InitControls() {
    ShowChoice();
    platform_.SetControlText(res::kPacketSpeed, FormatDouble(speed_));
    platform_.SetControlText(res::kPacketPlay, playing_ ? res::kPauseCaption : res::kPlayCaption);
    ShowTime();
}

void PacketView::SetPotential(const RealFunction* potential) {
    potential_ = potential;
    stale_ = true;
    SetTime(0.0);
    if (shown_) Build();
    if (shown_ && playing_ && line_ && !timerRunning_) StartTimer();
}

// ---- Time and the timer -------------------------------------------------------

double PacketView::TickStep() const {
    return speed_ * kTimePerSecond * res::kPacketTimerMs / 1000.0;
}

void PacketView::SetTime(double t) {
    start_ = t;
    ticks_ = 0;
    ShowTime();
}

void PacketView::StartTimer() {
    platform_.SetTimer(res::kPacketTimer, res::kPacketTimerMs);
    timerRunning_ = true;
}

void PacketView::StopTimer() {
    if (timerRunning_) platform_.KillTimer(res::kPacketTimer);
    timerRunning_ = false;
}

void PacketView::Stop() {
    StopTimer();
}

void PacketView::OnShown(bool shown) {
    shown_ = shown;
    if (!shown) {
        StopTimer();
        return;
    }
    if (stale_) Build();
    if (playing_ && line_) StartTimer();
}

void PacketView::OnPlayPause() {
    playing_ = !playing_;
    platform_.SetControlText(res::kPacketPlay, playing_ ? res::kPauseCaption : res::kPlayCaption);
    if (playing_ && shown_ && line_) {
        StartTimer();
    } else {
        StopTimer();
    }
}

void PacketView::OnReset() {
    SetTime(0.0);
    ShowNumbers();
    redraw_();
}

void PacketView::OnTick() {
    if (!timerRunning_) return;
    // Past the longest time the tab takes, the packet stops where it is.
    if (Time() + TickStep() > res::kMaxPacketTime) return;
    ++ticks_;
    ShowTime();
    ShowNumbers();
    redraw_();
}

// ---- The packet -------------------------------------------------------------

packet::OpenLine* PacketView::Line() {
    if (stale_) Build();
    if (!line_) return nullptr;
    if (line_->Time() != Time()) line_->MoveTo(Time());
    return &*line_;
}

void PacketView::Build() {
    stale_ = false;
    line_.reset();
    problem_.clear();
    canvas_.reset();
    plot_.reset();
    if (potential_ == nullptr) return;
    std::vector<double> v = PotentialOnPacketGrid(*potential_);
    if (const auto problem = packet::CheckPotential(v)) {
        problem_ = *problem;
        StopTimer();
    } else {
        line_.emplace(choice_.packet, std::move(v), packet::SplitOrder::Second, choice_.split);
    }
    ShowNumbers();
}

bool PacketView::OnApply() {
    const auto read = ReadPacketChoice(
        platform_.ControlText(res::kPacketX0), platform_.ControlText(res::kPacketK0),
        platform_.ControlText(res::kPacketSigma), platform_.ControlText(res::kPacketSplit));
    if (const auto* e = std::get_if<PacketChoiceError>(&read)) {
        using Field = PacketChoiceError::Field;
        const int id = e->field == Field::X0      ? res::kPacketX0
                       : e->field == Field::K0    ? res::kPacketK0
                       : e->field == Field::Sigma ? res::kPacketSigma
                                                  : res::kPacketSplit;
        platform_.DataEntryMessage(id, e->message);
        return false;
    }
    const std::optional<double> speed = ParseNonNegative(platform_.ControlText(res::kPacketSpeed));
    if (!speed || *speed > res::kMaxPacketSpeed) {
        platform_.DataEntryMessage(res::kPacketSpeed, res::kEnterPacketSpeed);
        return false;
    }
    const std::optional<double> t = ParseNonNegative(platform_.ControlText(res::kPacketTime));
    if (!t || *t > res::kMaxPacketTime) {
        platform_.DataEntryMessage(res::kPacketTime, res::kEnterPacketTime);
        return false;
    }
    choice_ = std::get<PacketChoice>(read);
    speed_ = *speed;
    Build();
    SetTime(*t);
    ShowNumbers();
    if (playing_ && shown_ && line_ && !timerRunning_) StartTimer();
    redraw_();
    return true;
}

void PacketView::ShowChoice() {
    platform_.SetControlText(res::kPacketX0, FormatDouble(choice_.packet.x0));
    platform_.SetControlText(res::kPacketK0, FormatDouble(choice_.packet.k0));
    platform_.SetControlText(res::kPacketSigma, FormatDouble(choice_.packet.sigma));
    platform_.SetControlText(res::kPacketSplit, FormatDouble(choice_.split));
}

void PacketView::ShowTime() {
    platform_.SetControlText(res::kPacketTime, Fixed(Time(), 3));
}

// The probabilities on each side of the split point, each with what its
// edge absorbed.
void PacketView::ShowNumbers() {
    packet::OpenLine* line = Line();
    if (line == nullptr) {
        platform_.SetControlText(res::kPacketNumbers, problem_);
        return;
    }
    const packet::PacketSample s = line->Sample();
    platform_.SetControlText(
        res::kPacketNumbers,
        FillCaption(platform_.Caption(VQ_CAPTION("izq. %1   der. %2")),
                    {Fixed(s.left, 6), Fixed(s.right, 6)}));
}

// ---- Drawing ---------------------------------------------------------------------

// The whole grid across the picture; the energy scale such that the lowest V
// in the interior and the packet's level line sit at fixed heights.
void PacketView::Place() {
    auto scales = std::make_unique<Scales>();
    const double w = frame_.Width();
    const double picture = frame_.Height() - kBandHeight;
    scales->pixelsPerUnit = w / (packet::kGridMax - packet::kGridMin);
    const double ppu = scales->pixelsPerUnit;
    double lowest = 0.0, level = 0.0;
    if (line_) {
        lowest = std::numeric_limits<double>::infinity();
        const std::vector<double>& v = line_->Potential();
        for (std::size_t i = 0; i < packet::kPoints; ++i)
            if (packet::X(i) >= packet::kInnerMin && packet::X(i) <= packet::kInnerMax)
                lowest = std::min(lowest, v[i]);
        level = line_->Energy();
    }
    const double span = std::max(level - lowest, 1.0);
    scales->energy = (kLevelRow - kBottomRow) * picture / span / ppu;
    scales->level = level;
    const double zeroRow = kBottomRow * picture - lowest * scales->energy * ppu;
    canvas_ =
        std::make_unique<PlotCanvas>(&frame_, ppu, 0.0, Vector2(w / 2.0, std::round(zeroRow)));
    plot_ = std::make_unique<Plotter>(canvas_.get());
    plot_->SetGridStepX(kGridStepX);
    // 1, 2, 5, 10, 20, 50, ... energy units apart.
    double step = 1.0;
    for (int i = 0; step * scales->energy * ppu < kMinGridPixels; ++i)
        step *= i % 3 == 1 ? 2.5 : 2.0;
    plot_->SetGridStepY(step * scales->energy);
    plot_->Prepare();
    if (line_) {
        const packet::PacketSettings& p = line_->Packet();
        const double peak = 1.0 / (p.sigma * std::sqrt(2.0 * 3.14159265358979323846));
        scales->density.scale = kCurveHeight * picture / ppu / peak;
        scales->real.scale = kCurveHeight * picture / ppu / std::sqrt(peak);
        scales->peakMomentum = packet::MomentumDensity(p, p.k0);
        scales->reachK = std::abs(p.k0) + 3.0 / p.sigma;
    }
    scales->potential.f = potential_;
    scales->potential.scale = scales->energy;
    scales_ = std::move(scales);
}

void PacketView::Draw() {
    packet::OpenLine* line = Line();
    if (!plot_) Place();
    plot_->DrawAxes();
    DrawLayers();
    if (potential_) plot_->PlotFunction(scales_->potential, profiles_.potential, 0.0);
    if (line) {
        DrawSplit();
        DrawCurves();
        DrawInset();
    }
    DrawBand();
}

// The absorbing layers, shaded across the picture's height.
void PacketView::DrawLayers() {
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    fillProfile_.color = layer_.get();
    canvas.profile = &fillProfile_;
    const double ppu = scales_->pixelsPerUnit;
    const double half = packet::kLayerWidth * ppu / 2.0;
    const double h = frame_.Height();
    const double w = frame_.Width();
    canvas.FillRect(Vector2(half, h / 2.0), half, h / 2.0, 0.0);
    canvas.FillRect(Vector2(w - half, h / 2.0), half, h / 2.0, 0.0);
    canvas.profile = saved;
}

// The split point: a grey dashed line from top to bottom.
void PacketView::DrawSplit() {
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    canvas.profile = &dashProfile_;
    const double x = canvas.ToPixel(Vector2(choice_.split, 0.0)).x;
    const double top = frame_.Height() - kBandHeight;
    for (double y = 0.0; y < top; y += 2.0 * kDash)
        canvas.DrawLine(Vector2(x, y), Vector2(x, std::min(y + kDash, top)));
    canvas.profile = saved;
}

// |psi|^2 and Re psi on the packet's level line.
void PacketView::DrawCurves() {
    const std::vector<packet::Complex>& psi = line_->Psi();
    Scales& s = *scales_;
    s.density.values.resize(psi.size());
    s.real.values.resize(psi.size());
    for (std::size_t i = 0; i < psi.size(); ++i) {
        s.density.values[i] = std::norm(psi[i]);
        s.real.values[i] = psi[i].real();
    }
    const double offset = s.level * s.energy;
    plot_->PlotFunction(s.density, profiles_.density, offset);
    plot_->PlotFunction(s.real, profiles_.real, offset);
}

// |phi(k)|^2 in a framed box in the top right corner: k from -reachK to
// reachK across, a tick at k = 0, the start's peak at the top.
void PacketView::DrawInset() {
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    const double right = frame_.Width() - kInsetMargin;
    const double top = frame_.Height() - kBandHeight - kInsetMargin;
    const double left = right - kInsetWidth;
    const double bottom = top - kInsetHeight;
    fillProfile_.color = white_.get();
    canvas.profile = &fillProfile_;
    canvas.FillRect(Vector2((left + right) / 2.0, (top + bottom) / 2.0), kInsetWidth / 2.0,
                    kInsetHeight / 2.0, 0.0);
    canvas.profile = &frameProfile_;
    canvas.DrawLine(Vector2(left, bottom), Vector2(right, bottom));
    canvas.DrawLine(Vector2(right, bottom), Vector2(right, top));
    canvas.DrawLine(Vector2(right, top), Vector2(left, top));
    canvas.DrawLine(Vector2(left, top), Vector2(left, bottom));
    const double middle = (left + right) / 2.0;
    canvas.DrawLine(Vector2(middle, bottom), Vector2(middle, bottom + 6.0));
    const std::vector<double> phi = line_->MomentumDistribution();
    const Scales& s = *scales_;
    const auto at = [&](std::size_t j) {
        const double k = packet::WaveNumber(j);
        return Vector2(middle + k / s.reachK * kInsetWidth / 2.0,
                       bottom + 0.9 * kInsetHeight * std::min(phi[j] / s.peakMomentum, 1.1));
    };
    canvas.profile = profiles_.density;
    // Bins from the most negative wave number up, within the inset.
    for (std::size_t n = 0; n + 1 < packet::kPoints; ++n) {
        const std::size_t j = (n + packet::kPoints / 2) % packet::kPoints;
        const std::size_t next = (j + 1) % packet::kPoints;
        const double k = packet::WaveNumber(j);
        if (std::abs(k) > s.reachK || std::abs(packet::WaveNumber(next)) > s.reachK) continue;
        canvas.DrawLine(at(j), at(next));
    }
    canvas.profile = saved;
}

// The band under the controls stays blank.
void PacketView::DrawBand() {
    PlotCanvas& canvas = *canvas_;
    StrokeProfile* const saved = canvas.profile;
    fillProfile_.color = white_.get();
    canvas.profile = &fillProfile_;
    const double w = frame_.Width();
    const double h = frame_.Height();
    canvas.FillRect(Vector2(w / 2.0, h - kBandHeight / 2.0), w / 2.0 + 1.0, kBandHeight / 2.0, 0.0);
    canvas.profile = saved;
}
