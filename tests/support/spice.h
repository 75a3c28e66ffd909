// SPDX-License-Identifier: MIT
// ngspice as an independent oracle for circuit results.
//
// A Netlist collects many small circuits that share only the ground node, so
// that one batch run of ngspice (`ngspice -b`) solves them all: each circuit
// gets its own nodes from Node(). Run() performs the analysis and returns the
// printed expressions in the order asked, at full precision.
//
//   spice::Netlist net;
//   const std::string a = net.Node();
//   net.VoltageSource("V1", a, "0", 24);
//   net.Resistor("R1", a, "0", 12);
//   auto values = spice::Run(net, "op", {"@r1[i]", "v(" + a + ")"});
//
// For an AC analysis pass for example "ac lin 1 " + Number(f) + " " +
// Number(f) and print "real(v(a))", "imag(v(a))"; give the source an AC
// magnitude. Element names must be unique over the whole
// netlist and start with the SPICE letter of their kind (R, C, L, V, I).
#pragma once

#include "calc/sketch.h"

#include <functional>
#include <string>
#include <vector>

namespace vora::testing::spice {

class Netlist {
public:
    // A fresh node name; "0" is the shared ground.
    std::string Node();

    // Element lines, values at full precision. A current source drives
    // `amps` out of node `to`, back in at `from`.
    void Resistor(const std::string& name, const std::string& a, const std::string& b, double ohms);
    void Capacitor(const std::string& name, const std::string& a, const std::string& b,
                   double farads);
    void Inductor(const std::string& name, const std::string& a, const std::string& b,
                  double henries);
    void VoltageSource(const std::string& name, const std::string& plus, const std::string& minus,
                       double volts, double acMagnitude = 0);
    void CurrentSource(const std::string& name, const std::string& from, const std::string& to,
                       double amps, double acMagnitude = 0);
    void Line(const std::string& line) { lines_.push_back(line); }

    // A series/parallel network between nodes a and b: `add` places each
    // element of the sketch between the two nodes it connects, in the order
    // the current meets them going from a to b.
    using AddElement =
        std::function<void(const std::string& element, const std::string& a, const std::string& b)>;
    void Network(const calc::Sketch& sketch, const std::string& a, const std::string& b,
                 const AddElement& add);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    int nodes_ = 0;
};

// Runs `analysis` on the netlist in one batch run and returns the values of
// `print`. Throws std::runtime_error with ngspice's output when it fails or
// does not print every value.
std::vector<double> Run(const Netlist& netlist, const std::string& analysis,
                        const std::vector<std::string>& print);

// A number at full precision for a netlist or an analysis command.
std::string Number(double value);

// True when an ngspice binary is on the PATH.
bool Available();

} // namespace vora::testing::spice
