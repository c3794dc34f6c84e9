#include "transmission_tab.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "caption.h"
#include "data_exchange.h"
#include "real_function.h"
#include "resources.h"
#include "scattering_of.h"
#include "transmission_picture.h"

struct TransmissionTab::Shown {
    TransmissionPicture::Curves curves;
    TransmissionPicture::State state;
    double stateEnergy = NAN;
};

namespace {

constexpr int kPageColumns = 10;  // Page Up/Down: a tenth of the range
constexpr double kLeastSpan = 2.0;
constexpr double kStateReach = 30.0;  // the state is drawn within |x| < this

// V's least and largest values where it is not yet at its limits.
std::pair<double, double> Extremes(const scattering::Transmission& t, const RealFunction& v) {
    double lo = std::fmin(t.Left(), t.Right());
    double hi = std::fmax(t.Left(), t.Right());
    const double a = t.Start();
    const double b = t.End();
    for (int i = 0; i <= 2000; ++i) {
        const double value = v.Value(a + (b - a) * i / 2000.0);
        if (!std::isfinite(value)) continue;
        lo = std::fmin(lo, value);
        hi = std::fmax(hi, value);
    }
    return {lo, hi};
}

}  // namespace

TransmissionTab::TransmissionTab(DialogPlatform& platform, BufferImage& frame,
                                 const TransmissionProfiles& profiles, std::function<void()> redraw)
    : platform_(platform),
      frame_(frame),
      redraw_(std::move(redraw)),
      picture_(std::make_unique<TransmissionPicture>(frame, profiles, kBandHeight)),
      shownData_(std::make_unique<Shown>()) {}

TransmissionTab::~TransmissionTab() = default;

void TransmissionTab::InitControls() {
    ShowControls();
}

// A new potential: its continuum, and a range from its upper limit over
// its barriers (or as deep as its wells), the marker on the first resonance.
void TransmissionTab::Refresh() {
    if (!stale_) return;
    stale_ = false;
    computed_ = false;
    transmission_.reset();
    resonances_.clear();
    problem_.clear();
    info_ = source_ ? source_() : PotentialInfo{};
    if (!info_.v) {
        problem_ = "No potential.";
        return;
    }
    try {
        transmission_ = std::make_unique<scattering::Transmission>(ScatteringOf(info_));
    } catch (const scattering::NoContinuum& e) {
        problem_ = std::string(e.what()) + ".";
        problem_[0] = static_cast<char>(std::toupper(problem_[0]));
        ShowControls();
        return;
    }
    DefaultRange();
    Compute();
    marker_ = resonances_.empty() ? 0.5 * (from_ + to_) : resonances_.front().energy;
    ShowControls();
}

void TransmissionTab::DefaultRange() {
    const auto [lo, hi] = Extremes(*transmission_, *info_.v);
    const double top = transmission_->Threshold();
    from_ = top;
    to_ = top + std::fmax(kLeastSpan, std::fmax(1.5 * (hi - top), 0.5 * (top - lo)));
}

void TransmissionTab::Compute() {
    if (computed_ || !transmission_) return;
    computed_ = true;
    resonances_ = transmission_->Resonances(from_, to_);
    FillCurves();
    shownData_->stateEnergy = NAN;
}

// T and R at every column's middle; a resonance narrower than a column
// shows its top in its column.
void TransmissionTab::FillCurves() {
    TransmissionPicture::Curves& c = shownData_->curves;
    const int w = frame_.Width();
    c.t.assign(w, 0.0);
    c.r.assign(w, 1.0);
    for (int i = 0; i < w; ++i) {
        const double e = EnergyAt(i);
        if (!(e > transmission_->Lowest())) continue;
        const scattering::Point p = transmission_->At(e);
        c.t[i] = p.transmission;
        c.r[i] = p.reflection;
    }
    c.resonances.clear();
    for (const scattering::Resonance& r : resonances_) {
        const int column = ColumnOf(r.energy);
        c.resonances.push_back((r.energy - from_) / (to_ - from_) * w);
        if (column < 0 || column >= w) continue;
        const scattering::Point p = transmission_->At(r.energy);
        if (p.transmission > c.t[column]) {
            c.t[column] = p.transmission;
            c.r[column] = p.reflection;
        }
    }
}

// The state at the marker over the range where V is not at its limits,
// with as much again of the limits beside it; one sample a column.
void TransmissionTab::FillState() {
    TransmissionPicture::State& s = shownData_->state;
    if (shownData_->stateEnergy == marker_) return;
    shownData_->stateEnergy = marker_;
    const int w = frame_.Width();
    double a = std::fmax(transmission_->Start(), -kStateReach);
    double b = std::fmin(transmission_->End(), kStateReach);
    const double margin = std::fmax(1.0, 0.25 * (b - a));
    a -= margin;
    b += margin;
    s.energy = marker_;
    s.xs.resize(w);
    s.v.resize(w);
    for (int i = 0; i < w; ++i) {
        s.xs[i] = a + (b - a) * (i + 0.5) / w;
        s.v[i] = info_.v->Value(s.xs[i]);
    }
    const bool fromLeft = marker_ > transmission_->Left();
    s.psi = transmission_->State(
        marker_, fromLeft ? scattering::Incoming::Left : scattering::Incoming::Right, s.xs);
}

