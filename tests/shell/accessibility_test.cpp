// SPDX-License-Identifier: MIT
// Every control a screen reader meets has a name it can announce, and every
// result can be selected from the keyboard.
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/registered_page.h"
#include "widgets/clickable_label.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <gtest/gtest.h>

namespace vora::shell {
namespace {

TEST(Accessibility, EveryControlOfEveryPageHasAName) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);
    for (WindowId id : testing::CalculationPages()) {
        QMainWindow* page = windows.window(id);
        const std::string where = page->objectName().toStdString() + ": ";
        for (QLineEdit* e : page->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
            EXPECT_FALSE(e->accessibleName().isEmpty()) << where << e->objectName().toStdString();
        }
        for (QComboBox* c : page->findChildren<QComboBox*>())
            EXPECT_FALSE(c->accessibleName().isEmpty()) << where << c->objectName().toStdString();
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
            if (b->objectName().startsWith("qt_")) continue;
            EXPECT_FALSE(b->accessibleName().isEmpty() && b->text().isEmpty())
                << where << b->objectName().toStdString();
        }
        for (auto* l : page->findChildren<widgets::ClickableLabel*>())
            EXPECT_FALSE(l->accessibleName().isEmpty()) << where << l->objectName().toStdString();
        // Results are reached with Tab, and their text can then be selected.
        windows.ShowPage(id);
        QApplication::setActiveWindow(page);
        int results = 0;
        for (QLabel* l : page->findChildren<QLabel*>()) {
            if (!l->property("result").toBool()) continue;
            ++results;
            EXPECT_FALSE(l->accessibleName().isEmpty()) << where << l->objectName().toStdString();
            EXPECT_TRUE(l->focusPolicy() & Qt::TabFocus) << where;
            l->setFocus(Qt::TabFocusReason);
            EXPECT_TRUE(l->textInteractionFlags() & Qt::TextSelectableByKeyboard)
                << where << l->objectName().toStdString();
        }
        EXPECT_GE(results, 4) << where;
    }
}

// The three-phase captions are announced as buttons that can be pressed,
// and pressing one through the accessibility tree computes like a click.
TEST(Accessibility, ThreePhaseCaptionsAreButtonsWithAPressAction) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);
    for (WindowId id : {WindowId::frmThreeLtop, WindowId::FrmThreePtoL}) {
        QMainWindow* page = windows.window(id);
        page->findChild<QAbstractButton*>("optY")->click();
        page->findChild<QLineEdit*>("txtIT")->setText("10");
        const auto captions = page->findChildren<widgets::ClickableLabel*>();
        ASSERT_EQ(captions.size(), 4);
        for (widgets::ClickableLabel* caption : captions) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(caption);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->role(), QAccessible::Button);
            EXPECT_FALSE(button->text(QAccessible::Name).isEmpty());
            ASSERT_NE(button->actionInterface(), nullptr);
            EXPECT_TRUE(button->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QAccessible::queryAccessibleInterface(page->findChild<widgets::ClickableLabel*>("lblI2"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_FALSE(page->findChild<QLabel*>("lblI0")->text().isEmpty())
            << page->objectName().toStdString();
    }
}

} // namespace
} // namespace vora::shell
