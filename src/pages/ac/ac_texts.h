// SPDX-License-Identifier: MIT
// Every text of the single-phase AC page: captions, objectNames, tool-tips,
// accessible names and unit lists. The form builds its controls from this
// table; the handlers never spell a caption.
#pragma once

#include "calc/units.h"

#include <QString>
#include <array>

namespace vora::pages {

// One control: its objectName, what it shows, what a screen reader calls it
// and its tool-tip, where it has them.
struct AcControl {
    QString name;
    QString text = {};
    QString accessible = {};
    QString tip = {};
};

// One element's value frame and connection frame.
struct AcElementTexts {
    AcControl valueFrame; // Frame2, Frame6, Frame7
    AcControl entry;
    AcControl list;
    calc::Units units;
    AcControl connectionFrame; // Frame1, Frame3, Frame4
    AcControl series;
    AcControl parallel;
    QString report; // its name in the copied text
};

// A button with its result label and the unit label beside it.
struct AcPowerTexts {
    AcControl button;
    AcControl result;
    AcControl unit;     // the caption beside the result
    const char* symbol; // the unit of the result's engineering form
};

// A result beside the buttons' own: its caption, the value, the unit
// caption (none where its name is empty) and how the copied text names it.
struct AcMoreTexts {
    AcControl caption;
    AcControl result;
    AcControl unit;
    const char* symbol; // the unit of the result's engineering form
    QString report;
    QString reportUnit;
};

struct AcTexts {
    std::array<AcElementTexts, 3> elements; // resistor, inductor, capacitor
    AcControl hint;

    AcControl sourceFrame; // Frame8
    AcControl voltage, current;
    AcControl rms, peak;
    AcControl valueFrame; // Frame9
    AcControl sourceEntry, sourceList, sourceUnit;
    // cboIV lists the current units, then the voltage units.
    calc::Units sourceCurrentUnits, sourceVoltageUnits;
    AcControl frequencyFrame; // Frame13
    AcControl frequencyEntry, frequencyList;
    QString frequencyDefault;

    AcControl impedanceFrame; // Frame5
    AcControl impedanceButton, impedanceResult, impedanceList;
    calc::Units impedanceUnits;
    AcMoreTexts xl, xc;

    AcControl powerFactorFrame; // Frame12
    AcControl powerFactorButton, powerFactorResult, laggingResult;
    QString laggingWidest; // the longest text of lblLG, for its width

    AcControl powersFrame;              // Frame11
    std::array<AcPowerTexts, 3> powers; // active, reactive, apparent
    AcMoreTexts sourceCurrent, angle;

    AcControl elementFrame; // Frame10
    AcControl currentName, voltageName;
    AcControl currentResult, voltageResult, currentList, voltageList;
    calc::Units currentUnits, voltageUnits;

    AcControl resonanceFrame; // Frame15
    AcMoreTexts f0, q, w0;

    AcControl picture; // Image1
    QString pictureEmpty;
    QString pictureVoltage, pictureCurrent; // the source's name in the picture
    AcControl explanation;                  // Label4: its text is a resource path
    QString sketch;                         // the working's sketch, for screen readers

    // A double-click with the source value empty: the box, and why the
    // element's results are out of date after an edit empties it.
    QString emptySourceTitle, emptySourceText; // the text is a resource path
    QString emptySourceOutOfDate;

    AcControl resetMenu;
    std::array<AcControl, 4> resets; // capacitor, inductor, resistor, all

    // The copied text's names.
    QString reportHeading;
    QString reportSource, reportFrequency, reportImpedance, reportPowerFactor;
    QString reportPowerFactorOutOfDate;
    QString reportSeries, reportParallel, reportNoConnection;
    QString reportVoltage, reportCurrent, reportNoSource, reportPeak, reportRms;

    static const AcTexts& Get();
};

} // namespace vora::pages
