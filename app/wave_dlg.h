// CWaveDlg: the main dialog's state and behaviour. It owns the potentials, the
// wave functions, the level search, the frame and everything that draws on
// it; the window system is reached only through DialogPlatform.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "canvas.h"
#include "color_ramp.h"
#include "dialog_platform.h"
#include "evolution_view.h"
#include "image.h"
#include "levels_tab.h"
#include "plotter.h"
#include "potential_choice.h"
#include "potentials.h"
#include "sampled_function.h"
#include "stroke_profile.h"
#include "view_range.h"
#include "wave_function.h"

class CWaveDlg {
  public:
    static constexpr std::size_t kMaxLevels = 20;

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

    // The level search: one step ("Buscar"), the animation ("Play") and its tick.
    void SearchStep();
    void OnPlay();
    void OnTimer(unsigned id);

    void OnPredictor();
    void OnPotentialChange();
    int OnTabChange();
    int OnSpinDelta(int delta);
    void OnIterate();
    // A button of the "Evolucion" tab's band: "Aplicar", play/pause, "t = 0".
    void OnEvolutionCommand(int id);
    void OnWebLink();
    // "Ajustes...": the settings dialog of the chosen potential; applying
    // acts as choosing the potential does.
    void OnSettings();
    // A push button's click, by its control ID: every host hands its
    // buttons here. false for an ID that is not a push button's.
    bool OnCommand(int id);

    // The current potential as a solver needs it, and where its levels are
    // searched (the "Normal" view's top caps the ceiling).
    PotentialInfo CurrentPotentialInfo() const { return Describe(m_choice.Current()); }
    SearchRange CurrentSearchBounds() const;
    // true where the command was the dialog's own (the About box).
    bool OnSysCommand(unsigned command);
    void OnDestroy();

    // Without a screen nobody sees a frame until it is painted: draw it then,
    // exactly as the last Redraw would have drawn it, and not before.
    void SetDeferredDrawing(bool deferred) { deferredDrawing_ = deferred; }

    // What the last timer tick did.
    enum class Tick : std::uint8_t { None, Stepped, Recorded, TableFull, ScanEnded };
    Tick LastTick() const { return lastTick_; }
    bool TimerRunning() const { return timerRunning_; }

    // The state below is the dialog's; hosts and tests read it, handlers change it.
    std::uint32_t m_iterations = 1;
    double m_energy = 0.0;
    PixelRect m_plotRect{};
    std::uint8_t* m_frameBits = nullptr;  // the platform's frame bitmap memory
    bool m_frameBitmap = false;
    BufferImage m_frame;
    std::unique_ptr<PlotCanvas> m_canvasNormal;
    std::unique_ptr<PlotCanvas> m_canvasZoom;
    std::unique_ptr<Plotter> m_plotNormal;
    std::unique_ptr<Plotter> m_plotZoom;
    DensityView m_lowerDensity;
    WoodsSaxonPotential m_woodsSaxon;
    SquareWell m_well;
    PowerPotential m_oscillator;
    // Every family's potential and settings, and which one is chosen.
    PotentialChoice m_choice{m_woodsSaxon, m_oscillator, m_well};
    const RealFunction* m_potential = nullptr;
    Integrator m_integrator;
    RealPartView m_lowerRe;
    RealPartView m_upperRe;
    RealPartView m_levelRe;
    WaveFunction m_work;
    WaveFunction m_lower;
    WaveFunction m_upper;
    WaveFunction m_level;
    DensityView m_levelDensity;
    double m_eLow = 0.0;
    double m_eHigh = 0.0;
    double m_eCeiling = 0.0;
    std::uint8_t m_searchState = 0;  // 0 start, 1 bisect, 2 scan, 3 next level
    std::uint8_t m_showPrediction = 0;
    std::uint8_t m_searching = 0;
    std::uint8_t m_levelCount = 0;
    std::array<double, kMaxLevels> m_levels{};
    // The parity each level was found with, so that the zoom view draws it
    // right also after a search that skipped a level.
    std::array<std::uint8_t, kMaxLevels> m_levelParity{};
    std::array<ColorRamp, 6> m_ramps;
    std::array<RampProfile, 6> m_profiles;
    // The "Evolucion" tab's state and drawing.
    std::unique_ptr<EvolutionView> m_evolution;
    // The "Niveles" tab's table.
    std::unique_ptr<LevelsTab> m_levelsTab;

    // Shared by all search steps for the whole run; public so that a test can
    // start from a known state.
    static inline std::uint8_t s_parity = 0;
    static inline double s_lowSign = 1.0;

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

    void StartSearch();
    void Scan();
    void NextLevel();
    void Bisect();
    void IntegrateBracket();
    bool AdvanceScan(double previousEnd);
    void StopTimer();
    void DrawFrame();
    void DrawNormalView();
    void DrawZoomView();
    // The views and the normalisation interval for the chosen potential.
    void FitViews();
    void SetViews(const ViewFrames& views);
    // Predictor, Buscar and Play only for a potential the search can take.
    void ShowShootable();

    // Everything m_level's integration and normalisation at level i depend
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
    std::optional<LevelKey> LevelKeyFor(std::size_t i) const;
    // The zoom view integrates and normalises every level again on every
    // redraw, most often with the very same inputs: what came out last time
    // for each level, with what it came from.
    struct LevelCopy {
        bool valid = false;
        LevelKey key;
        SampledFunction function;
    };
    std::array<LevelCopy, kMaxLevels> levelCopies_;

    DialogPlatform& platform_;
    int handlerDepth_ = 0;
    bool tickPending_ = false;
    bool timerRunning_ = false;
    bool deferredDrawing_ = false;
    bool drawPending_ = false;
    // The tab and the search flag as the last Redraw saw them: the picture
    // it asked for, however late it is drawn.
    int drawTab_ = -1;
    std::uint8_t drawSearching_ = 0;
    Tick lastTick_ = Tick::None;
    ViewFrames views_;
};