void TransmissionTab::Draw() {
    Refresh();
    if (!transmission_) {
        picture_->DrawEmpty();
        return;
    }
    Compute();
    FillState();
    TransmissionPicture::Curves& c = shownData_->curves;
    const int w = frame_.Width();
    c.marker = (marker_ - from_) / (to_ - from_) * w;
    const int column = std::clamp(ColumnOf(marker_), 0, std::max(0, w - 1));
    c.markerT = c.t.empty() ? std::optional<double>() : c.t[column];
    picture_->Draw(c, shownData_->state);
}

double TransmissionTab::EnergyAt(int column) {
    Refresh();
    const int w = std::max(1, static_cast<int>(frame_.Width()));
    return from_ + (to_ - from_) * (column + 0.5) / w;
}

int TransmissionTab::ColumnOf(double energy) {
    Refresh();
    const int w = std::max(1, static_cast<int>(frame_.Width()));
    return static_cast<int>(std::floor((energy - from_) / (to_ - from_) * w));
}

void TransmissionTab::MoveMarker(double energy) {
    marker_ = std::clamp(energy, from_, to_);
    ShowMarker();
    redraw_();
}

bool TransmissionTab::OnMouse(int x, int /*y*/) {
    Refresh();
    if (!transmission_ || x < 0 || x >= frame_.Width()) return false;
    MoveMarker(EnergyAt(x));
    return true;
}

bool TransmissionTab::OnKey(PlotKey key) {
    Refresh();
    if (!transmission_) return false;
    const int w = std::max(1, static_cast<int>(frame_.Width()));
    const int column = std::clamp(ColumnOf(marker_), 0, w - 1);
    int to = column;
    switch (key) {
        case PlotKey::Left:
            to = column - 1;
            break;
        case PlotKey::Right:
            to = column + 1;
            break;
        case PlotKey::PageDown:
            to = column - w / kPageColumns;
            break;
        case PlotKey::PageUp:
            to = column + w / kPageColumns;
            break;
        case PlotKey::Home:
            to = 0;
            break;
        case PlotKey::End:
            to = w - 1;
            break;
    }
    MoveMarker(EnergyAt(std::clamp(to, 0, w - 1)));
    return true;
}

bool TransmissionTab::OnApply() {
    Refresh();
    if (!transmission_) return false;
    const auto read = [&](int id) -> std::optional<double> {
        const auto value = ParseDecimal(platform_.ControlText(id));
        if (!value) platform_.DataEntryMessage(id, res::kEnterNumber);
        return value;
    };
    const auto from = read(res::kTransmissionFrom);
    if (!from) return false;
    const auto to = read(res::kTransmissionTo);
    if (!to) return false;
    const auto energy = read(res::kTransmissionEnergy);
    if (!energy) return false;
    if (!(*from >= transmission_->Lowest() && *to > *from)) {
        platform_.DataEntryMessage(res::kTransmissionFrom, res::kEnterTransmissionRange);
        return false;
    }
    if (*from != from_ || *to != to_) {
        from_ = *from;
        to_ = *to;
        computed_ = false;
        Compute();
    }
    marker_ = std::clamp(*energy, from_, to_);
    ShowControls();
    redraw_();
    return true;
}

const std::string& TransmissionTab::Problem() {
    Refresh();
    return problem_;
}

double TransmissionTab::From() {
    Refresh();
    return from_;
}

double TransmissionTab::To() {
    Refresh();
    return to_;
}

double TransmissionTab::Marker() {
    Refresh();
    return marker_;
}

const std::vector<scattering::Resonance>& TransmissionTab::Resonances() {
    Refresh();
    Compute();
    return resonances_;
}

std::optional<scattering::Point> TransmissionTab::MarkerPoint() {
    Refresh();
    if (!transmission_ || !(marker_ > transmission_->Lowest())) return std::nullopt;
    return transmission_->At(marker_);
}

void TransmissionTab::ShowControls() {
    platform_.SetControlText(res::kTransmissionFrom, transmission_ ? FormatDouble(from_) : "");
    platform_.SetControlText(res::kTransmissionTo, transmission_ ? FormatDouble(to_) : "");
    std::string list;
    for (const scattering::Resonance& r : resonances_) {
        char text[64];
        std::snprintf(text, sizeof text, "%s%.5g (%.2g)", list.empty() ? "" : ", ", r.energy,
                      r.width);
        list += text;
    }
    const auto words = [&](const char* text) { return platform_.Caption(text); };
    platform_.SetControlText(
        res::kTransmissionResonances,
        transmission_
            ? FillCaption(words(VQ_CAPTION("Resonancias: %1")),
                          {list.empty() ? words(VQ_CAPTION("ninguna")) : list})
            : FillCaption(words(VQ_CAPTION("Sin continuo: %1")), {problem_}));
    ShowMarker();
}

void TransmissionTab::ShowMarker() {
    platform_.SetControlText(res::kTransmissionEnergy, transmission_ ? FormatDouble(marker_) : "");
    std::string info;
    if (const std::optional<scattering::Point> p = MarkerPoint()) {
        char text[96];
        std::snprintf(text, sizeof text, "T = %.6f  R = %.6f  (+- %.1e)", p->transmission,
                      p->reflection, p->ErrorEstimate());
        info = text;
        if (!p->warning.empty()) info += " !";
    }
    platform_.SetControlText(res::kTransmissionInfo, info);
}
