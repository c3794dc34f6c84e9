// velquor-cli render: one view of the window as a PNG picture, drawn by the
// dialog itself after a prediction, some search steps or some levels.
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryFile>
#include <QtGlobal>

#include "cli_options.h"
#include "commands.h"
#include "evolution_run.h"
#include "frame_picture.h"
#include "level_run.h"
#include "potential_options.h"
#include "resources.h"

namespace cli {

namespace {

// A "Buscar" click costs a few tens of microseconds; this many stay within
// seconds.
constexpr int kMaxSteps = 100000;

std::string Quoted(const QString& text) {
    return "'" + text.toStdString() + "'";
}

// Checks, before any work, that the picture can be written where it should
// go: a .png name in an existing folder that takes a new file.
void CheckOutput(const QString& path) {
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ||
        QFileInfo(path).fileName().size() <= 4)
        throw UsageError("--output " + Quoted(path) +
                         ": the picture is a PNG file; give a file name ending in .png");
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const std::string accepted = "; give a .png file in an existing folder you can write to";
    if (!folder.exists())
        throw UsageError("--output " + Quoted(path) + ": folder " + Quoted(folder.filePath()) +
                         " does not exist" + accepted);
    if (!folder.isDir())
        throw UsageError("--output " + Quoted(path) + ": " + Quoted(folder.filePath()) +
                         " is not a folder" + accepted);
    if (target.isDir()) throw UsageError("--output " + Quoted(path) + " is a folder" + accepted);
    // Permission bits do not tell (root, read-only mounts): try a file.
    QTemporaryFile probe(
        QDir(folder.absoluteFilePath()).filePath(QStringLiteral(".velquor-cli-XXXXXX")));
    if (!probe.open())
        throw UsageError("--output " + Quoted(path) + ": folder " + Quoted(folder.filePath()) +
                         " cannot be written" + accepted);
}

// Encoded in memory first, so that the encoder never meets a failed write;
// then written whole or not at all.
void SavePng(const QImage& image, const QString& path) {
    const QByteArray png = picture::EncodePng(image);
    if (png.isEmpty()) throw std::runtime_error("the PNG encoder failed");
    const std::string reason = picture::WriteWhole(path, png);
    if (!reason.empty()) throw WriteError("cannot write " + Quoted(path) + ": " + reason);
}

}  // namespace

int RunRender(const QStringList& args) {
    const QCommandLineOption viewOption(
        QStringLiteral("view"), QStringLiteral("normal, zoom or evolution: a tab of the window."),
        QStringLiteral("VIEW"));
    const QCommandLineOption potentialOption(
        QStringLiteral("potential"),
        QStringLiteral("woods-saxon, oscillator (the default), well, poschl-teller, v-shaped or "
                       "wells, or the list's caption."),
        QStringLiteral("NAME"));
    const QCommandLineOption energyOption(
        QStringLiteral("energy"),
        QStringLiteral("Type E into the energy box and press \"Predictor\"."), QStringLiteral("E"));
    const QCommandLineOption stepsOption(
        QStringLiteral("steps"),
        QStringLiteral("Click \"Buscar\" N times (0 to %1).").arg(kMaxSteps), QStringLiteral("N"));
    const QCommandLineOption levelsOption(
        QStringLiteral("levels"),
        QStringLiteral("Press \"Play\" until N levels are recorded (0 to %1), or all: until the "
                       "scan passes its ceiling.")
            .arg(CWaveDlg::kMaxLevels),
        QStringLiteral("N"));
    const QCommandLineOption timeOption(
        QStringLiteral("time"),
        QStringLiteral("With --view evolution: the time the state is drawn at (default 0)."),
        QStringLiteral("T"));
    const QCommandLineOption outputOption(QStringLiteral("output"),
                                          QStringLiteral("The PNG file to write. Required."),
                                          QStringLiteral("FILE.png"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws one view as the window shows it, 624 x 584 pixels: right after choosing the\n"
        "potential, or after one of --energy, --steps and --levels. Needs no display. The\n"
        "picture goes to a temporary file beside FILE.png that is then renamed, so a failed\n"
        "write never leaves half a file. --view evolution draws the \"Evolucion\" tab: the\n"
        "superposition of the levels --states at --time, paused."));
    if (!ParseSubcommand(
            parser,
            {viewOption, potentialOption, SetOption(), FormulaOption(), energyOption, stepsOption,
             levelsOption, StatesOption(), WeightsOption(), PhasesOption(), timeOption,
             outputOption},
            args,
            "render --view normal|zoom [--potential NAME [--set NAME=VALUE]... | --formula EXPR] "
            "[--energy E | --steps N | --levels N|all] "
            "[--states LIST [--weights LIST] [--phases LIST] --time T] --output FILE.png"))
        return kExitOk;

    if (!parser.isSet(viewOption))
        throw UsageError("--view is required; give normal, zoom or evolution");
    const std::string view = ParseChoice("--view", parser.value(viewOption).toStdString(),
                                         {"normal", "zoom", "evolution"});
    const bool evolution = view == "evolution";
    const bool evolutionOptions = parser.isSet(StatesOption()) || parser.isSet(WeightsOption()) ||
                                  parser.isSet(PhasesOption()) || parser.isSet(timeOption);
    if (evolutionOptions && !evolution)
        throw UsageError("--states, --weights, --phases and --time go with --view evolution");
    const EvolutionRequest evolutionSpec = evolution ? ReadEvolution(parser) : EvolutionRequest{};
    const double time = ReadTime(parser, timeOption, 0.0);
    if (!parser.isSet(outputOption))
        throw UsageError("--output is required; give a file name ending in .png");
    const int actions =
        parser.isSet(energyOption) + parser.isSet(stepsOption) + parser.isSet(levelsOption);
    if (actions > 1)
        throw UsageError("--energy, --steps and --levels exclude one another; give at most one");
    // Drawing a potential needs no evenness; predicting and searching do.
    const PotentialRequest request =
        ReadPotential(parser, potentialOption, DefaultPotential(), actions > 0);
    const PotentialName& potential = *request.potential;

    std::string energyText;
    int steps = 0;
    std::size_t levels = 0;
    if (parser.isSet(energyOption)) {
        energyText = parser.value(energyOption).toStdString();
        ParseEnergy("--energy", energyText);
    }
    if (parser.isSet(stepsOption))
        steps = ParseCount("--steps", parser.value(stepsOption).toStdString(), kMaxSteps,
                           "more would run for minutes");
    if (parser.isSet(levelsOption)) {
        const std::string text = parser.value(levelsOption).toStdString();
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
    const QString output = parser.value(outputOption);
    CheckOutput(output);

    HeadlessSession session(true);  // draws only the frame that is painted
    ChoosePotential(session, request);
    if (!energyText.empty()) {
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
    if (view == "zoom") session.SelectTab(1);
    if (evolution) ApplyEvolution(session, evolutionSpec, time);

    const std::vector<std::uint8_t>& frame = session.Paint();
    SavePng(picture::FrameImage(frame.data(), session.Platform().frameWidth,
                                session.Platform().frameHeight),
            output);
    return kExitOk;
}

}  // namespace cli
