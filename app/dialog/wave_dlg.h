// CWaveDlg: the main dialog. It owns the potentials and the dialog's tools
// (the level search and its two views, the "Niveles" rows, the "Evolucion"
// and "Paquete" views) and wires them to the window system, which it reaches only through
// DialogPlatform. Hosts hand it every push button through OnCommand and
// every timer tick through OnTimer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "curve_styles.h"
#include "dialog_platform.h"
#include "evolution_view.h"
#include "image.h"
#include "level_search.h"
#include "level_views.h"
#include "levels_tab.h"
#include "packet_view.h"
#include "potential_choice.h"
#include "potentials.h"
#include "transmission_tab.h"

class CWaveDlg {
  public:
    static constexpr std::size_t kMaxLevels = LevelSearch::kMaxLevels;

    explicit CWaveDlg(DialogPlatform& platform);
    ~CWaveDlg();
    CWaveDlg(const CWaveDlg&) = delete;
    CWaveDlg& operator=(const CWaveDlg&) = delete;

    // Set-up, once the controls exist. Draws the first picture.
    bool OnInitDialog();
    // true: controls into members (shows the data-entry message and stops at
    // the first control that does not read); false: members into controls.
    bool UpdateData(bool saveAndValidate);
    void CreateFrameBitmap();
    // Draws the selected view into the frame and asks for a paint.
    void Redraw();
    // Copies the frame into the platform's frame bitmap.
    void OnPaint();

    // A push button's click, by its control ID: every host hands its
    // buttons here. false for an ID that is not a push button's.
    bool OnCommand(int id);
    // A timer's tick, by its ID: every host hands its ticks here.
    void OnTimer(unsigned id);
    void OnPotentialChange();
    int OnTabChange();
    int OnSpinDelta(int delta);
    // true where the command was the dialog's own (the About box).
    bool OnSysCommand(unsigned command);
    // A click or a drag on the picture at (x, y), pixels from its top-left
    // corner, and a key pressed over it: the "Transmision" tab's marker.
    // false where the tab on show takes none.
    bool OnPlotMouse(int x, int y);
    bool OnPlotKey(PlotKey key);
    void OnDestroy();

    // Without a screen nobody sees a frame until it is painted: draw it then,
    // exactly as the last Redraw would have drawn it, and not before.
    void SetDeferredDrawing(bool deferred) { deferredDrawing_ = deferred; }

    // What the last search tick did.
    enum class Tick : std::uint8_t { None, Stepped, Recorded, TableFull, ScanEnded };
    Tick LastTick() const { return lastTick_; }
    bool TimerRunning() const { return timerRunning_; }

    // What hosts and tests read.
    const LevelSearch& Search() const { return search_; }
    std::uint32_t Iterations() const { return iterations_; }
    double Energy() const { return energy_; }
    const PixelRect& PlotRect() const { return plotRect_; }
    const BufferImage& Frame() const { return frame_; }
    bool HasFrameBitmap() const { return frameBits_ != nullptr; }
    const RealFunction& Potential() const { return *potential_; }
    const PotentialChoice& Choice() const { return choice_; }
    // The "Niveles" tab's table of accurate levels (computed once a potential).
    const AccurateLevelTable& LevelTable() { return levelsTab_->Accurate(); }
    // For a scenario, which sets the choice as the settings dialog does.
    PotentialChoice& Choice() { return choice_; }
    const LevelViews& Views() const { return views_; }
    EvolutionView& Evolution() { return *evolution_; }
    const EvolutionView& Evolution() const { return *evolution_; }
    TransmissionTab& Transmission() { return *transmission_; }
    const TransmissionTab& Transmission() const { return *transmission_; }
    PacketView& Packet() { return *packet_; }
    const PacketView& Packet() const { return *packet_; }
    // The current potential as a solver needs it, and where its levels are
    // searched (the "Normal" view's top caps the ceiling).
    PotentialInfo CurrentPotentialInfo() const { return Describe(choice_.Current()); }
    SearchRange CurrentSearchBounds() const;

    // For tests and benchmarks: the search goes on from a bracket of their
    // choosing.
    void SetSearchBracket(const LevelSearch::Bracket& bracket) { search_.SetBracket(bracket); }

  private:
    // Handlers run one at a time: a tick that arrives while one runs (from a
    // nested message loop) waits until it has returned.
    class HandlerScope {
      public:
        explicit HandlerScope(CWaveDlg& dlg) : dlg_(dlg) { ++dlg_.handlerDepth_; }
        ~HandlerScope();
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

      private:
        CWaveDlg& dlg_;
    };

    void SetUpPotentials();
    void SetUpFrame();
    void SetUpTabs();
    void FillControls();
    void OnPredictor();
    void SearchStep();
    void OnPlay();
    void SearchTick();
    void OnIterate();
    void OnWebLink();
    // "Ajustes...": the settings dialog of the chosen potential; applying
    // acts as choosing the potential does.
    void OnSettings();
    // A button of the "Evolucion" tab's band: "Aplicar", play/pause, "t = 0".
    void OnEvolutionCommand(int id);
    // A button of the "Paquete" tab's band: "Aplicar", play/pause, "t = 0".
    void OnPacketCommand(int id);
    void StopTimer();
    void DrawFrame();
    // The views and the normalisation interval for the chosen potential.
    void FitViews();
    // The note under the list: how a V that is not even is searched.
    void ShowSearchNote();

    DialogPlatform& platform_;
    std::uint32_t iterations_ = 1;
    double energy_ = 0.0;
    PixelRect plotRect_{};
    std::uint8_t* frameBits_ = nullptr;  // the platform's frame bitmap memory
    BufferImage frame_;
    WoodsSaxonPotential woodsSaxon_;
    SquareWell well_;
    PowerPotential oscillator_;
    // Every family's potential and settings, and which one is chosen.
    PotentialChoice choice_{woodsSaxon_, oscillator_, well_};
    const RealFunction* potential_ = nullptr;  // the chosen one, once set up
    CurveStyles styles_;
    LevelSearch search_;
    LevelViews views_{frame_, styles_};
    std::unique_ptr<EvolutionView> evolution_;
    std::unique_ptr<LevelsTab> levelsTab_;
    std::unique_ptr<TransmissionTab> transmission_;
    std::unique_ptr<PacketView> packet_;

    int handlerDepth_ = 0;
    bool tickPending_ = false;
    bool timerRunning_ = false;
    int ticksSincePlay_ = 0;
    bool deferredDrawing_ = false;
    bool drawPending_ = false;
    // The tab and the search flag as the last Redraw saw them: the picture
    // it asked for, however late it is drawn.
    int drawTab_ = -1;
    bool drawSearching_ = false;
    Tick lastTick_ = Tick::None;
};
