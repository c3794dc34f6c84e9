#include "wave_dlg.h"

#include <cmath>
#include <string>

#include "data_exchange.h"
#include "evolution_levels.h"
#include "level_tail.h"
#include "model.h"
#include "portable_numbers.h"
#include "resources.h"

namespace {

// The search's constants.
constexpr double kScanStep = 0.1;
constexpr double kSignProbe = 15.0;
constexpr double kDecayProbe = 9.0;
constexpr double kDecayThreshold = 0.01;
constexpr double kBracketTolerance = 1e-9;

// The six curve styles: start colour, outer distance. Each fades to white.
struct CurveStyle {
    std::uint8_t red, green, blue;
    double outer;
};
constexpr std::array<CurveStyle, 6> kCurveStyles{{
    {0, 0, 255, 2.0},    // 0 blue: real part of the prediction or a level
    {255, 0, 0, 3.0},    // 1 red: probability density
    {0, 255, 0, 1.8},    // 2 green: the potential
    {0, 255, 255, 2.0},  // 3 cyan: unused
    {0, 128, 255, 2.0},  // 4 azure: lower bracket while searching
    {128, 0, 255, 2.0},  // 5 violet: upper bracket while searching
}};
enum Style { kReal = 0, kDensity = 1, kPotential = 2, kLowerBracket = 4, kUpperBracket = 5 };

double Re(const ComplexFunction& f, double x) {
    return f.Value(x).x;
}

double Modulus(Vector2 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

}  // namespace

CWaveDlg::HandlerScope::~HandlerScope() {
    if (--dlg_.handlerDepth_ == 0 && dlg_.tickPending_) {
        dlg_.tickPending_ = false;
        if (dlg_.timerRunning_) dlg_.OnTimer(res::kSearchTimer);
    }
}

CWaveDlg::CWaveDlg(DialogPlatform& platform) : platform_(platform) {}

CWaveDlg::~CWaveDlg() = default;

bool CWaveDlg::OnInitDialog() {
    HandlerScope scope(*this);
    UpdateData(false);
    platform_.AppendAboutMenuItem(res::kAboutBoxCommand, res::kAboutMenuText);

    m_integrator.SetInterval({-8.0, 8.0});
    m_integrator.SetSteps(model::kNormalisationSteps);
    m_woodsSaxon.SetStrength(-16.0);
    m_well.SetHalfWidth(2.0);
    m_well.SetDepth(-8.0);
    m_oscillator.SetCoefficient(1.0);
    m_oscillator.SetOffset(-8.0);
    m_potential = &m_oscillator;

    for (std::size_t i = 0; i < kCurveStyles.size(); ++i) {
        const CurveStyle& s = kCurveStyles[i];
        m_ramps[i].SetStart(s.red, s.green, s.blue, 0);
        m_ramps[i].SetEnd(255, 255, 255, 0);
        m_profiles[i].SetMap(&m_ramps[i]);
        m_profiles[i].SetInner(1.0);
        m_profiles[i].SetOuter(s.outer);
    }

    m_searchState = 0;
    m_showPrediction = 0;
    m_lowerRe.SetTarget(&m_lower);
    m_upperRe.SetTarget(&m_upper);
    for (WaveFunction* psi : {&m_work, &m_level}) {
        psi->SetRange(model::kGridMin, model::kGridMax);
        psi->Resize(model::kSamples);
        psi->SetPotential(m_potential);
        psi->SetMassFactor(model::kMassFactor);
    }
    m_levelRe.SetTarget(&m_level);
    m_levelDensity.SetTarget(&m_level);
    m_lowerDensity.SetTarget(&m_lower);

    m_frameBitmap = false;
    CreateFrameBitmap();
    const auto width = static_cast<std::uint16_t>(m_plotRect.Width());
    const auto height = static_cast<std::uint16_t>(m_plotRect.Height());
    if (width > 0 && height > 0 && m_plotRect.Width() == width && m_plotRect.Height() == height)
        m_frame.Create(width, height, kRgb24);

    const int w = width;
    const int h = height;
    SetViews(StartViews(w, h));

    m_evolution = std::make_unique<EvolutionView>(
        platform_, m_frame,
        EvolutionProfiles{&m_profiles[kPotential], &m_profiles[kDensity], &m_profiles[kReal]},
        [this] { Redraw(); });
    m_evolution->InitControls();
    m_levelsTab = std::make_unique<LevelsTab>(
        platform_, [this] { return DialogLevelTable(*this, RecordedLevels(*this)); });
    m_evolution->SetLevelSource([this] {
        return AccurateLevelsOnGrid(CurrentPotentialInfo(), CurrentSearchBounds().ceiling);
    });

    m_energy = model::kInitialEnergy;
    UpdateData(false);

    platform_.InsertTab(0, "Normal");
    platform_.InsertTab(1, "Zoom");
    platform_.InsertTab(res::kLevelsTab, res::kLevelsTabText);
    platform_.InsertTab(res::kEvolutionTab, res::kEvolutionTabText);
    platform_.AddListItem("Woods-Saxon", 1);
    platform_.AddListItem("Oscilador armonico", 2);
    platform_.AddListItem("Pozo Finito", 3);
    PotentialChoice::AddListItems(platform_);
    platform_.SelectListItem(1);

    OnPotentialChange();
    return true;
}

bool CWaveDlg::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        platform_.SetControlText(res::kIterations, std::to_string(m_iterations));
        platform_.SetControlText(res::kEnergy, FormatDouble(m_energy));
        return true;
    }
    const auto count = ParseUnsigned(platform_.ControlText(res::kIterations));
    if (!count) {
        platform_.DataEntryMessage(res::kIterations, res::kEnterPositiveInteger);
        return false;
    }
    if (*count < 1 || *count > 100) {
        platform_.DataEntryMessage(res::kIterations, res::kEnterIntegerInRange);
        return false;
    }
    m_iterations = *count;
    const auto energy = ParseDecimal(platform_.ControlText(res::kEnergy));
    if (!energy) {
        platform_.DataEntryMessage(res::kEnergy, res::kEnterNumber);
        return false;
    }
    m_energy = *energy;
    return true;
}

