// SPDX-License-Identifier: MIT
// The working area: the formula the page really used, the numbers it put in,
// and the result the labels show; never a change to the page itself.
#include "pages/ac/ac_page.h"
#include "pages/element/capacitor_page.h"
#include "pages/element/chain_page.h"
#include "pages/element/network_sketch_view.h"
#include "pages/three_phase/three_phase_pages.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

QString Working(const QWidget& page) {
    return Child<QPlainTextEdit>(page, "txtWorking")->toPlainText();
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

TEST(Working, ResistorTotalNamesTheRuleAndTheNetwork) {
    testing::RecordingMessages messages;
    frmDC page(messages);
    Network(page, 'R', "SPP-", {"10", "20", "30"});
    page.cmdRT_Click();
    EXPECT_EQ(Working(page), "Network: R1 + R2 ∥ R3\n"
                             "ParallelPart = 1 / (1 / R3 + 1 / R2) = 1 / (1 / 30 + 1 / 20) = 12\n"
                             "RT = ParallelPart + R1 = 12 + 10 = 22 Ohm");
    EXPECT_EQ(Text(page, "lblRT"), "22");
    EXPECT_EQ(calc::Describe(Child<NetworkSketchView>(page, "picNetwork")->sketch()),
              "R1 + R2 ∥ R3");

    // Shown in Kohm, the working ends with the conversion of the label.
    Child<widgets::UnitList>(page, "cboRT")->setCurrentIndex(1);
    page.cmdRT_Click();
    EXPECT_EQ(LastLine(page), "RT in Kohm = RT · 0.001 = 22 · 0.001 = 0.022 Kohm");
    EXPECT_EQ(Text(page, "lblRT"), "0.022");
}

TEST(Working, UncoveredPatternSaysThePreviousTotalIsShown) {
    testing::RecordingMessages messages;
    frmDC page(messages);
    Network(page, 'R', "SS--", {"10", "20"});
    page.cmdRT_Click();
    page.mnuAll_Click();
    Network(page, 'R', "PS--", {"10", "20"});
    page.cmdRT_Click();
    EXPECT_TRUE(Working(page).startsWith("No rule covers the pattern PS, so no total is computed; "
                                         "the previous total is shown."))
        << Working(page).toStdString();
    EXPECT_EQ(LastLine(page), "RT = 30 Ohm");
    EXPECT_TRUE(Child<NetworkSketchView>(page, "picNetwork")->sketch().empty());
}

TEST(Working, DoubleClickShowsTheBlockAndTheLabelsNumbers) {
    testing::RecordingMessages messages;
    frmDC page(messages);
    Network(page, 'R', "SS--", {"10", "10"});
    page.cmdRT_Click();
    Click(page, "optV");
    Type(page, "txtIV", "10");
    page.optR2s_DblClick();
    const QString w = Working(page);
    EXPECT_TRUE(
        w.startsWith("R2 Series, pattern S S, voltage source:\nR2 carries the whole current."))
        << w.toStdString();
    EXPECT_TRUE(w.contains("Isrc = Vsrc / RT = 10 / 20 = 0.5 A"));
    EXPECT_EQ(LastLine(page), "P2 = V2 · I2 = 5 · 0.5 = 2.5 W");
    EXPECT_EQ(Text(page, "lblPT"), "2.5");

    // A failed event leaves the working as it was.
    Type(page, "txtIV", "ten");
    page.optR2s_DblClick();
    EXPECT_EQ(Working(page), w);
}

TEST(Working, InductorAndCapacitorTotals) {
    testing::RecordingMessages messages;
    frmDCL inductors(messages);
    Network(inductors, 'R', "PPPS", {"10", "20", "30", "40"});
    inductors.cmdRT_Click();
    EXPECT_TRUE(Working(inductors).startsWith("Network: L1 ∥ L2 ∥ L3 + L4\n"));
    EXPECT_EQ(LastLine(inductors), "LT = ParallelPart + L4 = 5.45454545454545 + 40 = "
                                   "45.4545454545455 H");
    EXPECT_EQ(Text(inductors, "lblRT"), "45.4545454545455");

    frmDCC capacitors(messages);
    Network(capacitors, 'C', "SS--", {"2", "3"});
    for (const char* list : {"cboC1", "cboC2", "cboCT"})
        Child<widgets::UnitList>(capacitors, list)->setCurrentIndex(1);
    capacitors.cmdCT_Click();
    EXPECT_TRUE(Working(capacitors).startsWith("Network: C1 + C2\n"))
        << Working(capacitors).toStdString();
    EXPECT_TRUE(LastLine(capacitors).endsWith("= 1.2 µF")) << LastLine(capacitors).toStdString();
    EXPECT_EQ(Text(capacitors, "lblCT"), "1.2");
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
