// SPDX-License-Identifier: MIT
// The real program under a virtual X server of its own, driven with real X
// input (xdotool), and read back through Xlib: which of its windows are
// mapped, where they are, which one has the keyboard.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vora::real_input {

// A top-level X window of the program.
struct XWindow {
    unsigned long id = 0;
    std::string role; // WM_WINDOW_ROLE: the window's objectName; empty for boxes and menus
    int x = 0, y = 0, width = 0, height = 0;
    bool popup = false;   // override-redirect: an open menu
    bool tooltip = false; // override-redirect tool-tip, which comes and goes by itself
    bool box = false;     // a transient window without a role: a message box

    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
};

// Xvfb on a free display, without a window manager. Throws std::runtime_error
// when it cannot be started.
class XServer {
public:
    XServer(int width = 1366, int height = 768);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& display() const { return display_; }

    // Mapped top-level windows, bottom to top in stacking order.
    std::vector<XWindow> Mapped() const;
    // The window that has the keyboard focus, 0 when none.
    unsigned long Focus() const;

    // Real input through xdotool's library (XTEST): a key or chord in
    // xdotool's spelling ("Return", "ctrl+h"), a pointer move, clicks.
    void Key(const std::string& keys) const;
    void Move(int x, int y) const;
    void Click(int button, int repeat = 1) const;

private:
    int pid_ = -1;
    std::string display_;
    void* xlib_ = nullptr; // Display*
    void* xdo_ = nullptr;  // xdo_t*
};

// How the program ended, if it has.
struct Ending {
    bool signalled = false;
    int code = 0; // exit status, or the signal number
    std::string Describe() const;
};

// The program itself, started on the server; killed when destroyed.
class Program {
public:
    Program(const std::string& path, const XServer& server, const std::string& home);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Empty while the program runs.
    std::optional<Ending> Ended();

private:
    int pid_ = -1;
    std::optional<Ending> ending_;
};

// Polls `done` until it holds or `timeout` passes; true when it held.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

} // namespace vora::real_input
