#include "views.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "model.h"
#include "reference_canvas.h"
#include "sampled_function.h"
#include "wave_function.h"

namespace testviews {

namespace {

struct StyleSetting {
    std::uint8_t red, green, blue;
    double outer;
};

constexpr std::array<StyleSetting, 6> kStyles{{
    {0, 0, 255, 2.0},
    {255, 0, 0, 3.0},
    {0, 255, 0, 1.8},
    {0, 255, 255, 2.0},
    {0, 128, 255, 2.0},
    {128, 0, 255, 2.0},
}};

}  // namespace

ProgramViews::ProgramViews(std::uint16_t width, std::uint16_t height, bool reference) {
    for (std::size_t i = 0; i < kStyles.size(); ++i) {
        ramps_[i].SetStart(kStyles[i].red, kStyles[i].green, kStyles[i].blue, 0);
        ramps_[i].SetEnd(255, 255, 255, 0);
        profiles_[i].SetMap(&ramps_[i]);
        profiles_[i].SetInner(1.0);
        profiles_[i].SetOuter(kStyles[i].outer);
    }
    frame.Create(width, height, 2);
    // Integer divisions before the conversion to double, as the dialog does.
    const int w = width;
    const int h = height;
    const auto make = [&](double pixelsPerUnit, Vector2 origin) -> std::unique_ptr<PlotCanvas> {
        if (reference) return std::make_unique<ReferenceCanvas>(&frame, pixelsPerUnit, 0.0, origin);
        return std::make_unique<PlotCanvas>(&frame, pixelsPerUnit, 0.0, origin);
    };
    normalCanvas = make(30.0, Vector2(w / 4, 3 * h / 4));
    zoomCanvas = make(60.0, Vector2(w / 2, 3 * h / 4));
    normal = std::make_unique<Plotter>(normalCanvas.get());
    normal->SetGridStepX(5.0);
    normal->SetGridStepY(5.0);
    normal->Prepare();
    zoom = std::make_unique<Plotter>(zoomCanvas.get());
    zoom->SetGridStepX(1.0);
    zoom->SetGridStepY(1.0);
    zoom->Prepare();
}

ProgramPotentials::ProgramPotentials() {
    woodsSaxon.SetStrength(-16.0);
    well.SetHalfWidth(2.0);
    well.SetDepth(-8.0);
    oscillator.SetCoefficient(1.0);
    oscillator.SetOffset(-8.0);
}

namespace {

// A wave function on the program's grid, with its two curves.
struct Wave {
    explicit Wave(const RealFunction& potential) {
        function.SetRange(model::kGridMin, model::kGridMax);
        function.Resize(model::kSamples);
        function.SetPotential(&potential);
        function.SetMassFactor(model::kMassFactor);
    }
    WaveFunction function;
    RealPartView real{&function};
    DensityView density{&function};
};

}  // namespace

const char* SceneName(Scene scene) {
    switch (scene) {
        case Scene::kNormalPrediction:
            return "normal-oscillator-prediction";
        case Scene::kNormalWellAndWoodsSaxon:
            return "normal-well-woods-saxon";
        case Scene::kZoomSixStyles:
            return "zoom-ground-state-six-styles";
    }
    return "unknown";
}

void DrawScene(Scene scene, ProgramViews& views) {
    const ProgramPotentials potentials;
    switch (scene) {
        case Scene::kNormalPrediction: {
            Wave wave(potentials.oscillator);
            wave.function.Integrate(0, model::kInitialEnergy);
            views.normal->DrawAxes();
            views.normal->PlotFunction(potentials.oscillator, views.Profile(kPotential), 0.0);
            views.normal->PlotFunction(wave.real, views.Profile(kRealPart), 0.0);
            views.normal->PlotFunction(wave.density, views.Profile(kDensity), 0.0);
            break;
        }
        case Scene::kNormalWellAndWoodsSaxon: {
            Wave lower(potentials.well);
            Wave upper(potentials.well);
            lower.function.Integrate(0, -7.9);
            upper.function.Integrate(0, -7.5);
            views.normal->DrawAxes();
            views.normal->PlotFunction(potentials.well, views.Profile(kPotential), 0.0);
            views.normal->PlotFunction(potentials.woodsSaxon, views.Profile(kSpare), 0.0);
            views.normal->PlotFunction(lower.real, views.Profile(kLowerBracket), 0.0);
            views.normal->PlotFunction(upper.real, views.Profile(kUpperBracket), 0.0);
            break;
        }
        case Scene::kZoomSixStyles: {
            Wave wave(potentials.oscillator);
            wave.function.Integrate(0, -7.2976229);  // near the ground state
            Integrator integrator;
            integrator.SetInterval(Vector2(-5.0, 5.0));
            integrator.SetSteps(model::kNormalisationSteps);
            integrator.Normalize(wave.function);
            views.zoom->DrawAxes();
            views.zoom->PlotFunction(potentials.oscillator, views.Profile(kPotential), 0.0);
            for (int style = 0; style < 6; ++style) {
                const double level = -6.0 + 1.5 * style;
                views.zoom->PlotFunction(wave.density, views.Profile(style), level);
                views.zoom->PlotFunction(wave.real, views.Profile(style), level);
            }
            break;
        }
    }
}

std::vector<std::uint8_t> PpmBytes(const BufferImage& image) {
    const std::size_t width = image.Width();
    const std::size_t height = image.Height();
    const std::string header =
        "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    const std::uint8_t* data = image.Data();
    if (data == nullptr || image.Format() != 2) return bytes;
    bytes.reserve(bytes.size() + width * height * 3);
    for (std::size_t row = height; row-- > 0;) {
        const std::uint8_t* p = data + row * width * 3;
        for (std::size_t x = 0; x < width; ++x, p += 3) {
            bytes.push_back(p[2]);  // the frame stores blue, green, red
            bytes.push_back(p[1]);
            bytes.push_back(p[0]);
        }
    }
    return bytes;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace testviews
