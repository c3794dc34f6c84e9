#include "packet_choice.h"

#include <optional>

#include "data_exchange.h"
#include "packet_grid.h"

namespace {

using Field = PacketChoiceError::Field;

const char* Name(Field field) {
    switch (field) {
        case Field::X0:
            return "x0";
        case Field::K0:
            return "k0";
        case Field::Sigma:
            return "sigma";
        case Field::Split:
            return "the split point";
    }
    return "";
}

std::optional<double> Read(std::string_view text, Field field, PacketChoiceError& error) {
    const std::optional<double> v = ParseDecimal(text);
    if (!v)
        error = {field, std::string(Name(field)) + " '" + std::string(text) +
                            "' is not a number; give a finite decimal number"};
    return v;
}

Field FieldOf(packet::PacketProblem::Setting setting) {
    using S = packet::PacketProblem::Setting;
    return setting == S::X0 ? Field::X0 : setting == S::K0 ? Field::K0 : Field::Sigma;
}

}  // namespace

std::variant<PacketChoice, PacketChoiceError> ReadPacketChoice(std::string_view x0,
                                                               std::string_view k0,
                                                               std::string_view sigma,
                                                               std::string_view split) {
    PacketChoiceError error{Field::X0, ""};
    const auto a = Read(x0, Field::X0, error);
    if (!a) return error;
    const auto b = Read(k0, Field::K0, error);
    if (!b) return error;
    const auto c = Read(sigma, Field::Sigma, error);
    if (!c) return error;
    const auto d = Read(split, Field::Split, error);
    if (!d) return error;
    PacketChoice choice{{*a, *b, *c}, *d};
    if (const auto problem = packet::CheckPacket(choice.packet))
        return PacketChoiceError{FieldOf(problem->setting), problem->message};
    if (const auto problem = packet::CheckSplit(choice.split))
        return PacketChoiceError{Field::Split, *problem};
    return choice;
}

std::vector<double> PotentialOnPacketGrid(const RealFunction& potential) {
    std::vector<double> v(packet::kPoints);
    for (std::size_t i = 0; i < packet::kPoints; ++i)
        v[i] = potential.Value(packet::X(i));
    return v;
}
