// SPDX-License-Identifier: MIT
// The capacitor page as the user drives it: totals, double-clicks, the
// values carried between them, and what happens to bad input.
#include "pages/element/element_page.h"
#include "pages/result_label.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;
using Icon = widgets::MessageBoxes::Icon;

class CapacitorPage : public ::testing::Test {
protected:
    void SetUp() override {
        page_.show();
        QApplication::setActiveWindow(&page_);
    }
    // Value, option ("s" or "p") and unit position of capacitor k.
    void Capacitor(int k, const QString& value, const char* option, int unit = 0) {
        Type(page_, QString("txtC%1").arg(k), value);
        Click(page_, QString("optC%1%2").arg(k).arg(option));
        Child<widgets::UnitList>(page_, QString("cboC%1").arg(k))->setCurrentIndex(unit);
    }
    void TotalUnit(int position) {
        Child<widgets::UnitList>(page_, "cboCT")->setCurrentIndex(position);
    }
    void Source(const char* option, const QString& text) {
        Click(page_, option);
        Type(page_, "txtIV", text);
    }
    // A double-click from the keyboard: selects the option, then reports it.
    void DoubleClick(const char* option) {
        QTest::keyClick(Child<widgets::OptionButton>(page_, option), Qt::Key_Return);
    }
    QStringList Results() const {
        QStringList texts;
        for (const char* name : {"lblI", "lblIT", "lblv", "lblVT", "lblU", "lblUT"})
            texts << Text(page_, name);
        return texts;
    }
    // 2 µF and 3 µF in series, total in µF.
    void TwoInSeries() {
        Capacitor(1, "2", "s", 1);
        Capacitor(2, "3", "s", 1);
        TotalUnit(1);
        Click(page_, "cmdCT");
    }

    testing::RecordingMessages messages_;
    frmDCC page_{messages_};
};

