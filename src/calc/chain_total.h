// "Total Resistance" and "Total Inductance": the total of four resistors or
// four inductors from their values, units and series/parallel choices.
#pragma once

#include "chain_vars.h"
#include "fields.h"
#include "network.h"
#include "outcome.h"
#include "term.h"

#include <array>
#include <string>

namespace vora::calc {

// What the button reads from the page.
struct ChainEntries {
    std::array<Field, 4> values;   // the element entry fields
    std::array<int, 4> units{};    // selected position of each unit list, -1 for none
    Choices<4> choices{};
    int totalUnit = 0;             // selected position of the total's unit list, -1 for none
};

template <class Vars>
struct TotalShown {
    Vars vars;         // the page's stored values after the click
    std::string label; // the new text of the total label
    Working working;   // how the total was obtained
};

Outcome<TotalShown<ResistorVars>> TotalResistance(const ChainEntries& entries, ResistorVars vars);
Outcome<TotalShown<InductorVars>> TotalInductance(const ChainEntries& entries, InductorVars vars);

} // namespace vora::calc
