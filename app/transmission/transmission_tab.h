// The "Transmision" tab: the continuum of the chosen potential. It keeps the
// energy range and the marker; computes T(E) and R(E) across the range (one
// energy a pixel column, and the resonances' tops), the resonances in the
// range, and the scattering state at the marker; draws them (the curves over
// the energy, the resonances dashed, the marker, and below, psi at the
// marker's energy over the potential); and reads and writes its controls,
// which the host places in a band along the top of the plot. The marker moves
// by a click or a drag on the picture, by the arrow keys (a column),
// Page Up/Down (a tenth of the range), Home and End, or typed into its box.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialog_platform.h"
#include "image.h"
#include "potential_family.h"
#include "scattering.h"
#include "stroke_profile.h"

struct TransmissionProfiles {
    StrokeProfile* potential = nullptr;
    StrokeProfile* reflection = nullptr;
    StrokeProfile* transmission = nullptr;
};

enum class PlotKey { Left, Right, PageDown, PageUp, Home, End };

class TransmissionPicture;

class TransmissionTab {
  public:
    // Rows along the top of the frame that the picture leaves white for the controls.
    static constexpr int kBandHeight = 60;

    TransmissionTab(DialogPlatform& platform, BufferImage& frame,
                    const TransmissionProfiles& profiles, std::function<void()> redraw);
    ~TransmissionTab();
    TransmissionTab(const TransmissionTab&) = delete;
    TransmissionTab& operator=(const TransmissionTab&) = delete;

    void InitControls();
    // Where the chosen potential comes from, read when next needed.
    void SetSource(std::function<PotentialInfo()> source) { source_ = std::move(source); }
    // Another potential: the range and the marker start again from its limits.
    void Stale() {
        stale_ = true;
        computed_ = false;
    }
    // "Aplicar" (and Enter in the band): reads the range and the marker's
    // energy; a value that does not read gets the data-entry message and
    // changes nothing.
    bool OnApply();
    void OnShown(bool shown) { shown_ = shown; }
    // A click or a drag at (x, y), pixels from the frame's top-left corner:
    // the marker goes to that column's energy. false where nothing moved.
    bool OnMouse(int x, int y);
    bool OnKey(PlotKey key);

    void Draw();

    // The range and the marker as last set, without computing anything;
    // none before the tab has taken its potential, or where V has no continuum.
    struct Range {
        double from, to, marker;
    };
    std::optional<Range> Showing() const {
        if (stale_ || !transmission_) return std::nullopt;
        return Range{from_, to_, marker_};
    }

    // What tests and hosts read; each computes what it needs first.
    const std::string& Problem();  // why there is no continuum; empty if there is one
    double From();
    double To();
    double Marker();
    const std::vector<scattering::Resonance>& Resonances();
    std::optional<scattering::Point> MarkerPoint();
    // The energy at the middle of a pixel column of the frame, and back.
    double EnergyAt(int column);
    int ColumnOf(double energy);

  private:
    void Refresh();
    void DefaultRange();
    void Compute();
    void MoveMarker(double energy);
    void ShowControls();
    void ShowMarker();
    void FillCurves();
    void FillState();

    DialogPlatform& platform_;
    BufferImage& frame_;
    std::function<void()> redraw_;
    std::unique_ptr<TransmissionPicture> picture_;

    std::function<PotentialInfo()> source_;
    PotentialInfo info_;
    bool stale_ = true;      // a new potential: everything from the start
    bool computed_ = false;  // the curve and the resonances for the range
    bool shown_ = false;
    std::string problem_;
    std::unique_ptr<scattering::Transmission> transmission_;
    double from_ = 0.0;
    double to_ = 1.0;
    double marker_ = 0.5;
    std::vector<scattering::Resonance> resonances_;
    // What the picture shows, kept between redraws.
    struct Shown;
    std::unique_ptr<Shown> shownData_;
};
