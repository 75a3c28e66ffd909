// SPDX-License-Identifier: MIT
// Copying a page's inputs and results as plain text, from the keyboard.
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace vora::shell {
namespace {

using testing::Click;
using testing::Type;

QString CopyWithShortcut(QMainWindow* w) {
    QApplication::clipboard()->clear();
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return QApplication::clipboard()->text();
}

TEST(CopyAll, EveryCalculationPageCopiesItsInputsAndResults) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);

    windows.ShowPage(WindowId::frmDC);
    QMainWindow* dc = windows.window(WindowId::frmDC);
    Type(*dc, "txtR1", "10");
    Click(*dc, "optR1s");
    Type(*dc, "txtR2", "20");
    Click(*dc, "optR2s");
    Click(*dc, "cmdRT");
    const QString text = CopyWithShortcut(dc);
    EXPECT_TRUE(text.contains("R1 = 10 Ohm, Series")) << text.toStdString();
    EXPECT_TRUE(text.contains("R3 = (empty), no connection")) << text.toStdString();
    EXPECT_TRUE(text.contains("Total Resistance = 30 Ohm")) << text.toStdString();

    windows.ShowPage(WindowId::frmThreeLtop);
    QMainWindow* ltop = windows.window(WindowId::frmThreeLtop);
    Click(*ltop, "optY");
    Type(*ltop, "txtIT", "10");
    const QString three = CopyWithShortcut(ltop);
    EXPECT_TRUE(three.contains("Line Current = 10 A")) << three.toStdString();

    for (WindowId id : {WindowId::frmDCC, WindowId::frmDCL, WindowId::FrmAC,
                        WindowId::FrmThreePtoL}) {
        windows.ShowPage(id);
        EXPECT_FALSE(CopyWithShortcut(windows.window(id)).isEmpty());
    }
    // The main window has no such command.
    windows.ShowPage(WindowId::frmmain);
    EXPECT_TRUE(CopyWithShortcut(windows.window(WindowId::frmmain)).isEmpty());
}

} // namespace
} // namespace vora::shell
