// SPDX-License-Identifier: MIT
// Drives the real program with real X input and checks it after every step
// against a mirror: the same window set, offscreen in this process, to which
// each step is applied as a plain command. After every step the program must
// be alive and show exactly the windows that the mirror shows.
#pragma once

#include "support/recording_messages.h"
#include "x_session.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace vora::shell {
class WindowSet;
enum class WindowId;
} // namespace vora::shell

namespace vora::real_input {

// A step that went wrong: what was done and what was seen.
struct StepFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A path through a window's menus by object names: the top menu, any
// submenus, and the item itself. Names, not pointers: the mirror is made
// anew whenever the program is.
struct MenuPath {
    shell::WindowId window;
    QStringList names;
};

class Driver {
public:
    Driver(XServer& server, std::string program, std::string home);
    ~Driver();

    // Starts the program (killing a running one) and waits for the main
    // window and the "Preface" box.
    void Start();
    // Answers the preface box with Enter, or with a click on its OK button.
    void AnswerPreface(bool click);

    // Every item of every menu of `window`, as paths in the mirror's menus.
    std::vector<MenuPath> Items(shell::WindowId window) const;
    QString Describe(const MenuPath& path) const;

    // Makes `window` visible and active by the keyboard, as a user would:
    // Ctrl+H from a page, then the main window's Engineering menu.
    // Restarts the program where nothing else can reach it.
    void Goto(shell::WindowId window);
    // Chooses the item with the keyboard (access keys and arrows) or the
    // mouse (click the title, hover into submenus, click the item).
    void ChooseByKeyboard(const MenuPath& path);
    void ChooseByMouse(const MenuPath& path);

    // Low-level input, each followed by a check that the program lives.
    void Key(const std::string& keys);
    void Click(int x, int y, int button = 1, int repeat = 1);

    // Waits for the program's windows to match the mirror (with `menus` open
    // menus besides); throws a
    // StepFailure naming `step` when they do not, or the program died.
    void Expect(const std::string& step, std::size_t menus = 0);
    // The program ended with status 0 (through Exit): restart needed.
    bool EndedCleanly();
    // Throws when the program died by a signal or with a bad status.
    void CheckAlive(const std::string& step);

    // The windows of the program that are on screen, by name; "box" for a
    // message box, "menu" for each open popup.
    std::multiset<std::string> Shown() const;
    std::vector<XWindow> Windows() const { return server_.Mapped(); }
    XServer& server() { return server_; }
    shell::WindowSet& mirror() { return *mirror_; }
    testing::RecordingMessages& mirrorMessages() { return messages_; }
    // The mirror's view of what should be on screen.
    std::multiset<std::string> Expected() const;
    void MirrorRestart();

private:
    XWindow Top(const std::string& role) const;
    std::vector<XWindow> Popups() const;
    XWindow NewPopup(const std::vector<XWindow>& before, const std::string& step) const;
    void CloseMenus(const std::string& step);
    XWindow OpenTop(const MenuPath& path, const std::string& step);
    XWindow SubmenuOpened(shell::WindowId window, QAction* action,
                          const std::vector<XWindow>& before, const std::string& step);
    // The mirror's actions along the path: each menu's action, then the item.
    std::vector<QAction*> Resolve(const MenuPath& path) const;
    std::string KeyFor(QMenu* menu, QAction* action) const;

    XServer& server_;
    std::string program_, home_;
    std::unique_ptr<Program> running_;
    testing::RecordingMessages messages_;
    std::unique_ptr<shell::WindowSet> mirror_;
    bool exitRequested_ = false;
    std::map<std::string, int> titleX_; // where each menu title is, by window and menu
};

} // namespace vora::real_input
