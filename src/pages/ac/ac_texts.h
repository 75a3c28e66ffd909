// SPDX-License-Identifier: MIT
// Every text of the single-phase AC page: captions, objectNames, tool-tips,
// accessible names and unit lists. The form builds its controls from this
// table; the handlers never spell a caption.
#pragma once

#include "calc/units.h"
#include "pages/control_text.h"

#include <QString>
#include <array>

namespace vora::pages {

// One element's value frame and connection frame.
struct AcElementTexts {
    ControlText valueFrame; // Frame2, Frame6, Frame7
    ControlText entry;
    ControlText list;
    calc::Units units;
    ControlText connectionFrame; // Frame1, Frame3, Frame4
    ControlText series;
    ControlText parallel;
    QString report; // its name in the copied text
};

// A button with its result label and the unit label beside it.
struct AcPowerTexts {
    ControlText button;
    ControlText result;
    ControlText unit; // the caption beside the result
};

// A result beside the buttons' own: its caption, the value, the unit
// caption (none where its name is empty) and how the copied text names it.
struct AcMoreTexts {
    ControlText caption;
    ControlText result;
    ControlText unit;
    QString report;
    QString reportUnit;
};

struct AcTexts {
    std::array<AcElementTexts, 3> elements; // resistor, inductor, capacitor
    ControlText hint;

    ControlText sourceFrame; // Frame8
    ControlText voltage, current;
    ControlText rms, peak;
    ControlText valueFrame; // Frame9
    ControlText sourceEntry, sourceList, sourceUnit;
    // cboIV lists the current units, then the voltage units.
    calc::Units sourceCurrentUnits, sourceVoltageUnits;
    ControlText frequencyFrame; // Frame13
    ControlText frequencyEntry, frequencyList;
    QString frequencyDefault;

    ControlText impedanceFrame; // Frame5
    ControlText impedanceButton, impedanceResult, impedanceList;
    calc::Units impedanceUnits;
    AcMoreTexts xl, xc;

    ControlText powerFactorFrame; // Frame12
    ControlText powerFactorButton, powerFactorResult, laggingResult;
    QString laggingWidest; // the longest text of lblLG, for its width

    ControlText powersFrame;            // Frame11
    std::array<AcPowerTexts, 3> powers; // active, reactive, apparent
    AcMoreTexts sourceCurrent, angle;

    ControlText elementFrame; // Frame10
    ControlText currentName, voltageName;
    ControlText currentResult, voltageResult, currentList, voltageList;
    calc::Units currentUnits, voltageUnits;

    ControlText resonanceFrame; // Frame15
    AcMoreTexts f0, q, w0;

    ControlText picture; // Image1
    QString pictureEmpty;
    QString pictureVoltage, pictureCurrent; // the source's name in the picture
    ControlText explanation;                // Label4: its text is a resource path
    QString sketch;                         // the working's sketch, for screen readers

    // A double-click with the source value empty: the box, and why the
    // element's results are out of date after an edit empties it.
    QString emptySourceText; // a resource path
    QString emptySourceOutOfDate;

    ControlText resetMenu;
    std::array<ControlText, 4> resets; // capacitor, inductor, resistor, all

    // The copied text's names.
    QString reportHeading;
    QString reportSource, reportFrequency, reportImpedance, reportPowerFactor;
    QString reportPowerFactorOutOfDate;
    QString reportSeries, reportParallel, reportNoConnection;
    QString reportVoltage, reportCurrent, reportNoSource, reportPeak, reportRms;

    static const AcTexts& Get();
};

} // namespace vora::pages