void CWaveDlg::CreateFrameBitmap() {
    PixelRect r = platform_.ControlRect(res::kPlotGroup);
    // Inside the group box's frame and caption.
    r.top += 13;
    r.left += 4;
    r.right -= 4;
    r.bottom -= 4;
    // Rows of a 24-bit bitmap are padded to 4 bytes; a width that is a
    // multiple of 4 makes them exactly the frame image's rows.
    while (r.Width() % 4 != 0)
        r.right += 1;
    m_plotRect = r;
    if (m_frameBitmap) return;
    const int w = r.Width();
    const int h = r.Height();
    if (w <= 0 || h <= 0 || w > 65535 || h > 65535) return;
    m_frameBits = platform_.CreateFrameBitmap(w, h);
    m_frameBitmap = m_frameBits != nullptr;
}

void CWaveDlg::Redraw() {
    if (!m_plotNormal || !m_canvasNormal) return;
    // What this picture shows that can change before the next Redraw: the
    // tab, and whether a search step has begun (a step that ends the scan
    // sets the flag and draws nothing). Everything else it shows changes
    // only together with a Redraw.
    drawTab_ = platform_.CurrentTab();
    drawSearching_ = m_searching;
    if (deferredDrawing_) {
        drawPending_ = true;
    } else {
        DrawFrame();
    }
    platform_.Invalidate();
}

void CWaveDlg::OnPaint() {
    if (drawPending_) DrawFrame();
    if (m_frameBits) m_frame.CopyTo(m_frameBits);
}

void CWaveDlg::DrawFrame() {
    drawPending_ = false;
    switch (drawTab_) {
        case 0:
            DrawNormalView();
            break;
        case 1:
            DrawZoomView();
            break;
        case res::kEvolutionTab:
            m_evolution->Draw();
            break;
        default:
            break;
    }
}

void CWaveDlg::DrawNormalView() {
    Plotter& plot = *m_plotNormal;
    plot.DrawAxes();
    plot.PlotFunction(*m_potential, &m_profiles[kPotential], 0.0);
    if (m_searchState == 0) {
        if (m_showPrediction && m_lower.HasSamples()) {
            plot.PlotFunction(m_lowerRe, &m_profiles[kReal], 0.0);
            plot.PlotFunction(m_lowerDensity, &m_profiles[kDensity], 0.0);
        }
    } else if (drawSearching_) {
        if (m_lower.HasSamples()) plot.PlotFunction(m_lowerRe, &m_profiles[kLowerBracket], 0.0);
        if (m_upper.HasSamples()) plot.PlotFunction(m_upperRe, &m_profiles[kUpperBracket], 0.0);
    } else {
        plot.PlotFunction(m_lowerDensity, &m_profiles[kDensity], 0.0);
        if (m_lower.HasSamples()) plot.PlotFunction(m_lowerRe, &m_profiles[kReal], 0.0);
    }
}

