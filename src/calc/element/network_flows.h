// SPDX-License-Identifier: MIT
// Every element's flow and voltage with a source across the whole network,
// from the solver, and the working of one element: the path from the source
// down to it.
#pragma once

#include "calc/network.h"
#include "network_total.h"

#include <array>

namespace vora::calc {

struct NetworkFlows {
    double sourceVoltage = 0, sourceFlow = 0; // flow: current, or charge
    double branchFlow = 0;                    // through the outermost series group
    // Per element: current (charge), voltage, and power (stored energy); 0
    // for elements outside the network.
    std::array<double, 4> flow{}, voltage{}, third{};
    // Inductors under a voltage source: the rates of rise of the source's
    // current and of each element's (A/s), while the currents are still 0.
    double sourceRate = 0;
    std::array<double, 4> rate{};
};

// Solves the network of `t` for the source (a voltage, else a current or a
// charge) and adds the working of `element` (0 for none) to t.working. Raises a Failure
// naming the elements when a result would be infinite or undefined.
NetworkFlows SolveNetwork(const ElementKind& kind, NetworkTotal& t, const NetworkEntries& in,
                          Source source, double value, int element);

} // namespace vora::calc
