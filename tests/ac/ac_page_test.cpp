// SPDX-License-Identifier: MIT
// The AC page as the user drives it: inputs, the order of clicks, the
// messages, and what a click that cannot compute leaves behind.
#include "calc/ac/ac_vars.h"
#include "calc/number.h"
#include "pages/ac/ac_page.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;
using Icon = widgets::MessageBoxes::Icon;

// L = 10.14239928597509 H and C = 1 µF have exactly equal reactances.
constexpr const char* kResonantL = "10.14239928597509";

class AcPage : public ::testing::Test {
protected:
    void SetUp() override {
        page_.show();
        QApplication::setActiveWindow(&page_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page_));
    }
    widgets::UnitList* List(const char* name) { return Child<widgets::UnitList>(page_, name); }
    void Element(const char* entry, const QString& value, const char* option, int unit = 0) {
        Type(page_, entry, value);
        Click(page_, option);
        List(entry == QString("txtR1")   ? "cboR"
             : entry == QString("txtXL") ? "cboXL"
                                         : "cboXC")
            ->setCurrentIndex(unit);
    }
    // R = 100 ohm, L = 1 H, C = 10 µF with the given options ("s"/"p").
    void Standard(const char* r, const char* l, const char* c) {
        Element("txtR1", "100", r[0] == 's' ? "optR1s" : "optR1p");
        Element("txtXL", "1", l[0] == 's' ? "optXLs" : "optXLp");
        Element("txtXC", "10", c[0] == 's' ? "OPtXcs" : "OptXcp", 1);
    }
    void Source(const char* option, const QString& value, int unit = -2) {
        Click(page_, option);
        Type(page_, "txtIV", value);
        if (unit != -2) List("cboIV")->setCurrentIndex(unit);
    }
    // What a mouse delivers: a click, then the double-click and its release.
    void DoubleClick(const char* option) {
        QWidget* w = Child<QWidget>(page_, option);
        const QPoint at(6, w->height() / 2);
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
        QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    void ExpectOneWarning(const QString& title, const char* focus) {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].icon, Icon::Warning);
        EXPECT_EQ(messages_.shown[0].title, title);
        EXPECT_EQ(Focus(), Child<QWidget>(page_, focus));
    }

    testing::RecordingMessages messages_;
    FrmAC page_{messages_};
};

TEST_F(AcPage, OpensWithFirstUnitsAndNothingChosen) {
    EXPECT_EQ(page_.objectName(), "FrmAC");
    EXPECT_EQ(page_.windowTitle(), "VORA");
    struct ListCase {
        const char* name;
        QStringList items;
    };
    const ListCase lists[] = {
        {"cboR", {"Ohm", "KOhm", "MOhm"}},
        {"cboXL", {"H", "mH", QStringLiteral("\u00B5H")}},
        {"cboXC", {"F", QStringLiteral("\u00B5F"), "nF"}},
        {"cboZT", {"Ohm", "Kohm", "Mohm"}},
        {"cboIV", {"A", "mA", "KA", "V", "mV", "KV"}},
        {"cboI", {"A", "mA", "KA"}},
        {"cboV", {"V", "mV", "KV"}},
    };
    for (const auto& list : lists) {
        auto* box = List(list.name);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isEditable());
        EXPECT_EQ(box->position(), 0);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items, list.items) << list.name;
    }
    for (const char* option :
         {"optR1s", "optR1p", "optXLs", "optXLp", "OPtXcs", "OptXcp", "optI", "optV"})
        EXPECT_FALSE(Child<widgets::OptionButton>(page_, option)->isChecked()) << option;
    for (const char* label : {"lblZT", "lblPF", "lblLG", "lblP", "lblXL", "lblXC", "lblI", "lblv",
                              "lblIV", "lblVV", "lblUnit"})
        EXPECT_EQ(Text(page_, label), "") << label;
    EXPECT_EQ(Text(page_, "Label1"), "  W");
    EXPECT_TRUE(Text(page_, "Label4")
                    .startsWith("Purely inductive and capacitive circuits have more academic "
                                "interest than practical "
                                "value."));
    EXPECT_NE(page_.findChild<QWidget*>("Image1"), nullptr);
}

