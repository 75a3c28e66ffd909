// SPDX-License-Identifier: MIT
// The AC page's circuit as the user describes it: the chosen elements in a
// series/parallel tree, each with its complex impedance at the supply's
// angular frequency ω, solved
// by the network solver the element pages share.
//
// Reading the connection choices (an element without a choice is absent):
//   - one chosen: that element alone;
//   - two chosen: in series or in parallel when both have that choice; two
//     different choices describe no circuit;
//   - three with the same choice: all in series or all in parallel;
//   - three, one differing: the two with the same choice combine first by
//     that choice, and the third joins that pair by its own choice, so
//     S P P is R + (L ∥ C) and S S P is (R + L) ∥ C.
#pragma once

#include "ac_types.h"
#include "calc/network_solver.h"

#include <array>
#include <complex>
#include <string>
#include <vector>

namespace vora::calc::ac {

using Complex = std::complex<double>;
using Impedance = network::Impedance<Complex>;
using Flow = network::Flow<Complex>;
using Solution = network::Solution<Complex>;

// The elements' names in the tree, on the sketch and in the working.
inline const std::array<std::string, 3> kNames{"R", "L", "C"};
inline constexpr std::array<ElementSymbol, 3> kSymbols{
    ElementSymbol::Resistor, ElementSymbol::Inductor, ElementSymbol::Capacitor};
// Element k of the circuit as a sketch draws it.
inline Sketch ElementSketch(std::size_t k) {
    return Element(kNames[k], kSymbols[k]);
}

// The tree the choices describe. Raises "Cannot Compute" when no element is
// chosen, or two are chosen with different connections.
Sketch Connect(const Choices<3>& choices);

struct Circuit {
    Sketch sketch;
    std::array<bool, 3> present{};
    std::array<double, 3> value{}; // R in ohm, L in henry, C in farad
    Term omega = AngularFrequency; // ω in rad/s, as the working writes it
    std::array<Impedance, 3> impedance{};
    Impedance total;

    const Impedance& Of(const std::string& name) const;
    Impedance TotalOf(const Sketch& part) const;
};

// The circuit of the inputs: the tree, the supply frequency, the fields of the elements in it read
// with their units, and their impedances R, jωL and 1/(jωC) (a zero
// capacitance is open, a zero resistance or inductance a short). Stores the
// values, the reactances and the L ∥ C reactance in `vars` and records them
// in `w`. Raises a failure naming the field that cannot be used.
Circuit ReadCircuit(const AcInputs& in, AcVars& vars, Working& w);

// Every element's current and voltage with the source across the circuit.
Solution SolveCircuit(const Circuit& c, network::SourceKind kind, Complex source);

// The current and voltage of any part of the tree, from its elements'.
Flow FlowOf(const Sketch& part, const Solution& s);

// "the resistor", "the inductor and the capacitor": the elements named, as
// the messages speak of them; and the entry field of one of them.
std::string Speak(const std::vector<std::string>& names);
int IndexOf(const std::string& name);

} // namespace vora::calc::ac
