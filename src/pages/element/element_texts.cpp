// SPDX-License-Identifier: MIT
#include "element_texts.h"

#include "calc/element/element_kind.h"

namespace vora::pages {

const ElementTexts& ElementTexts::Resistor() {
    static const ElementTexts texts{
        .kind = &calc::ElementKind::Resistor(),
        .letter = 'R',
        .firstUnits = calc::kOhmsCapital,
        .frame6 = "Resistors connection and Its Value Given",
        .elementFrames = {"Resistor One", "Resistor Two", "Resistor Three", "Resistor Four"},
        .frame1 = "Input Current or Voltage Sources",
        .frame2 = "Current Or Voltage Sources",
        .optI = "Current",
        .txtIVTip = "\" Result\"",
        .frame3 = "Total Resistance of the circuit involved",
        .compute = {"cmdRT", "Total Resistance"},
        .totalLabel = "lblRT",
        .totalList = "cboRT",
        .frame4 = "Each load Current and Voltage Drops",
        .thirdName = "lblP",
        .thirdValue = "lblPT",
        .thirdQuantity = "Power",
        .thirdHeading = {"Label8", "THE POWER LOSS IN A RESISTOR >"},
        .thirdUnit = {"Label4", "WATT"},
        .explanations = {{"Label7", ":/texts/resistor_connections.txt"}},
        .resetItems = {{{"mnuR1", "&Resistor One"},
                        {"mnuR2", "&Resistor Two"},
                        {"mnuR3", "&Resistor Three"},
                        {"mnuR4", "Resistor Four"}}},
        .emptySource = ":/texts/empty_source_resistor.txt",
        .hint = "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                "current, voltage and power"};
    return texts;
}

const ElementTexts& ElementTexts::Capacitor() {
    static const ElementTexts texts{
        .kind = &calc::ElementKind::Capacitor(),
        .letter = 'C',
        .firstUnits = calc::kFarads,
        .frame6 = "Capacitors connection and Its Value Given",
        .elementFrames = {"Capacitor One", "Capacitor Two", "Capacitor Three", "Capacitor Four"},
        .frame1 = "Input Charge or Voltage Sources",
        .frame2 = "Charge Or Voltage Sources",
        .optI = "Charge",
        .txtIVTip = "\" Input\"",
        .frame3 = " Output Result",
        .compute = {"cmdCT", "Total Capacitance"},
        .totalLabel = "lblCT",
        .totalList = "cboCT",
        .frame4 = "Each load Charge and Voltage value",
        .thirdName = "lblU",
        .thirdValue = "lblUT",
        .thirdQuantity = "Energy",
        .thirdHeading = {"Label7", "Energy Stored In  A Capacitor"},
        .thirdUnit = {"Label6", "Joule"},
        .explanations = {{"Label4", ":/texts/capacitor_physics.txt"},
                         {"Label3", ":/texts/capacitor_device.txt"}},
        .resetItems = {{{"mnuC1", "&Capacitor One"},
                        {"mnuC2", "&Capacitor Two"},
                        {"mnuC3", "&Capacitor Three"},
                        {"mnuC4", "&Capacitor Four"}}},
        .emptySource = ":/texts/empty_source_capacitor.txt",
        .hint = "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                "charge, voltage and stored energy"};
    return texts;
}

// The inductor page keeps the resistor page's control names.
const ElementTexts& ElementTexts::Inductor() {
    static const ElementTexts texts{
        .kind = &calc::ElementKind::Inductor(),
        .letter = 'R',
        .firstUnits = calc::kHenries,
        .frame6 = "Inductors connection and Its  Coils ",
        .elementFrames = {"Inductor One", "Inductor Two", "Inductor Three", "Inductor Four"},
        .frame1 = "Input Current or Voltage Sources",
        .frame2 = "Current Or Voltage Sources",
        .optI = "Current",
        .txtIVTip = "\" Result\"",
        .frame3 = "Experiments Result ",
        .compute = {"cmdRT", "Total Inductance"},
        .totalLabel = "lblRT",
        .totalList = "cboRT",
        .frame4 = "Circuit Current and  Induced Voltage Across ",
        .thirdName = "lblL",
        .thirdValue = "lblLT",
        .thirdQuantity = "Energy",
        .thirdHeading = {"Label4", "ENERGY STORED IN AN INDUCTOR>>>"},
        .thirdUnit = {"Label5", "Joule"},
        .explanations = {{"Label3", ":/texts/inductor_series.txt"}},
        .resetItems = {{{"mnuR1", "&Inductor One"},
                        {"mnuR2", "&Inductor Two"},
                        {"mnuR3", "&Inductor Three"},
                        {"mnuR4", "&Inductor Four"}}},
        .emptySource = ":/texts/empty_source_supply.txt",
        .hint = "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                "current, voltage and stored energy"};
    return texts;
}

} // namespace vora::pages
