// SPDX-License-Identifier: MIT
// Inputs and results of the AC page's events.
//
// Element order everywhere is resistor, inductor, capacitor, so a pattern
// such as "SPP" reads "R series, L parallel, C parallel".
#pragma once

#include "ac_vars.h"
#include "calc/fields.h"
#include "calc/network.h"
#include "calc/outcome.h"
#include "calc/shown.h"
#include "calc/sketch.h"
#include "calc/term.h"
#include "calc/vector_diagram.h"

#include <array>
#include <optional>
#include <string>

namespace vora::calc {

// An entry field and the position of its unit list (-1: a typed unit).
struct UnitField {
    Field field;
    int position = 0;
};

enum class AcElement { Resistor, Inductor, Capacitor };

// Everything an event of the page may read. Each event reads only what it
// needs: the fields of the elements in the circuit, and the source where it
// needs one.
struct AcInputs {
    std::array<UnitField, 3> elements; // txtR1/cboR, txtXL/cboXL, txtXC/cboXC
    Choices<3> choices{};
    Source source = Source::None; // none is read as a current
    UnitField value;              // txtIV with cboIV
    bool peak = false;            // optPeak: txtIV holds a peak value, not an rms one
    // txtF with cboF (Hz, kHz, rad/s); the page opens at 314 rad/s.
    UnitField frequency{{"314", "txtF", "Supply Frequency"}, 2};
    int impedanceUnit = 0; // cboZT
    int currentUnit = 0;   // cboI
    int voltageUnit = 0;   // cboV
};

// The phasor diagram and the power triangle of a circuit driven by its source
// (ac_diagrams.h); empty for an event that found no source to drive it with.
struct AcDiagrams {
    VectorDiagram phasors;
    VectorDiagram power;

    bool empty() const { return phasors.empty() && power.empty(); }
    bool operator==(const AcDiagrams&) const = default;
};

// A result beyond an event's own label: its text and its value in the base unit.
struct AcValue {
    std::string text;
    double value = 0;
};

// XL and XC of the elements in the circuit (none for one that is not, or
// for an open capacitor).
struct AcReactances {
    std::optional<AcValue> xl, xc;
};

// The resonance of a circuit holding L and C: f0 in Hz, ω0 in rad/s, and
// the Q factor where the circuit has one.
struct AcResonance {
    AcValue f0, w0;
    std::optional<AcValue> q;
};

// The source current: |I| (rms) and its angle against the source voltage in
// degrees (none where the voltage or the current is 0).
struct AcSourceCurrent {
    AcValue magnitude;
    std::optional<AcValue> phase;
};

// The AC page's result labels, in the order of their slots: each event
// writes its own and the further results it shows with them.
enum class AcLabel {
    Impedance,     // lblZT
    PowerFactor,   // lblPF
    Lagging,       // lblLG: "Lagging", "Leading" or "Unit"
    Active,        // lblP
    Reactive,      // lblXL
    Apparent,      // lblXC
    CurrentName,   // lblI: "Ir", "Il" or "Ic"
    Current,       // lblIV, in the unit of cboI
    VoltageName,   // lblv
    Voltage,       // lblVV, in the unit of cboV
    SourceCurrent, // lblIS
    SourceAngle,   // lblIA
    XL,            // lblReactL
    XC,            // lblReactC
    F0,            // lblF0
    W0,            // lblW0
    Q,             // lblQF
};
inline constexpr std::size_t kAcLabels = static_cast<std::size_t>(AcLabel::Q) + 1;

using AcShown = Shown<AcVars>;

// Its pictures: the circuit computed, the picture of the choices (which
// takes the values the event read), the phasor diagram and the power triangle.
enum class AcPicture { Sketch, Choices, Phasors, Power };

} // namespace vora::calc
