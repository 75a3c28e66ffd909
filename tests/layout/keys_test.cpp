// SPDX-License-Identifier: MIT
// Keys and clicks pressed for real (XTEST) on the run's X server: Escape
// closes the help and about windows as their buttons do, Ctrl+N empties the
// three-phase entries, an arrow key on a total's unit list shows the total
// in the new unit at once, a double-click in the working selects a word for
// Ctrl+C, and Tab always brings the control it reaches into view, also where
// the page body scrolls; Ctrl+F finds a value from a result.
#include "pages/result_label.h"
#include "real_input/x_session.h"
#include "screen.h"
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/clickable_label.h"
#include "widgets/page_body.h"
#include "widgets/working_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace vora::shell {
namespace {

using testing::Click;
using testing::Text;
using testing::Type;

bool WaitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(3000);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents();
        QTest::qWait(5);
    }
    return true;
}

class Keys : public ::testing::Test {
protected:
    // The window shown and holding the keyboard.
    QMainWindow* Active(WindowId id, bool page = true) {
        QMainWindow* w = windows_.window(id);
        if (page)
            windows_.ShowPage(id);
        else
            windows_.ShowOnly(id);
        EXPECT_TRUE(WaitUntil([w] { return QApplication::activeWindow() == w; }))
            << w->objectName().toStdString() << " never gets the keyboard";
        return w;
    }
    void Press(const char* keys) { testing::Screen().Key(keys); }

    vora::testing::RecordingMessages messages_;
    WindowSet windows_{messages_};
};

TEST_F(Keys, EscapeClosesHelpAndAboutAsTheirButtonsDo) {
    Active(WindowId::frmDC);
    QMainWindow* help = Active(WindowId::frmHelp, false);
    Press("Escape");
    EXPECT_TRUE(WaitUntil([help] { return !help->isVisible(); })) << "help stays open";
    EXPECT_TRUE(windows_.visible(WindowId::frmDC));

    QMainWindow* about = Active(WindowId::frmAB, false);
    Press("Escape");
    EXPECT_TRUE(WaitUntil([about] { return !about->isVisible(); })) << "about stays open";
    // As its Exit button: back to the main window, the page kept.
    EXPECT_TRUE(windows_.visible(WindowId::frmmain));
    EXPECT_TRUE(windows_.visible(WindowId::frmDC));
}

TEST_F(Keys, CtrlNEmptiesTheThreePhaseEntries) {
    for (WindowId id : {WindowId::frmThreeLtop, WindowId::FrmThreePtoL}) {
        QMainWindow* w = Active(id);
        const std::string where = w->objectName().toStdString();
        Click(*w, "optY");
        Type(*w, "txtIT", "10");
        Type(*w, "txtVT", "400");
        Type(*w, "txtZT", "30");
        emit w->findChild<widgets::ClickableLabel*>("lblI2")->clicked();
        const QString result = Text(*w, "lblI0");
        ASSERT_FALSE(result.isEmpty()) << where;
        w->findChild<QLineEdit*>("txtVT")->setFocus();
        Press("ctrl+n");
        EXPECT_TRUE(WaitUntil([w] {
            return Text(*w, "txtIT").isEmpty() && Text(*w, "txtVT").isEmpty() &&
                   Text(*w, "txtZT").isEmpty();
        })) << where
            << ": the entries stay";
        // The connection stays; the result follows the emptied entries as a
        // click would show it, or is marked out of date.
        EXPECT_TRUE(w->findChild<QAbstractButton*>("optY")->isChecked()) << where;
        auto* shown = w->findChild<QLabel*>("lblI0");
        if (!pages::IsOutOfDate(shown)) {
            const QString followed = shown->text();
            emit w->findChild<widgets::ClickableLabel*>("lblI2")->clicked();
            EXPECT_EQ(shown->text(), followed) << where;
        }
    }
}

