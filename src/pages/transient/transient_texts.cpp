// SPDX-License-Identifier: MIT
#include "transient_texts.h"

namespace vora::pages {

const ControlText& TransientTexts::captionOf(calc::TransientResult result,
                                                  calc::transient::Circuit circuit) const {
    if (result == calc::TransientResult::StorageVoltage && circuit == calc::transient::Circuit::RL)
        return inductorVoltage;
    return results[static_cast<std::size_t>(result)].caption;
}

const TransientTexts& TransientTexts::Get() {
    static const TransientTexts texts{
        .circuitFrame = {"fraCircuit", "Circuit"},
        .rc = {{"optRC", "Resistor And Capacitor (RC)"}, "Resistor and capacitor circuit"},
        .rl = {{"optRL", "Resistor And Inductor (RL)"}, "Resistor and inductor circuit"},
        .stepFrame = {"fraStep", "Step At t = 0"},
        .charge = {{"optCharge", "Charging From 0 To V"}, "Charging from zero to the source"},
        .discharge = {{"optDischarge", "Discharging From V To 0"},
                      "Discharging from the source value to zero"},
        .valuesFrame = {"fraValues", "Values"},
        .r = {{"capR", "Resistance R"},
              "txtR",
              "cboR",
              "Resistance",
              "The resistor in series with the capacitor or the inductor",
              calc::kOhms},
        .c = {{"capC", "Capacitance C"},
              "txtC",
              "cboC",
              "Capacitance",
              "The capacitor, empty before charging",
              calc::kFarads},
        .l = {{"capL", "Inductance L"},
              "txtL",
              "cboL",
              "Inductance",
              "The inductor, carrying no current before charging",
              calc::kHenries},
        .v = {{"capV", "Voltage V"},
              "txtV",
              "cboV",
              "Voltage",
              "The source switched on while charging; the start value while discharging",
              calc::kSourceVolts},
        .t = {{"capT", "Time t"},
              "txtT",
              "cboT",
              "Time",
              "The time since the switching, 0 or more",
              calc::kSeconds},
        .compute = {"cmdCompute", "Compute"},
        .resultsFrame = {"fraResults", "Results At The Time t"},
        .results = {{
            {{"capTau", "Time Constant τ"}, "lblTau", "unitTau", "Time constant", ""},
            {{"capStorageV", "Capacitor Voltage vC"},
             "lblStorageV",
             "unitStorageV",
             "Storage voltage",
             calc::symbols::kVolt},
            {{"capI", "Current i"}, "lblI", "unitI", "Current", calc::symbols::kAmpere},
            {{"capVR", "Resistor Voltage vR"},
             "lblVR",
             "unitVR",
             "Resistor voltage",
             calc::symbols::kVolt},
            {{"capW", "Stored Energy W"}, "lblW", "unitW", "Stored energy", calc::symbols::kJoule},
            {{"capFraction", "Change Completed"},
             "lblFraction",
             "unitFraction",
             "Change completed",
             "%"},
        }},
        .inductorVoltage = {"capStorageV", "Inductor Voltage vL"},
        .curveTitle = "v(t) and i(t)",
        .curvePlaceholder = "The curves of the voltage and the current appear here when they "
                            "are computed",
    };
    return texts;
}

} // namespace vora::pages
