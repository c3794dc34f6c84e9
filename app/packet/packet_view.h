// The "Paquete" tab: a Gaussian wave packet sent along the open line through
// the chosen potential. It keeps the packet (x0, k0, sigma), the split point,
// the time, the speed and whether it plays; draws the frame (the whole grid
// with its absorbing edges shaded, the potential, |psi|^2 and Re psi on the
// packet's level line, the split point dashed, |phi(k)|^2 in an inset); and
// reads and writes its controls, which the host places in a band along the
// top of the plot, the probabilities left and right of the split point among
// them. The time advances by whole display ticks from the last point it was
// set, t = start + ticks * speed * tick; the packet at t is the same however
// it got there (see open_line.h), so a picture depends on t alone.
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
#include "image.h"
#include "open_line.h"
#include "packet_choice.h"
#include "plotter.h"
#include "real_function.h"
#include "stroke_profile.h"

// The curve styles the dialog draws with; not owned.
struct PacketProfiles {
    StrokeProfile* potential = nullptr;
    StrokeProfile* density = nullptr;
    StrokeProfile* real = nullptr;
};

class PacketView {
  public:
    // Rows along the top of the frame that the picture leaves white for the controls.
    static constexpr int kBandHeight = 60;
    // Time units a second at speed 1.
    static constexpr double kTimePerSecond = 1.0;
    // The packet at the start: from the left towards x = 0.
    static constexpr packet::PacketSettings kStartPacket{-10.0, 3.0, 1.0};

    PacketView(DialogPlatform& platform, BufferImage& frame, const PacketProfiles& profiles,
               std::function<void()> redraw);
    ~PacketView();
    PacketView(const PacketView&) = delete;
    PacketView& operator=(const PacketView&) = delete;

    // The controls' first texts.
    void InitControls();
    // Another potential: the packet starts again from t = 0 in it.
    void SetPotential(const RealFunction* potential);

    // The buttons of the band. "Aplicar" (and Enter in its fields) reads the
    // packet, the split point, the speed and the time; a value that does not
    // read gets the data-entry message and changes nothing.
    bool OnApply();
    void OnPlayPause();
    void OnReset();
    // The tab shown or left: the animation runs only while it is shown.
    void OnShown(bool shown);
    void OnTick();
    void Stop();

    double Time() const { return start_ + static_cast<double>(ticks_) * TickStep(); }
    bool Playing() const { return playing_; }
    bool TimerRunning() const { return timerRunning_; }
    double Speed() const { return speed_; }
    const PacketChoice& Choice() const { return choice_; }
    // The packet moving in the current potential, at Time(); null when V is
    // not finite somewhere on the grid (the numbers' label says where).
    packet::OpenLine* Line();

    // The frame at the current time.
    void Draw();
    const PlotCanvas* Canvas() const { return canvas_.get(); }

  private:
    double TickStep() const;
    void SetTime(double t);
    void Build();
    void Place();
    void StartTimer();
    void StopTimer();
    void ShowChoice();
    void ShowTime();
    void ShowNumbers();
    void DrawLayers();
    void DrawSplit();
    void DrawCurves();
    void DrawInset();
    void DrawBand();

    DialogPlatform& platform_;
    BufferImage& frame_;
    PacketProfiles profiles_;
    std::function<void()> redraw_;
    const RealFunction* potential_ = nullptr;

    PacketChoice choice_{kStartPacket, 0.0};
    bool stale_ = true;
    std::optional<packet::OpenLine> line_;
    std::string problem_;  // why there is no line

    double start_ = 0.0;
    std::uint64_t ticks_ = 0;
    double speed_ = 1.0;
    bool playing_ = true;
    bool shown_ = false;
    bool timerRunning_ = false;

    // The picture's scales, set by Place for the line.
    struct Scales;
    std::unique_ptr<Scales> scales_;
    std::unique_ptr<PlotCanvas> canvas_;
    std::unique_ptr<Plotter> plot_;
    ColorRamp dashRamp_;
    RampProfile dashProfile_;
    std::unique_ptr<Pixel> white_;
    std::unique_ptr<Pixel> layer_;
    std::unique_ptr<Pixel> black_;
    SolidProfile fillProfile_;
    SolidProfile frameProfile_;
};
