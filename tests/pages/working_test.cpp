// SPDX-License-Identifier: MIT
// The working area: the formula the page really used, the numbers it put in,
// and the result the labels show; never a change to the page itself.
#include "pages/ac/ac_page.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/element/element_page.h"
#include "pages/three_phase/three_phase_pages.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"
#include "widgets/working_view.h"

#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

QString Working(const QWidget& page) {
    return Child<widgets::WorkingView>(page, "txtWorking")->text();
}

QString LastLine(const QWidget& page) {
    return Working(page).split('\n').last();
}

void Network(QWidget& page, QChar letter, const char* choices, QStringList values) {
    for (int k = 1; k <= 4; ++k) {
        if (choices[k - 1] == '-') continue;
        Type(page, QString("txt%1%2").arg(letter).arg(k), values.value(k - 1));
        Click(page, QString("opt%1%2%3").arg(letter).arg(k).arg(choices[k - 1] == 'S' ? 's' : 'p'));
    }
}

TEST(Working, TotalShowsEachGroupWithItsFormulaAndTheNetwork) {
    testing::RecordingMessages messages;
    frmDC page(messages);
    Network(page, 'R', "SPP-", {"10", "20", "30"});
    page.cmdRT_Click();
    EXPECT_EQ(Working(page),
              "Network: R1 + R2 ∥ R3\n"
              "ParallelPart = R2 ∥ R3 = 1 / (1 / R2 + 1 / R3) = 1 / (1 / 20 + 1 / 30) "
              "= 12 Ohm\n"
              "RT = R1 + (R2 ∥ R3) = 10 + 12 = 22 Ohm");
    EXPECT_EQ(Text(page, "lblRT"), "22");
    EXPECT_EQ(calc::Describe(Child<NetworkSketchView>(page, "picNetwork")->sketch()),
              "R1 + R2 ∥ R3");

    // Shown in Kohm, the working ends with the conversion of the label.
    Child<widgets::UnitList>(page, "cboRT")->setCurrentIndex(1);
    page.cmdRT_Click();
    EXPECT_EQ(LastLine(page), "RT in Kohm = RT · 0.001 = 22 · 0.001 = 0.022 Kohm");
    EXPECT_EQ(Text(page, "lblRT"), "0.022");
}

// From the source down to the element: the total, the source current, the
// voltage across the parallel group, the element's own current; the numbers
// are the labels' numbers, and the sketch marks the element.
TEST(Working, DoubleClickFollowsThePathFromTheSourceToTheElement) {
    testing::RecordingMessages messages;
    frmDC page(messages);
    Network(page, 'R', "SPP-", {"12", "33", "47"});
    Click(page, "optV");
    Type(page, "txtIV", "24");
    page.optR2p_DblClick();
    const QStringList lines = Working(page).split('\n');
    const QStringList starts{
        "Network: R1 + R2 ∥ R3",    "ParallelPart = R2 ∥ R3 = 1 / (1 / R2 + 1 / R3) =",
        "RT = R1 + (R2 ∥ R3) =",    "Vsrc = 24 V",
        "Isrc = Vsrc / RT = 24 / ", "V(R2 ∥ R3) = Isrc · (R2 ∥ R3) =",
        "V2 = V(R2 ∥ R3) =",        "I2 = V2 / R2 = ",
        "P2 = V2 · I2 = "};
    ASSERT_EQ(lines.size(), starts.size()) << Working(page).toStdString();
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(starts[i])) << lines[i].toStdString();
    EXPECT_TRUE(lines[6].endsWith("= " + Text(page, "lblVT") + " V"));
    EXPECT_TRUE(lines[7].endsWith("= " + Text(page, "lblIT") + " A"));
    EXPECT_TRUE(lines[8].endsWith("= " + Text(page, "lblPT") + " W"));
    EXPECT_EQ(Child<NetworkSketchView>(page, "picNetwork")->highlight(), "R2");

    // A failed event leaves the working as it was (the edit before it
    // already showed what can still be computed: the total).
    Type(page, "txtIV", "ten");
    const QString before = Working(page);
    page.optR2p_DblClick();
    EXPECT_EQ(Working(page), before);
}