void CWaveDlg::DrawZoomView() {
    Plotter& plot = *m_plotZoom;
    plot.DrawAxes();
    plot.PlotFunction(*m_potential, &m_profiles[kPotential], 0.0);
    for (std::uint8_t i = 0; i < m_levelCount; ++i) {
        const double e = m_levels[i];
        const std::optional<LevelKey> key = LevelKeyFor(i);
        LevelCopy& copy = levelCopies_[i];
        if (key && copy.valid && copy.key == *key) {
            // The same inputs: the same samples and scale, copied back.
            m_level.CopyFrom(copy.function);
        } else {
            m_level.Integrate(m_levelParity[i], e);
            if (!m_choice.Classic()) TrimDivergentTail(m_level, e);
            m_integrator.Normalize(m_level);
            copy.valid = key && copy.function.CopyFrom(m_level);
            if (key) copy.key = *key;
        }
        plot.PlotFunction(m_levelDensity, &m_profiles[kDensity], e);
        plot.PlotFunction(m_levelRe, &m_profiles[kReal], e);
    }
}

std::optional<CWaveDlg::LevelKey> CWaveDlg::LevelKeyFor(std::size_t i) const {
    const RealFunction* potential = m_level.Potential();
    if (potential == nullptr || m_level.Count() < 2) return std::nullopt;
    const std::optional<PotentialSettings> settings = SettingsOf(*potential);
    if (!settings) return std::nullopt;
    const auto bits = [](double v) { return portable::BitCast<std::uint64_t>(v); };
    const Vector2 first = m_level.GetSample(0);
    const Vector2 last = m_level.GetSample(static_cast<std::uint16_t>(m_level.Count() - 1));
    LevelKey key;
    // The level; the function as it stands (the samples its integration
    // leaves alone, and the scale it divides); its grid and mass factor; the
    // potential; the normalisation.
    key.bits = {bits(m_levels[i]),
                bits(m_level.Scale()),
                bits(first.x),
                bits(first.y),
                bits(last.x),
                bits(last.y),
                bits(m_level.XMin()),
                bits(m_level.XMax()),
                bits(m_level.MassFactor()),
                bits(settings->values[0]),
                bits(settings->values[1]),
                bits(settings->values[2]),
                bits(settings->values[3]),
                bits(m_integrator.Interval().x),
                bits(m_integrator.Interval().y)};
    key.count = m_level.Count();
    key.steps = m_integrator.Steps();
    key.parity = m_levelParity[i];
    key.kind = settings->kind;
    return key;
}

// ---- The level search ------------------------------------------------------

SearchRange CWaveDlg::CurrentSearchBounds() const {
    if (!m_potential || !m_canvasNormal) return {};
    return SearchBounds(*m_potential, m_canvasNormal->MaxY(), m_choice.Samples());
}

void CWaveDlg::SearchStep() {
    if (!m_potential || !m_canvasNormal || !m_choice.Shootable()) return;
    HandlerScope scope(*this);
    m_searching = 1;
    switch (m_searchState) {
        case 0:
            StartSearch();
            break;
        case 2:
            Scan();
            break;
        case 3:
            NextLevel();
            break;
        default:
            Bisect();
            break;
    }
}

void CWaveDlg::StartSearch() {
    const SearchRange range = CurrentSearchBounds();
    m_eCeiling = range.ceiling;
    m_eLow = range.bottom;
    m_eHigh = range.bottom + kScanStep;
    s_parity = 0;
    IntegrateBracket();
    m_levelCount = 0;
    if (m_levelsTab) m_levelsTab->Stale();
    Redraw();
}

void CWaveDlg::Scan() {
    if (AdvanceScan(m_eHigh)) return;
    m_work.Integrate(s_parity, m_eHigh);
    m_upper.CopyFrom(m_work);
    if (Re(m_upper, kSignProbe) * Re(m_lower, kSignProbe) < 0.0) m_searchState = 1;
    Redraw();
}

void CWaveDlg::NextLevel() {
    m_eLow = m_eHigh;
    if (AdvanceScan(m_eLow)) return;
    s_parity = s_parity == 0 ? 1 : 0;
    IntegrateBracket();
    Redraw();
}

void CWaveDlg::Bisect() {
    const double e = (m_eHigh + m_eLow) * 0.5;
    m_work.Integrate(s_parity, e);
    if (s_lowSign * Re(m_work, kSignProbe) > 0.0) {
        m_eLow = e;
        m_lower.CopyFrom(m_work);
    } else {
        m_eHigh = e;
        m_upper.CopyFrom(m_work);
    }
    m_energy = e;
    UpdateData(false);
    Redraw();
}

