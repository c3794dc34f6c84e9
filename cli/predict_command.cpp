// velquor-cli predict: the solution the window's "Predictor" draws, as numbers
// on the wave functions' grid.
#include <optional>

#include "cli_options.h"
#include "commands.h"
#include "headless_host.h"
#include "json_text.h"
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

// What a shot from both ends adds: where the halves meet and how far from
// a level the energy is.
struct Matching {
    double x = 0.0;
    ShotResult shot;
};

std::string Json(const FamilyInfo& potential, const char* parity, double energy, const Samples& s,
                 const std::optional<Matching>& matching) {
    // A value that overflowed comes out as null.
    JsonValue root{
        {"potential", potential.name},
        {"parity", parity ? JsonValue(parity) : JsonValue()},
        {"energy", energy},
    };
    if (matching) {
        root["matching_point"] = matching->x;
        root["mismatch"] = matching->shot.mismatch;
        root["levels_below"] = matching->shot.levelsBelow;
        root["nodes"] = matching->shot.nodes;
    }
    root["x"] = s.x;
    root["re"] = s.re;
    root["density"] = s.density;
    return JsonText(root, false) + "\n";
}

}  // namespace

int RunPredict(const Args& args) {
    const std::vector<std::string> formats{"csv", "json"};
    const Option energy{"energy", "E",
                        "Trial energy, read as the window's energy box reads it: a finite "
                        "decimal number. Required, but for a --scenario's energy.",
                        ""};
    const Option parityOption{"parity", "PARITY",
                              "even (the default; what \"Predictor\" draws) or odd.", "even"};
    std::vector<Option> options{energy, parityOption};
    for (const Option& o : PotentialOptions())
        options.push_back(o);
    options.push_back(FormatOption(formats));
    const std::optional<Arguments> given = ParseCommand(
        {"predict",
         std::string("predict --energy E [--parity even|odd] ") + kPotentialUsage + " " +
             FormatUsage(formats),
         "Integrates the wave equation at the trial energy from x = 0 outward and mirrors it,\n"
         "as \"Predictor\" does, and prints the solution on its grid of 4001 points,\n"
         "x = -20 + 0.01 i: x, the real part and the density |psi|^2, as the window's curves\n"
         "read them (17 significant digits; zero at the grid's two ends). The even solution\n"
         "is the one \"Predictor\" computes; the odd one comes from a wave function set up\n"
         "like the window's (same grid, potential and mass factor), started with psi(0) = 0,\n"
         "psi'(0) = 1. Far from a level the solution grows without bound; values that\n"
         "overflow a double print as inf or nan in csv and null in json.\n"
         "A V that is not even is shot from both ends of the grid to the matching point at\n"
         "V's minimum, the halves scaled to meet there and the whole to a largest |psi| of\n"
         "1; there is no parity (null in json, and --parity is refused), and json adds\n"
         "matching_point (x), mismatch (the halves' Wronskian there, each half's\n"
         "(psi, psi') of length 1: zero at a level), levels_below (how many levels lie\n"
         "below the energy) and nodes (of the matched solution).",
         options},
        args);
    if (!given) return kExitOk;

    const PotentialRequest request = ReadPotential(*given);
    if (!given->IsSet(energy) && !request.scenario)
        throw UsageError("--energy is required; give a finite decimal number such as -7.29");
    // A scenario's energy unless --energy is given.
    const std::string energyText = given->IsSet(energy)
                                       ? given->Value(energy)
                                       : scenario::ExactNumber(request.scenario->energy);
    ParseEnergy("--energy", energyText);
    const std::string parity = ParseChoice("--parity", given->Value(parityOption), {"even", "odd"});
    const std::string format = ReadFormat(*given, formats);
    const FamilyInfo& potential = *request.potential;

    const std::unique_ptr<HeadlessSession> opened = OpenSession(request);
    HeadlessSession& session = *opened;
    session.TypeEnergy(energyText);
    CWaveDlg& dlg = session.Dialog();
    Samples samples;
    std::optional<Matching> matching;
    if (dlg.Choice().TwoSided()) {
        if (given->IsSet(parityOption))
            throw UsageError(
                "--parity: V(x) is not even; its solution is shot from both ends "
                "and has no parity");
        session.Click(res::kPredictor);
        samples = OnGrid(dlg.Search().Lower());
        matching = Matching{dlg.Search().Shot().MatchX(), dlg.Search().PredictionShot()};
    } else if (parity == "even") {
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

    const char* parityText = matching ? nullptr : parity.c_str();
    WriteOut(format == "json" ? Json(potential, parityText, dlg.Energy(), samples, matching)
                              : Csv(samples));
    return kExitOk;
}

}  // namespace cli
