// Scenarios: what the dialog shows, written as JSON and opened on another
// dialog, shows the same picture; a bad or hostile file is refused with one
// line saying why, and the dialog it was opened on stays as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <variant>

#include "accessibility.h"
#include "caption.h"
#include "headless_host.h"
#include "resources.h"
#include "scenario.h"
#include "scenario_dialog.h"

namespace {

using scenario::Scenario;

Scenario ReadOk(const std::string& text) {
    scenario::ReadResult r = scenario::Read(text);
    if (const auto* m = std::get_if<std::string>(&r)) ADD_FAILURE() << *m;
    return std::holds_alternative<Scenario>(r) ? std::get<Scenario>(r) : Scenario{};
}

std::string Message(const std::string& text) {
    scenario::ReadResult r = scenario::Read(text);
    return std::holds_alternative<std::string>(r) ? std::get<std::string>(r) : "";
}

// A state away from the start in every field a scenario holds: a well of its
// own settings, "Predictor" pressed, then the "Evolucion" band set and paused.
void MoveAway(HeadlessSession& s) {
    s.SelectPotential(2);
    ASSERT_FALSE(s.ChangeSettings({"-12.5", "1.75"}));
    s.TypeEnergy("-3.25");
    s.Click(res::kPredictor);
    s.SelectTab(res::kEvolutionTab);
    s.Platform().SetControlText(res::kEvolutionStates, "0, 2");
    s.Platform().SetControlText(res::kEvolutionWeights, "1, -0.5");
    s.Platform().SetControlText(res::kEvolutionPhases, "0, 0.75");
    s.Platform().SetControlText(res::kEvolutionTime, "1.25");
    s.Click(res::kEvolutionApply);
    s.Click(res::kEvolutionPlay);
}

TEST(Scenario, WrittenAndOpenedShowsTheSamePicture) {
    HeadlessSession made;
    MoveAway(made);
    ASSERT_TRUE(made.Platform().messages.empty());
    const Scenario captured = scenario::Capture(made.Dialog(), made.Platform());
    EXPECT_EQ(captured.potential, FamilyId::Well);
    EXPECT_EQ(captured.settings, (std::vector<double>{-12.5, 1.75}));
    EXPECT_EQ(captured.tab, res::kEvolutionTab);
    EXPECT_EQ(captured.energy, -3.25);
    EXPECT_TRUE(captured.predictor);
    ASSERT_TRUE(captured.evolution);
    EXPECT_EQ(captured.evolution->states, "0, 2");
    EXPECT_EQ(captured.evolution->time, 1.25);
    EXPECT_FALSE(captured.evolution->playing);

    const std::string text = scenario::Write(captured);
    EXPECT_EQ(ReadOk(text), captured);

    for (const int tab : {res::kEvolutionTab, 0, 1}) {
        Scenario s = captured;
        s.tab = tab;
        made.SelectTab(tab);
        HeadlessSession opened;
        ASSERT_EQ(scenario::Open(opened.Dialog(), opened.Platform(), ReadOk(scenario::Write(s))),
                  std::nullopt);
        EXPECT_EQ(scenario::Capture(opened.Dialog(), opened.Platform()).tab, tab);
        EXPECT_TRUE(opened.Paint() == made.Paint()) << "tab " << tab;
    }
}

// The "Transmision" tab's range and marker go into the file and come back.
TEST(Scenario, TheTransmissionTabsRangeAndMarker) {
    HeadlessSession made;
    made.SelectPotential("Pozo Finito");
    made.SelectTab(res::kTransmissionTab);
    made.Type(res::kTransmissionFrom, "0.5");
    made.Type(res::kTransmissionTo, "12");
    made.Type(res::kTransmissionEnergy, "3.3");
    made.Click(res::kTransmissionApply);
    const Scenario captured = scenario::Capture(made.Dialog(), made.Platform());
    ASSERT_TRUE(captured.transmission);
    EXPECT_EQ(*captured.transmission, (scenario::Transmission{0.5, 12.0, 3.3}));
    HeadlessSession opened;
    ASSERT_EQ(scenario::Open(opened.Dialog(), opened.Platform(), ReadOk(scenario::Write(captured))),
              std::nullopt);
    EXPECT_EQ(scenario::Capture(opened.Dialog(), opened.Platform()), captured);
    EXPECT_TRUE(opened.Paint() == made.Paint());
}

TEST(Scenario, AFormulaAndTheDefaultsOfWhatIsLeftOut) {
    const Scenario s =
        ReadOk(R"({"potential": "formula", "formula": "2*abs(x) - 8", "tab": "zoom"})");
    EXPECT_EQ(s.potential, FamilyId::Formula);
    EXPECT_EQ(s.formula, "2*abs(x) - 8");
    EXPECT_TRUE(s.settings.empty());
    EXPECT_EQ(s.tab, 1);
    EXPECT_EQ(s.energy, -1.0);
    EXPECT_FALSE(s.evolution);
    // Settings left out keep the family's defaults.
    EXPECT_EQ(ReadOk(R"({"potential": "oscillator", "settings": {"offset": -4}})").settings,
              (std::vector<double>{1.0, 2.0, -4.0}));
    HeadlessSession opened;
    ASSERT_EQ(scenario::Open(opened.Dialog(), opened.Platform(), s), std::nullopt);
    EXPECT_EQ(opened.Dialog().Choice().Formula().Text(), "2*abs(x) - 8");
}

TEST(Scenario, BadFilesGiveOneLineAndChangeNothing) {
    const std::string huge = R"({"formula": ")" + std::string(70000, ' ') + "\"}";
    const std::string deep = std::string(40, '[') + std::string(40, ']');
    const struct {
        std::string text;
        const char* says;
    } bad[] = {
        {"{\"potential\": \"well\",", "not JSON"},
        {"[1, 2]", "a JSON object"},
        {deep, "nested deeper"},
        {huge, "larger than 64 KiB"},
        {R"({"potential": "well", "colour": "red"})", "unknown key 'colour'"},
        {R"({"evolution": {"states": "0", "speed ": 1}})", "unknown key 'speed '"},
        {R"({"potential": "well", "settings": {"depth": -200}})",
         "'depth' must be a number from -100 to 0"},
        {R"({"potential": "well", "settings": {"width": 1}})", "unknown setting 'width' of well"},
        {R"({"potential": "wells", "settings": {"count": 2.5}})", "'count' must be a whole number"},
        {R"({"potential": "well", "settings": {"depth": "-8"}})", "'depth' must be a number"},
        {R"({"potential": "square"})", "'potential' must be one of"},
        {R"({"tab": 9})", "'tab' must be one of normal, zoom, levels, evolution and transmission"},
        {R"({"energy": 1e300})", "'energy' must be a number"},
        {R"({"predictor": "yes"})", "'predictor' must be true or false"},
        {R"({"velquor": 2})", "'velquor' must be 1"},
        {R"({"potential": "formula"})", "needs a 'formula'"},
        {R"({"potential": "well", "formula": "x^2"})", "'formula' goes with"},
        {R"({"evolution": {"speed": 101}})", "'speed' must be a number from 0 to 100"},
    };
    for (const auto& b : bad) {
        const std::string m = Message(b.text);
        EXPECT_NE(m.find(b.says), std::string::npos) << b.says << " / " << m;
        EXPECT_EQ(m.find('\n'), std::string::npos) << m;
    }

