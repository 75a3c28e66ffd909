// SPDX-License-Identifier: MIT
// The layout and small behaviours that the resistor, capacitor and inductor
// pages share: one table per page, the same checks for all three.
#include "pages/element/element_page.h"
#include "support/recording_messages.h"
#include "support/registered_page.h"
#include "support/widgets.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::DoubleClick;
using testing::Text;
using testing::Type;

struct PageCase {
    const char* name;
    std::function<std::unique_ptr<QMainWindow>(widgets::MessageBoxes&)> make;
    QChar letter;
    QColor background;
    QStringList captions; // objectName=caption pairs, joined with '='
    QStringList tips;     // objectName=tool-tip
    QStringList firstUnits, otherUnits, totalUnits;
    QStringList resetItems; // objectName=caption
};

const QString kMicro = QStringLiteral("\u00B5");

const std::vector<PageCase>& Pages();

class ElementPage : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        page_ = Pages()[static_cast<std::size_t>(GetParam())].make(messages_);
        page_->show();
        QApplication::setActiveWindow(page_.get());
    }
    const PageCase& c() const { return Pages()[static_cast<std::size_t>(GetParam())]; }
    QString n(const char* pattern, int k) const { return QString(pattern).arg(c().letter).arg(k); }

    testing::RecordingMessages messages_;
    std::unique_ptr<QMainWindow> page_;
};

TEST_P(ElementPage, HasEveryControlWithItsCaptionAndToolTip) {
    EXPECT_EQ(page_->windowTitle(), "VORA");
    EXPECT_EQ(page_->palette().color(QPalette::Window), c().background);
    for (const QString& pair : c().captions) {
        const QString name = pair.section('=', 0, 0);
        const QString caption = pair.section('=', 1);
        if (auto* box = page_->findChild<QGroupBox*>(name))
            EXPECT_EQ(box->title(), caption) << name.toStdString();
        else
            EXPECT_EQ(Text(*page_, name), caption) << name.toStdString();
    }
    for (const QString& pair : c().tips) {
        auto* w = Child<QWidget>(*page_, pair.section('=', 0, 0));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip(), pair.section('=', 1));
    }
    EXPECT_EQ(Child<QWidget>(*page_, n("txt%1%2", 1))->toolTip().size(), 10);
    for (const char* name : {"lblI", "lblIT", "lblv", "lblVT"})
        EXPECT_EQ(Text(*page_, name), "") << name;
}

TEST_P(ElementPage, LoadStepFillsTheFiveUnitListsAndSelectsTheFirstUnit) {
    auto items = [](widgets::UnitList* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    };
    for (int k = 1; k <= 4; ++k) {
        auto* list = Child<widgets::UnitList>(*page_, n("cbo%1%2", k));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(items(list), k == 1 ? c().firstUnits : c().otherUnits);
        EXPECT_EQ(list->position(), 0);
    }
    auto* total = Child<widgets::UnitList>(*page_, c().letter == 'C' ? "cboCT" : "cboRT");
    EXPECT_EQ(items(total), c().totalUnits);
    EXPECT_EQ(total->position(), 0);
}

TEST_P(ElementPage, UnitListWithTypedTextHasNoPosition) {
    auto* list = Child<widgets::UnitList>(*page_, n("cbo%1%2", 2));
    list->setEditText("furlong");
    EXPECT_EQ(list->position(), -1);
    list->setEditText(c().otherUnits[2]);
    EXPECT_EQ(list->position(), 2);
    list->setCurrentIndex(1);
    EXPECT_EQ(list->position(), 1);
    EXPECT_EQ(list->count(), c().otherUnits.size());
}

TEST_P(ElementPage, ConnectionOptionsAreExclusivePerElementAndFocusTheEntry) {
    Click(*page_, n("opt%1%2s", 3));
    Click(*page_, n("opt%1%2p", 3));
    EXPECT_TRUE(Child<QAbstractButton>(*page_, n("opt%1%2p", 3))->isChecked());
    EXPECT_FALSE(Child<QAbstractButton>(*page_, n("opt%1%2s", 3))->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(*page_, n("txt%1%2", 3)));
    Click(*page_, n("opt%1%2s", 2));
    EXPECT_TRUE(Child<QAbstractButton>(*page_, n("opt%1%2p", 3))->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(*page_, n("txt%1%2", 2)));
}

TEST_P(ElementPage, SourceChoiceShowsOnlyItsUnitAndFocusesTheSourceField) {
    auto* lblIV = Child<QLabel>(*page_, "lblIV");
    auto* lblVI = Child<QLabel>(*page_, "lblVI");
    EXPECT_TRUE(lblIV->isVisible());
    EXPECT_TRUE(lblVI->isVisible());
    Click(*page_, "optI");
    EXPECT_TRUE(lblIV->isVisible());
    EXPECT_FALSE(lblVI->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(*page_, "txtIV"));
    Click(*page_, "optV");
    EXPECT_FALSE(lblIV->isVisible());
    EXPECT_TRUE(lblVI->isVisible());
    Click(*page_, "optI");
    EXPECT_TRUE(lblIV->isVisible());
}

