// SPDX-License-Identifier: MIT
// What distinguishes the resistor page from the inductor page where both
// follow the same rules.
#pragma once

#include <array>
#include <string>

namespace vora::calc {

struct ChainKind {
    char letter;              // 'R' or 'L': element names R1.., L1..
    std::string total;        // "RT" or "LT"
    std::string quantity;     // "total resistance"
    std::string button;       // caption of the compute button
    std::string element;      // "Resistor"
    std::string unit;         // "Ohm" or "H"
    std::array<std::string, 3> units;      // names of the total's unit positions
    std::array<double, 3> readFactor;      // entry value × factor = stored SI value
    std::array<double, 3> showFactor;      // total label text × factor = shown value
    std::string third;        // third result: "P" (power) or "W" (energy)
    std::string thirdUnit;    // "W" or "J"
    std::string resultPrefix; // result names: "Ir2" / "Il2" -> 'r' / 'l'

    static const ChainKind& Resistor();
    static const ChainKind& Inductor();

    std::string Element(int k) const { return letter + std::to_string(k); }
};

} // namespace vora::calc
