// A wave packet as velquor-cli takes it: --x0, --k0, --sigma and --split,
// put on the session through the "Paquete" tab's own fields and "Aplicar",
// so that every number and pixel is the window's.
#pragma once

#include <string>
#include <vector>

#include "cli_options.h"
#include "headless_host.h"

namespace cli {

// The four, with the tab's first values as their defaults.
std::vector<Option> PacketOptions();

struct PacketRequest {
    std::string x0, k0, sigma, split;
};

// The options' texts, checked: a value that does not read, a packet that
// does not fit the grid or a split point outside it throws UsageError
// naming the option.
PacketRequest ReadPacket(const Arguments& args);

// A time option: a finite number from 0 to the longest time the tab takes.
double ReadPacketTime(const Arguments& args, const Option& option, double fallback);

// Shows the tab when it has one, types the packet and applies it at time t;
// paused. Throws UsageError when V is not finite on the packet's grid.
void ApplyPacket(HeadlessSession& session, const PacketRequest& request, double t);

}  // namespace cli
