// SPDX-License-Identifier: MIT
// The phasor diagram of a three-phase source: the phase voltages Va, Vb and
// Vc, 120° apart with Va upwards, and the line voltages between them. In
// star a line voltage is the difference of two phase voltages, √3 times as
// long and 30° ahead (Vab = Va − Vb); in delta each phase lies between two
// lines, so the line voltage is the phase voltage itself.
#pragma once

#include "calc/vector_diagram.h"
#include "three_phase.h"

namespace vora::calc {

// The diagram with the phase and line voltages that a voltage click found,
// labelled with those values. Empty with no connection chosen.
VectorDiagram ThreePhaseDiagram(Connection connection, double phaseVoltage, double lineVoltage);

} // namespace vora::calc