TEST_F(AcPage, ResetMenuClearsOnlyTheElements) {
    auto* reset = page_.menuBar()->findChild<QMenu*>("mnuresate");
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->title(), "&Reset");
    QStringList names;
    for (QAction* a : reset->actions())
        names << a->objectName();
    EXPECT_EQ(names, (QStringList{"MNUXc", "mnuXL", "SubmnuR1", "mnuAll"}));
    EXPECT_EQ(reset->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));

    Standard("s", "p", "s");
    Source("optV", "10", 5);
    Click(page_, "cmdZT");
    const QString total = Text(page_, "lblZT");
    const auto stored = page_.vars();

    reset->actions().at(0)->trigger(); // the capacitor alone
    EXPECT_EQ(Text(page_, "txtXC"), "");
    EXPECT_FALSE(Child<widgets::OptionButton>(page_, "OPtXcs")->isChecked());
    EXPECT_TRUE(Child<widgets::OptionButton>(page_, "optXLp")->isChecked());

    QTest::keyClick(&page_, Qt::Key_N, Qt::ControlModifier);
    for (const char* entry : {"txtR1", "txtXL", "txtXC"})
        EXPECT_EQ(Text(page_, entry), "");
    for (const char* option : {"optR1s", "optXLp"})
        EXPECT_FALSE(Child<widgets::OptionButton>(page_, option)->isChecked());
    EXPECT_EQ(Text(page_, "txtIV"), "10");
    EXPECT_TRUE(Child<widgets::OptionButton>(page_, "optV")->isChecked());
    EXPECT_EQ(List("cboIV")->position(), 5);
    EXPECT_EQ(page_.vars(), stored);

    Click(page_, "cmdZT"); // nothing chosen: the stored impedance again
    EXPECT_EQ(Text(page_, "lblZT"), total);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(AcPage, OptionsMoveTheFocusAndTheSourceChoosesItsUnit) {
    const char* pairs[][2] = {{"optR1s", "txtR1"}, {"optR1p", "txtR1"}, {"optXLs", "txtXL"},
                              {"optXLp", "txtXL"}, {"OPtXcs", "txtXC"}, {"OptXcp", "txtXC"}};
    for (const auto& [option, entry] : pairs) {
        Click(page_, option);
        EXPECT_EQ(Focus(), Child<QWidget>(page_, entry)) << option;
    }
    List("cboIV")->setCurrentIndex(2);
    Click(page_, "optV");
    EXPECT_EQ(List("cboIV")->currentText(), "V");
    EXPECT_EQ(Focus(), Child<QWidget>(page_, "txtIV"));
    List("cboIV")->setCurrentIndex(5);
    Click(page_, "optI");
    EXPECT_EQ(List("cboIV")->currentText(), "A");
}

TEST_F(AcPage, TotalImpedanceReadsUnitsAndShowsTheChosenUnit) {
    Standard("s", "s", "s");
    Click(page_, "cmdZT");
    const double zs = page_.vars().Impedance;
    EXPECT_NEAR(zs, 100.1, 0.01);
    EXPECT_EQ(Text(page_, "lblZT"), QString::fromStdString(calc::FormatNumber(zs)));

    List("cboZT")->setCurrentIndex(1);
    Click(page_, "cmdZT");
    Click(page_, "cmdZT");
    EXPECT_EQ(page_.vars().Impedance, zs);
    EXPECT_NEAR(Text(page_, "lblZT").toDouble(), zs / 1000, 1e-12);

    // A typed unit leaves the number unscaled and reads its leading digits.
    List("cboZT")->setCurrentIndex(0);
    Click(page_, "optXLs");
    Click(page_, "OPtXcs");
    page_.MNUXc_Click();
    page_.mnuXL_Click();
    Element("txtR1", "3abc", "optR1s", 1);
    List("cboR")->setEditText("kilo-ohm");
    Click(page_, "cmdZT");
    EXPECT_EQ(Text(page_, "lblZT"), "3");
    EXPECT_EQ(List("cboR")->count(), 3);
}

TEST_F(AcPage, InfinityMessagesShowTheImpedanceOfTheirMoment) {
    Element("txtR1", "100", "optR1s");
    Element("txtXL", kResonantL, "optXLp");
    Element("txtXC", "1", "OptXcp", 1);
    QStringList labelWhileOpen;
    messages_.onShow = [&](const testing::ShownMessage&) {
        labelWhileOpen << Text(page_, "lblZT");
    };
    Click(page_, "cmdZT");
    ASSERT_EQ(messages_.shown.size(), 2u);
    for (const auto& m : messages_.shown) {
        EXPECT_EQ(m.icon, Icon::Information);
        EXPECT_EQ(m.title, "Recommendation");
        EXPECT_EQ(m.text, "Impedance Become Infinity");
    }
    const double xl = 10.14239928597509 * calc::AngularFrequency;
    EXPECT_EQ(labelWhileOpen, (QStringList{QString::fromStdString(calc::FormatNumber(xl)), "0"}));
    EXPECT_EQ(Text(page_, "lblZT"), "0");
    EXPECT_EQ(page_.vars().Impedance, 0);
}

// An entry that cannot be used: one warning naming it, the focus on it, and
// every label, entry and stored value as before the click.
TEST_F(AcPage, BadEntriesChangeNothing) {
    Standard("s", "s", "s");
    Click(page_, "cmdZT");
    const auto before = page_.vars();
    const QString total = Text(page_, "lblZT");

    struct Bad {
        const char* entry;
        const char* text;
        const char* title;
    };
    for (const Bad bad :
         {Bad{"txtR1", "abc", "Invalid Entry"}, Bad{"txtXC", "", "Invalid Entry"},
          Bad{"txtXC", "0", "Cannot Compute"}, Bad{"txtXL", "1E308", "Cannot Compute"}}) {
        SCOPED_TRACE(bad.entry + std::string(" ") + bad.text);
        Standard("s", "s", "s");
        Type(page_, bad.entry, bad.text);
        messages_.clear();
        Click(page_, "cmdZT");
        ExpectOneWarning(bad.title, bad.entry);
        EXPECT_EQ(Text(page_, "lblZT"), total);
        EXPECT_EQ(Text(page_, bad.entry), bad.text);
        EXPECT_EQ(page_.vars(), before);
    }
}

