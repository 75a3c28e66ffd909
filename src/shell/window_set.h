// SPDX-License-Identifier: MIT
// The windows of the program (window_registry.h) and the moves between them.
//
// Every window is one long-lived instance, created the first time a command
// refers to it (to show it or to hide it) and never destroyed while the
// program runs; hiding keeps everything in it.
#pragma once

#include "navigation.h"
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

class WindowSet : public QObject, public Navigation {
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

    // The moves of navigation.h.
    void ShowPage(WindowId target) override;
    void ShowOnly(WindowId target, bool activate = true) override;
    void ReturnHome(WindowId from) override;
    void Hide(WindowId id) override;
    void ExitProgram() override;

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
