// SPDX-License-Identifier: MIT
// Every window of the program on a laptop's screen, 1366×768, under a real X
// server of its own (no window manager), at the scale of the run
// (QT_SCALE_FACTOR=2 makes it a screen of 683×384 logical pixels, where a
// page's body scrolls). At the size a window opens, at its minimum size and
// grown to the whole screen, every visible control must be at least its
// minimum size (a wrapped text: as tall as its width needs) and lie whole
// inside the window (or inside the scrolling body); the window must open
// within the screen with room for a frame; a page that grows must give the
// height to its Working panel and the width to the working and its sketch.
#include "shell/window_registry.h"
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "widgets/page_body.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <vector>

namespace vora::shell {
namespace {

// A window frame's share of the screen: borders and a title bar.
const QSize kFrame(8, 24);

std::string Name(const QWidget* w) {
    std::string name = w->metaObject()->className();
    if (!w->objectName().isEmpty()) name += " " + w->objectName().toStdString();
    return name;
}

std::string Describe(const QRect& r) {
    std::ostringstream out;
    out << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
    return out.str();
}

// Qt's own parts of a control (a list's inner field, scroll bars,
// viewports), which the control itself lays out.
bool Internal(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w)) return true;
    if (w->objectName().startsWith("qt_")) return true;
    if (qobject_cast<const QComboBox*>(w->parentWidget())) return true;
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget()))
        return area->viewport() == w;
    return false;
}

// A control is a widget without a layout of its own; containers are only
// checked for lying inside their parents.
bool IsControl(const QWidget* w) {
    return !w->layout() && !qobject_cast<const widgets::PageBody*>(w) &&
           !qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
}

// Where every widget of the window sits, to see when the layouts are done.
std::vector<QRect> Geometries(const QMainWindow* w) {
    std::vector<QRect> all;
    for (const QWidget* c : w->findChildren<QWidget*>())
        all.push_back(c->isVisible() ? c->geometry() : QRect());
    return all;
}

// Waits until the window has the size and its layouts have stopped moving
// things: a page's layouts settle over several rounds of posted events, more
// of them on a busy machine.
void Settle(QMainWindow* w, const QSize& size) {
    const QDeadlineTimer deadline(3000);
    std::vector<QRect> last;
    int still = 0;
    while (!deadline.hasExpired() && still < 3) {
        QApplication::processEvents();
        QTest::qWait(10);
        std::vector<QRect> now = Geometries(w);
        still = (w->size() == size && now == last) ? still + 1 : 0;
        last = std::move(now);
    }
}

const QScrollBar* VisibleBar(const QMainWindow* w) {
    auto* body = w->findChild<widgets::PageBody*>();
    if (!body) return nullptr;
    if (body->verticalScrollBar()->isVisible()) return body->verticalScrollBar();
    if (body->horizontalScrollBar()->isVisible()) return body->horizontalScrollBar();
    return nullptr;
}

// Every visible control at least its minimum size, wholly inside each of
// its parents up to the window or the scrolling body.
void ExpectWhole(QMainWindow* w, const std::string& when) {
    const std::string where = w->objectName().toStdString() + " " + when + ": ";
    int controls = 0;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (!c->isVisible() || Internal(c) || c->isWindow()) continue;
        if (IsControl(c)) {
            ++controls;
            const QSize min = c->minimumSizeHint();
            if (min.isValid()) {
                EXPECT_GE(c->width(), min.width()) << where << Name(c) << " is too narrow";
                const int needed =
                    c->hasHeightForWidth() ? c->heightForWidth(c->width()) : min.height();
                EXPECT_GE(c->height(), std::max(needed, 0)) << where << Name(c) << " is too low";
            }
        }
        QRect r = c->geometry();
        for (QWidget* p = c->parentWidget(); p && p != w; p = p->parentWidget()) {
            const bool scrolled =
                qobject_cast<widgets::PageBody*>(p->parentWidget()) &&
                p == static_cast<QAbstractScrollArea*>(p->parentWidget())->viewport();
            if (scrolled) break; // the body may be larger than its viewport
            EXPECT_TRUE(p->rect().contains(r))
                << where << Name(c) << " " << Describe(r) << " sticks out of " << Name(p) << " "
                << Describe(p->rect());
            if (!p->rect().contains(r)) break;
            r.translate(p->pos());
        }
    }
    EXPECT_GE(controls, 3) << where;
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override { windows_ = std::make_unique<WindowSet>(messages_); }

    QMainWindow* Open(WindowId id) {
        QMainWindow* w = windows_->window(id);
        windows_->ShowOnly(id);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        Settle(w, w->size());
        return w;
    }

    testing::RecordingMessages messages_;
    std::unique_ptr<WindowSet> windows_;
};

TEST_F(Layout, EveryWindowOpensWithinTheScreenWithEveryControlWhole) {
    for (WindowId id : kWindowIds) {
        QMainWindow* w = Open(id);
        const QRect screen = w->screen()->availableGeometry();
        std::printf("%s opens at %dx%d (minimum %dx%d) on %dx%d\n", qPrintable(w->objectName()),
                    w->width(), w->height(), w->minimumWidth(), w->minimumHeight(), screen.width(),
                    screen.height());
        EXPECT_LE(w->width() + kFrame.width(), screen.width()) << Name(w);
        EXPECT_LE(w->height() + kFrame.height(), screen.height()) << Name(w);
        EXPECT_TRUE(screen.contains(w->frameGeometry())) << Name(w);
        // Where the screen has room for the whole body, nothing scrolls.
        const bool small = screen.height() < 700;
        if (!small) {
            EXPECT_EQ(VisibleBar(w), nullptr) << Name(w) << " scrolls on a laptop";
        }
        ExpectWhole(w, "as opened");

        const QSize least = w->minimumSize();
        EXPECT_LE(least.width() + kFrame.width(), screen.width()) << Name(w);
        EXPECT_LE(least.height() + kFrame.height(), screen.height()) << Name(w);
        w->resize(least);
        Settle(w, least);
        ExpectWhole(w, "at its minimum size");
        if (!small) {
            EXPECT_EQ(VisibleBar(w), nullptr) << Name(w) << " scrolls at its minimum size";
        }
        windows_->Hide(id);
    }
}

TEST_F(Layout, AGrowingPageGivesTheSpaceToItsWorking) {
    for (WindowId id : kWindowIds) {
        QMainWindow* w = Open(id);
        QWidget* working = w->findChild<QWidget*>("FrameWorking");
        if (!working || VisibleBar(w)) {
            windows_->Hide(id);
            continue;
        }
        const QSize before = w->size();
        const QSize workingBefore = working->size();
        QWidget* sketch = w->findChild<QWidget*>("picNetwork");
        const int sketchBefore = sketch ? sketch->width() : 0;
        const QSize grown = before + QSize(200, 160);
        w->resize(grown);
        Settle(w, grown);
        ExpectWhole(w, "grown");
        EXPECT_GE(working->height() - workingBefore.height(), 150)
            << Name(w) << ": the working got too little of the extra height";
        EXPECT_GE(working->width() - workingBefore.width(), 120)
            << Name(w) << ": the working got too little of the extra width";
        if (sketch) {
            EXPECT_GE(sketch->width() - sketchBefore, 40) << Name(w) << ": the sketch";
        }
        windows_->Hide(id);
    }
}

} // namespace
} // namespace vora::shell