TEST_P(ElementPage, ResetItemsClearExactlyTheirElement) {
    auto* menu = Child<QMenu>(*page_, "mnuresate");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Reset");
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->objectName() + "=" + a->text();
    EXPECT_EQ(captions, c().resetItems + QStringList{"mnuAll=&New"});
    EXPECT_EQ(Child<QAction>(*page_, "mnuAll")->shortcut(), QKeySequence("Ctrl+N"));

    for (int k = 1; k <= 4; ++k) {
        Type(*page_, n("txt%1%2", k), "5");
        Click(*page_, n("opt%1%2p", k));
    }
    Click(*page_, "optV");
    Type(*page_, "txtIV", "12");
    Child<widgets::UnitList>(*page_, n("cbo%1%2", 2))->setCurrentIndex(2);

    Child<QAction>(*page_, c().resetItems[1].section('=', 0, 0))->trigger();
    EXPECT_EQ(Text(*page_, n("txt%1%2", 2)), "");
    EXPECT_FALSE(Child<QAbstractButton>(*page_, n("opt%1%2p", 2))->isChecked());
    EXPECT_EQ(Text(*page_, n("txt%1%2", 4)), "5");
    EXPECT_TRUE(Child<QAbstractButton>(*page_, n("opt%1%2p", 4))->isChecked());
    EXPECT_EQ(Child<widgets::UnitList>(*page_, n("cbo%1%2", 2))->position(), 2);

    Child<QAction>(*page_, c().resetItems[3].section('=', 0, 0))->trigger();
    EXPECT_EQ(Text(*page_, n("txt%1%2", 4)), "");

    Child<QAction>(*page_, "mnuAll")->trigger();
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Text(*page_, n("txt%1%2", k)), "");
        EXPECT_FALSE(Child<QAbstractButton>(*page_, n("opt%1%2s", k))->isChecked());
        EXPECT_FALSE(Child<QAbstractButton>(*page_, n("opt%1%2p", k))->isChecked());
    }
    EXPECT_TRUE(Child<QAbstractButton>(*page_, "optV")->isChecked());
    EXPECT_EQ(Text(*page_, "txtIV"), "12");

    // A cleared element can be chosen again afterwards.
    Click(*page_, n("opt%1%2s", 1));
    EXPECT_TRUE(Child<QAbstractButton>(*page_, n("opt%1%2s", 1))->isChecked());
}

QStringList Ohms() {
    return {"Ohm", "Kohm", "Mohm", "mOhm"};
}

const std::vector<PageCase>& Pages() {
    // Units added later come after the first three, which keep their positions.
    const QStringList farads{"F", kMicro + "F", "nF", "pF", "mF"};
    const QStringList henries{"H", "mH", kMicro + "H", "nH"};
    static const std::vector<PageCase> pages{
        {"resistor",
         [](widgets::MessageBoxes& m) { return testing::Registered<frmDC>(m); },
         'R',
         QColor(255, 255, 0),
         {"Frame6=Resistors connection and Its Value Given",
          "Frame10=Resistor One",
          "Frame7=Resistor Two",
          "Frame8=Resistor Three",
          "Frame9=Resistor Four",
          "Frame1=Input Current or Voltage Sources",
          "Frame2=Current Or Voltage Sources",
          "optI=Current",
          "optV=Voltage",
          "lblVI=V",
          "lblIV=A",
          "Frame3=Total Resistance of the circuit involved",
          "cmdRT=Total Resistance",
          "lblRT=",
          "Frame4=Each load Current and Voltage Drops",
          "Label1=A",
          "Label2=V",
          "Label8=THE POWER LOSS IN A RESISTOR >",
          "Label4=WATT",
          "lblP=",
          "lblPT=",
          "optR1s=Series",
          "optR4p=Parallel"},
         {"txtR1=\"R1 Value\"", "txtR4=\"R4 Value\"", "txtIV=\" Result\""},
         {"Ohm", "KOhm", "MOhm", "mOhm"},
         Ohms(),
         Ohms(),
         {"mnuR1=&Resistor One", "mnuR2=&Resistor Two", "mnuR3=&Resistor Three",
          "mnuR4=Resistor Four"}},
        {"capacitor",
         [](widgets::MessageBoxes& m) { return testing::Registered<frmDCC>(m); },
         'C',
         QColor(0, 0, 255),
         {"Frame6=Capacitors connection and Its Value Given", "Frame10=Capacitor One",
          "Frame9=Capacitor Four", "Frame1=Input Charge or Voltage Sources",
          "Frame2=Charge Or Voltage Sources", "optI=Charge", "lblIV=C", "Frame3= Output Result",
          "cmdCT=Total Capacitance", "lblCT=", "Frame4=Each load Charge and Voltage value",
          "Label1=C", "Label2=V", "Label7=Energy Stored In  A Capacitor", "Label6=Joule",
          "lblU=", "lblUT="},
         {"txtC1=\"C1 Value\"", "txtC3=\"C3 Value\"", "txtIV=\" Input\""},
         farads,
         farads,
         farads,
         {"mnuC1=&Capacitor One", "mnuC2=&Capacitor Two", "mnuC3=&Capacitor Three",
          "mnuC4=&Capacitor Four"}},
        {"inductor",
         [](widgets::MessageBoxes& m) { return testing::Registered<frmDCL>(m); },
         'R',
         QColor(0, 255, 255),
         {"Frame6=Inductors connection and Its  Coils ", "Frame10=Inductor One",
          "Frame8=Inductor Three", "Frame1=Input Current or Voltage Sources", "optI=Current",
          "lblIV=A", "Frame3=Experiments Result ", "cmdRT=Total Inductance",
          "Frame4=Circuit Current and  Induced Voltage Across ", "Label1=A",
          "Label4=ENERGY STORED IN AN INDUCTOR>>>", "Label5=Joule", "lblL=", "lblLT="},
         {"txtR1=\"R1 Value\"", "txtR2=\"R2 Value\"", "txtIV=\" Result\""},
         henries,
         henries,
         henries,
         {"mnuR1=&Inductor One", "mnuR2=&Inductor Two", "mnuR3=&Inductor Three",
          "mnuR4=&Inductor Four"}},
    };
    return pages;
}