    // Read, but refused by the dialog: a formula it cannot read, a level the
    // potential does not have. The dialog stays as it was, picture and all.
    HeadlessSession s;
    MoveAway(s);
    const Scenario before = scenario::Capture(s.Dialog(), s.Platform());
    const std::vector<std::uint8_t> picture = s.Paint();
    const std::size_t messages = s.Platform().messages.size();
    for (const char* text :
         {R"({"potential": "formula", "formula": "2*x +"})",
          R"({"potential": "well", "tab": "evolution", "evolution": {"states": "0, 40"}})"}) {
        const std::optional<std::string> refused =
            scenario::Open(s.Dialog(), s.Platform(), ReadOk(text));
        ASSERT_TRUE(refused) << text;
        EXPECT_EQ(refused->find('\n'), std::string::npos) << *refused;
        EXPECT_EQ(scenario::Capture(s.Dialog(), s.Platform()), before) << text;
        EXPECT_TRUE(s.Paint() == picture) << text;
        EXPECT_EQ(s.Platform().messages.size(), messages) << text;
    }
}

TEST(Scenario, AFileLargerThanTheLimitIsNotReadWhole) {
    const std::string path = ::testing::TempDir() + "velquor-huge-scenario.json";
    {
        std::ofstream out(path, std::ios::binary);
        out << R"({"potential": "well"})" << std::string(scenario::kMaxBytes, ' ');
    }
    const scenario::ReadResult r = scenario::ReadFile(path);
    ASSERT_TRUE(std::holds_alternative<std::string>(r));
    EXPECT_NE(std::get<std::string>(r).find("larger than"), std::string::npos);
    std::remove(path.c_str());
    EXPECT_NE(std::get<std::string>(scenario::ReadFile(path)).find("cannot read"),
              std::string::npos);
}

