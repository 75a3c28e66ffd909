// SPDX-License-Identifier: MIT
// The AC page's two pictures of a solved circuit.
//
// The phasor diagram: the source voltage V and current I from the origin,
// φ marked from I to V, and the parts of the circuit as connected, each part
// of a series group by its voltage and each branch of a parallel group by
// its current, drawn tip to tail from the origin, so that a group's chain
// ends where the quantity it shares out ends: the voltages of R + L + C
// close on V, the currents of R ∥ L ∥ C on I.
//
// The power triangle: P = Re(V · I*) along the horizontal, Q = Im(V · I*)
// up (inductive) or down (capacitive) from its end, S = |V · I*| as the
// hypotenuse, φ marked between P and S.
#pragma once

#include "ac_circuit.h"

namespace vora::calc::ac {

// The diagrams of the circuit driven as `s` found it. Parts whose share is
// undefined (shorts side by side, opens in a row) are left out; arrows of
// length 0 are not drawn.
AcDiagrams DiagramsOf(const Circuit& c, const Solution& s);

} // namespace vora::calc::ac
