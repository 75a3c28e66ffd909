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

// The result labels of an element page, in the order of their slots: the
// total; the last double-clicked element's three results (name, value) and
// the unit of the first, which follows its quantity ("A/s" for a rate of
// rise); the whole network's three (name, value, unit).
enum class NetworkLabel {
    Total,
    ElementName1,
    ElementName2,
    ElementName3,
    ElementValue1,
    ElementValue2,
    ElementValue3,
    ElementUnit1,
    NetworkName1,
    NetworkName2,
    NetworkName3,
    NetworkValue1,
    NetworkValue2,
    NetworkValue3,
    NetworkUnit1,
    NetworkUnit2,
    NetworkUnit3,
};
// Its pictures: the network as computed, and the table of every element.
enum class NetworkPicture { Sketch, Table };

} // namespace vora::calc
