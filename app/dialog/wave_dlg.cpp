#include "wave_dlg.h"

#include <cmath>
#include <string>

#include "data_exchange.h"
#include "evolution_levels.h"
#include "model.h"
#include "resources.h"

CWaveDlg::HandlerScope::~HandlerScope() {
    if (--dlg_.handlerDepth_ == 0 && dlg_.tickPending_) {
        dlg_.tickPending_ = false;
        if (dlg_.timerRunning_) dlg_.SearchTick();
    }
}

CWaveDlg::CWaveDlg(DialogPlatform& platform) : platform_(platform) {}

CWaveDlg::~CWaveDlg() = default;

bool CWaveDlg::OnInitDialog() {
    HandlerScope scope(*this);
    UpdateData(false);
    platform_.AppendAboutMenuItem(res::kAboutBoxCommand, res::kAboutMenuText);
    SetUpPotentials();
    SetUpFrame();
    SetUpTabs();
    energy_ = model::kInitialEnergy;
    UpdateData(false);
    FillControls();
    OnPotentialChange();
    return true;
}

// The three potentials of the start at their settings; the oscillator chosen.
void CWaveDlg::SetUpPotentials() {
    woodsSaxon_.SetStrength(-16.0);
    well_.SetHalfWidth(2.0);
    well_.SetDepth(-8.0);
    oscillator_.SetCoefficient(1.0);
    oscillator_.SetOffset(-8.0);
    potential_ = &oscillator_;
    search_.SetPotential(potential_);
    views_.SetPotential(potential_, choice_.Classic());
}

// The frame at the plot rectangle, and the views' scales as at the start.
void CWaveDlg::SetUpFrame() {
    CreateFrameBitmap();
    const auto width = static_cast<std::uint16_t>(plotRect_.Width());
    const auto height = static_cast<std::uint16_t>(plotRect_.Height());
    if (width > 0 && height > 0 && plotRect_.Width() == width && plotRect_.Height() == height)
        frame_.Create(width, height, kRgb24);
    views_.SetViews(StartViews(width, height));
}

// The tools of the "Evolucion" and "Niveles" tabs, and where their levels
// come from.
void CWaveDlg::SetUpTabs() {
    using S = CurveStyles;
    evolution_ = std::make_unique<EvolutionView>(
        platform_, frame_,
        EvolutionProfiles{styles_.Profile(S::kPotential), styles_.Profile(S::kDensity),
                          styles_.Profile(S::kReal)},
        [this] { Redraw(); });
    evolution_->InitControls();
    levelsTab_ = std::make_unique<LevelsTab>(
        platform_, [this] { return DialogLevelTable(*this, {}); },
        [this] { return DialogLevelKey(*this); }, [this] { return search_.Levels(); });
    evolution_->SetLevelSource([this] {
        return AccurateLevelsOnGrid(CurrentPotentialInfo(), CurrentSearchBounds().ceiling);
    });
    transmission_ = std::make_unique<TransmissionTab>(
        platform_, frame_,
        TransmissionProfiles{styles_.Profile(S::kPotential), styles_.Profile(S::kDensity),
                             styles_.Profile(S::kReal)},
        [this] { Redraw(); });
    transmission_->SetSource([this] { return CurrentPotentialInfo(); });
    transmission_->InitControls();
    packet_ = std::make_unique<PacketView>(
        platform_, frame_,
        PacketProfiles{styles_.Profile(S::kPotential), styles_.Profile(S::kDensity),
                       styles_.Profile(S::kReal)},
        [this] { Redraw(); });
    packet_->InitControls();
}

// The tabs and the list of potentials, the oscillator selected.
void CWaveDlg::FillControls() {
    platform_.InsertTab(0, VQ_CAPTION("Normal"));
    platform_.InsertTab(1, VQ_CAPTION("Zoom"));
    platform_.InsertTab(res::kLevelsTab, res::kLevelsTabText);
    platform_.InsertTab(res::kEvolutionTab, res::kEvolutionTabText);
    platform_.InsertTab(res::kTransmissionTab, res::kTransmissionTabText);
    platform_.AddListItem(VQ_CAPTION("Woods-Saxon"), 1);
    platform_.AddListItem(VQ_CAPTION("Oscilador armonico"), 2);
    platform_.AddListItem(VQ_CAPTION("Pozo Finito"), 3);
    PotentialChoice::AddListItems(platform_);
    platform_.SelectListItem(1);
}

