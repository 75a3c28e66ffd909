// SPDX-License-Identifier: MIT
// The transient page's one event: the entries read with their units, the
// model of the circuit built from them, and everything the page shows at the
// time entered (labels, working, curve), with a copy of the stored values.
#pragma once

#include "calc/fields.h"
#include "calc/outcome.h"
#include "calc/shown.h"
#include "calc/stored_values.h"
#include "calc/term.h"
#include "transient.h"

#include <array>
#include <string>
#include <vector>

namespace vora::calc {

// What the last successful event found, in ohms, farads, henries, volts,
// seconds, amperes and joules. The element not in the circuit keeps its value.
struct TransientVars {
    double Resistance = 0;
    double Capacitance = 0;
    double Inductance = 0;
    double SourceVoltage = 0; // the source while charging, the start while discharging
    double Time = 0;
    double TimeConstant = 0;   // τ
    double StorageVoltage = 0; // across the capacitor or the inductor at the time
    double Current = 0;
    double ResistorVoltage = 0;
    double Energy = 0;   // stored in the capacitor or the inductor
    double Fraction = 0; // of the change completed, 0 to 1

    bool operator==(const TransientVars&) const = default;

    static constexpr auto kStored = std::to_array<StoredValue<TransientVars>>({
        {"Resistance", &TransientVars::Resistance, "Ohm"},
        {"Capacitance", &TransientVars::Capacitance, "F"},
        {"Inductance", &TransientVars::Inductance, "H"},
        {"SourceVoltage", &TransientVars::SourceVoltage, "V"},
        {"Time", &TransientVars::Time, "s"},
        {"TimeConstant", &TransientVars::TimeConstant, "s"},
        {"StorageVoltage", &TransientVars::StorageVoltage, "V"},
        {"Current", &TransientVars::Current, "A"},
        {"ResistorVoltage", &TransientVars::ResistorVoltage, "V"},
        {"Energy", &TransientVars::Energy, "J"},
        {"Fraction", &TransientVars::Fraction},
    });
};
static_assert(DescribesEveryMember<TransientVars>());

// An entry and the position of its unit list, which the page has checked
// names a unit of the list.
struct TransientEntry {
    Field field;
    int position = 0;
};

struct TransientEntries {
    transient::Circuit circuit = transient::Circuit::RC;
    transient::Step step = transient::Step::Charge;
    TransientEntry r;       // txtR, cboR: ohms
    TransientEntry storage; // txtC, cboC: farads, or txtL, cboL: henries
    TransientEntry v;       // txtV, cboV: volts
    TransientEntry t;       // txtT, cboT: seconds
};

// The label texts, in the order lblTau, lblV, lblI, lblVR, lblW, lblFraction.
enum class TransientResult { Tau, StorageVoltage, Current, ResistorVoltage, Energy, Fraction };
inline constexpr std::size_t kTransientResults = 6;

// The label after the six results: the unit beside τ, which is that of cboT.
inline constexpr int kTauUnitLabel = static_cast<int>(kTransientResults);
enum class TransientPicture { Curve };

// The number of points of the curve, enough for a smooth line at any width.
inline constexpr int kCurvePoints = 201;

Outcome<Shown<TransientVars>> ComputeTransient(const TransientEntries& in, TransientVars vars);

} // namespace vora::calc
