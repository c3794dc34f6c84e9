// velquor-cli transmission and resonances: the continuum of a potential with
// finite limits, T(E) and R(E) with their estimates, and the poles of the
// transmission amplitude, computed as the "Transmision" tab computes them.
#include <cmath>

#include "cli_options.h"
#include "commands.h"
#include "json_text.h"
#include "potential_options.h"
#include "scattering_of.h"
#include "text_output.h"

namespace cli {

namespace {

constexpr int kMaxPoints = 100000;

struct Continuum {
    const FamilyInfo* potential = nullptr;
    std::unique_ptr<HeadlessSession> session;  // holds the potential
    std::unique_ptr<scattering::Transmission> transmission;
};

// The potential the options ask for, with finite limits on both sides.
Continuum OpenContinuum(const Arguments& args) {
    const PotentialRequest request = ReadPotential(args);
    Continuum c;
    c.potential = request.potential;
    c.session = OpenSession(request);
    try {
        c.transmission = std::make_unique<scattering::Transmission>(
            ScatteringOf(c.session->Dialog().CurrentPotentialInfo()));
    } catch (const scattering::NoContinuum& e) {
        const std::string which = request.potential->id == FamilyId::Formula
                                      ? "--formula " + Quoted(request.fields.front())
                                      : "--potential " + std::string(request.potential->name);
        throw UsageError(which + ": " + e.what() +
                         "; give a potential that levels off on both sides");
    }
    return c;
}

Option RangeOption(const char* name, const char* end) {
    return {name, "E", std::string("The ") + end + " of the energy range: a finite decimal number.",
            ""};
}

struct Range {
    double from = 0.0;
    double to = 0.0;
};

Range ReadRange(const Arguments& args, const Option& from, const Option& to) {
    if (!args.IsSet(from) || !args.IsSet(to))
        throw UsageError(
            "--from and --to are both required; give an energy range such as "
            "--from 0 --to 6");
    const Range r{ParseEnergy("--from", args.Value(from)), ParseEnergy("--to", args.Value(to))};
    if (!(r.from < r.to))
        throw UsageError("--from " + Exact(r.from) + " --to " + Exact(r.to) +
                         ": the range is empty; give --from below --to");
    return r;
}

void CheckAbove(const scattering::Transmission& t, const char* option, double energy) {
    if (!(energy > t.Lowest()))
        throw UsageError(
            std::string(option) + " " + Exact(energy) + " is not above both limits of V (" +
            Exact(t.Left()) + " on the left, " + Exact(t.Right()) +
            " on the right): no wave comes in; give an energy above " + Exact(t.Lowest()));
}

std::string Heading(const Continuum& c) {
    return std::string(c.potential->caption) + " (" + c.potential->name +
           "): V = " + Exact(c.transmission->Left()) + " on the left, " +
           Exact(c.transmission->Right()) + " on the right\n";
}

std::string PointTable(const Continuum& c, const std::vector<scattering::Point>& points) {
    std::string out = Heading(c) + PadRight("energy", 24) + PadRight("transmission", 24) +
                      PadRight("reflection", 24) + "error estimate\n";
    std::string warnings;
    for (const scattering::Point& p : points) {
        out += PadRight(Exact(p.energy), 24) + PadRight(Exact(p.transmission), 24) +
               PadRight(Exact(p.reflection), 24) + Brief(p.ErrorEstimate()) + "\n";
        if (!p.warning.empty())
            warnings += "warning: E = " + Exact(p.energy) + ": " + p.warning + "\n";
    }
    return out + warnings;
}

std::string PointCsv(const Continuum& c, const std::vector<scattering::Point>& points) {
    std::string out = "potential,energy,transmission,reflection,error_estimate,converged\n";
    for (const scattering::Point& p : points)
        out += std::string(c.potential->name) + "," + Exact(p.energy) + "," +
               Exact(p.transmission) + "," + Exact(p.reflection) + "," + Exact(p.ErrorEstimate()) +
               "," + (p.converged ? "true" : "false") + "\n";
    return out;
}

std::string PointJson(const Continuum& c, const std::vector<scattering::Point>& points) {
    JsonValue list = JsonValue::array();
    for (const scattering::Point& p : points) {
        JsonValue point{{"energy", p.energy},
                        {"transmission", p.transmission},
                        {"reflection", p.reflection},
                        {"error_estimate", p.ErrorEstimate()}};
        if (!p.warning.empty()) point["warning"] = p.warning;
        list.push_back(point);
    }
    const JsonValue potential{{"name", c.potential->name},
                              {"left", c.transmission->Left()},
                              {"right", c.transmission->Right()},
                              {"points", list}};
    return JsonText({{"potentials", JsonValue::array({potential})}});
}

}  // namespace

int RunTransmission(const Args& args) {
    const std::vector<std::string> formats{"table", "csv", "json"};
    const Option energy{"energy", "E", "One energy.", ""};
    const Option from = RangeOption("from", "start");
    const Option to = RangeOption("to", "end");
    const Option points{
        "points", "N",
        "How many energies, evenly spaced from --from to --to, both included (1 to " +
            std::to_string(kMaxPoints) + "; default 101; 1 is --from alone).",
        "101"};
    std::vector<Option> options{energy, from, to, points};
    for (const Option& o : PotentialOptions())
        options.push_back(o);
    options.push_back(FormatOption(formats));
    const std::optional<Arguments> given = ParseCommand(
        {"transmission",
         std::string("transmission (--energy E | --from A --to B [--points N]) ") +
             kPotentialUsage + " " + FormatUsage(formats),
         "The transmission T and the reflection R of a wave of energy E coming in from the\n"
         "left, flux-normalised (T + R = 1; T = 0 between the limits of V, where the wave\n"
         "cannot leave on the right), each with an error estimate that bounds its error.\n"
         "V must level off to a finite limit on both sides, and E must lie above the lower.",
         options},
        args);
    if (!given) return kExitOk;
    const bool single = given->IsSet(energy);
    if (single && (given->IsSet(from) || given->IsSet(to) || given->IsSet(points)))
        throw UsageError("--energy excludes --from, --to and --points; give one energy or a range");
    if (!single && !given->IsSet(from) && !given->IsSet(to))
        throw UsageError("give --energy E, or a range with --from A --to B");
    std::vector<double> energies;
    if (single) {
        energies.push_back(ParseEnergy("--energy", given->Value(energy)));
    } else {
        const Range r = ReadRange(*given, from, to);
        const std::string text = given->Value(points);
        const std::string accepted =
            ": give a whole number from 1 to " + std::to_string(kMaxPoints);
        int n = 0;
        try {
            n = ParseCount("--points", text, kMaxPoints, "");
        } catch (const UsageError&) {
        }
        if (n < 1) throw UsageError("--points " + Quoted(text) + accepted);
        for (int i = 0; i < n; ++i)
            energies.push_back(n == 1 ? r.from : r.from + (r.to - r.from) * i / (n - 1));
    }
    const std::string format = ReadFormat(*given, formats);
    const Continuum c = OpenContinuum(*given);
    CheckAbove(*c.transmission, single ? "--energy" : "--from", energies.front());
    std::vector<scattering::Point> results;
    results.reserve(energies.size());
    for (double e : energies)
        results.push_back(c.transmission->At(e));
    WriteOut(format == "csv"    ? PointCsv(c, results)
             : format == "json" ? PointJson(c, results)
                                : PointTable(c, results));
    return kExitOk;
}

int RunResonances(const Args& args) {
    const std::vector<std::string> formats{"table", "csv", "json"};
    const Option from = RangeOption("from", "start");
    const Option to = RangeOption("to", "end");
    std::vector<Option> options{from, to};
    for (const Option& o : PotentialOptions())
        options.push_back(o);
    options.push_back(FormatOption(formats));
    const std::optional<Arguments> given = ParseCommand(
        {"resonances",
         std::string("resonances --from A --to B ") + kPotentialUsage + " " + FormatUsage(formats),
         "The resonances with energies from A to B: the poles of the transmission amplitude\n"
         "at E_r - i Gamma/2 below the real axis, each with its energy E_r, its width Gamma\n"
         "and an error estimate that bounds the error of both. Only poles that exist are\n"
         "listed; none may be. V must level off to a finite limit on both sides.",
         options},
        args);
    if (!given) return kExitOk;
    const Range r = ReadRange(*given, from, to);
    const std::string format = ReadFormat(*given, formats);
    const Continuum c = OpenContinuum(*given);
    if (!(r.to > c.transmission->Lowest())) CheckAbove(*c.transmission, "--to", r.to);
    const std::vector<scattering::Resonance> found = c.transmission->Resonances(r.from, r.to);
    std::string out;
    if (format == "json") {
        JsonValue list = JsonValue::array();
        for (const scattering::Resonance& s : found)
            list.push_back(
                {{"energy", s.energy}, {"width", s.width}, {"error_estimate", s.errorEstimate}});
        out = JsonText({{"potentials",
                         JsonValue::array({{{"name", c.potential->name}, {"resonances", list}}})}});
    } else if (format == "csv") {
        out = "potential,energy,width,error_estimate\n";
        for (const scattering::Resonance& s : found)
            out += std::string(c.potential->name) + "," + Exact(s.energy) + "," + Exact(s.width) +
                   "," + Exact(s.errorEstimate) + "\n";
    } else {
        out = Heading(c) + std::to_string(found.size()) +
              (found.size() == 1 ? " resonance" : " resonances") + " from " + Exact(r.from) +
              " to " + Exact(r.to) + "\n";
        if (!found.empty())
            out += PadRight("energy", 24) + PadRight("width", 24) + "error estimate\n";
        for (const scattering::Resonance& s : found)
            out += PadRight(Exact(s.energy), 24) + PadRight(Exact(s.width), 24) +
                   Brief(s.errorEstimate) + "\n";
    }
    WriteOut(out);
    return kExitOk;
}

}  // namespace cli
