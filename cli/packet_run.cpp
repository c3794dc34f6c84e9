#include "packet_run.h"

#include <variant>

#include "data_exchange.h"
#include "evolution_choice.h"
#include "packet_choice.h"
#include "resources.h"
#include "text_output.h"

namespace cli {

namespace {

const Option& X0Option() {
    static const Option option{"x0", "X", "Where the packet starts (default -10).", "-10"};
    return option;
}
const Option& K0Option() {
    static const Option option{"k0", "K", "Its mean wave number, the momentum (default 3).", "3"};
    return option;
}
const Option& SigmaOption() {
    static const Option option{"sigma", "S", "Its spread in position, > 0 (default 1).", "1"};
    return option;
}
const Option& SplitOption() {
    static const Option option{"split", "X",
                               "The point left and right are counted from (default 0).", "0"};
    return option;
}

}  // namespace

std::vector<Option> PacketOptions() {
    return {X0Option(), K0Option(), SigmaOption(), SplitOption()};
}

PacketRequest ReadPacket(const Arguments& args) {
    PacketRequest request{args.Value(X0Option()), args.Value(K0Option()), args.Value(SigmaOption()),
                          args.Value(SplitOption())};
    const auto read = ReadPacketChoice(request.x0, request.k0, request.sigma, request.split);
    if (const auto* e = std::get_if<PacketChoiceError>(&read)) {
        using Field = PacketChoiceError::Field;
        const char* option = e->field == Field::X0      ? "--x0"
                             : e->field == Field::K0    ? "--k0"
                             : e->field == Field::Sigma ? "--sigma"
                                                        : "--split";
        throw UsageError(std::string(option) + ": " + e->message);
    }
    return request;
}

double ReadPacketTime(const Arguments& args, const Option& option, double fallback) {
    if (!args.IsSet(option)) return fallback;
    const std::string text = args.Value(option);
    const std::optional<double> t = ParseNonNegative(text);
    if (!t || *t > res::kMaxPacketTime)
        throw UsageError("--" + option.name + " " + Quoted(text) +
                         " is not a time the packet takes; give a number from 0 to " +
                         Exact(res::kMaxPacketTime));
    return *t;
}

void ApplyPacket(HeadlessSession& session, const PacketRequest& request, double t) {
    session.SelectTab(res::kPacketTab);
    HeadlessPlatform& p = session.Platform();
    PacketView& view = session.Dialog().Packet();
    p.SetControlText(res::kPacketX0, request.x0);
    p.SetControlText(res::kPacketK0, request.k0);
    p.SetControlText(res::kPacketSigma, request.sigma);
    p.SetControlText(res::kPacketSplit, request.split);
    p.SetControlText(res::kPacketTime, Exact(t));
    if (view.Playing()) session.Click(res::kPacketPlay);
    session.Click(res::kPacketApply);
    if (!p.messages.empty()) throw UsageError(p.messages.back().second);
    if (view.Line() == nullptr) throw UsageError(p.ControlText(res::kPacketNumbers));
}

}  // namespace cli
