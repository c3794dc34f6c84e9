// velquor-cli predict: the solution the window's "Predictor" draws, as numbers
// on the wave functions' grid.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "cli_options.h"
#include "commands.h"
#include "headless_host.h"
#include "potential_options.h"
#include "resources.h"
#include "text_output.h"

namespace cli {

namespace {

struct Samples {
    std::vector<double> x, re, density;
};

// The function as the window's curves read it, at every grid point; x comes
// from the index, never from a running sum.
Samples OnGrid(const SampledFunction& f) {
    const RealPartView re(&f);
    const DensityView density(&f);
    Samples s;
    for (int i = 0; i < f.Count(); ++i) {
        const double x = f.XMin() + i * f.Step();
        s.x.push_back(x);
        s.re.push_back(re.Value(x));
        s.density.push_back(density.Value(x));
    }
    return s;
}

std::string Csv(const Samples& s) {
    std::string out = "x,re,density\n";
    for (std::size_t i = 0; i < s.x.size(); ++i)
        out += Exact(s.x[i]) + "," + Exact(s.re[i]) + "," + Exact(s.density[i]) + "\n";
    return out;
}

QJsonArray Array(const std::vector<double>& values) {
    QJsonArray array;
    for (double v : values)
        array.append(v);  // a value that overflowed comes out as null
    return array;
}

std::string Json(const PotentialName& potential, const char* parity, double energy,
                 const Samples& s) {
    const QJsonObject root{
        {QStringLiteral("potential"), QString::fromUtf8(potential.name)},
        {QStringLiteral("parity"), QString::fromUtf8(parity)},
        {QStringLiteral("energy"), energy},
        {QStringLiteral("x"), Array(s.x)},
        {QStringLiteral("re"), Array(s.re)},
        {QStringLiteral("density"), Array(s.density)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

}  // namespace

int RunPredict(const QStringList& args) {
    const QCommandLineOption energyOption(
        QStringLiteral("energy"),
        QStringLiteral("Trial energy, read as the window's energy box reads it: a finite decimal "
                       "number. Required."),
        QStringLiteral("E"));
    const QCommandLineOption parityOption(
        QStringLiteral("parity"),
        QStringLiteral("even (the default; what \"Predictor\" draws) or odd."),
        QStringLiteral("PARITY"), QStringLiteral("even"));
    const QCommandLineOption potentialOption(
        QStringLiteral("potential"),
        QStringLiteral("woods-saxon, oscillator (the default), well, poschl-teller, v-shaped or "
                       "wells, or the list's caption."),
        QStringLiteral("NAME"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("csv (the default) or json."),
                                          QStringLiteral("FORMAT"), QStringLiteral("csv"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Integrates the wave equation at the trial energy from x = 0 outward and mirrors it,\n"
        "as \"Predictor\" does, and prints the solution on its grid of 4001 points,\n"
        "x = -20 + 0.01 i: x, the real part and the density |psi|^2, as the window's curves\n"
        "read them (17 significant digits; zero at the grid's two ends). The even solution\n"
        "is the one \"Predictor\" computes; the odd one comes from a wave function set up\n"
        "like the window's (same grid, potential and mass factor), started with psi(0) = 0,\n"
        "psi'(0) = 1. Far from a level the solution grows without bound; values that\n"
        "overflow a double print as inf or nan in csv and null in json."));
    if (!ParseSubcommand(parser,
                         {energyOption, parityOption, potentialOption, SetOption(), FormulaOption(),
                          formatOption},
                         args,
                         "predict --energy E [--parity even|odd] [--potential NAME "
                         "[--set NAME=VALUE]... | --formula EXPR] [--format csv|json]"))
        return kExitOk;

    if (!parser.isSet(energyOption))
        throw UsageError("--energy is required; give a finite decimal number such as -7.29");
    const std::string energyText = parser.value(energyOption).toStdString();
    ParseEnergy("--energy", energyText);
    const std::string parity =
        ParseChoice("--parity", parser.value(parityOption).toStdString(), {"even", "odd"});
    const std::string format =
        ParseChoice("--format", parser.value(formatOption).toStdString(), {"csv", "json"});
    const PotentialRequest request =
        ReadPotential(parser, potentialOption, DefaultPotential(), true);
    const PotentialName& potential = *request.potential;

    HeadlessSession session(true);
    ChoosePotential(session, request);
    session.TypeEnergy(energyText);
    CWaveDlg& dlg = session.Dialog();
    Samples samples;
    if (parity == "even") {
        session.Click(res::kPredictor);
        samples = OnGrid(dlg.Search().Lower());
    } else {
        // The window only ever predicts even solutions; the odd one is shot by
        // a wave function of its own so that the dialog's stay as they are.
        dlg.UpdateData(true);
        WaveFunction odd;
        const WaveFunction& work = dlg.Search().Work();
        odd.SetRange(work.XMin(), work.XMax());
        odd.Resize(work.Count());
        odd.SetPotential(work.Potential());
        odd.SetMassFactor(work.MassFactor());
        odd.SetGrowthLimit(work.GrowthLimit());
        odd.Integrate(1, dlg.Energy());
        samples = OnGrid(odd);
    }
    // The box read what ParseEnergy accepted; a data-entry message here would
    // mean the two reading rules had parted.
    if (!session.Platform().messages.empty())
        throw std::logic_error("the energy box did not read \"" + energyText + "\"");

    WriteOut(format == "json" ? Json(potential, parity.c_str(), dlg.Energy(), samples)
                              : Csv(samples));
    return kExitOk;
}

}  // namespace cli
