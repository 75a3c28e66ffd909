// SPDX-License-Identifier: MIT
#include "element_page_texts.h"

#include "pages/calculation_page.h"

namespace vora::pages {

namespace {

const QStringList kOhms = UnitNames(calc::kOhms);
const QStringList kFarads = UnitNames(calc::kFarads);
const QStringList kHenries = UnitNames(calc::kHenries);

} // namespace

const ElementPageTexts& ElementPageTexts::Resistor() {
    static const ElementPageTexts texts{
        .window = "frmDC",
        .letter = 'R',
        .background = QColor(255, 255, 0),
        .frame6 = "Resistors connection and Its Value Given",
        .elementFrames = {"Resistor One", "Resistor Two", "Resistor Three", "Resistor Four"},
        .elementTipFormat = "\"%1 Value\"",
        .tipLetter = 'R',
        .messageLetter = 'R',
        .elementUnits = {UnitNames(calc::kOhmsCapital), kOhms, kOhms, kOhms},
        .totalUnits = kOhms,
        .frame1 = "Input Current or Voltage Sources",
        .frame2 = "Current Or Voltage Sources",
        .optI = "Current",
        .txtIVTip = "\" Result\"",
        .lblIV = "A",
        .frame3 = "Total Resistance of the circuit involved",
        .compute = {"cmdRT", "Total Resistance"},
        .totalLabel = "lblRT",
        .totalList = "cboRT",
        .frame4 = "Each load Current and Voltage Drops",
        .label1 = "A",
        .thirdName = {"lblP", {}},
        .thirdValue = {"lblPT", {}},
        .thirdHeading = {"Label8", "THE POWER LOSS IN A RESISTOR >"},
        .thirdUnit = {"Label4", "WATT"},
        .explanations = {{"Label7", ":/texts/resistor_connections.txt"}},
        .resetItems = {{{"mnuR1", "&Resistor One"},
                        {"mnuR2", "&Resistor Two"},
                        {"mnuR3", "&Resistor Three"},
                        {"mnuR4", "Resistor Four"}}},
        .quantityNoun = "Resistor",
        .emptySourceText =
            "Hiittisoo safarun dura, madda caalmaa kuufamaa marsa eleekitiriikitti qabsiisi. Kanan "
            "booda caalmaa kuufamaa fi angoo tokko tokkoon hiittisowwanii irratti dhangala'uu fi "
            "baduu "
            "shallagi yookin safari!!!",
        .hint = "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                "current, "
                "voltage and power"};
    return texts;
}

const ElementPageTexts& ElementPageTexts::Capacitor() {
    static const ElementPageTexts texts{
        .window = "frmDCC",
        .letter = 'C',
        .background = QColor(0, 0, 255),
        .frame6 = "Capacitors connection and Its Value Given",
        .elementFrames = {"Capacitor One", "Capacitor Two", "Capacitor Three", "Capacitor Four"},
        .elementTipFormat = "\"%1 Value\"",
        .tipLetter = 'C',
        .messageLetter = 'C',
        .elementUnits = {kFarads, kFarads, kFarads, kFarads},
        .totalUnits = kFarads,
        .frame1 = "Input Charge or Voltage Sources",
        .frame2 = "Charge Or Voltage Sources",
        .optI = "Charge",
        .txtIVTip = "\" Input\"",
        .lblIV = "C",
        .frame3 = " Output Result",
        .compute = {"cmdCT", "Total Capacitance"},
        .totalLabel = "lblCT",
        .totalList = "cboCT",
        .frame4 = "Each load Charge and Voltage value",
        .label1 = "C",
        .thirdName = {"lblU", {}},
        .thirdValue = {"lblUT", {}},
        .thirdHeading = {"Label7", "Energy Stored In  A Capacitor"},
        .thirdUnit = {"Label6", "Joule"},
        .explanations = {{"Label4", ":/texts/capacitor_physics.txt"},
                         {"Label3", ":/texts/capacitor_device.txt"}},
        .resetItems = {{{"mnuC1", "&Capacitor One"},
                        {"mnuC2", "&Capacitor Two"},
                        {"mnuC3", "&Capacitor Three"},
                        {"mnuC4", "&Capacitor Four"}}},
        .quantityNoun = "Capacitor",
        .emptySourceText =
            "Kaapacitansii Safarun Dura; Madda Caalmaa Kuufamaa Marsa Eleekitiriikiitti Qabsiisi. "
            "Kanaan Booda Caalmaa Kuufamaa fi Annisaa Tokko Tokkoon Kaapacitaroota Irratti "
            "Dhangala'uu fi Kuufamu Shallagi Yookin Safari!!!",
        .hint = "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                "charge, "
                "voltage and stored energy"};
    return texts;
}

const ElementPageTexts& ElementPageTexts::Inductor() {
    static const ElementPageTexts texts{
        .window = "frmDCL",
        .letter = 'R',
        .background = QColor(0, 255, 255),
        .frame6 = "Inductors connection and Its  Coils ",
        .elementFrames = {"Inductor One", "Inductor Two", "Inductor Three", "Inductor Four"},
        .elementTipFormat = "\"%1 Value\"",
        .tipLetter = 'R',
        .messageLetter = 'L',
        .elementUnits = {kHenries, kHenries, kHenries, kHenries},
        .totalUnits = kHenries,
        .frame1 = "Input Current or Voltage Sources",
        .frame2 = "Current Or Voltage Sources",
        .optI = "Current",
        .txtIVTip = "\" Result\"",
        .lblIV = "A",
        .frame3 = "Experiments Result ",
        .compute = {"cmdRT", "Total Inductance"},
        .totalLabel = "lblRT",
        .totalList = "cboRT",
        .frame4 = "Circuit Current and  Induced Voltage Across ",
        .label1 = "A",
        .thirdName = {"lblL", {}},
        .thirdValue = {"lblLT", {}},
        .thirdHeading = {"Label4", "ENERGY STORED IN AN INDUCTOR>>>"},
        .thirdUnit = {"Label5", "Joule"},
        .explanations = {{"Label3", ":/texts/inductor_series.txt"}},
        .resetItems = {{{"mnuR1", "&Inductor One"},
                        {"mnuR2", "&Inductor Two"},
                        {"mnuR3", "&Inductor Three"},
                        {"mnuR4", "&Inductor Four"}}},
        .quantityNoun = "Inductor",
        .emptySourceText =
            "At this time, it is necessary to know either current or voltage sources is to be used "
            "to "
            "measure the voltage drops across the components with corresponding circuit current; "
            "before proceeding connect supply with the circuit.",
        .hint = "Double-click an element's Series or Parallel, or press Enter on it, to see its "
                "current, "
                "voltage and stored energy"};
    return texts;
}

} // namespace vora::pages
