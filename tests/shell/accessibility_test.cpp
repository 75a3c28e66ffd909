// SPDX-License-Identifier: MIT
// Every control a screen reader meets has a name it can announce, and every
// result can be selected from the keyboard.
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "widgets/clickable_label.h"

#include <QAbstractButton>
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
    for (WindowId id : {WindowId::frmDC, WindowId::frmDCC, WindowId::frmDCL, WindowId::FrmAC,
                        WindowId::frmThreeLtop, WindowId::FrmThreePtoL}) {
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

} // namespace
} // namespace vora::shell
