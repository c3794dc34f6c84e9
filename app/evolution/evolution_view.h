// The "Evolucion" tab: a superposition of the current potential's levels,
// moving. It keeps the choice (levels, weights, phases), the time, the speed
// and whether it plays; draws the frame (the potential, the density and the
// real part over the level line at <E>, a mark at <x>); and reads and writes
// its controls, which the host places in a band along the top of the plot.
// The time advances by whole display ticks from the last point it was set,
// t = start + ticks * speed * tick, never by adding up steps.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "color_ramp.h"
#include "dialog_platform.h"
#include "evolution_choice.h"
#include "evolution_levels.h"
#include "image.h"
#include "plotter.h"
#include "real_function.h"
#include "sampled_function.h"
#include "stroke_profile.h"
#include "superposition.h"

// The curve styles the dialog draws with; not owned.
struct EvolutionProfiles {
    StrokeProfile* potential = nullptr;
    StrokeProfile* density = nullptr;
    StrokeProfile* real = nullptr;
};

class EvolutionView {
  public:
    // The current potential's bound states on the window's grid, lowest
    // first, and the continuum edge above them, which the frame marks.
    using LevelSource = std::function<BoundStatesOnGrid()>;

    // Rows along the top of the frame that the picture leaves white for the controls.
    static constexpr int kBandHeight = 60;
    // Time units a second at speed 1.
    static constexpr double kTimePerSecond = 1.0;

    EvolutionView(DialogPlatform& platform, BufferImage& frame, const EvolutionProfiles& profiles,
                  std::function<void()> redraw);
    EvolutionView(const EvolutionView&) = delete;
    EvolutionView& operator=(const EvolutionView&) = delete;

    // The controls' first texts.
    void InitControls();
    void SetLevelSource(LevelSource source);
    // Another potential: its levels are fetched when next needed, time 0.
    void SetPotential(const RealFunction* potential);

    // The buttons of the band. "Aplicar" (and Enter in its fields) reads
    // levels, weights, phases, speed and time; a value that does not read
    // gets the data-entry message and changes nothing.
    bool OnApply();
    void OnPlayPause();
    void OnReset();
    // The tab shown or left: the animation runs only while it is shown.
    void OnShown(bool shown);
    void OnTick();
    void Stop();

    void SetTime(double t);
    double Time() const { return start_ + static_cast<double>(ticks_) * TickStep(); }
    bool Playing() const { return playing_; }
    bool TimerRunning() const { return timerRunning_; }
    double Speed() const { return speed_; }

    // The levels of the current potential (fetched if need be) and the state
    // made of them; null when there is none.
    const std::vector<dynamics::Eigenstate>& Levels();
    const dynamics::Superposition* State();
    const EvolutionChoice& Choice() const { return choice_; }

    // The frame at the current time, and the canvas it is drawn on.
    void Draw();
    const PlotCanvas* Canvas() const { return canvas_.get(); }

  private:
    double TickStep() const;
    void Restart(double t);
    // Fetches the levels when the potential changed and rebuilds the state;
    // a choice the new levels cannot take falls back to the default.
    void Refresh();
    void Build(const EvolutionChoice& choice);
    double LowestInSight(int width) const;
    void PlaceCanvas();
    void ShowChoice();
    void ShowTime();
    void StartTimer();
    void StopTimer();
    void FillPsi();
    void DrawEdge();

    DialogPlatform& platform_;
    BufferImage& frame_;
    EvolutionProfiles profiles_;
    std::function<void()> redraw_;
    LevelSource source_;
    const RealFunction* potential_ = nullptr;

    bool stale_ = true;
    std::vector<dynamics::Eigenstate> levels_;
    std::optional<double> continuum_;
    EvolutionChoice choice_;
    std::optional<dynamics::Superposition> state_;

    double start_ = 0.0;
    std::uint64_t ticks_ = 0;
    double speed_ = 1.0;
    bool playing_ = true;
    bool shown_ = false;
    bool timerRunning_ = false;

    std::unique_ptr<PlotCanvas> canvas_;
    std::unique_ptr<Plotter> plot_;
    double placedEnergy_ = 0.0;
    SampledFunction psi_;
    std::vector<dynamics::Complex> buffer_;
    std::size_t first_ = 0;
    RealPartView real_;
    DensityView density_;
    ColorRamp markRamp_;
    RampProfile markProfile_;
    ColorRamp edgeRamp_;
    RampProfile edgeProfile_;
    std::unique_ptr<Pixel> white_;
    SolidProfile bandProfile_;
};