TEST_F(CapacitorPage, ShowsEachCapacitorOfASeriesPairForEitherSource) {
    TwoInSeries();
    EXPECT_EQ(Text(page_, "lblCT"), "1.2");

    // Voltage: capacitor 1 is computed with the stored total, which stays.
    Source("optV", "10");
    DoubleClick("optC1s");
    EXPECT_EQ(Results(), (QStringList{"Qc1", "1.2E-05", "Vc1", "6", "Uc1", "3.6E-05"}));
    DoubleClick("optC2s");
    EXPECT_EQ(Results(), (QStringList{"Qc2", "1.2E-05", "Vc2", "4", "Uc2", "2.4E-05"}));
    EXPECT_DOUBLE_EQ(page_.vars().CT, 1.2e-6);

    Source("optI", "0.000012");
    DoubleClick("optC1s");
    EXPECT_EQ(Results(), (QStringList{"Qc1", "1.2E-05", "Vc1", "6", "Uc1", "3.6E-05"}));
    DoubleClick("optC2s");
    EXPECT_EQ(Results(), (QStringList{"Qc2", "1.2E-05", "Vc2", "4", "Uc2", "2.4E-05"}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(CapacitorPage, TotalLabelFollowsTheUnitListAndTheStoredTotal) {
    Capacitor(1, "10", "s", 1);
    Capacitor(2, "10", "s", 1);
    TotalUnit(1);
    Click(page_, "cmdCT");
    EXPECT_EQ(Text(page_, "lblCT"), "5");
    TotalUnit(0);
    EXPECT_EQ(Text(page_, "lblCT"), "5E-06");

    // "&New" leaves no choice: the total is out of date, and the click says
    // what to choose, changes nothing; the stored total still follows the unit.
    page_.mnuAll_Click();
    EXPECT_TRUE(IsOutOfDate(Child<QLabel>(page_, "lblCT")));
    TotalUnit(2);
    EXPECT_EQ(Text(page_, "lblCT"), "5000");
    EXPECT_TRUE(IsOutOfDate(Child<QLabel>(page_, "lblCT")));
    Click(page_, "cmdCT");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.startsWith("Choose Series or Parallel for C1"));
    EXPECT_EQ(Text(page_, "lblCT"), "5000");
    EXPECT_EQ(Text(page_, "lblIT"), "");
}

// Beside the exact results, the form a student writes: in the tool-tip, for
// screen readers, and in the copied text.
TEST_F(CapacitorPage, ResultsOfferTheEngineeringForm) {
    Capacitor(1, "10", "p", 1);
    TotalUnit(2);
    Click(page_, "cmdCT");
    Source("optV", "6.1875");
    DoubleClick("optC1p");
    EXPECT_EQ(Results(),
              (QStringList{"Qc1", "6.1875E-05", "Vc1", "6.1875", "Uc1", "0.00019142578125"}));
    const std::pair<const char*, const char*> readable[] = {
        {"lblCT", "10.00 µF"}, {"lblIT", "61.88 µC"}, {"lblVT", "6.188 V"}, {"lblUT", "191.4 µJ"}};
    for (const auto& [name, form] : readable) {
        const auto* label = Child<QLabel>(page_, name);
        EXPECT_EQ(label->toolTip(), QString(form)) << name;
        EXPECT_EQ(label->accessibleDescription(), QString(form)) << name;
    }
    const QString copied = page_.inputsAndResults();
    EXPECT_TRUE(copied.contains("Total Capacitance = 10000 nF (10.00 µF)")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Qc1 = 6.1875E-05 C (61.88 µC)")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Uc1 = 0.00019142578125 Joule (191.4 µJ)")) << copied.toStdString();
}

// A total too large for the chosen unit: one message, the list back at the
// unit the total is shown in, the label and the stored total as they were.
TEST_F(CapacitorPage, ATotalTooLargeForTheChosenUnitKeepsItsUnit) {
    Capacitor(1, "1E300", "p");
    Click(page_, "cmdCT");
    EXPECT_EQ(Text(page_, "lblCT"), "1E+300");
    TotalUnit(2); // nF: 1E+309
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Cannot Compute");
    EXPECT_EQ(Child<widgets::UnitList>(page_, "cboCT")->currentText(), "F");
    EXPECT_EQ(Text(page_, "lblCT"), "1E+300");
    EXPECT_EQ(page_.vars().CT, 1e300);
    TotalUnit(1);
    EXPECT_EQ(Text(page_, "lblCT"), "1E+306");
}

// A double-click reads the capacitors on the screen and computes their total
// with the results, whatever was clicked before.
TEST_F(CapacitorPage, ResultsDescribeTheCapacitorsOnTheScreen) {
    Capacitor(1, "2", "p");
    Capacitor(2, "3", "s");
    Capacitor(3, "6", "s");
    Capacitor(4, "4", "s");
    Click(page_, "cmdCT");
    EXPECT_EQ(Text(page_, "lblCT"), "3.33333333333333"); // 2 + ser(3, 6, 4)

    // C4 changed and no total clicked: 2 + ser(3, 6, 2) = 3 F with 12 C.
    Capacitor(4, "2", "s");
    Source("optI", "12");
    DoubleClick("optC1p");
    EXPECT_EQ(Text(page_, "lblCT"), "3");
    EXPECT_EQ(Results(), (QStringList{"Qc1", "8", "Vc1", "4", "Uc1", "16"}));
    DoubleClick("optC3s");
    EXPECT_EQ(Results(),
              (QStringList{"Qc3", "4", "Vc3", "0.666666666666667", "Uc3", "1.33333333333333"}));
    EXPECT_EQ(page_.vars().C4, 2);
    EXPECT_EQ(page_.vars().Q2, 4); // every capacitor of the network is stored
    EXPECT_EQ(page_.vars().SourceVoltage, 4);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(CapacitorPage, EveryOptionRunsItsOwnHandler) {
    for (int k = 1; k <= 4; ++k)
        Capacitor(k, QString::number(k), "p");
    Click(page_, "cmdCT");
    Source("optV", "10");
    for (int k = 1; k <= 4; ++k) {
        for (const char* option : {"s", "p"}) {
            const QString name = QString("optC%1%2").arg(k).arg(option);
            SCOPED_TRACE(name.toStdString());
            DoubleClick(qPrintable(name));
            EXPECT_TRUE(Child<widgets::OptionButton>(page_, name)->isChecked());
            EXPECT_EQ(Text(page_, "lblI"), QString("Qc%1").arg(k));
            EXPECT_EQ(Text(page_, "lblU"), QString("Uc%1").arg(k));
        }
    }
    EXPECT_TRUE(messages_.shown.empty());
    // The last one, P P P P on C4's Parallel: rule P, 4 F across 10 V.
    EXPECT_EQ(Results(), (QStringList{"Qc4", "40", "Vc4", "10", "Uc4", "200"}));
}

TEST_F(CapacitorPage, EmptySourceIsAnnouncedAndThenComputed) {
    TwoInSeries();
    Source("optV", "");
    DoubleClick("optC1s"); // leading conversion: the source is 0
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Ajaja");
    EXPECT_EQ(messages_.shown[0].icon, Icon::Information);
    EXPECT_TRUE(messages_.shown[0].text.startsWith("Kaapacitansii Safarun Dura;"));
    EXPECT_EQ(Results(), (QStringList{"Qc1", "0", "Vc1", "0", "Uc1", "0"}));

    // A strict handler cannot use an empty source: the announcement is the
    // only box, and nothing changes.
    messages_.clear();
    const auto before = page_.vars();
    DoubleClick("optC2s");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Ajaja");
    EXPECT_EQ(Results(), (QStringList{"Qc1", "0", "Vc1", "0", "Uc1", "0"}));
    EXPECT_EQ(page_.vars(), before);
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, "txtIV"));
}