TEST_F(AcPage, DoubleClickWithoutSourceOnlyAnnounces) {
    Standard("s", "s", "s");
    Click(page_, "cmdZT");
    Source("optV", "");
    Child<QLabel>(page_, "lblIV")->setText("keep");
    const auto before = page_.vars();
    DoubleClick("optR1s");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].icon, Icon::Information);
    EXPECT_EQ(messages_.shown[0].title, "Ajaja");
    EXPECT_TRUE(messages_.shown[0].text.startsWith("At this time, it is necessary"));
    EXPECT_EQ(Text(page_, "lblIV"), "keep");
    EXPECT_EQ(Text(page_, "lblI"), "");
    EXPECT_EQ(page_.vars(), before);
    EXPECT_EQ(Focus(), Child<QWidget>(page_, "txtR1")); // the first click's step
}

TEST_F(AcPage, DoubleClickShowsTheElementFromTheScaledSource) {
    Standard("s", "s", "s");
    Click(page_, "cmdZT");
    Source("optV", "10", 3);
    DoubleClick("optR1s");
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(Text(page_, "lblI"), "Ir");
    EXPECT_EQ(Text(page_, "lblv"), "Vr");
    EXPECT_NEAR(Text(page_, "lblIV").toDouble(), 0.0999, 0.0001);
    EXPECT_NEAR(Text(page_, "lblVV").toDouble(), 9.99, 0.01);

    List("cboIV")->setCurrentIndex(5); // KV
    DoubleClick("OPtXcs");
    EXPECT_EQ(Text(page_, "lblI"), "Ic");
    EXPECT_EQ(page_.vars().TotalVoltage, 10000);
    EXPECT_NEAR(Text(page_, "lblIV").toDouble(), 10000 / page_.vars().Impedance, 1e-9);

    // The power buttons ignore the unit: 10 with KV is 10 there.
    Click(page_, "cmdRP");
    EXPECT_EQ(page_.vars().TotalVoltage, 10);
}

TEST_F(AcPage, ResultsDependOnTheOrderOfClicks) {
    Standard("p", "p", "p");
    Click(page_, "cmdZT");
    const double zp = page_.vars().Impedance;
    EXPECT_NEAR(zp, 99.99, 0.01);

    // Power Factor works from the stored circuit and the current source,
    // then replaces the impedance by the series one.
    Source("optI", "2");
    Type(page_, "txtR1", "200"); // not read until Total Impedance
    Click(page_, "cmdPF");
    EXPECT_EQ(page_.vars().TotalVoltage, zp * 2);
    EXPECT_EQ(page_.vars().Resistance, 100);
    EXPECT_EQ(Text(page_, "lblLG"), "Leading");
    const double zs = page_.vars().Impedance;
    EXPECT_NEAR(zs, 100.1, 0.01);
    Click(page_, "cmdPF");
    EXPECT_EQ(page_.vars().TotalVoltage, zs * 2);

    // A power label keeps its figure when a later click finds no block.
    Click(page_, "cmdXL"); // P P P: block 8
    const QString reactive = Text(page_, "lblXL");
    EXPECT_FALSE(reactive.isEmpty());
    Click(page_, "optR1s");
    Click(page_, "optXLs");
    const auto stored = page_.vars();
    Click(page_, "cmdXL"); // S S P: no block
    EXPECT_EQ(Text(page_, "lblXL"), reactive);
    EXPECT_EQ(page_.vars(), stored);
}

TEST_F(AcPage, PowerButtonsReportUnusableValuesAndChangeNothing) {
    Standard("p", "p", "p");
    Click(page_, "cmdZT");
    Source("optV", "20 V");
    Child<QLabel>(page_, "lblP")->setText("keep");
    const auto before = page_.vars();
    Click(page_, "cmdRP"); // block 7 reads the voltage strictly
    ExpectOneWarning("Invalid Entry", "txtIV");
    EXPECT_TRUE(messages_.shown[0].text.contains("\"Current and Voltage Value\""));
    EXPECT_EQ(Text(page_, "lblP"), "keep");
    EXPECT_EQ(page_.vars(), before);

    // A capacitor that was never read: Power Factor cannot find XC.
    FrmAC fresh(messages_);
    fresh.show();
    messages_.clear();
    fresh.cmdPF_Click();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Cannot Compute");
    EXPECT_TRUE(messages_.shown[0].text.contains("\"Total Impedance\""));
    EXPECT_EQ(Text(fresh, "lblPF"), "");
    EXPECT_EQ(fresh.vars(), calc::AcVars{});
}

} // namespace
} // namespace vora::pages
