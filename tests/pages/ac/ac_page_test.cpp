// SPDX-License-Identifier: MIT
// The AC page as the user drives it: inputs, units, messages, the sketch,
// what a click that cannot compute leaves behind, and that no result depends
// on the clicks before it.
#include "calc/ac/ac_vars.h"
#include "calc/number.h"
#include "pages/ac/ac_page.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/result_label.h"
#include "support/recording_messages.h"
#include "support/registered_page.h"
#include "support/widgets.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"
#include "widgets/working_view.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;
using Icon = widgets::MessageBoxes::Icon;

QString Working(const QWidget& page) {
    return Child<widgets::WorkingView>(page, "txtWorking")->text();
}

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
    std::unique_ptr<FrmAC> made_ = testing::Registered<FrmAC>(messages_);
    FrmAC& page_ = *made_;
};

TEST_F(AcPage, OpensWithFirstUnitsAndNothingChosen) {
    EXPECT_EQ(page_.objectName(), "FrmAC");
    EXPECT_EQ(page_.windowTitle(), "VORA");
    struct ListCase {
        const char* name;
        QStringList items;
    };
    const ListCase lists[] = {
        {"cboR", {"Ohm", "KOhm", "MOhm", "mOhm"}},
        {"cboXL", {"H", "mH", QStringLiteral("\u00B5H"), "nH"}},
        {"cboXC", {"F", QStringLiteral("\u00B5F"), "nF", "pF", "mF"}},
        {"cboZT", {"Ohm", "Kohm", "Mohm", "mOhm"}},
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

    EXPECT_TRUE(messages_.shown.empty());
    Click(page_, "cmdZT"); // nothing chosen: no circuit, and nothing changes
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].icon, Icon::Warning);
    EXPECT_TRUE(messages_.shown[0].text.startsWith("No element is connected"));
    EXPECT_EQ(Text(page_, "lblZT"), total);
    EXPECT_EQ(page_.vars(), stored);
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

    // Another unit shows the same impedance in it at once, as the button would.
    List("cboZT")->setCurrentIndex(1);
    EXPECT_NEAR(Text(page_, "lblZT").toDouble(), zs / 1000, 1e-12);
    Click(page_, "cmdZT");
    EXPECT_EQ(page_.vars().Impedance, zs);
    EXPECT_NEAR(Text(page_, "lblZT").toDouble(), zs / 1000, 1e-12);
    // An edit computes the impedance on screen again, at once.
    Element("txtR1", "300", "optR1s", 0);
    const double z300 = page_.vars().Impedance;
    EXPECT_NE(z300, zs);
    EXPECT_NEAR(Text(page_, "lblZT").toDouble(), z300 / 1000, 1e-12);
    Click(page_, "cmdPF");
    List("cboZT")->setCurrentIndex(2);
    EXPECT_NEAR(Text(page_, "lblZT").toDouble(), z300 / 1e6, 1e-15);

    // A typed unit means what it says, case and all; an unknown one is refused.
    List("cboZT")->setCurrentIndex(0);
    Click(page_, "optXLs");
    Click(page_, "OPtXcs");
    page_.MNUXc_Click();
    page_.mnuXL_Click();
    Element("txtR1", "2", "optR1s", 0);
    const std::pair<const char*, const char*> typed[] = {
        {"kΩ", "2000"},    {"k", "2000"},  {"KOhm", "2000"}, {"ohm", "2"},
        {"MΩ", "2000000"}, {"m", "0.002"}, {"mΩ", "0.002"}};
    for (const auto& [unit, shown] : typed) {
        List("cboR")->setEditText(unit);
        EXPECT_EQ(Text(page_, "lblZT"), shown) << unit; // followed the edit
        Click(page_, "cmdZT");
        EXPECT_EQ(Text(page_, "lblZT"), shown) << unit;
    }
    EXPECT_TRUE(messages_.shown.empty());
    for (const char* unknown : {"kilo-ohm", "G", "mH"}) {
        List("cboR")->setEditText(unknown);
        EXPECT_TRUE(IsOutOfDate(Child<QLabel>(page_, "lblZT"))) << unknown;
        const auto before = page_.vars();
        Click(page_, "cmdZT");
        ASSERT_EQ(messages_.shown.size(), 1u) << unknown;
        EXPECT_EQ(messages_.shown[0].title, "Invalid Unit");
        EXPECT_TRUE(messages_.shown[0].text.contains("\"Resistor Unit\"")) << unknown;
        EXPECT_EQ(page_.vars(), before);
        messages_.clear();
    }
    EXPECT_EQ(List("cboR")->count(), 4);
}

