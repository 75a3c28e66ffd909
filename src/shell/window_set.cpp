// SPDX-License-Identifier: MIT
#include "window_set.h"

#include "copy_action.h"
#include "navigation_menus.h"
#include "save_action.h"
#include "widgets/form_controls.h"
#include "widgets/message_boxes.h"
#include "window_geometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace vora::shell {

namespace {

std::size_t Index(WindowId id) {
    return static_cast<std::size_t>(id);
}

// Runs `then` once, from the event loop, after the window's first expose.
class ExposeWaiter : public QObject {
public:
    ExposeWaiter(QWindow* window, std::function<void()> then)
        : QObject(window)
        , then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, then_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

WindowSet::WindowSet(widgets::MessageBoxes& messages, QObject* parent)
    : QObject(parent)
    , messages_(messages) {
    window(WindowId::frmmain);
}

WindowSet::~WindowSet() = default;

QMainWindow* WindowSet::window(WindowId id) {
    auto& slot = windows_[Index(id)];
    if (!slot) slot.reset(create(id));
    return slot.get();
}

bool WindowSet::created(WindowId id) const {
    return windows_[Index(id)] != nullptr;
}

bool WindowSet::visible(WindowId id) const {
    return created(id) && windows_[Index(id)]->isVisible();
}

QMainWindow* WindowSet::create(WindowId id) {
    const WindowEntry& row = Entry(id);
    QMainWindow* w = MakeWindow(row, this, messages_);
    // The X11 window role carries the window's name, so that window managers
    // (and the real-input tests) can tell the windows apart: most of them
    // share the caption "VORA".
    w->setWindowRole(w->objectName());
    if (InPageSet(id)) InstallNavigationMenus(*w, id, *this);
    InstallCopyAction(*w);
    InstallSaveAction(*w, row.pageName, messages_);
    InstallPrintAction(*w, row.pageName, messages_);
    RememberGeometry(*w);
    w->installEventFilter(this);
    return w;
}

void WindowSet::Startup() {
    QMainWindow* main = window(WindowId::frmmain);
    main->show();
    // The preface opens once the main window is on screen, so that the user
    // sees the window it belongs to and the first paint is not held up.
    QWindow* handle = main->windowHandle();
    if (!handle || handle->isExposed()) return ShowPreface();
    auto* waiter = new ExposeWaiter(handle, [this] { ShowPreface(); });
    handle->installEventFilter(waiter);
}

void WindowSet::ShowPreface() {
    messages_.show(window(WindowId::frmmain), widgets::MessageBoxes::Icon::Warning, "Preface",
                   widgets::ResourceText(":/texts/preface.txt"));
    emit prefaceClosed();
}

void WindowSet::ShowPage(WindowId target) {
    for (WindowId id : kPageSet)
        if (id != target) Hide(id);
    ShowOnly(target);
}

void WindowSet::ShowOnly(WindowId target, bool activate) {
    QMainWindow* w = window(target);
    if (!activate) {
        w->setAttribute(Qt::WA_ShowWithoutActivating, true);
        w->show();
        w->setAttribute(Qt::WA_ShowWithoutActivating, false);
        return;
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void WindowSet::ReturnHome(WindowId from) {
    Hide(from);
    ShowOnly(WindowId::frmmain);
}

void WindowSet::Hide(WindowId id) {
    window(id)->hide();
}

void WindowSet::ExitProgram() {
    Hide(WindowId::frmmain);
    emit exitRequested();
}

// Closing by the title bar: the main window ends the program, a page goes
// home as its Exit does, help and about simply hide.
bool WindowSet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
    for (std::size_t i = 0; i < kWindowCount; ++i) {
        if (windows_[i].get() != watched) continue;
        const auto id = static_cast<WindowId>(i);
        if (id == WindowId::frmmain) {
            event->accept();
            emit exitRequested();
        } else if (InPageSet(id)) {
            event->ignore();
            ReturnHome(id);
        } else {
            event->accept();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vora::shell
