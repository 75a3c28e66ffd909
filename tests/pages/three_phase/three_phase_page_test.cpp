// SPDX-License-Identifier: MIT
// The two three-phase pages as the user meets them: captions, clicks on the
// caption labels with the mouse and the keyboard, the focus order, and what
// happens to the page when a click cannot be computed.
#include "pages/three_phase/three_phase_pages.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/option_button.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

class ThreePhasePages : public ::testing::Test {
protected:
    void Show(ThreePhasePage& page) {
        page.show();
        QApplication::setActiveWindow(&page);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    }
    static void ClickCaption(ThreePhasePage& page, const char* name) {
        QTest::mouseClick(Child<QWidget>(page, name), Qt::LeftButton);
    }
    // Every label text of the page, so that "nothing changed" can be checked.
    static QStringList Labels(const ThreePhasePage& page) {
        QStringList texts;
        for (const auto* label : page.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

    testing::RecordingMessages messages_;
    frmThreeLtop lineToPhase_{messages_};
    FrmThreePtoL phaseToLine_{messages_};
};

TEST_F(ThreePhasePages, ControlsCarryTheirNamesAndTexts) {
    const std::pair<const char*, const char*> lineToPhase[] = {
        {"Label1", "Types of Three phase AC CircuitConnections"},
        {"optY", "Sources Connected In Star"},
        {"optD", "Sources Connected In Delta"},
        {"Label5", "Input Line Sources Inserted Here"},
        {"Label2", "Line Current"},
        {"Label6", "    A"},
        {"Label3", "Line Voltage"},
        {"Label7", "    V"},
        {"Label4", "Line Impedance"},
        {"Label8", "Ohm"},
        {"Label9", "Output Phase Sources Display Here"},
        {"lblI2", "Phase Current"},
        {"Label18", "   A"},
        {"lblV2", "Phase Voltage"},
        {"Label19", "   V"},
        {"lblZ2", "Phase Impedance"},
        {"Label20", "Ohm"},
        {"lblS2", "Appqrent Power"},
        {"Label21", "  VA"},
        {"lblI0", ""},
        {"lblV0", ""},
        {"lblZ0", ""},
        {"lblS0", ""},
        {"txtZT", ""},
    };
    for (const auto& [name, text] : lineToPhase)
        EXPECT_EQ(Text(lineToPhase_, name), text) << name;
    EXPECT_TRUE(Text(lineToPhase_, "Label11").endsWith("connected to the load!!!!!"));

    const std::pair<const char*, const char*> phaseToLine[] = {
        {"Label1", "Types of Three Phase AC Circuit Connections"},
        {"Label2", "Input Phase Sources Inserted Here"},
        {"Label4", "Phase Current"},
        {"Label9", "    A"},
        {"Label5", "Phase Voltage"},
        {"Label8", "    V"},
        {"Label6", "Phase Impedance"},
        {"Label7", "Ohm"},
        {"Label3", "OutPut Line Sources Display Here"},
        {"lblI2", "Line Current"},
        {"Label15", "   A"},
        {"lblV2", "Line Voltage"},
        {"Label14", "   V"},
        {"lblZ2", "Line Impedance"},
        {"Label13", "Ohm"},
        {"lblS2", "Apparent Power"},
        {"Label21", "  VA"},
    };
    for (const auto& [name, text] : phaseToLine)
        EXPECT_EQ(Text(phaseToLine_, name), text) << name;
    EXPECT_TRUE(Text(phaseToLine_, "Label11").endsWith("connected to the load!!!!"));

    // One explanation, word for word on both pages.
    const QString explanation = Text(lineToPhase_, "Label10");
    EXPECT_TRUE(explanation.startsWith("The conductors connected to the three phase points of a "
                                       "three phase sources or loads are lines. "));
    EXPECT_NEAR(explanation.size(), 540, 40);
    EXPECT_EQ(Text(phaseToLine_, "Label10"), explanation);

    // The phase-to-line page lists delta above star; each output row after
    // the first stands level with an input row.
    Show(lineToPhase_);
    Show(phaseToLine_);
    EXPECT_LT(Child<QWidget>(lineToPhase_, "optY")->y(), Child<QWidget>(lineToPhase_, "optD")->y());
    EXPECT_GT(Child<QWidget>(phaseToLine_, "optY")->y(), Child<QWidget>(phaseToLine_, "optD")->y());
    const auto middle = [](const QWidget& page, const char* name) {
        return Child<QWidget>(page, name)->geometry().center().y();
    };
    EXPECT_EQ(middle(lineToPhase_, "lblV2"), middle(lineToPhase_, "txtIT"));
    EXPECT_EQ(middle(phaseToLine_, "lblS2"), middle(phaseToLine_, "txtZT"));
    EXPECT_EQ(Child<QWidget>(lineToPhase_, "lblS2")->accessibleName(), "Apparent Power");
    EXPECT_EQ(Child<QWidget>(phaseToLine_, "lblZ0")->accessibleName(), "Line Impedance result");
}

TEST_F(ThreePhasePages, CaptionClicksShowTheConvertedQuantities) {
    Show(lineToPhase_);
    Type(lineToPhase_, "txtIT", "10");
    Type(lineToPhase_, "txtVT", "400");
    Type(lineToPhase_, "txtZT", "30");

    // Neither connection chosen: the captions do nothing.
    for (const char* caption : {"lblI2", "lblV2", "lblZ2", "lblS2"})
        ClickCaption(lineToPhase_, caption);
    EXPECT_EQ(Text(lineToPhase_, "lblI0"), "");
    EXPECT_EQ(lineToPhase_.vars(), calc::ThreePhaseVars{});

    Click(lineToPhase_, "optD");
    ClickCaption(lineToPhase_, "lblI2");
    ClickCaption(lineToPhase_, "lblV2");
    ClickCaption(lineToPhase_, "lblZ2");
    EXPECT_EQ(Text(lineToPhase_, "lblI0"), "5.77350269189626");
    EXPECT_EQ(Text(lineToPhase_, "lblV0"), "400");
    EXPECT_EQ(Text(lineToPhase_, "lblZ0"), "90");

    // The results described delta: choosing star computes them for star.
    Click(lineToPhase_, "optY");
    EXPECT_EQ(Text(lineToPhase_, "lblI0"), "10");
    EXPECT_EQ(Text(lineToPhase_, "lblV0"), "230.94010767585");
    EXPECT_EQ(Text(lineToPhase_, "lblZ0"), "30");
    EXPECT_EQ(Text(lineToPhase_, "lblS0"), "");
    ClickCaption(lineToPhase_, "lblI2");
    ClickCaption(lineToPhase_, "lblZ2");
    EXPECT_EQ(Text(lineToPhase_, "lblI0"), "10");
    EXPECT_EQ(Text(lineToPhase_, "lblZ0"), "30");
    // Clicking the chosen connection again keeps them.
    Click(lineToPhase_, "optY");
    EXPECT_EQ(Text(lineToPhase_, "lblI0"), "10");

    Show(phaseToLine_);
    Type(phaseToLine_, "txtIT", "10");
    Type(phaseToLine_, "txtVT", "230");
    Click(phaseToLine_, "optD");
    ClickCaption(phaseToLine_, "lblI2");
    ClickCaption(phaseToLine_, "lblV2");
    EXPECT_EQ(Text(phaseToLine_, "lblI0"), "17.3205080756888");
    EXPECT_EQ(Text(phaseToLine_, "lblV0"), "230");
    Click(phaseToLine_, "optY");
    EXPECT_EQ(Text(phaseToLine_, "lblI0"), "10");
    ClickCaption(phaseToLine_, "lblV2");
    ClickCaption(phaseToLine_, "lblZ2");
    EXPECT_EQ(Text(phaseToLine_, "lblV0"), "398.371685740842");
    EXPECT_EQ(Text(phaseToLine_, "lblZ0"), "23");
    EXPECT_TRUE(messages_.shown.empty());
}

// The apparent power reads the current and voltage typed now.
TEST_F(ThreePhasePages, ApparentPowerUsesTheEntriesNow) {
    Show(lineToPhase_);
    Click(lineToPhase_, "optY");
    Type(lineToPhase_, "txtIT", "10");
    Type(lineToPhase_, "txtVT", "400");
    ClickCaption(lineToPhase_, "lblS2");
    EXPECT_EQ(Text(lineToPhase_, "lblS0"), "6928.20323027551");
    Type(lineToPhase_, "txtIT", "50");
    ClickCaption(lineToPhase_, "lblS2");
    EXPECT_EQ(Text(lineToPhase_, "lblS0"), "34641.0161513775");
    Click(lineToPhase_, "optD");
    ClickCaption(lineToPhase_, "lblS2");
    EXPECT_EQ(Text(lineToPhase_, "lblS0"), "34641.0161513775");

    Show(phaseToLine_);
    Click(phaseToLine_, "optD");
    Type(phaseToLine_, "txtIT", "10");
    Type(phaseToLine_, "txtVT", "230");
    ClickCaption(phaseToLine_, "lblS2");
    EXPECT_EQ(Text(phaseToLine_, "lblS0"), "6900");
}

// The two options form one Tab stop, as radio groups do (the arrow keys move
// between them); the chain itself runs in the page's order.
TEST_F(ThreePhasePages, FocusFollowsThePageOrder) {
    const std::pair<ThreePhasePage*, QStringList> pages[] = {
        {&lineToPhase_,
         {"optY", "optD", "txtIT", "txtVT", "txtZT", "lblI2", "lblV2", "lblZ2", "lblS2"}},
        {&phaseToLine_,
         {"optY", "optD", "txtZT", "txtVT", "txtIT", "lblI2", "lblV2", "lblZ2", "lblS2"}},
    };
    for (const auto& [page, order] : pages) {
        Show(*page);
        QStringList chain;
        QWidget* w = Child<QWidget>(*page, order.front());
        do {
            // Qt keeps Tab focus only on the option that last had the focus.
            if ((w->focusPolicy() & Qt::TabFocus) || qobject_cast<widgets::OptionButton*>(w))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (chain.size() < order.size());
        EXPECT_EQ(chain.join(" ").toStdString(), order.join(" ").toStdString());

        Child<QWidget>(*page, "optD")->setFocus();
        for (qsizetype i = 2; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]);
        }
    }
}

TEST_F(ThreePhasePages, CaptionsWorkFromTheKeyboard) {
    Show(phaseToLine_);
    Type(phaseToLine_, "txtIT", "10");
    Click(phaseToLine_, "optD");
    auto* caption = Child<QWidget>(phaseToLine_, "lblI2");
    EXPECT_EQ(caption->cursor().shape(), Qt::PointingHandCursor);
    caption->setFocus();
    QTest::keyClick(caption, Qt::Key_Space);
    EXPECT_EQ(Text(phaseToLine_, "lblI0"), "17.3205080756888");
    Type(phaseToLine_, "txtIT", "1");
    QTest::keyClick(caption, Qt::Key_Return);
    EXPECT_EQ(Text(phaseToLine_, "lblI0"), "1.73205080756888");
}

struct BadClick {
    const char* current;
    const char* voltage;
    const char* impedance;
    const char* caption;
    const char* title;
    const char* focus;
};

// One warning naming what to change, the focus there, and the page exactly
// as before: labels, entries and stored values.
TEST_F(ThreePhasePages, ClickThatCannotBeComputedChangesNothing) {
    Show(lineToPhase_);
    Click(lineToPhase_, "optD");
    Type(lineToPhase_, "txtIT", "10");
    Type(lineToPhase_, "txtVT", "400");
    for (const char* caption : {"lblI2", "lblV2", "lblZ2", "lblS2"})
        ClickCaption(lineToPhase_, caption);
    const BadClick cases[] = {
        {"10", "400", "abc", "lblZ2", "Invalid Entry", "txtZT"},
        {"10", "400", " ", "lblZ2", "Invalid Entry", "txtZT"},
        {"0", "400", "", "lblZ2", "Cannot Compute", "txtIT"},
        {"1E999", "400", "", "lblI2", "Invalid Entry", "txtIT"},
        {"10", "400", "1E308", "lblZ2", "Cannot Compute", "txtZT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.impedance);
        Type(lineToPhase_, "txtIT", c.current);
        Type(lineToPhase_, "txtVT", c.voltage);
        Type(lineToPhase_, "txtZT", c.impedance);
        Child<QWidget>(lineToPhase_, "optD")->setFocus();
        messages_.clear();
        // The edits computed again what they could; the click changes nothing more.
        const calc::ThreePhaseVars vars = lineToPhase_.vars();
        const QStringList labels = Labels(lineToPhase_);
        ClickCaption(lineToPhase_, c.caption);
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].icon, widgets::MessageBoxes::Icon::Warning);
        EXPECT_EQ(messages_.shown[0].title, c.title);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus);
        EXPECT_EQ(lineToPhase_.vars(), vars);
        EXPECT_EQ(Labels(lineToPhase_), labels);
        EXPECT_EQ(Text(lineToPhase_, "txtZT"), c.impedance);
    }
}

} // namespace
} // namespace vora::pages