// R in series with an L ∥ C group at resonance: the group blocks every
// current, and the page says so once and changes nothing.
TEST_F(AcPage, InfiniteImpedanceIsAnnouncedAndChangesNothing) {
    Standard("s", "s", "s");
    Click(page_, "cmdZT");
    Element("txtR1", "100", "optR1s");
    Element("txtXL", kResonantL, "optXLp");
    Element("txtXC", "1", "OptXcp", 1);
    // The edit already found the impedance infinite: the total is dimmed.
    EXPECT_TRUE(IsOutOfDate(Child<QLabel>(page_, "lblZT")));
    const QString total = Text(page_, "lblZT");
    const auto stored = page_.vars();
    Click(page_, "cmdZT");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].icon, Icon::Information);
    EXPECT_EQ(messages_.shown[0].title, "Recommendation");
    EXPECT_EQ(messages_.shown[0].text, "Impedance Become Infinity");
    EXPECT_EQ(Text(page_, "lblZT"), total);
    EXPECT_EQ(page_.vars(), stored);
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

    // The power buttons read the source with its unit too.
    Click(page_, "cmdXC");
    EXPECT_EQ(page_.vars().TotalVoltage, 10000);
    EXPECT_EQ(Text(page_, "lblXC"),
              QString::fromStdString(calc::FormatNumber(page_.vars().ApparentPower)));
    EXPECT_NEAR(page_.vars().ApparentPower, 10000 * 10000 / page_.vars().Impedance, 1e-6);

    // The element's values in the units chosen beside them.
    List("cboI")->setCurrentIndex(1); // mA
    DoubleClick("optXLs");
    EXPECT_EQ(Text(page_, "lblI"), "Il");
    EXPECT_EQ(Text(page_, "lblIV"),
              QString::fromStdString(calc::FormatNumber(page_.vars().InductorCurrent * 1000)));
    List("cboI")->setCurrentIndex(2); // KA, at once
    EXPECT_EQ(Text(page_, "lblIV"),
              QString::fromStdString(calc::FormatNumber(page_.vars().InductorCurrent * 0.001)));
    List("cboV")->setCurrentIndex(1); // mV
    EXPECT_EQ(Text(page_, "lblVV"),
              QString::fromStdString(calc::FormatNumber(page_.vars().InductorVoltage * 1000)));
    EXPECT_TRUE(messages_.shown.empty());
}

// The sketch beside the working is the circuit the results come from, with its values.
TEST_F(AcPage, SketchShowsTheCircuitAsConnected) {
    Standard("s", "p", "p");
    Click(page_, "cmdZT");
    auto* sketch = Child<QWidget>(page_, "picNetwork");
    EXPECT_EQ(sketch->accessibleDescription(), "R + L ∥ C; R = 100 Ω; L = 1 H; C = 10 µF");
    EXPECT_TRUE(Working(page_).startsWith("Circuit: R + L ∥ C\nR = 100 Ohm"));
    Click(page_, "optR1p");
    Click(page_, "optXLs");
    Click(page_, "OptXcp");
    Click(page_, "cmdPF");
    EXPECT_EQ(sketch->accessibleDescription(), "L + R ∥ C; L = 1 H; R = 100 Ω; C = 10 µF");
    Click(page_, "optR1s");
    Click(page_, "optXLp");
    Click(page_, "OPtXcs");
    Click(page_, "cmdZT");
    EXPECT_EQ(sketch->accessibleDescription(), "(R + C) ∥ L; R = 100 Ω; C = 10 µF; L = 1 H");
    page_.MNUXc_Click(); // R series, L parallel alone: no circuit, the sketch is dimmed
    EXPECT_TRUE(IsOutOfDate(sketch));
    Click(page_, "cmdZT"); // and the click changes nothing
    EXPECT_TRUE(IsOutOfDate(sketch));
    EXPECT_EQ(Child<NetworkSketchView>(page_, "picNetwork")->sketch().parts.size(), 2u);
}

