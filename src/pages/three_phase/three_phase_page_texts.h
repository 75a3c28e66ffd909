// SPDX-License-Identifier: MIT
// Everything that differs between the line-to-phase and phase-to-line pages:
// names and captions of the controls, the order of the options and of the
// entries in the focus chain, and the conversion they run.
#pragma once

#include "calc/three_phase/three_phase.h"

#include <QString>
#include <array>

namespace vora::pages {

struct PageText {
    QString name; // objectName
    QString text; // caption as shown
};

// One labelled row: caption, then the entry or the result, then the unit.
struct ThreePhaseRow {
    PageText caption;
    PageText unit;
    QString accessible; // what a screen reader calls the entry or the caption
    QString tip = {};   // what the quantity means, where it needs saying
};

struct ThreePhasePageTexts {
    using Convert = calc::Outcome<calc::ThreePhaseShown> (*)(calc::Caption,
                                                             const calc::ThreePhaseEntries&,
                                                             calc::ThreePhaseVars);

    PageText connectionHeading; // Label1
    bool deltaAbove = false;    // the phase-to-line page lists delta first
    PageText instruction;       // Label11
    PageText inputHeading;
    std::array<ThreePhaseRow, 3> inputs; // current, voltage, impedance
    bool reversedEntryFocus = false;     // focus goes impedance, voltage, current
    PageText outputHeading;
    std::array<ThreePhaseRow, 4> outputs; // lblI2, lblV2, lblZ2, lblS2 with their units
    Convert convert = nullptr;

    static const ThreePhasePageTexts& LineToPhase();
    static const ThreePhasePageTexts& PhaseToLine();
};

} // namespace vora::pages
