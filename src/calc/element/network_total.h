// SPDX-License-Identifier: MIT
// The total of an element page's network: reads the elements that take part,
// builds the network, and combines it with the solver, recording the working.
#pragma once

#include "calc/element_network.h"
#include "calc/network_solver.h"
#include "element_kind.h"

#include <array>
#include <string>

namespace vora::calc {

struct NetworkTotal {
    int length = 0; // elements 1..length form the network
    Sketch drawn;   // the network as drawn
    Sketch tree;    // the same in the law of the elements' quantity (network_model.h)
    std::array<double, 4> values{}; // after unit scaling; 0 outside the network
    double total = 0;
    double parallelPart = 0, seriesPart = 0; // outermost groups (element_vars.h)
    std::string label;                       // the total label's text
    Working working;

    network::Impedance<double> Of(const std::string& element) const {
        return {values[static_cast<std::size_t>(element[1] - '1')], false};
    }
};

// Refuses, with a message that says what to choose, when element 1 has no
// connection choice: there is no network then.
void RequireNetwork(const ElementKind& kind, const NetworkEntries& in);

// Reads the network's elements and computes its total. `showReading` adds
// the unit conversions of the entries to the working. Raises a Failure.
NetworkTotal ComputeNetworkTotal(const ElementKind& kind, const NetworkEntries& in,
                                 bool showReading);

// The control to focus for element k's connection: its Series option.
std::string OptionOf(const NetworkEntries& in, int k);

} // namespace vora::calc
