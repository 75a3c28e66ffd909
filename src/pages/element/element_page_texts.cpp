// SPDX-License-Identifier: MIT
#include "element_page_texts.h"

namespace vora::pages {

namespace {

const QStringList kOhms{"Ohm", "Kohm", "Mohm"};
const QStringList kFarads{"F", QStringLiteral("\u00B5F"), "nF"};
const QStringList kHenries{"H", "mH", QStringLiteral("\u00B5H")};

} // namespace

const ElementPageTexts& ElementPageTexts::Resistor() {
    static const ElementPageTexts texts{
        "frmDC",
        'R',
        QColor(255, 255, 0),
        "Resistors connection and Its Value Given",
        {"Resistor One", "Resistor Two", "Resistor Three", "Resistor Four"},
        "\"%1 Value\"",
        'R',
        'R',
        {QStringList{"Ohm", "KOhm", "MOhm"}, kOhms, kOhms, kOhms},
        kOhms,
        "Input Current or Voltage Sources",
        "Current Or Voltage Sources",
        "Current",
        "\" Result\"",
        "A",
        "Total Resistance of the circuit involved",
        {"cmdRT", "Total Resistance"},
        "lblRT",
        "cboRT",
        "Each load Current and Voltage Drops",
        "A",
        {"lblP", {}},
        {"lblPT", {}},
        {"Label8", "THE POWER LOSS IN A RESISTOR >"},
        {"Label4", "WATT"},
        {{"Label7", ":/texts/resistor_connections.txt"}},
        {{{"mnuR1", "&Resistor One"},
          {"mnuR2", "&Resistor Two"},
          {"mnuR3", "&Resistor Three"},
          {"mnuR4", "Resistor Four"}}},
        "Resistor",
        "Hiittisoo safarun dura, madda caalmaa kuufamaa marsa eleekitiriikitti qabsiisi. Kanan "
        "booda caalmaa kuufamaa fi angoo tokko tokkoon hiittisowwanii irratti dhangala'uu fi baduu "
        "shallagi yookin safari!!!",
        "Double-click an element's Series or Parallel, or press Enter on it, to see its current, "
        "voltage and power"};
    return texts;
}

const ElementPageTexts& ElementPageTexts::Capacitor() {
    static const ElementPageTexts texts{
        "frmDCC",
        'C',
        QColor(0, 0, 255),
        "Capacitors connection and Its Value Given",
        {"Capacitor One", "Capacitor Two", "Capacitor Three", "Capacitor Four"},
        "\"%1 Value\"",
        'C',
        'C',
        {kFarads, kFarads, kFarads, kFarads},
        kFarads,
        "Input Charge or Voltage Sources",
        "Charge Or Voltage Sources",
        "Charge",
        "\" Input\"",
        "C",
        " Output Result",
        {"cmdCT", "Total Capacitance"},
        "lblCT",
        "cboCT",
        "Each load Charge and Voltage value",
        "C",
        {"lblU", {}},
        {"lblUT", {}},
        {"Label7", "Energy Stored In  A Capacitor"},
        {"Label6", "Joule"},
        {{"Label4", ":/texts/capacitor_physics.txt"}, {"Label3", ":/texts/capacitor_device.txt"}},
        {{{"mnuC1", "&Capacitor One"},
          {"mnuC2", "&Capacitor Two"},
          {"mnuC3", "&Capacitor Three"},
          {"mnuC4", "&Capacitor Four"}}},
        "Capacitor",
        "Kaapacitansii Safarun Dura; Madda Caalmaa Kuufamaa Marsa Eleekitiriikiitti Qabsiisi. "
        "Kanaan Booda Caalmaa Kuufamaa fi Annisaa Tokko Tokkoon Kaapacitaroota Irratti "
        "Dhangala'uu fi Kuufamu Shallagi Yookin Safari!!!",
        "Double-click an element's Series or Parallel, or press Enter on it, to see its charge, "
        "voltage and stored energy"};
    return texts;
}

const ElementPageTexts& ElementPageTexts::Inductor() {
    static const ElementPageTexts texts{
        "frmDCL",
        'R',
        QColor(0, 255, 255),
        "Inductors connection and Its  Coils ",
        {"Inductor One", "Inductor Two", "Inductor Three", "Inductor Four"},
        "\"%1 Value\"",
        'R',
        'L',
        {kHenries, kHenries, kHenries, kHenries},
        kHenries,
        "Input Current or Voltage Sources",
        "Current Or Voltage Sources",
        "Current",
        "\" Result\"",
        "A",
        "Experiments Result ",
        {"cmdRT", "Total Inductance"},
        "lblRT",
        "cboRT",
        "Circuit Current and  Induced Voltage Across ",
        "A",
        {"lblL", {}},
        {"lblLT", {}},
        {"Label4", "ENERGY STORED IN AN INDUCTOR>>>"},
        {"Label5", "Joule"},
        {{"Label3", ":/texts/inductor_series.txt"}},
        {{{"mnuR1", "&Inductor One"},
          {"mnuR2", "&Inductor Two"},
          {"mnuR3", "&Inductor Three"},
          {"mnuR4", "&Inductor Four"}}},
        "Inductor",
        "At this time, it is necessary to know either current or voltage sources is to be used to "
        "measure the voltage drops across the components with corresponding circuit current; "
        "before proceeding connect supply with the circuit.",
        "Double-click an element's Series or Parallel, or press Enter on it, to see its current, "
        "voltage and stored energy"};
    return texts;
}

} // namespace vora::pages
