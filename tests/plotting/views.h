// The drawing set-up of the program, for tests: the frame, the "Normal" and
// "Zoom" canvases with their plotters, and the six curve styles, built with the
// same values and in the same order as the dialog builds them; plus the
// potentials as the dialog configures them, and PPM output of a frame.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "canvas.h"
#include "color_ramp.h"
#include "image.h"
#include "plotter.h"
#include "potentials.h"
#include "stroke_profile.h"

namespace testviews {

// The plot area of the program's window.
inline constexpr std::uint16_t kFrameWidth = 624;
inline constexpr std::uint16_t kFrameHeight = 584;

// Curve styles by use.
enum Style {
    kRealPart = 0,
    kDensity = 1,
    kPotential = 2,
    kSpare = 3,
    kLowerBracket = 4,
    kUpperBracket = 5
};

class ProgramViews {
  public:
    // With reference set, the canvases are ReferenceCanvas: the primitives
    // written out without clipping.
    explicit ProgramViews(std::uint16_t width = kFrameWidth, std::uint16_t height = kFrameHeight,
                          bool reference = false);
    ProgramViews(const ProgramViews&) = delete;
    ProgramViews& operator=(const ProgramViews&) = delete;

    RampProfile* Profile(int style) { return &profiles_[static_cast<std::size_t>(style)]; }

    BufferImage frame;
    std::unique_ptr<PlotCanvas> normalCanvas;
    std::unique_ptr<PlotCanvas> zoomCanvas;
    std::unique_ptr<Plotter> normal;
    std::unique_ptr<Plotter> zoom;

  private:
    std::array<ColorRamp, 6> ramps_;
    std::array<RampProfile, 6> profiles_;
};

struct ProgramPotentials {
    ProgramPotentials();
    SquareWell well;
    PowerPotential oscillator;
    WoodsSaxonPotential woodsSaxon;
};

// The pictures kept as golden images.
enum class Scene {
    // The "Normal" view right after "Predictor" at the initial energy: the
    // oscillator, its even solution at -1 and the density over it.
    kNormalPrediction,
    // The square well with its vertical walls, the Woods-Saxon potential, and
    // two solutions of the well either side of its ground state in the two
    // bracket styles.
    kNormalWellAndWoodsSaxon,
    // The "Zoom" view with the oscillator's normalised ground state drawn,
    // density then real part, in each of the six styles on its own level line
    // (one of them at 0, which has none).
    kZoomSixStyles,
};
inline constexpr Scene kScenes[] = {Scene::kNormalPrediction, Scene::kNormalWellAndWoodsSaxon,
                                    Scene::kZoomSixStyles};
const char* SceneName(Scene scene);
void DrawScene(Scene scene, ProgramViews& views);

// Binary PPM (P6) of a format-2 image, top row of the picture first: image
// row 0, the bottom of the picture on screen, comes last.
std::vector<std::uint8_t> PpmBytes(const BufferImage& image);
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes);

}  // namespace testviews
