// velquor-cli render: one view of the window as a PNG picture, drawn by the
// dialog itself after a prediction, some search steps or some levels.
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "cli_options.h"
#include "commands.h"
#include "evolution_run.h"
#include "frame_picture.h"
#include "level_run.h"
#include "potential_options.h"
#include "resources.h"
#include "text_output.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

// A "Buscar" click costs a few tens of microseconds; this many stay within
// seconds.
constexpr int kMaxSteps = 100000;

bool EndsInPng(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    if (name.size() <= 4 || path.size() < name.size()) return false;
    std::string suffix = path.substr(path.size() - 4);
    for (char& c : suffix)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return suffix == ".png";
}

// The folder the file goes into, absolute, with "." and ".." worked out.
std::string FolderOf(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return (ec ? fs::path(path) : absolute).lexically_normal().parent_path().string();
}

// Permission bits do not tell (root, read-only mounts): try a file.
bool TakesNewFile(const std::string& folder) {
    std::string probe = (fs::path(folder) / ".velquor-cli-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

// Checks, before any work, that the picture can be written where it should
// go: a .png name in an existing folder that takes a new file.
void CheckOutput(const std::string& path) {
    if (!EndsInPng(path))
        throw UsageError("--output " + Quoted(path) +
                         ": the picture is a PNG file; give a file name ending in .png");
    const std::string folder = FolderOf(path);
    const std::string accepted = "; give a .png file in an existing folder you can write to";
    std::error_code ec;
    if (!fs::exists(folder, ec))
        throw UsageError("--output " + Quoted(path) + ": folder " + Quoted(folder) +
                         " does not exist" + accepted);
    if (!fs::is_directory(folder, ec))
        throw UsageError("--output " + Quoted(path) + ": " + Quoted(folder) + " is not a folder" +
                         accepted);
    if (fs::is_directory(path, ec))
        throw UsageError("--output " + Quoted(path) + " is a folder" + accepted);
    if (!TakesNewFile(folder))
        throw UsageError("--output " + Quoted(path) + ": folder " + Quoted(folder) +
                         " cannot be written" + accepted);
}

// Encoded in memory first, so that the encoder never meets a failed write;
// then written whole or not at all.
void SavePng(const picture::Picture& image, const std::string& path) {
    const std::vector<std::uint8_t> png = picture::EncodePng(image);
    if (png.empty()) throw std::runtime_error("the PNG encoder failed");
    const std::string reason = picture::WriteWhole(path, png);
    if (!reason.empty()) throw WriteError("cannot write " + Quoted(path) + ": " + reason);
}

// The "Transmision" tab with its marker at the energy typed, as a person
// types it into the band's box and presses "Aplicar".
void ShowTransmission(HeadlessSession& session, const PotentialRequest& request,
                      const std::string& energyText) {
    session.SelectTab(res::kTransmissionTab);
    TransmissionTab& tab = session.Dialog().Transmission();
    if (!tab.Problem().empty()) {
        const std::string which = request.potential->id == FamilyId::Formula
                                      ? "--formula " + Quoted(request.fields.front())
                                      : "--potential " + std::string(request.potential->name);
        std::string problem = tab.Problem();
        problem.pop_back();  // the full stop
        throw UsageError(which + ": " + problem +
                         "; give a potential that levels off on both sides");
    }
    if (energyText.empty()) return;
    const double e = ParseEnergy("--energy", energyText);
    if (!(e >= tab.From() && e <= tab.To()))
        throw UsageError("--energy " + energyText + " is outside the tab's energy range, " +
                         Exact(tab.From()) + " to " + Exact(tab.To()) + "; give one inside it");
    session.Type(res::kTransmissionEnergy, energyText);
    session.Click(res::kTransmissionApply);
}

}  // namespace

int RunRender(const Args& args) {
    const Option viewOption{"view", "VIEW",
                            "normal, zoom, evolution or transmission: a tab of the window (with "
                            "--scenario, its tab unless given).",
                            ""};
    const Option energyOption{"energy", "E",
                              "Type E into the energy box and press \"Predictor\"; with --view "
                              "transmission, put the marker at E.",
                              ""};
    const Option stepsOption{
        "steps", "N", "Click \"Buscar\" N times (0 to " + std::to_string(kMaxSteps) + ").", ""};
    const Option levelsOption{"levels", "N",
                              "Press \"Play\" until N levels are recorded (0 to " +
                                  std::to_string(CWaveDlg::kMaxLevels) +
                                  "), or all: until the scan passes its ceiling.",
                              ""};
    const Option timeOption{
        "time", "T", "With --view evolution: the time the state is drawn at (default 0).", ""};
    const Option outputOption{"output", "FILE.png", "The PNG file to write. Required.", ""};
    std::vector<Option> options = PotentialOptions();
    options.insert(options.begin(), viewOption);
    options.insert(options.end(), {energyOption, stepsOption, levelsOption});
    for (const Option& o : SuperpositionOptions("Required with --view evolution."))
        options.push_back(o);
    options.insert(options.end(), {timeOption, outputOption});
    const std::optional<Arguments> given = ParseCommand(
        {"render",
         std::string("render --view normal|zoom|evolution|transmission ") + kPotentialUsage +
             " [--energy E | --steps N | --levels N|all] "
             "[--states LIST [--weights LIST] [--phases LIST] [--time T]] --output FILE.png",
         "Draws one view as the window shows it, 624 x 584 pixels: right after choosing the\n"
         "potential, or after one of --energy, --steps and --levels. Needs no display. The\n"
         "picture goes to a temporary file beside FILE.png that is then renamed, so a failed\n"
         "write never leaves half a file. --view evolution draws the \"Evolucion\" tab: the\n"
         "superposition of the levels --states at --time, paused. --view transmission draws\n"
         "the \"Transmision\" tab: T(E) and R(E) over its range, the resonances, and the\n"
         "scattering state at the marker (the first resonance, or --energy E).",
         options},
        args);
    if (!given) return kExitOk;
    const Arguments& parser = *given;

    const bool fromScenario = parser.IsSet(ScenarioOption());
    if (!parser.IsSet(viewOption) && !fromScenario)
        throw UsageError("--view is required; give normal, zoom, evolution or transmission");
    const std::string view = parser.IsSet(viewOption)
                                 ? ParseChoice("--view", parser.Value(viewOption),
                                               {"normal", "zoom", "evolution", "transmission"})
                                 : "";
    const bool transmission = view == "transmission";
    if (transmission && (parser.IsSet(stepsOption) || parser.IsSet(levelsOption)))
        throw UsageError("--steps and --levels go with --view normal or zoom");
    const bool evolution = view == "evolution";
    const bool evolutionOptions = parser.IsSet(StatesOption()) || parser.IsSet(WeightsOption()) ||
                                  parser.IsSet(PhasesOption()) || parser.IsSet(timeOption);
    if (evolutionOptions && !evolution)
        throw UsageError("--states, --weights, --phases and --time go with --view evolution");
    // A scenario's band stands unless --states is given.
    const bool newEvolution = evolution && !(fromScenario && !parser.IsSet(StatesOption()));
    const EvolutionRequest evolutionSpec =
        newEvolution ? ReadEvolution(parser) : EvolutionRequest{};
    const double time = ReadTime(parser, timeOption, 0.0);
    if (!parser.IsSet(outputOption))
        throw UsageError("--output is required; give a file name ending in .png");
    const int actions =
        parser.IsSet(energyOption) + parser.IsSet(stepsOption) + parser.IsSet(levelsOption);
    if (actions > 1)
        throw UsageError("--energy, --steps and --levels exclude one another; give at most one");
    PotentialRequest request = ReadPotential(parser);
    request.whole = true;
    const FamilyInfo& potential = *request.potential;
    const std::unique_ptr<HeadlessSession> opened = OpenSession(request);
    HeadlessSession& session = *opened;

    std::string energyText;
    int steps = 0;
    std::size_t levels = 0;
    if (parser.IsSet(energyOption)) {
        energyText = parser.Value(energyOption);
        ParseEnergy("--energy", energyText);
    }
    if (parser.IsSet(stepsOption))
        steps = ParseCount("--steps", parser.Value(stepsOption), kMaxSteps,
                           "more would run for minutes");
    if (parser.IsSet(levelsOption)) {
        const std::string text = parser.Value(levelsOption);
        if (text == "all") {
            levels = kAllLevels;
        } else {
            try {
                levels = static_cast<std::size_t>(
                    ParseCount("--levels", text, static_cast<int>(CWaveDlg::kMaxLevels),
                               "the level table holds " + std::to_string(CWaveDlg::kMaxLevels)));
            } catch (const UsageError& e) {
                throw UsageError(std::string(e.what()) + " or all");
            }
        }
    }
    const std::string output = parser.Value(outputOption);
    CheckOutput(output);

    if (!energyText.empty() && !transmission) {
        session.TypeEnergy(energyText);
        session.Click(res::kPredictor);
    }
    for (int i = 0; i < steps; ++i)
        session.Click(res::kSearch);
    if (levels > 0) {
        const std::size_t found = PlayForLevels(session, levels).size();
        if (levels != kAllLevels && found < levels)
            throw UsageError("--levels " + std::to_string(levels) + ": " + potential.caption +
                             " has only " + std::to_string(found) +
                             " levels below its ceiling; give 0 to " + std::to_string(found) +
                             " or all");
    }
    if (view == "normal") session.SelectTab(0);
    if (view == "zoom") session.SelectTab(1);
    if (newEvolution) ApplyEvolution(session, evolutionSpec, time);
    if (evolution && !newEvolution) {
        session.SelectTab(res::kEvolutionTab);
        if (parser.IsSet(timeOption)) session.Dialog().Evolution().SetTime(time);
    }
    if (transmission) ShowTransmission(session, request, energyText);

    const std::vector<std::uint8_t>& frame = session.Paint();
    SavePng(picture::FramePicture(frame.data(), session.Platform().frameWidth,
                                  session.Platform().frameHeight),
            output);
    return kExitOk;
}

}  // namespace cli
