// velquor-cli packet: a Gaussian wave packet on the open line, from the
// "Paquete" tab's own state: at t = 0, DT, ..., T the norm (with what the
// edges absorbed), the probabilities left and right of the split point, <x>,
// <p> and the width.
#include <cmath>
#include <optional>

#include "cli_options.h"
#include "commands.h"
#include "json_text.h"
#include "packet_run.h"
#include "potential_options.h"
#include "resources.h"
#include "text_output.h"

namespace cli {

namespace {

// Each row takes a step and a transform or two: this many print in seconds.
constexpr double kMaxRows = 1e5;

using packet::PacketSample;

std::string Table(const std::vector<PacketSample>& samples) {
    std::string out;
    for (const char* name : {"t", "norm", "left", "right", "mean_x", "mean_p"})
        out += PadRight(name, 24);
    out += "width\n";
    for (const PacketSample& s : samples) {
        for (double v : {s.t, s.norm, s.left, s.right, s.meanX, s.meanP})
            out += PadRight(Exact(v), 24);
        out += Exact(s.width) + "\n";
    }
    return out;
}

std::string Csv(const std::vector<PacketSample>& samples) {
    std::string out = "t,norm,left,right,mean_x,mean_p,width\n";
    for (const PacketSample& s : samples)
        out += Exact(s.t) + "," + Exact(s.norm) + "," + Exact(s.left) + "," + Exact(s.right) + "," +
               Exact(s.meanX) + "," + Exact(s.meanP) + "," + Exact(s.width) + "\n";
    return out;
}

std::string Json(const std::vector<PacketSample>& samples) {
    JsonValue rows = JsonValue::array();
    for (const PacketSample& s : samples)
        rows.push_back({{"t", s.t},
                        {"norm", s.norm},
                        {"left", s.left},
                        {"right", s.right},
                        {"mean_x", s.meanX},
                        {"mean_p", s.meanP},
                        {"width", s.width}});
    return JsonText({{"samples", rows}});
}

}  // namespace

int RunPacket(const Args& args) {
    const std::vector<std::string> formats{"table", "csv", "json"};
    const Option toOption{"to", "T", "The last time, 0 to 1000 (default 10).", ""};
    const Option stepOption{"step", "DT", "The time between rows (default 0.1).", ""};
    const Option orderOption{"order", "N",
                             "2 (the window's) or 4: the split-operator method's order.", "2"};
    std::vector<Option> options = PotentialOptions();
    for (const Option& o : PacketOptions())
        options.push_back(o);
    options.insert(options.end(), {toOption, stepOption, orderOption, FormatOption(formats)});
    const std::optional<Arguments> given = ParseCommand(
        {"packet",
         std::string("packet ") + kPotentialUsage +
             " [--x0 X] [--k0 K] [--sigma S] [--split X] [--to T] [--step DT] [--order 2|4] " +
             FormatUsage(formats),
         "The Gaussian packet psi(x, 0) ~ exp(-(x - x0)^2 / (4 sigma^2) + i k0 x) moving in\n"
         "the potential on the open line, as the window's \"Paquete\" tab shows it: 2048\n"
         "points on [-40, 40), absorbing layers over the outer 8 units at each end, the\n"
         "split-operator method in steps of 1/128. For t = 0, DT, 2 DT, ... up to T: t; the\n"
         "norm, on the grid plus what the edges absorbed; left and right, the probabilities\n"
         "on each side of the split point with what that side's edge absorbed; <x>, <p> and\n"
         "the width sqrt(<x^2> - <x>^2) of what is on the grid (17 significant digits).",
         options},
        args);
    if (!given) return kExitOk;

    const std::string format = ReadFormat(*given, formats);
    const PotentialRequest potential = ReadPotential(*given);
    const PacketRequest request = ReadPacket(*given);
    const double to = ReadPacketTime(*given, toOption, 10.0);
    const double step = ReadPacketTime(*given, stepOption, 0.1);
    if (!(step > 0.0)) throw UsageError("--step must be greater than 0");
    const std::string order = ParseChoice("--order", given->Value(orderOption), {"2", "4"});
    // t_i = i DT, never a sum of steps; T itself is in when it is a whole number of steps.
    const double count = std::floor(to / step * (1.0 + 1e-12));
    if (!(count < kMaxRows))
        throw UsageError("--to / --step gives more than 100000 rows; give a larger step");

    const std::unique_ptr<HeadlessSession> opened = OpenSession(potential);
    HeadlessSession& session = *opened;
    ApplyPacket(session, request, 0.0);
    const packet::OpenLine& shown = *session.Dialog().Packet().Line();
    std::optional<packet::OpenLine> fourth;
    if (order == "4")
        fourth.emplace(shown.Packet(), shown.Potential(), packet::SplitOrder::Fourth,
                       shown.SplitPoint());
    packet::OpenLine& line = fourth ? *fourth : *session.Dialog().Packet().Line();

    std::vector<PacketSample> samples;
    for (double i = 0.0; i <= count; i += 1.0) {
        line.MoveTo(i * step);
        samples.push_back(line.Sample());
    }
    WriteOut(format == "csv" ? Csv(samples) : format == "json" ? Json(samples) : Table(samples));
    return kExitOk;
}

}  // namespace cli