// Typed with real keys: Space chooses an option and keeps the keyboard on it,
// Enter in a field computes the total, and every key typed after it keeps
// the total true to the fields, or dims it while the field holds no number.
// Keyboard only: Ctrl+F opens the panel with the focus in the target's
// value, Enter finds the value, which goes into its field, and the page
// computes with it; Escape puts the panel away.
TEST_F(Keys, CtrlFFindsAValueFromTheTotal) {
    QMainWindow* w = Active(WindowId::frmDC);
    Type(*w, "txtR1", "10");
    Click(*w, "optR1s");
    Type(*w, "txtR2", "20");
    Click(*w, "optR2p");
    Type(*w, "txtR3", "5");
    Click(*w, "optR3p");
    Click(*w, "cmdRT");
    ASSERT_EQ(Text(*w, "lblRT"), "14");
    auto* target = w->findChild<QLineEdit*>("txtTarget");
    ASSERT_NE(target, nullptr);
    w->findChild<QWidget*>("txtR1")->setFocus(Qt::OtherFocusReason);
    Press("ctrl+f");
    ASSERT_TRUE(WaitUntil([&] { return target->isVisible() && target->hasFocus(); }))
        << "Ctrl+F did not open the panel";
    auto* unknown = w->findChild<QComboBox*>("cboUnknown");
    unknown->setCurrentIndex(unknown->findData("txtR3"));
    for (const char* key : {"2", "2", "Return"})
        Press(key);
    EXPECT_TRUE(WaitUntil([&] { return Text(*w, "txtR3") == "30"; }))
        << Text(*w, "txtR3").toStdString();
    EXPECT_TRUE(WaitUntil([&] { return Text(*w, "lblRT") == "22"; }))
        << Text(*w, "lblRT").toStdString();
    EXPECT_TRUE(messages_.shown.empty()) << messages_.shown.front().text.toStdString();
    Press("Escape");
    EXPECT_TRUE(WaitUntil([&] { return !target->isVisible(); })) << "Escape left the panel open";
}

TEST_F(Keys, ResultsFollowWhatIsTyped) {
    QMainWindow* w = Active(WindowId::frmDC);
    const auto field = [w](const char* name) { return w->findChild<QWidget*>(name); };
    const auto focusOn = [&](const char* name) {
        field(name)->setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(WaitUntil([&] { return field(name)->hasFocus(); })) << name;
    };
    // X delivers keys in its own time: each key is waited for.
    const auto typeInto = [&](const char* name, const char* key, const QString& text) {
        Press(key);
        EXPECT_TRUE(WaitUntil([&] { return Text(*w, name) == text; }))
            << name << " holds " << Text(*w, name).toStdString();
    };
    const auto choose = [&](const char* option) {
        focusOn(option);
        Press("space");
        EXPECT_TRUE(WaitUntil([&] { return w->findChild<QAbstractButton*>(option)->isChecked(); }));
        QTest::qWait(50);
        EXPECT_TRUE(field(option)->hasFocus()) << "Space moved the keyboard away from " << option;
    };
    focusOn("txtR1");
    typeInto("txtR1", "1", "1");
    typeInto("txtR1", "0", "10");
    choose("optR1s");
    focusOn("txtR2");
    typeInto("txtR2", "2", "2");
    typeInto("txtR2", "0", "20");
    choose("optR2s");
    focusOn("txtR2");
    Press("Return");
    auto* total = w->findChild<QLabel*>("lblRT");
    EXPECT_TRUE(WaitUntil([&] { return total->text() == "30"; })) << total->text().toStdString();

    focusOn("txtR1");
    typeInto("txtR1", "End", "10");
    typeInto("txtR1", "0", "100");
    EXPECT_EQ(total->text(), "120");
    typeInto("txtR1", "e", "100e"); // no number yet
    EXPECT_TRUE(pages::IsOutOfDate(total));
    EXPECT_TRUE(total->accessibleDescription().startsWith("Out of date"));
    Press("ctrl+shift+c");
    EXPECT_TRUE(WaitUntil([] {
        return QGuiApplication::clipboard()->text().contains("Total Resistance = (out of date)");
    })) << QGuiApplication::clipboard()->text().toStdString();
    typeInto("txtR1", "BackSpace", "100");
    EXPECT_EQ(total->text(), "120");
    EXPECT_FALSE(pages::IsOutOfDate(total));
    EXPECT_TRUE(messages_.shown.empty()) << "typing opened a message box";
}

TEST_F(Keys, AnArrowOnTheTotalsUnitShowsTheTotalInItAtOnce) {
    QMainWindow* w = Active(WindowId::frmDC);
    Type(*w, "txtR1", "10");
    Click(*w, "optR1s");
    Type(*w, "txtR2", "20");
    Click(*w, "optR2s");
    Click(*w, "cmdRT");
    ASSERT_EQ(Text(*w, "lblRT"), "30");
    w->findChild<QWidget*>("cboRT")->setFocus();
    Press("Down");
    EXPECT_TRUE(WaitUntil([w] { return Text(*w, "lblRT") == "0.03"; }))
        << "shows " << Text(*w, "lblRT").toStdString();
    Press("Down");
    EXPECT_TRUE(WaitUntil([w] { return Text(*w, "lblRT") == "3E-05"; }))
        << "shows " << Text(*w, "lblRT").toStdString();
}