// Solutions at both ends of [m_eLow, m_eHigh]; bisect if their signs differ
// far out (or one is zero there), else scan on.
void CWaveDlg::IntegrateBracket() {
    m_work.Integrate(s_parity, m_eLow);
    m_lower.CopyFrom(m_work);
    m_work.Integrate(s_parity, m_eHigh);
    m_upper.CopyFrom(m_work);
    const double low = Re(m_lower, kSignProbe);
    s_lowSign = low > 0.0 ? 1.0 : -1.0;
    m_searchState = low * Re(m_upper, kSignProbe) > 0.0 ? 2 : 1;
}

// Moves the bracket's upper end one step past previousEnd. The last step is
// shortened to end on the ceiling, so that no level between the last scan
// point and the ceiling is lost. Returns true when the scan is over.
bool CWaveDlg::AdvanceScan(double previousEnd) {
    m_eHigh = previousEnd + kScanStep;
    if (m_eHigh <= m_eCeiling) return false;
    if (previousEnd < m_eCeiling - kBracketTolerance) {
        m_eHigh = m_eCeiling;
        return false;
    }
    StopTimer();
    platform_.EnableControl(res::kPlay, false);
    return true;
}

void CWaveDlg::StopTimer() {
    platform_.KillTimer(res::kSearchTimer);
    timerRunning_ = false;
    tickPending_ = false;
}

void CWaveDlg::OnPlay() {
    if (!m_choice.Shootable()) return;
    HandlerScope scope(*this);
    // Move past the level in hand.
    if (m_searchState == 1) m_searchState = 3;
    platform_.SetTimer(res::kSearchTimer, res::kSearchTimerMs);
    timerRunning_ = true;
    platform_.EnableControl(res::kPlay, false);
}

void CWaveDlg::OnTimer(unsigned id) {
    if (id == res::kEvolutionTimer) {
        if (m_evolution) m_evolution->OnTick();
        return;
    }
    if (id != res::kSearchTimer) return;
    if (handlerDepth_ > 0) {
        tickPending_ = true;
        return;
    }
    HandlerScope scope(*this);
    SearchStep();
    // A step that ended the scan leaves the brackets of the level before: there
    // is nothing new to record.
    if (m_eHigh > m_eCeiling) {
        lastTick_ = Tick::ScanEnded;
        return;
    }
    const bool decayed = Modulus(m_lower.Value(kDecayProbe)) < kDecayThreshold &&
                         Modulus(m_upper.Value(kDecayProbe)) < kDecayThreshold;
    const bool converged = decayed || std::fabs(m_eLow - m_eHigh) < kBracketTolerance;
    if (!converged) {
        lastTick_ = Tick::Stepped;
        return;
    }
    StopTimer();
    if (m_levelCount >= kMaxLevels) {
        // The table is full: stop here; another potential starts afresh.
        lastTick_ = Tick::TableFull;
        return;
    }
    platform_.EnableControl(res::kPlay, true);
    m_searching = 0;
    m_levels[m_levelCount] = (m_eHigh + m_eLow) * 0.5;
    m_levelParity[m_levelCount] = s_parity;
    ++m_levelCount;
    lastTick_ = Tick::Recorded;
    if (m_levelsTab) m_levelsTab->Stale();
    Redraw();
}

// ---- Commands ---------------------------------------------------------------

void CWaveDlg::OnPredictor() {
    if (!m_potential || !m_choice.Shootable()) return;
    HandlerScope scope(*this);
    m_searchState = 0;
    m_showPrediction = 1;
    // An energy that does not read has been answered by the data-entry
    // message; the previous energy stands.
    UpdateData(true);
    m_work.Integrate(0, m_energy);
    m_lower.CopyFrom(m_work);
    Redraw();
}

void CWaveDlg::OnPotentialChange() {
    HandlerScope scope(*this);
    if (const Potential* chosen = m_choice.Select(platform_.SelectedListItemData()))
        m_potential = chosen;
    m_work.SetPotential(m_potential);
    m_level.SetPotential(m_potential);
    FitViews();
    m_levelCount = 0;
    m_searchState = 0;
    m_showPrediction = 0;
    if (m_evolution) m_evolution->SetPotential(m_potential);
    if (m_levelsTab) m_levelsTab->Stale();
    Redraw();
    platform_.EnableControl(res::kPlay, true);
    ShowShootable();
}

void CWaveDlg::OnSettings() {
    HandlerScope scope(*this);
    const std::optional<FamilyId> family =
        PotentialChoice::FamilyOfData(platform_.SelectedListItemData());
    if (!family) return;
    SettingsEditor editor(m_choice, *family);
    platform_.RunSettingsDialog(editor);
    if (editor.Applied()) OnPotentialChange();
}