// The whole network and every element appear with the total once the source
// field holds a number, follow each double-click, and go into the copy.
TEST_P(ElementPage, TotalWithASourceShowsTheWholeNetworkAndEveryElement) {
    for (int k = 1; k <= 2; ++k) {
        Type(*page_, n("txt%1%2", k), k == 1 ? "10" : "40");
        Click(*page_, n("opt%1%2p", k));
    }
    Click(*page_, "optV");
    Type(*page_, "txtIV", "8");
    auto* table = Child<QTableWidget>(*page_, "tblElements");
    auto* compute = page_->findChild<QPushButton*>(c().letter == 'C' ? "cmdCT" : "cmdRT");
    compute->click();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(Text(*page_, "lblNetV"), "8");
    EXPECT_FALSE(Text(*page_, "lblNetI").isEmpty());
    EXPECT_FALSE(Child<QLabel>(*page_, "lblNetV")->toolTip().isEmpty()); // engineering form
    EXPECT_FALSE(table->item(1, 0)->font().bold());

    // Both elements sit across the source: the one double-clicked is marked.
    DoubleClick(Child<widgets::OptionButton>(*page_, n("opt%1%2p", 2)));
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_TRUE(table->item(1, 0)->font().bold());
    EXPECT_FALSE(table->item(0, 0)->font().bold());
    EXPECT_EQ(table->item(1, 3)->text(), "8");
    const QString copied = dynamic_cast<CalculationPage*>(page_.get())->inputsAndResults();
    EXPECT_TRUE(copied.contains("Whole network:\n"));
    EXPECT_TRUE(copied.contains("\n" + table->item(1, 0)->text() + " = 40 "))
        << copied.toStdString();
    EXPECT_TRUE(copied.contains("(last double-clicked)"));

    // Without a number in the source field the total clears them, silently.
    Type(*page_, "txtIV", "");
    compute->click();
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(Text(*page_, "lblNetV"), "");
    EXPECT_TRUE(messages_.shown.empty());
}

TEST(ElementPageTexts, ExplanationsBeginWithTheirOpenings) {
    testing::RecordingMessages messages;
    frmDC dc(messages);
    EXPECT_TRUE(Text(dc, "Label7")
                    .startsWith("When current can follow only one path as it flows "
                                "theough two or more resistors connected in line"));
    frmDCC dcc(messages);
    EXPECT_TRUE(Text(dcc, "Label4").startsWith("To know and understand  Physics requires"));
    EXPECT_TRUE(
        Text(dcc, "Label3")
            .startsWith("Capacitor is a device which opposes any change in circuit voltage."));
    frmDCL dcl(messages);
    EXPECT_TRUE(Text(dcl, "Label3")
                    .startsWith("When series connected inductors are far apart or well-shielded"));
}

INSTANTIATE_TEST_SUITE_P(ThreePages, ElementPage, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(Pages()[info.param].name); });

} // namespace
} // namespace vora::pages
