// SPDX-License-Identifier: MIT
// The computing events of the resistor, capacitor and inductor pages: the
// total button and the double-click on an element's connection option. Each
// takes a copy of the page's stored values and returns them with the label
// texts, or a Failure and nothing changed.
#pragma once

#include "calc/element_network.h"
#include "calc/outcome.h"
#include "calc/shown.h"
#include "element_kind.h"
#include "element_vars.h"

#include <string>

namespace vora::calc {

// The total button: reads the entries, and the source for the whole
// network's results and the table (cleared, without a message, where the
// source cannot be computed); click.element is the table's row to mark.
Outcome<Shown<ResistorVars>> TotalResistance(const ElementClick& click, ResistorVars vars);
Outcome<Shown<CapacitorVars>> TotalCapacitance(const ElementClick& click, CapacitorVars vars);
Outcome<Shown<InductorVars>> TotalInductance(const ElementClick& click, InductorVars vars);

Outcome<Shown<ResistorVars>> ResistorResults(const ElementClick& click, ResistorVars vars);
Outcome<Shown<CapacitorVars>> CapacitorResults(const ElementClick& click, CapacitorVars vars);
Outcome<Shown<InductorVars>> InductorResults(const ElementClick& click, InductorVars vars);

// The total label again when the total's unit list changes: the total (in
// the kind's base unit) as the compute button shows it in the unit at
// `position`.
Outcome<std::string> TotalInUnit(const ElementKind& kind, double total, int position);

// The whole network's results and every element's for the page's entries
// and source, as the total click shows them once the source field holds a
// number; click.element is the row to mark (0 for none). Fails when the
// network or the source cannot be computed.
Outcome<NetworkResults> NetworkResultsOf(const ElementKind& kind, const ElementClick& click);

// Whether a double-click reads the source field with ParseStrict (else
// ParseLeading): each option and arrangement has its own reading.
bool ReadsSourceStrictly(const ElementClick& click);

} // namespace vora::calc
