// SPDX-License-Identifier: MIT
// Everything that differs between the line-to-phase and phase-to-line pages,
// and every text they show: names and captions of the controls, the order of
// the options and of the entries in the focus chain, and the conversion they
// run.
#pragma once

#include "calc/three_phase/three_phase.h"
#include "calc/units.h"
#include "pages/control_text.h"

#include <QColor>
#include <QString>
#include <array>

namespace vora::pages {

// One labelled row: caption, then the entry or the result, then the unit.
struct ThreePhaseRow {
    ControlText caption;
    QString field; // objectName of the entry or the result label
    ControlText unit;
    QString accessible; // what a screen reader calls the entry or the caption
    QString tip = {};   // what the quantity means, where it needs saying
};

struct ThreePhaseTexts {
    using Convert = calc::Outcome<calc::Shown<calc::ThreePhaseVars>> (*)(
        calc::Caption, const calc::ThreePhaseEntries&, calc::ThreePhaseVars);

    ControlText quantities;        // Label10: its text is a resource path
    ControlText connectionHeading; // Label1
    ControlText star, delta;       // optY, optD
    bool deltaAbove = false;       // the phase-to-line page lists delta first
    ControlText instruction;       // Label11
    ControlText inputHeading;
    std::array<ThreePhaseRow, 3> inputs; // current, voltage, impedance
    bool reversedEntryFocus = false;     // focus goes impedance, voltage, current
    ControlText outputHeading;
    std::array<ThreePhaseRow, 4> outputs; // lblI2, lblV2, lblZ2, lblS2 with their units
    QString clickToCompute;               // the captions' tool-tips start with it
    ControlText clearEntries;             // the Ctrl+N action
    QString noConnection;                 // in the copied text
    QString chooseConnection;             // why results are out of date without a connection
    Convert convert = nullptr;

    static const ThreePhaseTexts& LineToPhase();
    static const ThreePhaseTexts& PhaseToLine();
};

} // namespace vora::pages
