// SPDX-License-Identifier: MIT
// The computing events of the AC page. Each one reads the fields it needs
// from the inputs, builds the circuit the connection choices describe,
// solves it at the supply frequency and returns the label texts with a copy of the
// stored values; nothing depends on an earlier click.
#pragma once

#include "ac_types.h"

namespace vora::calc {

// |Z|, shown in the unit of cboZT.
Outcome<AcShown> TotalImpedance(const AcInputs& in, AcVars vars);

// cos φ of the circuit's Z, and "Lagging" (φ > 0), "Leading" (φ < 0) or
// "Unit" (cos φ shows as 1 to its 15 digits).
Outcome<AcShown> PowerFactor(const AcInputs& in, AcVars vars);

// P = |V| · |I| · cos φ, Q = |V| · |I| · sin φ and S = |V| · |I| with the
// source of the inputs (a voltage across the circuit, otherwise a current
// into it, read with its unit).
Outcome<AcShown> ActivePower(const AcInputs& in, AcVars vars);
Outcome<AcShown> ReactivePower(const AcInputs& in, AcVars vars);
Outcome<AcShown> ApparentPower(const AcInputs& in, AcVars vars);

// The current through and the voltage across one element, in the units of
// cboI and cboV. The caller has checked that the source field is not empty.
Outcome<AcShown> ElementResults(AcElement element, const AcInputs& in, AcVars vars);

// A label again when its unit list changes, as the events show it: |Z| (in
// ohms) in the unit at `position` of cboZT, an element's current (in
// amperes) in that of cboI, its voltage (in volts) in that of cboV.
Outcome<std::string> ImpedanceInUnit(double impedance, int position);
Outcome<std::string> CurrentInUnit(double current, int position);
Outcome<std::string> VoltageInUnit(double voltage, int position);

} // namespace vora::calc
