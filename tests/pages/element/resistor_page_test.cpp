// SPDX-License-Identifier: MIT
// "Total Resistance" on the page: what the user sees, and what happens to the
// page when an entry cannot be used.
#include "pages/element/element_page.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

class ResistorPage : public ::testing::Test {
protected:
    void SetUp() override {
        page_.show();
        QApplication::setActiveWindow(&page_);
    }
    void Resistor(int k, const QString& value, const char* option, int unit = 0) {
        Type(page_, QString("txtR%1").arg(k), value);
        Click(page_, QString("optR%1%2").arg(k).arg(option));
        Child<widgets::UnitList>(page_, QString("cboR%1").arg(k))->setCurrentIndex(unit);
    }
    void TotalUnit(int position) {
        Child<widgets::UnitList>(page_, "cboRT")->setCurrentIndex(position);
    }

    testing::RecordingMessages messages_;
    frmDC page_{messages_};
};

TEST_F(ResistorPage, ShowsTheTotalInTheChosenUnit) {
    Resistor(1, "10", "s");
    Resistor(2, "20", "s");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "30");
    EXPECT_EQ(page_.vars().RT, 30);

    // Another unit shows the stored total in it at once, as the button would.
    TotalUnit(1);
    EXPECT_EQ(Text(page_, "lblRT"), "0.03");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "0.03");
    EXPECT_EQ(page_.vars().RT, 30);
    EXPECT_TRUE(messages_.shown.empty());
}

// A value typed after the network's end is named, never silently dropped:
// in the hint line while typing, and in the working of the total.
TEST_F(ResistorPage, ValuesLeftOutOfTheNetworkAreNamed) {
    const QString usual = Text(page_, "lblHint");
    Resistor(1, "10", "s");
    Type(page_, "txtR3", "47");
    EXPECT_EQ(Text(page_, "lblHint"),
              "R3 is left out of the network: choose Series or Parallel for R2 to connect it and "
              "what follows.");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "10");
    EXPECT_TRUE(
        page_.inputsAndResults().contains("Left out: R3 = 47, because R2 has no connection chosen"))
        << page_.inputsAndResults().toStdString();
    EXPECT_TRUE(messages_.shown.empty());
    Resistor(2, "20", "s");
    Resistor(3, "47", "s");
    EXPECT_EQ(Text(page_, "lblHint"), usual);
    EXPECT_EQ(Text(page_, "lblRT"), "77"); // the edits computed the total again
}

// Every chosen resistor counts, whatever its own choice; with none chosen
// the page says what to choose and changes nothing.
TEST_F(ResistorPage, EveryChosenResistorCountsAndNoneIsRefused) {
    Resistor(1, "10", "p");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "10");

    Resistor(2, "40", "p");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "8");
    Resistor(1, "10", "s");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "50");
    EXPECT_TRUE(messages_.shown.empty());

    const auto before = page_.vars();
    page_.mnuAll_Click();
    Click(page_, "cmdRT");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Cannot Compute");
    EXPECT_TRUE(messages_.shown[0].text.startsWith("Choose Series or Parallel for R1"));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "optR1s"));
    EXPECT_EQ(Text(page_, "lblRT"), "50");
    EXPECT_EQ(page_.vars(), before);
}

TEST_F(ResistorPage, LeavesOtherResultLabelsAlone) {
    Resistor(1, "10", "s");
    Child<QLabel>(page_, "lblPT")->setText("keep");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblPT"), "keep");
}

// An entry that holds no number gets one warning naming the field, the focus
// goes to the field, and every label, entry and stored value stays as it was.
TEST_F(ResistorPage, BadEntryChangesNothing) {
    Resistor(1, "10", "s");
    Resistor(2, "20", "s");
    Click(page_, "cmdRT");
    const auto before = page_.vars();

    const QString bad[] = {"", "   ", "12abc", "1,5", "--1", "1e999", QString(100000, '9')};
    for (const QString& text : bad) {
        SCOPED_TRACE(text.left(20).toStdString());
        messages_.clear();
        Resistor(2, text, "s");
        Resistor(3, "30", "s");
        Click(page_, "cmdRT");
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].icon, widgets::MessageBoxes::Icon::Warning);
        EXPECT_EQ(messages_.shown[0].title, "Invalid Entry");
        EXPECT_TRUE(messages_.shown[0].text.contains("\"R2 Value\""));
        EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "txtR2"));
        EXPECT_EQ(Text(page_, "lblRT"), "30");
        EXPECT_EQ(Text(page_, "txtR2"), text);
        EXPECT_EQ(page_.vars(), before);
    }
}