// Random inputs and clicks: after every computing click, a new page given the
// same inputs and only that click shows the same labels, working and messages.
TEST_F(AcPage, NoResultDependsOnEarlierClicks) {
    struct Event {
        void (FrmAC::*handler)();
        std::vector<const char*> labels; // what it writes
        const char* option = nullptr;    // the double-clicked option
    };
    const std::vector<Event> events{
        {&FrmAC::cmdZT_Click, {"lblZT"}},
        {&FrmAC::cmdPF_Click, {"lblPF", "lblLG"}},
        {&FrmAC::cmdRP_Click, {"lblP"}},
        {&FrmAC::cmdXL_Click, {"lblXL"}},
        {&FrmAC::cmdXC_Click, {"lblXC"}},
        {&FrmAC::optR1s_DblClick, {"lblI", "lblv", "lblIV", "lblVV"}, "optR1s"},
        {&FrmAC::optXLp_DblClick, {"lblI", "lblv", "lblIV", "lblVV"}, "optXLp"},
        {&FrmAC::OPtXcs_DblClick, {"lblI", "lblv", "lblIV", "lblVV"}, "OPtXcs"},
        {&FrmAC::OptXcp_DblClick, {"lblI", "lblv", "lblIV", "lblVV"}, "OptXcp"},
    };
    const QStringList entries{"txtR1", "txtXL", "txtXC", "txtIV"};
    const QStringList values{"100", "0.5", "47", "2.2", "1", "0", "230", "10", "abc", ""};
    const QStringList lists{"cboR", "cboXL", "cboXC", "cboIV", "cboZT", "cboI", "cboV"};
    const QStringList options{"optR1s", "optR1p", "optXLs", "optXLp",
                              "OPtXcs", "OptXcp", "optV",   "optI"};
    std::mt19937 random(17);
    const auto pick = [&](qsizetype n) {
        return static_cast<qsizetype>(std::uniform_int_distribution<qsizetype>(0, n - 1)(random));
    };
    int computed = 0;
    for (int step = 0; step < 600; ++step) {
        switch (pick(5)) {
        case 0:
            Type(page_, entries[pick(entries.size())], values[pick(values.size())]);
            continue;
        case 1: {
            auto* list = List(qPrintable(lists[pick(lists.size())]));
            list->setCurrentIndex(static_cast<int>(pick(list->count())));
            continue;
        }
        case 2:
            if (pick(8) == 0)
                page_.menuBar()->findChild<QMenu*>("mnuresate")->actions().at(pick(4))->trigger();
            else
                Click(page_, options[pick(options.size())]);
            continue;
        default:
            break;
        }
        const Event& e =
            events[static_cast<std::size_t>(pick(static_cast<qsizetype>(events.size())))];
        messages_.clear();
        if (e.option)
            DoubleClick(e.option);
        else
            std::invoke(e.handler, made_.get());
        const auto shown = messages_.shown;

        // A new page with the same inputs, and only this click.
        testing::RecordingMessages freshMessages;
        FrmAC fresh(freshMessages);
        for (const QString& entry : entries)
            Type(fresh, entry, Text(page_, entry));
        for (const QString& name : lists) {
            auto* from = List(qPrintable(name));
            auto* to = Child<widgets::UnitList>(fresh, name);
            if (from->position() < 0)
                to->setEditText(from->currentText());
            else
                to->setCurrentIndex(from->position());
        }
        for (const QString& name : options)
            Child<widgets::OptionButton>(fresh, name)
                ->setChecked(Child<widgets::OptionButton>(page_, name)->isChecked());
        (fresh.*e.handler)();

        SCOPED_TRACE(::testing::Message() << "step " << step);
        ASSERT_EQ(shown.size(), freshMessages.shown.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i].text, freshMessages.shown[i].text);
        if (!shown.empty()) continue;
        ++computed;
        for (const char* label : e.labels)
            EXPECT_EQ(Text(page_, label), Text(fresh, label)) << label;
        EXPECT_EQ(Working(page_), Working(fresh));
    }
    EXPECT_GT(computed, 40); // enough clicks got through to mean something
}

