// SPDX-License-Identifier: MIT
// What the resistor, capacitor and inductor pages show: names, captions,
// tool-tips and long texts, beside the element kind that decides what the
// page computes, its units and its symbols.
#pragma once

#include "calc/units.h"
#include "pages/control_text.h"

#include <QList>
#include <QString>
#include <array>

namespace vora::calc {
struct ElementKind;
}

namespace vora::pages {

struct ElementTexts {
    const calc::ElementKind* kind;
    QChar letter; // of the element controls and their tool-tips: txtR1, "R1 Value"
    // The first element's list, where it spells the units its own way.
    calc::Units firstUnits;
    QString frame6;                       // the outer group box
    std::array<QString, 4> elementFrames; // Frame10, Frame7, Frame8, Frame9 captions
    QString frame1, frame2;               // source group boxes
    QString optI;                         // "Current" or "Charge", also the flow's name
    QString txtIVTip;
    QString frame3;
    ControlText compute;           // cmdRT "Total Resistance" ...
    QString totalLabel, totalList; // lblRT / cboRT ...
    QString frame4;
    QString thirdName, thirdValue;         // lblP / lblPT ...
    QString thirdQuantity;                 // "Power", for the result's accessible name
    ControlText thirdHeading, thirdUnit;   // Label8 "THE POWER LOSS IN A RESISTOR >" ...
    QList<ControlText> explanations;       // text holds the resource path
    std::array<ControlText, 4> resetItems; // mnuR1 "&Resistor One" ...
    QString emptySource;                   // resource path of the double-clicks' "Ajaja" text
    QString hint;                          // how to get an element's results

    static const ElementTexts& Resistor();
    static const ElementTexts& Capacitor();
    static const ElementTexts& Inductor();
};

} // namespace vora::pages