TEST_F(CapacitorPage, BadInputChangesNothing) {
    TwoInSeries();
    Source("optV", "10");
    DoubleClick("optC2s");
    // An edit computes the results on screen again (or dims them); the click
    // after it must change nothing more.
    QStringList shown;
    QString total;
    calc::CapacitorVars before{};
    const auto snapshot = [&] {
        shown = Results();
        total = Text(page_, "lblCT");
        before = page_.vars();
    };
    auto expectOneWarning = [&](const char* title, const QString& mention, const char* focus) {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].icon, Icon::Warning);
        EXPECT_EQ(messages_.shown[0].title, title);
        EXPECT_TRUE(messages_.shown[0].text.contains(mention))
            << messages_.shown[0].text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(page_, focus));
        EXPECT_EQ(Text(page_, "lblCT"), total);
        EXPECT_EQ(Results(), shown);
        EXPECT_EQ(page_.vars(), before);
        messages_.clear();
    };

    // A capacitor that the total reads holds no number.
    Capacitor(2, "3 uF", "s", 1);
    snapshot();
    Click(page_, "cmdCT");
    expectOneWarning("Invalid Entry", "\"C2 Value\"", "txtC2");

    // A capacitor of 0 in series with a charge source: the chain is open.
    Capacitor(2, "0", "s", 1);
    Source("optI", "1");
    snapshot();
    DoubleClick("optC2s");
    expectOneWarning("Cannot Compute", "C2 is 0 F", "txtC2");

    // A strict handler with a source that is no number.
    Capacitor(2, "3", "s", 1);
    Source("optV", "ten");
    snapshot();
    DoubleClick("optC2s");
    expectOneWarning("Invalid Entry", "\"Source Value\"", "txtIV");

    // A result too large for a double.
    Source("optV", "1e300");
    snapshot();
    DoubleClick("optC2s");
    expectOneWarning("Cannot Compute", "too large", "txtC2");
}

TEST(CapacitorPageNew, DoubleClickOnAnEmptyPageAsksForTheCapacitor) {
    testing::RecordingMessages messages;
    frmDCC page(messages);
    page.show();
    Click(page, "optI");
    Type(page, "txtIV", "5");
    QTest::keyClick(Child<widgets::OptionButton>(page, "optC1s"), Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Invalid Entry");
    EXPECT_TRUE(messages.shown[0].text.contains("\"C1 Value\""));
    EXPECT_EQ(Text(page, "lblIT"), "");
    EXPECT_EQ(Text(page, "lblI"), "");
    EXPECT_EQ(page.vars(), calc::CapacitorVars{});
}

} // namespace
} // namespace vora::pages
