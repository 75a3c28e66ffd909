// SPDX-License-Identifier: MIT
// Inputs and results shared by the three element-network pages (resistor,
// capacitor, inductor): four elements with values, units and connection
// choices, and a source that is a current (a charge) or a voltage.
#pragma once

#include "fields.h"
#include "network.h"
#include "sketch.h"
#include "term.h"

#include <array>
#include <string>
#include <vector>

namespace vora::calc {

// What a "Total ..." button reads from the page.
struct NetworkEntries {
    std::array<Field, 4> values; // the element entry fields
    std::array<int, 4> units{};  // selected position of each unit list, -1 for none
    Choices<4> choices{};
    int totalUnit = 0; // selected position of the total's unit list, -1 for none
};

template <class Vars> struct TotalShown {
    Vars vars;         // the page's stored values after the click
    std::string label; // the new text of the total label
    Working working;   // how the total was obtained
    Sketch sketch;     // the network the total is of
};

// A double-click on one element's Series or Parallel option: it reads the
// whole page, as the total does, and the source.
struct ElementClick {
    int element = 1; // 1 to 4
    Choice option = Choice::Series;
    NetworkEntries entries; // with the clicked option already selected
    Source source = Source::None;
    Field sourceField; // txtIV
    // Position of the source's unit list: the voltage list for a voltage,
    // otherwise the current (charge) list; -1 for a typed unit, read as the base unit.
    int sourceUnit = 0;
};

// One result as the page shows it: its name ("Ir2", "dIl2/dt"), its
// FormatNumber text and its value in `unit`. Where the quantity has no
// single number (an inductor's energy while a voltage source makes its
// current rise) the text is empty and `note` says why.
struct ResultCell {
    std::string name, text, unit;
    double value = 0;
    std::string note;
};

// One element of the network with its three results for the source.
struct ElementRow {
    std::string element; // "R2"
    std::string value;   // as entered, with its unit: "4.7 Kohm"
    std::array<ResultCell, 3> cells;
};

// The whole network's results and every element's, for one source.
struct NetworkResults {
    std::array<ResultCell, 3> whole;  // beside the total: flow, voltage, power (energy)
    std::array<std::string, 3> heads; // the table's result columns: "Current (A)"
    std::vector<ElementRow> rows;     // elements 1 to the network's length
    int marked = 0;                   // element last double-clicked, 0 for none
};

template <class Vars> struct ElementShown {
    Vars vars;
    std::array<std::string, 3> names;  // for example "Ir2", "Vr2", "Pr2"
    std::array<std::string, 3> values; // FormatNumber texts, empty for no number
    std::array<ResultCell, 3> cells;   // the same with their units and values
    NetworkResults network;            // every element, this one marked
    std::string totalLabel;            // the total, computed again with the results
    Working working;
    Sketch sketch;
};

} // namespace vora::calc
