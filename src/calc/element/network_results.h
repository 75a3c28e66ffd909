// SPDX-License-Identifier: MIT
// The results a page shows for a solved network: one element's three, the
// whole network's beside the total, and the table of every element.
#pragma once

#include "calc/element_network.h"
#include "network_flows.h"

namespace vora::calc {

// Element k's current (charge), voltage and power (energy) as the page
// shows them; on the inductor page with a voltage source the first is the
// rate of rise and the third has no number.
std::array<ResultCell, 3> ElementCells(const ElementKind& kind, const NetworkFlows& f,
                                       Source source, int k);

// Everything at once, with row `marked` (0 for none) marked. Raises a
// Failure when a whole-network result is not a finite number.
NetworkResults Summarize(const ElementKind& kind, const NetworkTotal& t, const NetworkEntries& in,
                         const NetworkFlows& f, Source source, int marked);

} // namespace vora::calc