TEST(Caption, FilledAndTheLanguageChosen) {
    EXPECT_EQ(FillCaption("%1 estados ligados por debajo del continuo en E = %2", {"4", "0"}),
              "4 estados ligados por debajo del continuo en E = 0");
    EXPECT_EQ(FillCaption("100% %3", {"a"}), "100% %3");
    EXPECT_STREQ(ChooseLanguage("", "es_AR"), "es");
    EXPECT_STREQ(ChooseLanguage("", "en_GB"), "en");
    EXPECT_STREQ(ChooseLanguage("", "C"), "en");
    EXPECT_STREQ(ChooseLanguage("en", "es_ES"), "en");
    EXPECT_STREQ(ChooseLanguage("es", "de_DE"), "es");
    EXPECT_STREQ(ChooseLanguage("fr", "es_MX"), "es");
}

}  // namespace

namespace {

// Captions as the English catalogue gives the ones the picture's words use.
class EnglishWords : public HeadlessPlatform {
  public:
    explicit EnglishWords(int tab) { currentTab = tab; }
    std::string Caption(std::string_view text) const override {
        if (text == "Oscilador") return "Oscillator";
        if (text == "impar") return "odd";
        if (text == "par") return "even";
        return std::string(text);
    }
};

TEST(PlotDescription, SaysWhatThePictureShows) {
    HeadlessSession s;
    EXPECT_EQ(PlotDescription(s.Dialog(), EnglishWords(0)), "Oscillator: no level found yet");
    for (int level = 0; level < 4; ++level) {
        s.Click(res::kPlay);
        ASSERT_TRUE(s.RunTimer());
    }
    // The accurate level 3 of the nine below the search's ceiling: sqrt(2) * 3.5 - 8.
    EXPECT_EQ(PlotDescription(s.Dialog(), EnglishWords(1)),
              "Oscillator, level 3 of 9: E = \u22123.0503, 3 nodes, odd");
    s.TypeEnergy("-2.5");
    s.Click(res::kPredictor);
    EXPECT_EQ(PlotDescription(s.Dialog(), EnglishWords(0)),
              "Oscillator, trial energy E = \u22122.5000");
    EXPECT_EQ(PlotDescription(s.Dialog(), EnglishWords(res::kLevelsTab)),
              "Oscillator: table of 9 levels");
    // Without a catalogue, the captions as written.
    EXPECT_EQ(PlotDescription(s.Dialog(), s.Platform()).rfind("Oscilador, ", 0), 0u);
    // The "Normal" scale: the frame's top row is the view's top.
    const std::optional<double> top = EnergyAtRow(s.Dialog(), 0.0);
    ASSERT_TRUE(top);
    EXPECT_EQ(*top, std::round(s.Dialog().Views().NormalCanvas()->MaxY() * 1e4) / 1e4);
}

}  // namespace