TEST_F(Keys, ADoubleClickInTheWorkingSelectsAWordThatCtrlCCopies) {
    QMainWindow* w = Active(WindowId::frmDC);
    Type(*w, "txtR1", "47");
    Click(*w, "optR1s");
    Click(*w, "cmdRT");
    auto* working = w->findChild<widgets::WorkingView*>("txtWorking");
    ASSERT_TRUE(working->text().startsWith("Network: R1")) << working->text().toStdString();
    w->findChild<widgets::PageBody*>()->ensureWidgetVisible(working);
    QApplication::processEvents();
    const QPoint word = working->viewport()->mapToGlobal(QPoint(8, 10));
    const qreal scale = w->devicePixelRatioF();
    testing::Screen().Move(static_cast<int>(word.x() * scale), static_cast<int>(word.y() * scale));
    testing::Screen().Click(1, 2);
    EXPECT_TRUE(WaitUntil([working] { return working->selectedText() == "Network:"; }))
        << "selected \"" << working->selectedText().toStdString() << "\"";
    QApplication::clipboard()->clear();
    Press("ctrl+c");
    EXPECT_TRUE(WaitUntil([] { return QApplication::clipboard()->text() == "Network:"; }));
}

TEST_F(Keys, ADoubleClickOnAResultSelectsTheWholeNumberForCtrlC) {
    QMainWindow* w = Active(WindowId::frmDC);
    Type(*w, "txtR1", "47");
    Click(*w, "optR1s");
    Type(*w, "txtR2", "2.2");
    Click(*w, "optR2s");
    Click(*w, "cmdRT");
    auto* total = w->findChild<QLabel*>("lblRT");
    ASSERT_EQ(total->text(), "49.2");
    w->findChild<widgets::PageBody*>()->ensureWidgetVisible(total);
    QApplication::processEvents();
    const QPoint at = total->mapToGlobal(QPoint(10, total->height() / 2));
    const qreal scale = w->devicePixelRatioF();
    testing::Screen().Move(static_cast<int>(at.x() * scale), static_cast<int>(at.y() * scale));
    testing::Screen().Click(1, 2);
    EXPECT_TRUE(WaitUntil([total] { return total->selectedText() == "49.2"; }))
        << "selected \"" << total->selectedText().toStdString() << "\"";
    QApplication::clipboard()->clear();
    Press("ctrl+c");
    EXPECT_TRUE(WaitUntil([] { return QApplication::clipboard()->text() == "49.2"; }));
}

// A second click on the chosen source keeps it chosen, though its frame
// holds the rms and peak options too.
TEST_F(Keys, AClickOnTheChosenSourceKeepsItChosen) {
    QMainWindow* w = Active(WindowId::FrmAC);
    auto* voltage = w->findChild<QAbstractButton*>("optV");
    w->findChild<widgets::PageBody*>()->ensureWidgetVisible(voltage);
    QApplication::processEvents();
    const QPoint at = voltage->mapToGlobal(QPoint(8, voltage->height() / 2));
    const qreal scale = w->devicePixelRatioF();
    testing::Screen().Move(static_cast<int>(at.x() * scale), static_cast<int>(at.y() * scale));
    int clicks = 0;
    QObject::connect(voltage, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    for (int click = 1; click <= 2; ++click) {
        testing::Screen().Click(1, 1);
        ASSERT_TRUE(WaitUntil([&] { return clicks == click; })) << click;
        EXPECT_TRUE(voltage->isChecked()) << click;
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    EXPECT_TRUE(w->findChild<QAbstractButton*>("optRms")->isChecked());
}

TEST_F(Keys, TabBringsEveryControlItReachesIntoView) {
    for (WindowId id : {WindowId::frmDC, WindowId::FrmAC, WindowId::frmThreeLtop}) {
        QMainWindow* w = Active(id);
        auto* body = w->findChild<widgets::PageBody*>();
        ASSERT_NE(body, nullptr);
        QWidget* first = w->findChild<QLineEdit*>();
        first->setFocus();
        for (int tab = 0; tab < 30; ++tab) {
            QWidget* before = QApplication::focusWidget();
            Press("Tab");
            WaitUntil([before] { return QApplication::focusWidget() != before; });
            QApplication::processEvents();
            QWidget* focus = QApplication::focusWidget();
            if (!focus || !body->widget()->isAncestorOf(focus)) continue;
            const QRect seen = body->viewport()->rect();
            const QRect at(focus->mapTo(body->viewport(), QPoint()), focus->size());
            if (at.width() <= seen.width() && at.height() <= seen.height()) {
                EXPECT_TRUE(seen.contains(at))
                    << w->objectName().toStdString() << ": " << focus->objectName().toStdString()
                    << " is out of view";
            } else {
                EXPECT_TRUE(seen.intersects(at)) << focus->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace vora::shell