void CWaveDlg::FitViews() {
    if (!m_potential || !m_canvasNormal) return;
    const int w = m_plotRect.Width();
    const int h = m_plotRect.Height();
    SetViews(m_choice.Classic()
                 ? StartViews(w, h)
                 : ChooseViews(w, h, PotentialRange(*m_potential, m_choice.Samples())));
    const double half = m_choice.NormalisationHalfWidth(CurrentSearchBounds());
    m_integrator.SetInterval({-half, half});
    // Steep potentials would overflow the shot solutions far out.
    const double limit = m_choice.Classic() ? HUGE_VAL : 1e100;
    m_work.SetGrowthLimit(limit);
    m_level.SetGrowthLimit(limit);
}

void CWaveDlg::SetViews(const ViewFrames& views) {
    if (views == views_) return;
    views_ = views;
    const auto plotter = [](PlotCanvas* canvas, double gridStep) {
        auto plot = std::make_unique<Plotter>(canvas);
        plot->SetGridStepX(gridStep);
        plot->SetGridStepY(gridStep);
        plot->Prepare();
        return plot;
    };
    auto normal = std::make_unique<PlotCanvas>(&m_frame, views.normal.pixelsPerUnit, 0.0,
                                               views.normal.origin);
    auto zoom =
        std::make_unique<PlotCanvas>(&m_frame, views.zoom.pixelsPerUnit, 0.0, views.zoom.origin);
    m_plotNormal = plotter(normal.get(), views.normal.gridStep);
    m_plotZoom = plotter(zoom.get(), views.zoom.gridStep);
    m_canvasNormal = std::move(normal);
    m_canvasZoom = std::move(zoom);
}

void CWaveDlg::ShowShootable() {
    const bool even = m_choice.Shootable();
    platform_.EnableControl(res::kPredictor, even);
    platform_.EnableControl(res::kSearch, even);
    if (!even) {
        StopTimer();
        platform_.EnableControl(res::kPlay, false);
    }
    platform_.SetControlText(res::kPotentialNote, even ? "" : PotentialChoice::kNotEvenNote);
}

int CWaveDlg::OnTabChange() {
    HandlerScope scope(*this);
    if (m_evolution) m_evolution->OnShown(platform_.CurrentTab() == res::kEvolutionTab);
    if (m_levelsTab) m_levelsTab->OnShown(platform_.CurrentTab() == res::kLevelsTab);
    Redraw();
    return 0;
}

int CWaveDlg::OnSpinDelta(int delta) {
    HandlerScope scope(*this);
    m_iterations = m_iterations - static_cast<std::uint32_t>(delta);
    if (m_iterations == 0) m_iterations = 1;
    UpdateData(false);
    Redraw();
    return 0;
}

void CWaveDlg::OnIterate() {
    HandlerScope scope(*this);
    Redraw();
}

void CWaveDlg::OnEvolutionCommand(int id) {
    if (!m_evolution) return;
    HandlerScope scope(*this);
    switch (id) {
        case res::kEvolutionApply:
            m_evolution->OnApply();
            break;
        case res::kEvolutionPlay:
            m_evolution->OnPlayPause();
            break;
        case res::kEvolutionReset:
            m_evolution->OnReset();
            break;
        default:
            break;
    }
}

bool CWaveDlg::OnCommand(int id) {
    switch (id) {
        case res::kPredictor:
            OnPredictor();
            return true;
        case res::kSearch:
            SearchStep();
            return true;
        case res::kPlay:
            OnPlay();
            return true;
        case res::kWebLink:
            OnWebLink();
            return true;
        case res::kIterate:
            OnIterate();
            return true;
        case res::kSettings:
            OnSettings();
            return true;
        case res::kEvolutionApply:
        case res::kEvolutionPlay:
        case res::kEvolutionReset:
            OnEvolutionCommand(id);
            return true;
        default:
            return false;
    }
}

void CWaveDlg::OnWebLink() {
    HandlerScope scope(*this);
    platform_.OpenWebAddress(res::kWebAddress);
}

// The About box runs its own message loop; search ticks go on through it.
bool CWaveDlg::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0u) != res::kAboutBoxCommand) return false;
    platform_.RunAboutBox();
    return true;
}

void CWaveDlg::OnDestroy() {
    StopTimer();
    if (m_evolution) m_evolution->Stop();
    m_plotNormal.reset();
    m_plotZoom.reset();
    m_canvasNormal.reset();
    m_canvasZoom.reset();
}
