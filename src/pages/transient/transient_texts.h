// SPDX-License-Identifier: MIT
// Every caption, name, tip and unit list of the transient page. The window's
// name, title and colour are the registry's.
#pragma once

#include "calc/transient/transient.h"
#include "calc/transient/transient_event.h"
#include "calc/units.h"
#include "pages/control_text.h"

#include <QString>
#include <array>

namespace vora::pages {

struct TransientChoice {
    ControlText option;
    QString accessible;
};

// An entry with its caption and unit list.
struct TransientEntryText {
    ControlText caption;
    QString entry; // objectName of the field
    QString list;  // objectName of the unit list
    QString accessible;
    QString tip;
    calc::Units units;
};

struct TransientResultText {
    ControlText caption;
    QString result; // objectName of the result label
    QString unit;   // objectName of the unit beside it
    QString accessible;
    const char* symbol; // the unit shown; τ's follows cboT instead
};

struct TransientTexts {
    ControlText circuitFrame;
    TransientChoice rc, rl;
    ControlText stepFrame;
    TransientChoice charge, discharge;
    ControlText valuesFrame;
    TransientEntryText r, c, l, v, t;
    ControlText compute;
    ControlText resultsFrame;
    // In the order of calc::TransientResult; the storage voltage's caption
    // is the capacitor's or the inductor's.
    std::array<TransientResultText, calc::kTransientResults> results;
    ControlText inductorVoltage; // the storage voltage's caption in an R-L circuit
    QString curveTitle;
    QString curvePlaceholder;

    // The caption of a result for the circuit chosen.
    const ControlText& captionOf(calc::TransientResult result,
                                 calc::transient::Circuit circuit) const;

    static const TransientTexts& Get();
};

} // namespace vora::pages
