// SPDX-License-Identifier: MIT
// The two three-phase conversion pages: line quantities to phase quantities
// and phase quantities to line quantities, for sources connected in star or
// in delta.
//
// Each click on a caption of the output column reads the entries it needs
// and computes one quantity; no result depends on an earlier click. The
// stored values record what the clicks read and computed.
#pragma once

#include "calc/fields.h"
#include "calc/outcome.h"
#include "calc/shown.h"
#include "calc/stored_values.h"
#include "calc/term.h"
#include "calc/vector_diagram.h"

#include <array>
#include <string>
#include <utility>

namespace vora::calc {

// The stored values of one three-phase page (each page keeps its own set).
struct ThreePhaseVars {
    double LineCurrent = 0, PhaseCurrent = 0;     // A
    double LineVoltage = 0, PhaseVoltage = 0;     // V
    double LineImpedance = 0, PhaseImpedance = 0; // ohm
    double ApparentPower = 0;                     // VA

    bool operator==(const ThreePhaseVars&) const = default;

    static constexpr auto kStored = std::to_array<StoredValue<ThreePhaseVars>>({
        {"LineCurrent", &ThreePhaseVars::LineCurrent, "A"},
        {"PhaseCurrent", &ThreePhaseVars::PhaseCurrent, "A"},
        {"LineVoltage", &ThreePhaseVars::LineVoltage, "V"},
        {"PhaseVoltage", &ThreePhaseVars::PhaseVoltage, "V"},
        {"LineImpedance", &ThreePhaseVars::LineImpedance, "Ohm"},
        {"PhaseImpedance", &ThreePhaseVars::PhaseImpedance, "Ohm"},
        {"ApparentPower", &ThreePhaseVars::ApparentPower, "VA"},
    });
};
static_assert(DescribesEveryMember<ThreePhaseVars>());

enum class Connection { None, Star, Delta };

// The four captions of the output column, top to bottom.
enum class Caption { Current, Voltage, Impedance, Power };

// What a caption click reads from the page.
struct ThreePhaseEntries {
    Connection connection = Connection::None;
    Field current;   // txtIT, read with ParseLeading
    Field voltage;   // txtVT, read with ParseLeading
    Field impedance; // txtZT, read with ParseStrict unless exactly empty
};

// The label slots are the captions' (Caption); one picture.
enum class ThreePhasePicture { Voltages };

// With no connection chosen a click does nothing (Unchanged).
// Line-to-phase page: the entries are line quantities.
Outcome<Shown<ThreePhaseVars>> LineToPhase(Caption clicked, const ThreePhaseEntries& entries,
                                           ThreePhaseVars vars);

// Phase-to-line page: the entries are phase quantities.
Outcome<Shown<ThreePhaseVars>> PhaseToLine(Caption clicked, const ThreePhaseEntries& entries,
                                           ThreePhaseVars vars);

} // namespace vora::calc
