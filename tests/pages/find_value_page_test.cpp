// SPDX-License-Identifier: MIT
// "Find a Value" on the pages: the value found goes into its field in the
// unit beside it, the page computes with it and the working begins with the
// solving; a target out of reach gets one message and changes nothing.
#include "pages/ac/ac_page.h"
#include "pages/element/element_page.h"
#include "pages/solve_panel.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Click;
using testing::Text;
using testing::Type;

// Opens the panel and finds `field` from the target `name` = `value` `unit`.
void Find(QMainWindow& page, SolvePanel* panel, const char* name, const char* value,
          const QString& unit, const char* field) {
    ASSERT_NE(panel, nullptr);
    panel->open(name);
    auto* targets = page.findChild<QComboBox*>("cboTarget");
    ASSERT_EQ(targets->currentData().toString(), name);
    Type(page, "txtTarget", value);
    auto* units = page.findChild<QComboBox*>("cboTargetUnit");
    units->setCurrentIndex(units->findText(unit));
    auto* unknowns = page.findChild<QComboBox*>("cboUnknown");
    unknowns->setCurrentIndex(unknowns->findData(field));
    ASSERT_GE(unknowns->currentIndex(), 0) << field;
    Click(page, "cmdSolve");
}

TEST(FindValuePage, TheEnergyOfOneCapacitorGivesItsCapacitance) {
    testing::RecordingMessages messages;
    frmDCC page(messages);
    Type(page, "txtC1", "100");
    page.findChild<widgets::UnitList*>("cboC1")->setCurrentIndex(1); // µF
    Click(page, "optC1s");
    Click(page, "optV");
    Type(page, "txtIV", "9");
    Click(page, "cmdCT");
    Find(page, page.finding(), "UT", "5", "mJ", "txtC1");
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().text.toStdString();
    EXPECT_EQ(Text(page, "txtC1"), "123.456790123457");     // still in µF
    EXPECT_EQ(Text(page, "lblCT"), "0.000123456790123457"); // in F
    const QString working = page.findChild<widgets::WorkingPanel*>()->text();
    EXPECT_TRUE(working.startsWith("Given UT = 0.005 J, found C1 = 123.456790123457 \u00B5F."))
        << working.left(200).toStdString();
    EXPECT_TRUE(working.contains("Check: with C1 = 123.456790123457 \u00B5F, UT = 0.005"))
        << working.left(300).toStdString();
}

TEST(FindValuePage, APowerFactorOfOneGivesTheResonantCapacitor) {
    testing::RecordingMessages messages;
    FrmAC page(messages);
    Type(page, "txtR1", "10");
    Click(page, "optR1s");
    Type(page, "txtXL", "0.1");
    Click(page, "optXLs");
    Type(page, "txtXC", "47");
    page.findChild<widgets::UnitList*>("cboXC")->setCurrentIndex(1); // µF
    Click(page, "OPtXcs");
    Type(page, "txtF", "50");
    page.findChild<widgets::UnitList*>("cboF")->setCurrentIndex(0); // Hz
    Click(page, "cmdPF");
    Find(page, page.finding(), "PF", "1", "", "txtXC");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text.toStdString();
    // In the unit beside the field (µF): 1 / ((2π · 50)² · 0.1) F.
    EXPECT_EQ(Text(page, "txtXC").left(6), "101.32");
    EXPECT_EQ(Text(page, "lblPF"), "1");
}

TEST(FindValuePage, ATargetOutOfReachChangesNothing) {
    testing::RecordingMessages messages;
    frmDC page(messages);
    Type(page, "txtR1", "20");
    Click(page, "optR1p");
    Type(page, "txtR2", "5");
    Click(page, "optR2p");
    Click(page, "cmdRT");
    const auto stored = page.storedValues();
    Find(page, page.finding(), "RT", "25", "\u03A9", "txtR2");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("stays between"))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(Text(page, "txtR2"), "5");
    EXPECT_EQ(Text(page, "lblRT"), "4");
    EXPECT_EQ(page.storedValues(), stored);
    EXPECT_TRUE(page.findChild<QLineEdit*>("txtTarget")->hasFocus() ||
                QApplication::focusWidget() == nullptr);
}

} // namespace
} // namespace vora::pages
