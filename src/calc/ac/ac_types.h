// SPDX-License-Identifier: MIT
// Inputs and results of the AC page's computations.
//
// Element order everywhere is resistor, inductor, capacitor, so a pattern
// such as "SPP" reads "R series, L parallel, C parallel".
#pragma once

#include "ac_vars.h"
#include "calc/fields.h"
#include "calc/network.h"
#include "calc/outcome.h"
#include "calc/term.h"

#include <array>
#include <string>
#include <vector>

namespace vora::calc {

// An entry field and the position of its unit list (-1: a typed unit).
struct UnitField {
    Field field;
    int position = 0;
};

// What "Total Impedance" reads.
struct AcEntries {
    UnitField resistor, inductor, capacitor;
    Choices<3> choices{};
    int impedanceUnit = 0; // position of the total's unit list
};

// What the power buttons and the double-clicks read: the connections and the
// source. The power buttons ignore the source's unit list.
struct AcSource {
    Choices<3> choices{};
    Source source = Source::None;
    UnitField value; // txtIV with cboIV
};

enum class AcElement { Resistor, Inductor, Capacitor };

// What the user sees during "Total Impedance", in order: the label after a
// block wrote its impedance, or the infinity message.
struct ImpedanceStep {
    enum class Kind { Label, Infinity };
    Kind kind = Kind::Label;
    std::string label;
};

struct ImpedanceShown {
    AcVars vars;
    std::string label; // final text of the total label, in the chosen unit
    Working working;
};

// The steps run before the end or before the failure; the messages among
// them have been shown to the user even when the click fails.
struct ImpedanceRun {
    std::vector<ImpedanceStep> steps;
    Outcome<ImpedanceShown> result;
};

struct PowerFactorShown {
    AcVars vars;
    std::string factor; // lblPF
    std::string kind;   // lblLG: "Lagging", "Leading" or "Unit"
    Working working;
};

// A power button's result. When no block applied, nothing changes and the
// label keeps its text.
struct PowerShown {
    AcVars vars;
    bool applied = false;
    std::string label;
    Working working;
};

struct AcElementShown {
    AcVars vars;
    std::array<std::string, 2> names;  // lblI, lblv
    std::array<std::string, 2> values; // lblIV, lblVV
    Working working;
};

} // namespace vora::calc