// A zero resistor in parallel shorts the group: a total of 0, a current
// source's whole current through it, and a clear refusal for a voltage source.
TEST_F(ResistorPage, ZeroParallelMemberIsAShort) {
    for (int k = 1; k <= 4; ++k)
        Resistor(k, k == 1 ? "0" : QString::number(10 * k), "p");
    Click(page_, "cmdRT");
    EXPECT_EQ(Text(page_, "lblRT"), "0");
    Click(page_, "optI");
    Type(page_, "txtIV", "0.75");
    page_.optR1p_DblClick();
    EXPECT_EQ(Text(page_, "lblIT"), "0.75");
    EXPECT_EQ(Text(page_, "lblVT"), "0");
    page_.optR3p_DblClick();
    EXPECT_EQ(Text(page_, "lblIT"), "0");
    EXPECT_TRUE(messages_.shown.empty());

    const auto before = page_.vars();
    Click(page_, "optV");
    Type(page_, "txtIV", "24");
    page_.optR3p_DblClick();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Cannot Compute");
    EXPECT_TRUE(messages_.shown[0].text.contains("R1 is 0 Ohm"));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "txtR1"));
    EXPECT_EQ(Text(page_, "lblI"), "Ir3");
    EXPECT_EQ(Text(page_, "lblIT"), "0");
    EXPECT_EQ(page_.vars(), before);
}

TEST_F(ResistorPage, NeverShowsNonFiniteTotals) {
    Resistor(1, "1e308", "s");
    Resistor(2, "1e308", "s");
    Click(page_, "cmdRT");
    EXPECT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(Text(page_, "lblRT"), "");
    EXPECT_EQ(page_.vars().RT, 0);
}

} // namespace
} // namespace vora::pages

namespace vora::pages {
namespace {

class ResistorDoubleClick : public ResistorPage {
protected:
    void SetUp() override {
        ResistorPage::SetUp();
        Resistor(1, "10", "s");
        Resistor(2, "10", "s");
        Click(page_, "cmdRT");
    }
    QWidget* option(const char* name) { return Child<QWidget>(page_, name); }
};

TEST_F(ResistorDoubleClick, FirstClickSelectsAndFocusesThenTheHandlerRunsOnce) {
    Click(page_, "optV");
    Type(page_, "txtIV", "10");
    Child<QAbstractButton>(page_, "optR2p")->click(); // R2 is Parallel now
    Click(page_, "cmdRT");                            // S P: still R1 + R2

    int runs = 0;
    QObject::connect(Child<widgets::OptionButton>(page_, "optR2s"),
                     &widgets::OptionButton::doubleClicked, [&] { ++runs; });
    testing::DoubleClick(option("optR2s"));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(Child<QAbstractButton>(page_, "optR2s")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "txtR2"));
    EXPECT_EQ(Text(page_, "lblI"), "Ir2");
    EXPECT_EQ(Text(page_, "lblIT"), "0.5");
    EXPECT_EQ(Text(page_, "lblVT"), "5");
    EXPECT_EQ(Text(page_, "lblP"), "Pr2");
    EXPECT_EQ(Text(page_, "lblPT"), "2.5");

    // A lone double-click event without its release, then a plain click.
    QTest::mouseDClick(option("optR1s"), Qt::LeftButton);
    QTest::mouseClick(option("optR1s"), Qt::LeftButton);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(Text(page_, "lblI"), "Ir2");
}

TEST_F(ResistorDoubleClick, EmptySourceIsAnnouncedOnceAndStrictReadsChangeNothing) {
    Click(page_, "optV");
    const auto before = page_.vars();
    page_.optR2s_DblClick();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].icon, widgets::MessageBoxes::Icon::Information);
    EXPECT_EQ(messages_.shown[0].title, "Ajaja");
    EXPECT_EQ(messages_.shown[0].text,
              "Hiittisoo safarun dura, madda caalmaa kuufamaa marsa eleekitiriikitti qabsiisi. "
              "Kanan booda caalmaa kuufamaa fi angoo tokko tokkoon hiittisowwanii irratti "
              "dhangala'uu fi baduu shallagi yookin safari!!!");
    EXPECT_EQ(page_.vars(), before);
    EXPECT_EQ(Text(page_, "lblIT"), "");

    // optR1s reads with ParseLeading: the empty source is 0 and it computes.
    messages_.clear();
    page_.optR1s_DblClick();
    EXPECT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(Text(page_, "lblIT"), "0");
    EXPECT_EQ(Text(page_, "lblI"), "Ir1");
}