bool CWaveDlg::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        platform_.SetControlText(res::kIterations, std::to_string(iterations_));
        platform_.SetControlText(res::kEnergy, FormatDouble(energy_));
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
    iterations_ = *count;
    const auto energy = ParseDecimal(platform_.ControlText(res::kEnergy));
    if (!energy) {
        platform_.DataEntryMessage(res::kEnergy, res::kEnterNumber);
        return false;
    }
    energy_ = *energy;
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
    plotRect_ = r;
    if (frameBits_) return;
    const int w = r.Width();
    const int h = r.Height();
    if (w <= 0 || h <= 0 || w > 65535 || h > 65535) return;
    frameBits_ = platform_.CreateFrameBitmap(w, h);
}

// ---- Drawing -------------------------------------------------------------------

void CWaveDlg::Redraw() {
    if (!views_.Ready()) return;
    // What this picture shows that can change before the next Redraw: the
    // tab, and whether a search step has begun (a step that ends the scan
    // sets the flag and draws nothing). Everything else it shows changes
    // only together with a Redraw.
    drawTab_ = platform_.CurrentTab();
    drawSearching_ = search_.Searching();
    if (deferredDrawing_) {
        drawPending_ = true;
    } else {
        DrawFrame();
    }
    platform_.Invalidate();
}

void CWaveDlg::OnPaint() {
    if (drawPending_) DrawFrame();
    if (frameBits_) frame_.CopyTo(frameBits_);
}

void CWaveDlg::DrawFrame() {
    drawPending_ = false;
    switch (drawTab_) {
        case 0:
            views_.DrawNormal(*potential_, search_, drawSearching_);
            break;
        case 1:
            views_.DrawZoom(*potential_, search_.Levels());
            break;
        case res::kEvolutionTab:
            evolution_->Draw();
            break;
        case res::kTransmissionTab:
            transmission_->Draw();
            break;
        case res::kPacketTab:
            packet_->Draw();
            break;
        default:
            break;
    }
}

// ---- The level search ------------------------------------------------------

SearchRange CWaveDlg::CurrentSearchBounds() const {
    if (!potential_ || !views_.Ready()) return {};
    return choice_.CapAtContinuum(
        SearchBounds(*potential_, views_.NormalCanvas()->MaxY(), choice_.Samples()));
}

void CWaveDlg::OnPredictor() {
    if (!potential_) return;
    HandlerScope scope(*this);
    search_.BeginPrediction();
    // An energy that does not read has been answered by the data-entry
    // message; the previous energy stands.
    UpdateData(true);
    search_.Predict(energy_);
    Redraw();
}

void CWaveDlg::SearchStep() {
    if (!potential_ || !views_.Ready()) return;
    HandlerScope scope(*this);
    switch (search_.TakeStep(CurrentSearchBounds())) {
        case LevelSearch::Step::ScanEnded:
            StopTimer();
            platform_.EnableControl(res::kPlay, false);
            return;
        case LevelSearch::Step::Started:
            if (levelsTab_) levelsTab_->Stale();
            break;
        case LevelSearch::Step::Bisected:
            energy_ = search_.Midpoint();
            UpdateData(false);
            break;
        case LevelSearch::Step::Moved:
            break;
    }
    Redraw();
}

void CWaveDlg::OnPlay() {
    HandlerScope scope(*this);
    search_.MoveOn();
    ticksSincePlay_ = 0;
    platform_.SetTimer(res::kSearchTimer, res::kSearchTimerMs);
    timerRunning_ = true;
    platform_.EnableControl(res::kPlay, false);
}

void CWaveDlg::StopTimer() {
    platform_.KillTimer(res::kSearchTimer);
    timerRunning_ = false;
    tickPending_ = false;
}

void CWaveDlg::OnTimer(unsigned id) {
    if (id == res::kEvolutionTimer) {
        if (evolution_) evolution_->OnTick();
        return;
    }
    if (id == res::kPacketTimer) {
        if (packet_) packet_->OnTick();
        return;
    }
    if (id != res::kSearchTimer) return;
    ++ticksSincePlay_;
    if (handlerDepth_ > 0) {
        tickPending_ = true;
        return;
    }
    SearchTick();
}

// One step of "Play"; a level that has converged is recorded.
void CWaveDlg::SearchTick() {
    HandlerScope scope(*this);
    SearchStep();
    // A step that ended the scan leaves the brackets of the level before: there
    // is nothing new to record.
    if (search_.ScanEnded()) {
        lastTick_ = Tick::ScanEnded;
        return;
    }
    if (!search_.Converged()) {
        lastTick_ = Tick::Stepped;
        return;
    }
    StopTimer();
    if (!search_.Record(ticksSincePlay_)) {
        // The table is full: stop here; another potential starts afresh.
        lastTick_ = Tick::TableFull;
        return;
    }
    platform_.EnableControl(res::kPlay, true);
    lastTick_ = Tick::Recorded;
    if (levelsTab_) levelsTab_->RecordedChanged();
    Redraw();
}

