// SPDX-License-Identifier: MIT
// The moves between windows that menu items and window buttons ask for. The
// window set carries them out; menus and windows see only this, so that they
// need not know how windows are made or kept.
#pragma once

namespace vora::shell {

enum class WindowId; // window_registry.h

class Navigation {
public:
    // `target` visible and active, the other windows of the page set hidden.
    virtual void ShowPage(WindowId target) = 0;
    // Makes one window visible, hiding nothing; without `activate` it does
    // not take the focus, so that an open menu of another window stays open.
    virtual void ShowOnly(WindowId target, bool activate = true) = 0;
    // Hides `from` and shows the main window.
    virtual void ReturnHome(WindowId from) = 0;
    virtual void Hide(WindowId id) = 0;
    // The main window's Exit: hides it and ends the program.
    virtual void ExitProgram() = 0;

protected:
    ~Navigation() = default;
};

} // namespace vora::shell