TEST_F(AcPage, PowerButtonsReportUnusableValuesAndChangeNothing) {
    Standard("p", "p", "p");
    Click(page_, "cmdZT");
    Source("optV", "20 V");
    Child<QLabel>(page_, "lblP")->setText("keep");
    const auto before = page_.vars();
    Click(page_, "cmdRP"); // "20 V" with the unit V: not a number
    ExpectOneWarning("Invalid Entry", "txtIV");
    EXPECT_TRUE(messages_.shown[0].text.contains("\"Current and Voltage Value\""));
    EXPECT_EQ(Text(page_, "lblP"), "keep");
    EXPECT_EQ(page_.vars(), before);

    // Two elements with different connections describe no circuit.
    FrmAC fresh(messages_);
    fresh.show();
    Type(fresh, "txtR1", "100");
    Click(fresh, "optR1s");
    Type(fresh, "txtXC", "10");
    Click(fresh, "OptXcp");
    messages_.clear();
    fresh.cmdPF_Click();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Cannot Compute");
    EXPECT_TRUE(messages_.shown[0].text.contains("Choose Series for both or Parallel for both"));
    EXPECT_EQ(Text(fresh, "lblPF"), "");
    EXPECT_EQ(Working(fresh), "");
    EXPECT_EQ(fresh.vars(), calc::AcVars{});
}

} // namespace
} // namespace vora::pages

namespace vora::pages {
namespace {

// The page opens at 314 rad/s with an rms source; a frequency that is not a
// positive number is refused once, naming the field, and changes nothing.
// The picture is the circuit the choices describe, with its source.
TEST_F(AcPage, SupplyFrequencyRmsOrPeakAndThePicture) {
    EXPECT_EQ(Text(page_, "txtF"), "314");
    EXPECT_EQ(List("cboF")->currentText(), "rad/s");
    EXPECT_TRUE(Child<widgets::OptionButton>(page_, "optRms")->isChecked());
    auto* picture = Child<NetworkSketchView>(page_, "Image1");
    EXPECT_TRUE(picture->sketch().empty());

    Standard("s", "s", "s");
    EXPECT_EQ(calc::Describe(picture->sketch()), "R + L + C");
    Click(page_, "OptXcp");
    EXPECT_EQ(calc::Describe(picture->sketch()), "(R + L) ∥ C");
    Click(page_, "cmdZT");
    const QString z = Text(page_, "lblZT");
    EXPECT_EQ(Text(page_, "lblReactL"), "314");
    EXPECT_FALSE(Text(page_, "lblF0").isEmpty());
    EXPECT_FALSE(Text(page_, "lblQF").isEmpty());

    for (const char* bad : {"0", "-50", "", "fifty"}) {
        messages_.clear();
        Type(page_, "txtF", bad);
        Click(page_, "cmdZT");
        ExpectOneWarning("Invalid Entry", "txtF");
        EXPECT_TRUE(messages_.shown[0].text.contains("\"Supply Frequency\"")) << bad;
        EXPECT_EQ(Text(page_, "lblZT"), z);
    }
    // 60 Hz: XL = 2π · 60 · 1 H.
    messages_.clear();
    Type(page_, "txtF", "60");
    List("cboF")->setCurrentIndex(0);
    Click(page_, "cmdZT");
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_NEAR(Text(page_, "lblReactL").toDouble(), 120 * 3.14159265358979, 1e-9);
}

} // namespace
} // namespace vora::pages
