// The packet as a person types it into the "Paquete" tab or onto
// velquor-cli's command line: x0, k0, sigma and the split point as decimal
// numbers. One reading and one set of messages for both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "real_function.h"
#include "wave_packet.h"

struct PacketChoice {
    packet::PacketSettings packet;
    double split = 0.0;
};

struct PacketChoiceError {
    enum class Field : std::uint8_t { X0, K0, Sigma, Split };
    Field field;
    std::string message;  // one line, naming the bad value
};

std::variant<PacketChoice, PacketChoiceError> ReadPacketChoice(std::string_view x0,
                                                               std::string_view k0,
                                                               std::string_view sigma,
                                                               std::string_view split);

// The potential at the packet's grid points; a value that is not finite is
// left as it is (packet::CheckPotential names it).
std::vector<double> PotentialOnPacketGrid(const RealFunction& potential);
