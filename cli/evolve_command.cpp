// velquor-cli evolve: the expectation values of a superposition of accurate
// levels at t = 0, DT, ..., T, from the "Evolucion" tab's own state.
#include <cmath>

#include "cli_options.h"
#include "commands.h"
#include "evolution_run.h"
#include "json_text.h"
#include "potential_options.h"
#include "text_output.h"

namespace cli {

namespace {

// A million rows print for seconds; more is a typing mistake.
constexpr double kMaxSamples = 1e6;

struct Sample {
    double t;
    dynamics::Expectations e;
};

std::string Table(const std::vector<Sample>& samples) {
    std::string out = PadRight("t", 24) + PadRight("norm", 24) + PadRight("mean_x", 24) +
                      PadRight("mean_x2", 24) + "mean_energy\n";
    for (const Sample& s : samples)
        out += PadRight(Exact(s.t), 24) + PadRight(Exact(s.e.norm), 24) +
               PadRight(Exact(s.e.meanX), 24) + PadRight(Exact(s.e.meanX2), 24) +
               Exact(s.e.meanEnergy) + "\n";
    return out;
}

std::string Csv(const std::vector<Sample>& samples) {
    std::string out = "t,norm,mean_x,mean_x2,mean_energy\n";
    for (const Sample& s : samples)
        out += Exact(s.t) + "," + Exact(s.e.norm) + "," + Exact(s.e.meanX) + "," +
               Exact(s.e.meanX2) + "," + Exact(s.e.meanEnergy) + "\n";
    return out;
}

// The weights as normalised, sum |c_k|^2 = 1.
std::string Json(const EvolutionChoice& choice, const dynamics::Superposition& state,
                 const std::vector<Sample>& samples) {
    JsonValue states = JsonValue::array(), weights = JsonValue::array(),
              phases = JsonValue::array(), rows = JsonValue::array();
    for (std::size_t k = 0; k < choice.states.size(); ++k) {
        states.push_back(static_cast<std::int64_t>(choice.states[k]));
        weights.push_back(std::abs(state.Weights()[k]));
        phases.push_back(std::arg(state.Weights()[k]));
    }
    for (const Sample& s : samples)
        rows.push_back({{"t", s.t},
                        {"norm", s.e.norm},
                        {"mean_x", s.e.meanX},
                        {"mean_x2", s.e.meanX2},
                        {"mean_energy", s.e.meanEnergy}});
    return JsonText(
        {{"states", states}, {"weights", weights}, {"phases", phases}, {"samples", rows}});
}

}  // namespace

int RunEvolve(const Args& args) {
    const std::vector<std::string> formats{"table", "csv", "json"};
    const Option toOption{"to", "T", "The last time (default 10).", ""};
    const Option stepOption{"step", "DT", "The time between rows (default 0.1).", ""};
    std::vector<Option> options = PotentialOptions();
    for (const Option& o : SuperpositionOptions())
        options.push_back(o);
    options.insert(options.end(), {toOption, stepOption, FormatOption(formats)});
    const std::optional<Arguments> given = ParseCommand(
        {"evolve",
         std::string("evolve ") + kPotentialUsage +
             " --states LIST [--weights LIST] [--phases LIST] [--to T] [--step DT] " +
             FormatUsage(formats),
         "The state psi(x, t) = sum_k c_k phi_k(x) exp(-i E_k t) made of the potential's\n"
         "accurate levels (every level below the search's ceiling, numbered from 0), with the\n"
         "weights normalised so that sum |c_k|^2 = 1, as the window's \"Evolucion\" tab shows\n"
         "it. For t = 0, DT, 2 DT, ... up to T: t, the norm, <x>, <x^2> and <E> (17\n"
         "significant digits); each is exact to rounding, the phases being computed at each\n"
         "t, not stepped.",
         options},
        args);
    if (!given) return kExitOk;

    const std::string format = ReadFormat(*given, formats);
    const PotentialRequest potential = ReadPotential(*given);
    const std::unique_ptr<HeadlessSession> opened = OpenSession(potential);
    HeadlessSession& session = *opened;
    // A scenario's band unless --states is given.
    const EvolutionRequest request =
        potential.scenario && potential.scenario->evolution && !given->IsSet(StatesOption())
            ? EvolutionRequest{potential.scenario->evolution->states,
                               potential.scenario->evolution->weights,
                               potential.scenario->evolution->phases}
            : ReadEvolution(*given);
    const double to = ReadTime(*given, toOption, 10.0);
    const double step = ReadTime(*given, stepOption, 0.1);
    if (!(step > 0.0)) throw UsageError("--step must be greater than 0");
    // t_i = i DT, never a sum of steps; T itself is in when it is a whole number of steps.
    const double count = std::floor(to / step * (1.0 + 1e-12));
    if (!(count < kMaxSamples))
        throw UsageError("--to / --step gives more than a million rows; give a larger step");

    ApplyEvolution(session, request, 0.0);
    EvolutionView& view = session.Dialog().Evolution();
    const dynamics::Superposition* state = view.State();
    if (state == nullptr) throw std::runtime_error("the levels could not be superposed");

    std::vector<Sample> samples;
    for (double i = 0.0; i <= count; i += 1.0)
        samples.push_back({i * step, state->Expect(i * step)});
    WriteOut(format == "csv"    ? Csv(samples)
             : format == "json" ? Json(view.Choice(), *state, samples)
                                : Table(samples));
    return kExitOk;
}

}  // namespace cli
