// The picture of the "Transmision" tab, drawn with the plotter on a canvas
// of one world unit a pixel: above, T (blue) and R (red) across the energy
// range between the lines T = 0 and T = 1, each resonance dashed, the
// marker as a black line with a disc on T; below, the scattering state at
// the marker's energy over the potential (green): its real part (blue) and
// |psi|^2 (red) on the line at that energy.
#pragma once

#include <complex>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "color_ramp.h"
#include "image.h"
#include "plotter.h"
#include "stroke_profile.h"
#include "transmission_tab.h"

class TransmissionPicture {
  public:
    TransmissionPicture(BufferImage& frame, const TransmissionProfiles& profiles, int bandHeight);
    ~TransmissionPicture();
    TransmissionPicture(const TransmissionPicture&) = delete;
    TransmissionPicture& operator=(const TransmissionPicture&) = delete;

    // T and R at the middle of every pixel column; resonances and the
    // marker as columns (fractional).
    struct Curves {
        std::vector<double> t, r;
        std::vector<double> resonances;
        std::optional<double> marker;
        std::optional<double> markerT;
    };
    // psi at xs (evenly spaced), V there, at `energy`.
    struct State {
        std::vector<double> xs, v;
        std::vector<std::complex<double>> psi;
        double energy = 0.0;
    };

    void Draw(const Curves& curves, const State& state);
    // Only the frame and the band: no continuum to show.
    void DrawEmpty();

  private:
    void Place();
    void DrawCurvePanel(const Curves& curves);
    void DrawStatePanel(const State& state);
    void DrawBand();

    BufferImage& frame_;
    TransmissionProfiles profiles_;
    int bandHeight_;
    std::unique_ptr<PlotCanvas> canvas_;
    std::unique_ptr<Plotter> plot_;
    ColorRamp markRamp_;
    RampProfile markProfile_;
    ColorRamp dashRamp_;
    RampProfile dashProfile_;
    std::unique_ptr<Pixel> white_;
    SolidProfile bandProfile_;
};
