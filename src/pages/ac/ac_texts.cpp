// SPDX-License-Identifier: MIT
#include "ac_texts.h"

namespace vora::pages {

namespace {

AcElementTexts Element(const QString& element, const char* valueFrame, const char* entry,
                       const char* list, calc::Units units, const char* connectionFrame,
                       const char* series, const char* parallel) {
    return {
        .valueFrame = {valueFrame, element + " Value"},
        .entry = {entry, {}, element + " Value", element + " value, in the unit chosen beside it"},
        .list = {list, {}, element + " Unit"},
        .units = units,
        .connectionFrame = {connectionFrame, element + " Connection"},
        .series = {series, "Series", element + " Series"},
        .parallel = {parallel, "Parallel", element + " Parallel"},
        .report = element};
}

// A result two to a row, with its caption and unit caption named after it.
AcMoreTexts More(const QString& caption, const QString& name, const QString& accessible,
                 const QString& unit, const QString& reportUnit) {
    return {.caption = {name + "Name", caption},
            .result = {name, {}, accessible},
            .unit = {unit.isEmpty() ? QString() : name + "Unit", unit},
            .report = caption,
            .reportUnit = reportUnit};
}

} // namespace

const AcTexts& AcTexts::Get() {
    static const AcTexts texts{
        .elements = {{Element("Resistor", "Frame2", "txtR1", "cboR", calc::kOhmsCapital, "Frame1",
                              "optR1s", "optR1p"),
                      Element("Inductor", "Frame6", "txtXL", "cboXL", calc::kHenries, "Frame3",
                              "optXLs", "optXLp"),
                      Element("Capacitor", "Frame7", "txtXC", "cboXC", calc::kFarads, "Frame4",
                              "OPtXcs", "OptXcp")}},
        .hint = {"lblHint",
                 "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                 "current and voltage"},

        .sourceFrame = {"Frame8", "Current and Voltage Source"},
        .voltage = {"optV", "Voltage", "Voltage Source"},
        .current = {"optI", "Current", "Current Source"},
        .rms = {"optRms", "rms", "Source value is rms",
                "The source value is an rms value; every result is rms"},
        .peak = {"optPeak", "peak", "Source value is peak",
                 "The source value is a peak value (\u221A2 \u00D7 rms); every result is rms"},
        .valueFrame = {"Frame9", "Current and Voltage Value"},
        .sourceEntry = {"txtIV",
                        {},
                        "Source Value",
                        "Source current or voltage, in the unit chosen beside it"},
        .sourceList = {"cboIV", {}, "Source Unit"},
        .sourceUnit = {"lblUnit"},
        .sourceCurrentUnits = calc::kAmperes,
        .sourceVoltageUnits = calc::kVolts,
        .frequencyFrame = {"Frame13", "Supply Frequency"},
        .frequencyEntry = {"txtF",
                           {},
                           "Supply Frequency",
                           "Supply frequency, in the unit chosen beside it"},
        .frequencyList = {"cboF", {}, "Supply Frequency Unit"},
        .frequencyDefault = "314",

        .impedanceFrame = {"Frame5", "Total impedance"},
        .impedanceButton = {"cmdZT", "Total Impedance"},
        .impedanceResult = {"lblZT", {}, "Total Impedance result"},
        .impedanceList = {"cboZT", {}, "Total Impedance Unit"},
        .impedanceUnits = calc::kOhms,
        .xl = More("XL", "lblReactL", "Inductive Reactance result", {}, "Ohm"),
        .xc = More("XC", "lblReactC", "Capacitive Reactance result", "Ohm", "Ohm"),

        .powerFactorFrame = {"Frame12", "Power Factor"},
        .powerFactorButton = {"cmdPF", "Power Factor"},
        .powerFactorResult = {"lblPF", {}, "Power Factor result"},
        .laggingResult = {"lblLG", {}, "Lagging or Leading result"},
        .laggingWidest = "Lagging",

        .powersFrame = {"Frame11", "Power Delivered"},
        .powers =
            {{{{"cmdRP", "Active Power"}, {"lblP", {}, "Active Power result"}, {"Label1", "  W"}},
              {{"cmdXL", "Reactive Power"},
               {"lblXL", {}, "Reactive Power result"},
               {"Label2", "VAR"}},
              {{"cmdXC", "Apparent Power"},
               {"lblXC", {}, "Apparent Power result"},
               {"Label3", "VA"}}}},
        .sourceCurrent =
            {.caption = {"lblISName", "Source Current", {}, "The current into the circuit (rms)"},
             .result = {"lblIS", {}, "Source Current result"},
             .unit = {"lblISUnit", "A"},
             .report = "Source Current",
             .reportUnit = "A"},
        .angle = {.caption = {"lblIAName",
                              "Current Angle",
                              {},
                              "The angle of the source current against the source voltage: "
                              "negative when the current lags"},
                  .result = {"lblIA", {}, "Source Current Angle result"},
                  .unit = {"lblIAUnit", "\u00B0"},
                  .report = "Source Current Angle",
                  .reportUnit = "\u00B0"},

        .elementFrame = {"Frame10", "Corresponding circuit Current and Voltage Drops Across"},
        .currentName = {"lblI"},
        .voltageName = {"lblv"},
        .currentResult = {"lblIV", {}, "Element Current result"},
        .voltageResult = {"lblVV", {}, "Element Voltage result"},
        .currentList = {"cboI", {}, "Element Current Unit"},
        .voltageList = {"cboV", {}, "Element Voltage Unit"},
        .currentUnits = calc::kAmperes,
        .voltageUnits = calc::kVolts,

        .resonanceFrame = {"Frame15", "Resonance"},
        .f0 = More("f0", "lblF0", "Resonance Frequency result", "Hz", "Hz"),
        .q = More("Q", "lblQF", "Q Factor result", {}, {}),
        .w0 = More("\u03C90", "lblW0", "Resonance Angular Frequency result", "rad/s", "rad/s"),

        .picture = {"Image1", {}, "Circuit diagram"},
        .pictureEmpty = "Choose connections that describe a circuit to draw it here",
        .pictureVoltage = "V",
        .pictureCurrent = "I",
        .explanation = {"Label4", ":/texts/ac_real_circuits.txt"},
        .sketch = "Sketch of the circuit",

        .emptySourceText = ":/texts/empty_source_supply.txt",
        .emptySourceOutOfDate = "The source value is empty. Enter it to see the element's current "
                                "and voltage again.",

        .resetMenu = {"mnuresate", "&Reset"},
        .resets = {{{"MNUXc", "&Capacitor"},
                    {"mnuXL", "&Inductor"},
                    {"SubmnuR1", "&Resistor"},
                    {"mnuAll", "&New"}}},

        .reportHeading = "Single-phase AC circuit",
        .reportSource = "Source",
        .reportFrequency = "Supply Frequency",
        .reportImpedance = "Total Impedance",
        .reportPowerFactor = "Power Factor",
        .reportPowerFactorOutOfDate = "Power Factor = (out of date)",
        .reportSeries = "Series",
        .reportParallel = "Parallel",
        .reportNoConnection = "no connection",
        .reportVoltage = "Voltage",
        .reportCurrent = "Current",
        .reportNoSource = "none chosen",
        .reportPeak = ", peak",
        .reportRms = ", rms",
    };
    return texts;
}

} // namespace vora::pages
