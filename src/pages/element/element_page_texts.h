// SPDX-License-Identifier: MIT
// Everything that differs between the resistor, capacitor and inductor pages
// in their layout: names, captions, tool-tips, unit names and colours.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>

namespace vora::pages {

struct NamedText {
    QString name; // objectName
    QString text; // caption, or a resource path for long texts
};

struct ElementPageTexts {
    QString window; // objectName of the window: frmDC, frmDCC, frmDCL
    QChar letter;   // letter of the element controls: txtR1 / txtC1
    QColor background;
    QString frame6;                       // the outer group box
    std::array<QString, 4> elementFrames; // Frame10, Frame7, Frame8, Frame9 captions
    QString elementTipFormat;             // "%1 Value" with the element's name
    QChar tipLetter;                      // letter in the tool-tips: R1 Value / C1 Value
    QChar messageLetter;                  // letter the messages use: R2 / C2 / L2
    std::array<QStringList, 4> elementUnits;
    QStringList totalUnits;
    QString frame1, frame2; // source group boxes
    QString optI;           // "Current" or "Charge"
    QString txtIVTip;
    QString lblIV; // "A" or "C"
    QString frame3;
    NamedText compute;             // cmdRT "Total Resistance" ...
    QString totalLabel, totalList; // lblRT / cboRT ...
    QString frame4;
    QString label1;                  // unit caption of the first pair: "A" or "C"
    NamedText thirdName, thirdValue; // lblP / lblPT ... (text unused)
    NamedText thirdHeading, thirdUnit;
    QList<NamedText> explanations;       // text holds the resource path
    std::array<NamedText, 4> resetItems; // mnuR1 "&Resistor One" ...
    QString quantityNoun;                // "Resistor", for accessible names
    QString emptySourceText;             // the "Ajaja" message of the double-clicks
    QString hint;                        // how to get an element's results

    static const ElementPageTexts& Resistor();
    static const ElementPageTexts& Capacitor();
    static const ElementPageTexts& Inductor();
};

} // namespace vora::pages
