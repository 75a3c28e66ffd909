// SPDX-License-Identifier: MIT
// The windows of the program (window_registry.h) and the moves between them.
//
// Every window is one long-lived instance, created the first time a command
// refers to it (to show it or to hide it) and never destroyed while the
// program runs; hiding keeps everything in it.
#pragma once

#include "window_registry.h"

#include <QObject>
#include <array>
#include <memory>

class QMainWindow;
class QWidget;

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::shell {

class WindowSet : public QObject {
    Q_OBJECT
public:
    explicit WindowSet(widgets::MessageBoxes& messages, QObject* parent = nullptr);
    ~WindowSet() override;

    // The window, created (and its load step run) on first reference.
    QMainWindow* window(WindowId id);
    bool created(WindowId id) const;
    bool visible(WindowId id) const;

    // Shows the main window, then, once it is on screen, the modal "Preface"
    // box over it (from the event loop; prefaceClosed() follows the box).
    void Startup();

    // `target` visible and active, the other windows of the page set hidden.
    void ShowPage(WindowId target);
    // Makes one window visible and active, hiding nothing. Without
    // `activate` the window is shown without taking the focus, so that an
    // open menu of another window stays open.
    void ShowOnly(WindowId target, bool activate = true);
    // Hides `from` and shows the main window.
    void ReturnHome(WindowId from);
    void Hide(WindowId id);
    // The main window's Exit: hides it and ends the program.
    void ExitProgram();

    widgets::MessageBoxes& messages() const { return messages_; }

signals:
    // Emitted when the program should end; main() connects it to quit().
    void exitRequested();
    void prefaceClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* create(WindowId id);
    void ShowPreface();

    widgets::MessageBoxes& messages_;
    std::array<std::unique_ptr<QMainWindow>, kWindowCount> windows_;
};

} // namespace vora::shell