// ---- Commands ---------------------------------------------------------------

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
        case res::kTransmissionApply:
            if (transmission_) {
                HandlerScope scope(*this);
                transmission_->OnApply();
            }
            return true;
        case res::kPacketApply:
        case res::kPacketPlay:
        case res::kPacketReset:
            OnPacketCommand(id);
            return true;
        default:
            return false;
    }
}

void CWaveDlg::OnPotentialChange() {
    HandlerScope scope(*this);
    if (const ::Potential* chosen = choice_.Select(platform_.SelectedListItemData()))
        potential_ = chosen;
    search_.SetPotential(potential_, choice_.TwoSided());
    views_.SetPotential(potential_, choice_.Classic(), choice_.TwoSided());
    FitViews();
    search_.Clear();
    if (evolution_) evolution_->SetPotential(potential_);
    if (packet_) packet_->SetPotential(potential_);
    if (transmission_) transmission_->Stale();
    if (levelsTab_) levelsTab_->Stale();
    Redraw();
    platform_.EnableControl(res::kPlay, true);
    ShowSearchNote();
}

void CWaveDlg::OnSettings() {
    HandlerScope scope(*this);
    const std::optional<FamilyId> family =
        PotentialChoice::FamilyOfData(platform_.SelectedListItemData());
    if (!family) return;
    SettingsEditor editor(choice_, *family);
    platform_.RunSettingsDialog(editor);
    if (editor.Applied()) OnPotentialChange();
}

void CWaveDlg::FitViews() {
    if (!potential_ || !views_.Ready()) return;
    const int w = plotRect_.Width();
    const int h = plotRect_.Height();
    views_.SetViews(choice_.Classic()
                        ? StartViews(w, h)
                        : ChooseViews(w, h, PotentialRange(*potential_, choice_.Samples())));
    // Steep potentials would overflow the shot solutions far out.
    const double limit = choice_.Classic() ? HUGE_VAL : 1e100;
    views_.SetNormalisation(choice_.NormalisationHalfWidth(CurrentSearchBounds()), limit);
    search_.SetGrowthLimit(limit);
}

void CWaveDlg::ShowSearchNote() {
    platform_.SetControlText(res::kPotentialNote,
                             choice_.TwoSided() ? PotentialChoice::kNotEvenNote : "");
}

int CWaveDlg::OnTabChange() {
    HandlerScope scope(*this);
    if (evolution_) evolution_->OnShown(platform_.CurrentTab() == res::kEvolutionTab);
    if (levelsTab_) levelsTab_->OnShown(platform_.CurrentTab() == res::kLevelsTab);
    if (packet_) packet_->OnShown(platform_.CurrentTab() == res::kPacketTab);
    if (transmission_) transmission_->OnShown(platform_.CurrentTab() == res::kTransmissionTab);
    Redraw();
    return 0;
}

bool CWaveDlg::OnPlotMouse(int x, int y) {
    if (!transmission_ || platform_.CurrentTab() != res::kTransmissionTab) return false;
    HandlerScope scope(*this);
    return transmission_->OnMouse(x, y);
}

bool CWaveDlg::OnPlotKey(PlotKey key) {
    if (!transmission_ || platform_.CurrentTab() != res::kTransmissionTab) return false;
    HandlerScope scope(*this);
    return transmission_->OnKey(key);
}

int CWaveDlg::OnSpinDelta(int delta) {
    HandlerScope scope(*this);
    iterations_ = iterations_ - static_cast<std::uint32_t>(delta);
    if (iterations_ == 0) iterations_ = 1;
    UpdateData(false);
    Redraw();
    return 0;
}

void CWaveDlg::OnIterate() {
    HandlerScope scope(*this);
    Redraw();
}

void CWaveDlg::OnEvolutionCommand(int id) {
    if (!evolution_) return;
    HandlerScope scope(*this);
    switch (id) {
        case res::kEvolutionApply:
            evolution_->OnApply();
            break;
        case res::kEvolutionPlay:
            evolution_->OnPlayPause();
            break;
        case res::kEvolutionReset:
            evolution_->OnReset();
            break;
        default:
            break;
    }
}

void CWaveDlg::OnPacketCommand(int id) {
    if (!packet_) return;
    HandlerScope scope(*this);
    switch (id) {
        case res::kPacketApply:
            packet_->OnApply();
            break;
        case res::kPacketPlay:
            packet_->OnPlayPause();
            break;
        case res::kPacketReset:
            packet_->OnReset();
            break;
        default:
            break;
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
    if (evolution_) evolution_->Stop();
    if (packet_) packet_->Stop();
    views_.Release();
}
