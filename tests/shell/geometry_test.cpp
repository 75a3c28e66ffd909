// SPDX-License-Identifier: MIT
// Window sizes and positions remembered between runs: a window reopens where
// it was left when that still fits on a screen, and at its defaults when it
// does not or when the settings file cannot be used.
#include "shell/window_set.h"
#include "support/recording_messages.h"

#include <QFile>
#include <algorithm>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace vora::shell {
namespace {

using W = WindowId;

class WindowGeometry : public ::testing::Test {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }

    static void Forget() {
        QSettings settings;
        settings.clear();
        settings.sync();
    }

    // Where and how large `id` opens in a new run of the window set.
    QRect OpenInNewRun(W id) {
        WindowSet windows(messages_);
        windows.ShowPage(id);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(windows.window(id)));
        return windows.window(id)->geometry();
    }

    // Moves and resizes `id` within the screen, then leaves it by navigation.
    QRect MoveThenLeave(W id) {
        WindowSet windows(messages_);
        windows.ShowPage(id);
        QMainWindow* w = windows.window(id);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize size = w->size().boundedTo(screen.size() - QSize(40, 30));
        w->resize(size);
        // A little away from the corner, as far as the window's minimum size
        // leaves room for on this screen.
        const QSize outer = w->frameGeometry().size();
        const int dx = std::max(0, std::min(17, screen.width() - outer.width()));
        const int dy = std::max(0, std::min(23, screen.height() - outer.height()));
        w->move(screen.topLeft() + QPoint(dx, dy));
        const QRect placed = w->geometry();
        windows.ShowPage(id == W::frmmain ? W::frmDC : W::frmmain);
        EXPECT_FALSE(w->isVisible());
        return placed;
    }

    testing::RecordingMessages messages_;
};

TEST_F(WindowGeometry, WindowsReopenWhereTheyWereLeft) {
    for (W id : {W::frmmain, W::frmDCC, W::FrmThreePtoL}) {
        const QRect placed = MoveThenLeave(id);
        EXPECT_EQ(OpenInNewRun(id), placed) << static_cast<int>(id);
    }
}

TEST_F(WindowGeometry, RememberingCreatesNoWindowEarly) {
    MoveThenLeave(W::frmDCC);
    WindowSet windows(messages_);
    for (W id : {W::frmDC, W::frmDCC, W::frmDCL, W::FrmAC, W::frmHelp, W::frmAB})
        EXPECT_FALSE(windows.created(id));
}

TEST_F(WindowGeometry, GeometryThatNoLongerFitsIsIgnored) {
    const QRect defaults = OpenInNewRun(W::frmDCL);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect unusable[] = {
        QRect(screen.right() + 100, screen.top(), 300, 200),  // off every screen
        QRect(screen.left() - 150, screen.top(), 300, 200),   // partly off
        QRect(screen.topLeft(), screen.size() + QSize(1, 1)), // larger than the screen
        QRect(10, 10, -300, 200),                             // nonsense
    };
    for (const QRect& frame : unusable) {
        {
            QSettings settings;
            settings.setValue("frmDCL/frame", frame);
            settings.setValue("frmDCL/size", frame.size());
        }
        EXPECT_EQ(OpenInNewRun(W::frmDCL), defaults) << frame.x() << "," << frame.y();
    }
}

TEST_F(WindowGeometry, AnUnusableSettingsFileIsIgnored) {
    const QRect defaults = OpenInNewRun(W::frmDC);
    const QString path = QSettings().fileName();
    const QByteArray contents[] = {
        QByteArray("\x00\xff\xfe[frmDC\nframe=@Rect(", 20),
        "[frmDC]\nframe=@Rect(1 2)\nsize=@Size(300 200)\nmaximized=perhaps\n",
        "[frmDC]\nframe=hello\nsize=@Size(300 200)\n",
        "[frmDC]\nframe=@Rect(0 0 300 200)\nsize=@Size(900 900)\n",
    };
    for (const QByteArray& content : contents) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        const QRect opened = OpenInNewRun(W::frmDC);
        EXPECT_EQ(opened, defaults) << content.toStdString();
    }
}

} // namespace
} // namespace vora::shell
