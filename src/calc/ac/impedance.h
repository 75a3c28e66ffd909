// SPDX-License-Identifier: MIT
// "Total Impedance": the only AC computation that reads the element fields.
#pragma once

#include "ac_types.h"

namespace vora::calc {

// Runs the blocks A to G against a copy of the stored values. Every block
// that applies overwrites the impedance; the steps list each label text and
// infinity message in the order the user sees them.
ImpedanceRun TotalImpedance(const AcEntries& entries, AcVars vars);

} // namespace vora::calc