TEST(Working, InductorStatesItsPhysicsAndCapacitorsTheirOwnLaws) {
    testing::RecordingMessages messages;
    frmDCL inductors(messages);
    Network(inductors, 'R', "PPPS", {"10", "20", "30", "40"});
    inductors.cmdRT_Click();
    EXPECT_TRUE(Working(inductors).startsWith("Network: L1 ∥ L2 ∥ L3 + L4\n"));
    EXPECT_EQ(LastLine(inductors), "LT = (L1 ∥ L2 ∥ L3) + L4 = 5.45454545454545 + 40 = "
                                   "45.4545454545455 H");
    EXPECT_FALSE(Working(inductors).contains("flux linkage"));
    Click(inductors, "optI");
    Type(inductors, "txtIV", "2");
    inductors.optR4s_DblClick();
    EXPECT_TRUE(Working(inductors).contains("λsrc = LT · Isrc = "))
        << Working(inductors).toStdString();
    EXPECT_TRUE(Working(inductors).contains("V4 = L4·dI4/dt = 0 V: a steady current induces no "
                                            "voltage."));
    EXPECT_EQ(LastLine(inductors), "W4 = L4 · I4² / 2 = 40 · 2² / 2 = 80 J");
    // A voltage makes the currents rise; the energy has no one value.
    Click(inductors, "optV");
    inductors.optR4s_DblClick();
    EXPECT_TRUE(Working(inductors).contains("dIsrc/dt = Vsrc / LT = "))
        << Working(inductors).toStdString();
    EXPECT_TRUE(Working(inductors).contains(" A/s"));
    EXPECT_FALSE(Working(inductors).contains(" Wb"));
    EXPECT_TRUE(LastLine(inductors).startsWith("W4 grows with time: W = ½·L·i², with i = (V/L)·t"));

    frmDCC capacitors(messages);
    Network(capacitors, 'C', "SS--", {"2", "3"});
    for (const char* list : {"cboC1", "cboC2", "cboCT"})
        Child<widgets::UnitList>(capacitors, list)->setCurrentIndex(1);
    capacitors.cmdCT_Click();
    EXPECT_TRUE(Working(capacitors).startsWith("Network: ser(C1, C2)\nC1 = 2 · 1E-06 = 2E-06 F\n"))
        << Working(capacitors).toStdString();
    EXPECT_TRUE(Working(capacitors).contains("CT = 1 / (1 / C1 + 1 / C2) ="));
    EXPECT_TRUE(LastLine(capacitors).endsWith("= 1.2 µF")) << LastLine(capacitors).toStdString();
    EXPECT_EQ(Text(capacitors, "lblCT"), "1.2");
    Click(capacitors, "optV");
    Type(capacitors, "txtIV", "10");
    capacitors.optC2s_DblClick();
    EXPECT_TRUE(Working(capacitors).contains("SourceCharge = CT · SourceVoltage = "));
    EXPECT_TRUE(Working(capacitors).contains("V2 = Q2 / C2 = "));
    EXPECT_EQ(LastLine(capacitors), "U2 = C2 · V2² / 2 = 3E-06 · 4² / 2 = 2.4E-05 J");
}

TEST(Working, AcAndThreePhasePages) {
    testing::RecordingMessages messages;
    FrmAC ac(messages);
    Type(ac, "txtR1", "100");
    Click(ac, "optR1s");
    ac.cmdZT_Click();
    EXPECT_TRUE(LastLine(ac).endsWith("= 100 Ohm")) << LastLine(ac).toStdString();
    EXPECT_EQ(Text(ac, "lblZT"), "100");

    frmThreeLtop ltop(messages);
    Click(ltop, "optY");
    Type(ltop, "txtVT", "400");
    ltop.lblV2_Click();
    EXPECT_EQ(LastLine(ltop).toStdString(), "PhaseVoltage = LineVoltage / √(3) = 400 / √(3) = "
                                            "230.94010767585 V");
    EXPECT_EQ(Text(ltop, "lblV0"), "230.94010767585");
}

} // namespace
} // namespace vora::pages
