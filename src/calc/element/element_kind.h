// SPDX-License-Identifier: MIT
// What distinguishes the resistor, capacitor and inductor pages where they
// share one network engine: names, units and the laws the elements follow.
//
// The engine works in the quantity of the page's elements, X (R, C or L).
// Resistors and inductors add in series and add reciprocals in parallel;
// capacitors the other way round. Which of a node's quantities its parts
// share follows from that law (see network_model.h).
#pragma once

#include "calc/sketch.h"
#include "calc/units.h"

#include <array>
#include <string>
#include <vector>

namespace vora::calc {

struct ElementKind {
    char letter;                    // element names in messages and working: R1, C1, L1
    std::string element;            // "Resistor", for messages
    std::string plural;             // "resistors"
    std::string total;              // stored name of the total: "RT", "CT", "LT"
    std::string quantity;           // "total resistance", for messages
    Units units;                    // the element and total lists (the first resistor's aside)
    std::vector<double> readFactor; // entry number × factor = stored value
    std::vector<double> showFactor; // total label text × factor = shown value
    bool capacitive;                // parallel adds, series adds reciprocals
    bool lastOfFourAfterGroup;      // P P P S is (1 ∥ 2 ∥ 3) in series with 4

    // Stored names: the source voltage and flow, the outermost parallel and
    // series groups, and per element its flow (I or Q), voltage and third
    // result (P, U or W).
    std::string sourceVoltage, sourceFlow;
    std::string parallelPart, seriesPart;
    std::string flow, third;
    std::string flowUnit, thirdUnit; // "A" / "C", "W" / "J"
    char resultLetter;               // result label names: "Ir2", "Qc2", "Il2"
    // What a zero element is: "a short" (R, L) or "an open gap" (C).
    std::string zeroIs;
    // The source list beside the current (or charge) unit; the voltage has
    // kSourceVolts. Position 0 is the base unit.
    Units sourceFlowUnits;
    ElementSymbol symbol;

    static const ElementKind& Resistor();
    static const ElementKind& Capacitor();
    static const ElementKind& Inductor();

    std::string Element(int k) const { return letter + std::to_string(k); }
    // The unit of the elements and the total in messages and working: "Ohm", "F", "H".
    std::string BaseUnit() const { return BaseName(units); }
};

} // namespace vora::calc