TEST_F(ResistorDoubleClick, BadSourceGetsOneWarningAndKeepsTheLabels) {
    Click(page_, "optI");
    Type(page_, "txtIV", "2");
    page_.optR2s_DblClick();
    EXPECT_EQ(Text(page_, "lblPT"), "40");
    const auto before = page_.vars();

    Type(page_, "txtIV", "2 A");
    page_.optR2s_DblClick();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Invalid Entry");
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "txtIV"));
    EXPECT_EQ(Text(page_, "lblPT"), "40");
    EXPECT_EQ(Text(page_, "txtIV"), "2 A");
    EXPECT_EQ(page_.vars(), before);
}

// A double-click reads the resistors on the screen and shows their total,
// whether or not "Total Resistance" was clicked: here R1 changed from 10 to
// 100 after the last total.
TEST_F(ResistorDoubleClick, ReadsTheResistorsOnTheScreenAndShowsTheirTotal) {
    Click(page_, "optV");
    Type(page_, "txtIV", "11");
    Type(page_, "txtR1", "100");
    page_.optR1s_DblClick();
    EXPECT_EQ(Text(page_, "lblRT"), "110");
    EXPECT_EQ(Text(page_, "lblIT"), "0.1");
    EXPECT_EQ(Text(page_, "lblVT"), "10");
    EXPECT_EQ(page_.vars().R1, 100);
    EXPECT_EQ(page_.vars().I2, 0.1); // every resistor of the network is stored

    // On a fresh page no total is needed first.
    testing::RecordingMessages messages;
    frmDC fresh(messages);
    Type(fresh, "txtR1", "10");
    Click(fresh, "optR1s");
    Click(fresh, "optV");
    Type(fresh, "txtIV", "10");
    fresh.optR1s_DblClick();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(fresh, "lblRT"), "10");
    EXPECT_EQ(Text(fresh, "lblIT"), "1");

    // A resistor field that holds no number is named, and nothing changes.
    const auto before = page_.vars();
    Type(page_, "txtR2", "");
    page_.optR1s_DblClick();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("\"R2 Value\""));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "txtR2"));
    EXPECT_EQ(Text(page_, "lblRT"), "110");
    EXPECT_EQ(page_.vars(), before);
}

} // namespace
} // namespace vora::pages

namespace vora::pages {
namespace {

// The source in the unit beside it: 500 mV gives what 0.5 V gives, and each
// unit list is shown with its quantity's unit label only.
TEST_F(ResistorDoubleClick, SourceIsReadInTheUnitBesideIt) {
    Click(page_, "optV");
    EXPECT_TRUE(Child<QWidget>(page_, "cboVI")->isVisible());
    EXPECT_FALSE(Child<QWidget>(page_, "cboIV")->isVisible());
    Type(page_, "txtIV", "500");
    Child<widgets::UnitList>(page_, "cboVI")->setCurrentIndex(1); // mV
    page_.optR2s_DblClick();
    EXPECT_EQ(Text(page_, "lblIT"), "0.025");
    Click(page_, "optI");
    EXPECT_TRUE(Child<QWidget>(page_, "cboIV")->isVisible());
    EXPECT_FALSE(Child<QWidget>(page_, "cboVI")->isVisible());
    Child<widgets::UnitList>(page_, "cboIV")->setCurrentIndex(2); // µA
    page_.optR2s_DblClick();
    EXPECT_EQ(Text(page_, "lblVT"), "0.005");
    EXPECT_TRUE(messages_.shown.empty());
}

} // namespace
} // namespace vora::pages
