// SPDX-License-Identifier: MIT
#include "three_phase_texts.h"

namespace vora::pages {

namespace {

// Problem sheets use "line impedance" for the line conductors; this page does not.
const QString kLineImpedanceTip = "The per-phase star equivalent VL / (√3 · IL), not the "
                                  "impedance of the line conductors";

// What both pages share.
ThreePhaseTexts Common() {
    ThreePhaseTexts t{};
    t.quantities = {"Label10", ":/texts/three_phase_quantities.txt"};
    t.star = {"optY", "Sources Connected In Star"};
    t.delta = {"optD", "Sources Connected In Delta"};
    t.clickToCompute = "Click to compute the ";
    t.clearEntries = {"actClearEntries", "Clear the Entries"};
    t.noConnection = "no connection chosen";
    t.chooseConnection = "Choose star or delta to compute it again.";
    return t;
}

} // namespace

const ThreePhaseTexts& ThreePhaseTexts::LineToPhase() {
    static const ThreePhaseTexts texts = [] {
        ThreePhaseTexts t = Common();
        t.connectionHeading = {"Label1", "Types of Three phase AC CircuitConnections"};
        t.deltaAbove = false;
        t.instruction = {"Label11",
                         " First Select the connection type to measure the phase sources , after "
                         "insert the value of line sources connected to the load!!!!!"};
        t.inputHeading = {"Label5", "Input Line Sources Inserted Here"};
        t.inputs = {{{{"Label2", "Line Current"}, "txtIT", {"Label6", "    A"}, "Line Current"},
                     {{"Label3", "Line Voltage"}, "txtVT", {"Label7", "    V"}, "Line Voltage"},
                     {{"Label4", "Line Impedance"},
                      "txtZT",
                      {"Label8", "Ohm"},
                      "Line Impedance",
                      kLineImpedanceTip}}};
        t.reversedEntryFocus = false;
        t.outputHeading = {"Label9", "Output Phase Sources Display Here"};
        t.outputs = {
            {{{"lblI2", "Phase Current"}, "lblI0", {"Label18", "   A"}, "Phase Current"},
             {{"lblV2", "Phase Voltage"}, "lblV0", {"Label19", "   V"}, "Phase Voltage"},
             {{"lblZ2", "Phase Impedance"}, "lblZ0", {"Label20", "Ohm"}, "Phase Impedance"},
             {{"lblS2", "Appqrent Power"}, "lblS0", {"Label21", "  VA"}, "Apparent Power"}}};
        t.convert = &calc::LineToPhase;
        return t;
    }();
    return texts;
}

const ThreePhaseTexts& ThreePhaseTexts::PhaseToLine() {
    static const ThreePhaseTexts texts = [] {
        ThreePhaseTexts t = Common();
        t.connectionHeading = {"Label1", "Types of Three Phase AC Circuit Connections"};
        t.deltaAbove = true;
        t.instruction = {"Label11",
                         " First Select the connection type to measure the phase sources , after "
                         "insert the value of phase sources connected to the load!!!!"};
        t.inputHeading = {"Label2", "Input Phase Sources Inserted Here"};
        t.inputs = {
            {{{"Label4", "Phase Current"}, "txtIT", {"Label9", "    A"}, "Phase Current"},
             {{"Label5", "Phase Voltage"}, "txtVT", {"Label8", "    V"}, "Phase Voltage"},
             {{"Label6", "Phase Impedance"}, "txtZT", {"Label7", "Ohm"}, "Phase Impedance"}}};
        t.reversedEntryFocus = true;
        t.outputHeading = {"Label3", "OutPut Line Sources Display Here"};
        t.outputs = {
            {{{"lblI2", "Line Current"}, "lblI0", {"Label15", "   A"}, "Line Current"},
             {{"lblV2", "Line Voltage"}, "lblV0", {"Label14", "   V"}, "Line Voltage"},
             {{"lblZ2", "Line Impedance"},
              "lblZ0",
              {"Label13", "Ohm"},
              "Line Impedance",
              kLineImpedanceTip},
             {{"lblS2", "Apparent Power"}, "lblS0", {"Label21", "  VA"}, "Apparent Power"}}};
        t.convert = &calc::PhaseToLine;
        return t;
    }();
    return texts;
}

} // namespace vora::pages
