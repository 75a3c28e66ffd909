// SPDX-License-Identifier: MIT
#include "three_phase_page_texts.h"

namespace vora::pages {

namespace {

// Problem sheets use "line impedance" for the line conductors; this page does not.
const QString kLineImpedanceTip = "The per-phase star equivalent VL / (√3 · IL), not the "
                                  "impedance of the line conductors";

} // namespace

const ThreePhasePageTexts& ThreePhasePageTexts::LineToPhase() {
    static const ThreePhasePageTexts texts{
        .connectionHeading = {"Label1", "Types of Three phase AC CircuitConnections"},
        .deltaAbove = false,
        .instruction = {"Label11",
                        " First Select the connection type to measure the phase sources , after "
                        "insert the value of line sources connected to the load!!!!!"},
        .inputHeading = {"Label5", "Input Line Sources Inserted Here"},
        .inputs = {{{{"Label2", "Line Current"}, {"Label6", "    A"}, "Line Current"},
                    {{"Label3", "Line Voltage"}, {"Label7", "    V"}, "Line Voltage"},
                    {{"Label4", "Line Impedance"},
                     {"Label8", "Ohm"},
                     "Line Impedance",
                     kLineImpedanceTip}}},
        .reversedEntryFocus = false,
        .outputHeading = {"Label9", "Output Phase Sources Display Here"},
        .outputs = {{{{"lblI2", "Phase Current"}, {"Label18", "   A"}, "Phase Current"},
                     {{"lblV2", "Phase Voltage"}, {"Label19", "   V"}, "Phase Voltage"},
                     {{"lblZ2", "Phase Impedance"}, {"Label20", "Ohm"}, "Phase Impedance"},
                     {{"lblS2", "Appqrent Power"}, {"Label21", "  VA"}, "Apparent Power"}}},
        .convert = &calc::LineToPhase};
    return texts;
}

const ThreePhasePageTexts& ThreePhasePageTexts::PhaseToLine() {
    static const ThreePhasePageTexts texts{
        .connectionHeading = {"Label1", "Types of Three Phase AC Circuit Connections"},
        .deltaAbove = true,
        .instruction = {"Label11",
                        " First Select the connection type to measure the phase sources , after "
                        "insert the value of phase sources connected to the load!!!!"},
        .inputHeading = {"Label2", "Input Phase Sources Inserted Here"},
        .inputs = {{{{"Label4", "Phase Current"}, {"Label9", "    A"}, "Phase Current"},
                    {{"Label5", "Phase Voltage"}, {"Label8", "    V"}, "Phase Voltage"},
                    {{"Label6", "Phase Impedance"}, {"Label7", "Ohm"}, "Phase Impedance"}}},
        .reversedEntryFocus = true,
        .outputHeading = {"Label3", "OutPut Line Sources Display Here"},
        .outputs = {{{{"lblI2", "Line Current"}, {"Label15", "   A"}, "Line Current"},
                     {{"lblV2", "Line Voltage"}, {"Label14", "   V"}, "Line Voltage"},
                     {{"lblZ2", "Line Impedance"},
                      {"Label13", "Ohm"},
                      "Line Impedance",
                      kLineImpedanceTip},
                     {{"lblS2", "Apparent Power"}, {"Label21", "  VA"}, "Apparent Power"}}},
        .convert = &calc::PhaseToLine};
    return texts;
}

} // namespace vora::pages
