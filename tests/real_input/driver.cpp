// SPDX-License-Identifier: MIT
#include "driver.h"

#include "shell/window_set.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <map>
#include <thread>

namespace vora::real_input {

using shell::WindowId;

namespace {

constexpr std::size_t kWindows = shell::kWindowCount;

QString Names(const std::multiset<std::string>& names) {
    QStringList list;
    for (const std::string& n : names)
        list << QString::fromStdString(n);
    return "{" + list.join(", ") + "}";
}

// The access key of a caption ("&Home" -> 'h'), or 0.
char AccessKey(const QString& caption) {
    const int amp = caption.indexOf('&');
    if (amp < 0 || amp + 1 >= caption.size()) return 0;
    return caption.at(amp + 1).toLower().toLatin1();
}

QList<QAction*> VisibleActions(const QWidget* menu) {
    QList<QAction*> out;
    for (QAction* a : menu->actions())
        if (a->isVisible() && !a->isSeparator()) out << a;
    return out;
}

QString NameOf(const QAction* a) {
    return a->menu() ? a->menu()->objectName() : a->objectName();
}

void Collect(QMenu* menu, MenuPath path, std::vector<MenuPath>& out) {
    for (QAction* a : VisibleActions(menu)) {
        MenuPath p = path;
        p.names << NameOf(a);
        if (a->menu())
            Collect(a->menu(), p, out);
        else
            out.push_back(p);
    }
}

// The item of the main window's Engineering menu that shows each page.
const std::map<WindowId, const char*> kMainItemFor{
    {WindowId::frmDC, "mnuDC"},
    {WindowId::frmDCC, "mnuCD"},
    {WindowId::frmDCL, "mnuEI"},
    {WindowId::FrmAC, "mnusingle"},
    {WindowId::frmThreeLtop, "mnuLinetophase"},
    {WindowId::FrmThreePtoL, "mnuphasetoline"},
    {WindowId::frmTransient, "mnuTransient"},
};

// Lets the mirror's (offscreen) window system deliver what a command did:
// activation arrives as an event.
void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void TriggerInMirror(QAction* action) {
    action->trigger();
    Settle();
}

} // namespace

Driver::Driver(XServer& server, std::string program, std::string home)
    : server_(server)
    , program_(std::move(program))
    , home_(std::move(home)) {}

Driver::~Driver() = default;

void Driver::MirrorRestart() {
    mirror_.reset();
    messages_.clear();
    exitRequested_ = false;
    mirror_ = std::make_unique<shell::WindowSet>(messages_);
    QObject::connect(mirror_.get(), &shell::WindowSet::exitRequested,
                     [this] { exitRequested_ = true; });
    QSignalSpy preface(mirror_.get(), &shell::WindowSet::prefaceClosed);
    mirror_->Startup();
    if (preface.isEmpty()) preface.wait(5000);
}

void Driver::Start() {
    running_.reset();
    running_ = std::make_unique<Program>(program_, server_, home_);
    MirrorRestart();
    const bool up = WaitFor(
        [&] {
            const auto shown = Shown();
            return shown.count("frmmain") == 1 && shown.count("box") == 1;
        },
        std::chrono::seconds(20));
    CheckAlive("start-up");
    if (!up)
        throw StepFailure("start-up: expected the main window and the Preface box, saw " +
                          Names(Shown()).toStdString());
}

void Driver::AnswerPreface(bool click) {
    if (click) {
        XWindow box;
        for (const XWindow& w : Windows())
            if (w.box) box = w;
        // The OK button sits at the bottom right of the box.
        Click(box.x + box.width - 50, box.y + box.height - 22);
    } else {
        // Enter goes to the box once it has the keyboard.
        if (!WaitFor([&] {
                for (const XWindow& w : Windows())
                    if (w.box) return w.id == server_.Focus();
                return false;
            }))
            throw StepFailure("the Preface box does not get the keyboard");
        Key("Return");
    }
    Expect(click ? "preface answered with a click" : "preface answered with Enter");
    const XWindow main = Top("frmmain");
    if (!WaitFor([&] { return server_.Focus() == main.id; }))
        throw StepFailure("after the preface the main window does not have the keyboard");
}

std::multiset<std::string> Driver::Shown() const {
    std::multiset<std::string> out;
    for (const XWindow& w : server_.Mapped()) {
        if (w.tooltip) continue;
        out.insert(w.popup ? "menu" : w.box ? "box" : w.role.empty() ? "unnamed window" : w.role);
    }
    return out;
}

std::multiset<std::string> Driver::Expected() const {
    std::multiset<std::string> out;
    for (std::size_t i = 0; i < kWindows; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (mirror_->visible(id)) out.insert(mirror_->window(id)->objectName().toStdString());
    }
    return out;
}

bool Driver::EndedCleanly() {
    const auto ending = running_ ? running_->Ended() : std::nullopt;
    return ending && !ending->signalled && ending->code == 0;
}

void Driver::CheckAlive(const std::string& step) {
    if (!running_) return;
    const auto ending = running_->Ended();
    if (ending && (ending->signalled || ending->code != 0))
        throw StepFailure(step + ": the program " + ending->Describe());
}

void Driver::Expect(const std::string& step, std::size_t menus) {
    if (exitRequested_) {
        if (!WaitFor([&] { return running_->Ended().has_value(); }))
            throw StepFailure(step + ": Exit did not end the program");
        CheckAlive(step);
        return;
    }
    std::multiset<std::string> expected = Expected();
    for (std::size_t i = 0; i < menus; ++i)
        expected.insert("menu");
    const bool same = WaitFor([&] { return Shown() == expected || running_->Ended(); });
    CheckAlive(step);
    if (running_->Ended())
        throw StepFailure(step + ": the program " + running_->Ended()->Describe());
    if (!same)
        throw StepFailure(step + ": expected " + Names(expected).toStdString() + ", saw " +
                          Names(Shown()).toStdString());
    // The window the command activates takes the keyboard (a moment after it
    // is mapped); the next step's keys must go there.
    const QWidget* active = QApplication::activeWindow();
    if (!active || !active->isVisible()) return;
    const std::string role = active->objectName().toStdString();
    if (!WaitFor([&] { return Top(role).id == server_.Focus(); }))
        throw StepFailure(step + ": " + role + " does not get the keyboard");
}

void Driver::Key(const std::string& keys) {
    server_.Key(keys);
    CheckAlive("key " + keys);
}

void Driver::Click(int x, int y, int button, int repeat) {
    server_.Move(x, y);
    server_.Click(button, repeat);
    CheckAlive("click at " + std::to_string(x) + "," + std::to_string(y));
}

XWindow Driver::Top(const std::string& role) const {
    for (const XWindow& w : server_.Mapped())
        if (w.role == role) return w;
    throw StepFailure(role + " is not on screen");
}

std::vector<XWindow> Driver::Popups() const {
    std::vector<XWindow> out;
    for (const XWindow& w : server_.Mapped())
        if (w.popup && !w.tooltip) out.push_back(w);
    return out;
}

XWindow Driver::NewPopup(const std::vector<XWindow>& before, const std::string& step) const {
    XWindow found;
    const bool opened = WaitFor([&] {
        for (const XWindow& w : Popups()) {
            const bool old = std::any_of(before.begin(), before.end(),
                                         [&](const XWindow& b) { return b.id == w.id; });
            if (!old) {
                found = w;
                return true;
            }
        }
        return false;
    });
    if (!opened) throw StepFailure(step + ": no menu opened");
    // The menu takes the keyboard only after it is on screen; a user's next
    // key never comes quicker than this.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    return found;
}

void Driver::CloseMenus(const std::string& step) {
    for (int i = 0; i < 5 && !Popups().empty(); ++i) {
        Key("Escape");
        WaitFor([&] { return Popups().size() < 5 - static_cast<std::size_t>(i); },
                std::chrono::milliseconds(300));
    }
    if (!WaitFor([&] { return Popups().empty(); }))
        throw StepFailure(step + ": the menus do not close with Escape");
}

std::vector<MenuPath> Driver::Items(WindowId window) const {
    std::vector<MenuPath> out;
    for (QAction* top : mirror_->window(window)->menuBar()->actions())
        if (top->menu()) Collect(top->menu(), {window, {NameOf(top)}}, out);
    return out;
}

QString Driver::Describe(const MenuPath& path) const {
    return mirror_->window(path.window)->objectName() + ": " + path.names.join(" > ");
}

std::vector<QAction*> Driver::Resolve(const MenuPath& path) const {
    std::vector<QAction*> out;
    QList<QAction*> level = mirror_->window(path.window)->menuBar()->actions();
    for (const QString& name : path.names) {
        const auto it =
            std::find_if(level.begin(), level.end(), [&](QAction* a) { return NameOf(a) == name; });
        if (it == level.end()) throw StepFailure("no menu item " + name.toStdString());
        out.push_back(*it);
        if ((*it)->menu()) level = VisibleActions((*it)->menu());
    }
    return out;
}

std::string Driver::KeyFor(QMenu* menu, QAction* action) const {
    const char key = AccessKey(action->text());
    if (!key) return {};
    int same = 0;
    for (QAction* a : VisibleActions(menu))
        same += AccessKey(a->text()) == key;
    return same == 1 ? std::string(1, key) : std::string{};
}

void Driver::Goto(WindowId window) {
    const bool helpOrAbout =
        mirror_ && (mirror_->visible(WindowId::frmHelp) || mirror_->visible(WindowId::frmAB));
    if (!running_ || running_->Ended() || helpOrAbout) {
        Start();
        AnswerPreface(false);
    }
    const std::string role = mirror_->window(window)->objectName().toStdString();
    const unsigned long focus = server_.Focus();
    if (mirror_->visible(window) && Top(role).id == focus) return;

    std::string focused;
    for (const XWindow& w : Windows())
        if (w.id == focus) focused = w.role;
    if (focused.empty()) {
        Start();
        AnswerPreface(false);
        focused = "frmmain";
    }
    if (focused != "frmmain") {
        Key("ctrl+h");
        for (std::size_t i = 0; i < kWindows; ++i) {
            const auto id = static_cast<WindowId>(i);
            if (mirror_->created(id) && mirror_->window(id)->objectName().toStdString() == focused)
                for (QAction* a : mirror_->window(id)->findChildren<QAction*>())
                    if (a->shortcut() == QKeySequence("Ctrl+H") && a->isEnabled())
                        TriggerInMirror(a);
        }
        Expect("Ctrl+H on " + focused);
    }
    if (window != WindowId::frmmain) {
        for (const MenuPath& path : Items(WindowId::frmmain))
            if (path.names.back() == kMainItemFor.at(window)) ChooseByKeyboard(path);
    }
    if (!WaitFor([&] { return Top(role).id == server_.Focus(); }))
        throw StepFailure("reaching " + role + ": it does not have the keyboard");
}

XWindow Driver::OpenTop(const MenuPath& path, const std::string& step) {
    const QList<QAction*> tops = mirror_->window(path.window)->menuBar()->actions();
    const int index = tops.indexOf(Resolve(path).front());
    // By the menu's access key, or by a neighbour's and the arrows.
    int from = -1;
    for (int d = 0; d < tops.size() && from < 0; ++d)
        for (int j : {index - d, index + d})
            if (j >= 0 && j < tops.size() && AccessKey(tops[j]->text()) && from < 0) from = j;
    if (from < 0) throw StepFailure(step + ": no menu of this window has an access key");
    const auto before = Popups();
    Key(std::string("alt+") + AccessKey(tops[from]->text()));
    XWindow opened = NewPopup(before, step);
    // Moving between menus by the arrows closes one and opens the next.
    for (int k = from; k != index; k += index > from ? 1 : -1) {
        const XWindow previous = opened;
        Key(index > from ? "Right" : "Left");
        const bool moved = WaitFor([&] {
            const auto now = Popups();
            if (now.size() != before.size() + 1) return false;
            for (const XWindow& w : now)
                if (w.id == previous.id) return false;
            opened = now.back();
            return true;
        });
        if (!moved) throw StepFailure(step + ": the arrow keys did not move to the next menu");
    }
    return opened;
}

void Driver::ChooseByKeyboard(const MenuPath& path) {
    const WindowId window = path.window;
    const std::string step = "keyboard: " + Describe(path).toStdString();
    const std::vector<QAction*> actions = Resolve(path);
    OpenTop(path, step);
    for (std::size_t i = 1; i < actions.size(); ++i) {
        QMenu* menu = actions[i - 1]->menu();
        QAction* action = actions[i];
        if (!action->isEnabled()) {
            // Neither the arrows nor a click reach a disabled item; its
            // access key (where it has one) must do nothing.
            if (const std::string key = KeyFor(menu, action); !key.empty()) Key(key);
            CloseMenus(step);
            Expect(step + " (disabled)");
            return;
        }
        std::string key = KeyFor(menu, action);
        if (key.empty()) {
            int steps = 0;
            for (QAction* a : VisibleActions(menu)) {
                if (a == action) break;
                steps += a->isEnabled();
            }
            for (int s = 0; s < steps; ++s)
                Key("Down");
            key = action->menu() ? "Right" : "Return";
        }
        const auto before = Popups();
        Key(key);
        if (action->menu()) SubmenuOpened(window, action, before, step);
    }
    TriggerInMirror(actions.back());
    Expect(step);
}

XWindow Driver::SubmenuOpened(WindowId window, QAction* action, const std::vector<XWindow>& before,
                              const std::string& step) {
    const XWindow opened = NewPopup(before, step);
    // The main window's AC submenu shows FrmAC each time it opens.
    if (window == WindowId::frmmain) {
        emit action->menu()->aboutToShow();
        // FrmAC is shown without taking the keyboard; the offscreen platform
        // of the mirror activates every window it shows, so undo that there.
        mirror_->window(WindowId::frmmain)->activateWindow();
        Settle();
    }
    // The menus above it stay open.
    Expect(step + " (submenu " + action->menu()->objectName().toStdString() + " open)",
           before.size() + 1);
    return opened;
}

void Driver::ChooseByMouse(const MenuPath& path) {
    const WindowId window = path.window;
    const std::string step = "mouse: " + Describe(path).toStdString();
    const std::vector<QAction*> actions = Resolve(path);
    const XWindow top = Top(mirror_->window(window)->objectName().toStdString());

    // A menu opens right under its title: open it once by the keyboard to
    // see where the title is.
    const std::string title = Describe({window, {path.names.front()}}).toStdString();
    if (!titleX_.count(title)) {
        titleX_[title] = OpenTop(path, step).x;
        CloseMenus(step);
    }
    const int titleX = titleX_[title];

    auto before = Popups();
    Click(titleX + 8, top.y + 10);
    XWindow open = NewPopup(before, step);
    for (std::size_t i = 1; i < actions.size(); ++i) {
        QAction* action = actions[i];
        // Every row of a menu has the same height.
        const QList<QAction*> rows = VisibleActions(actions[i - 1]->menu());
        const double row = double(open.height) / rows.size();
        const int x = open.x + open.width / 2;
        const int y = open.y + static_cast<int>(row * rows.indexOf(action) + row / 2);
        if (action->menu()) {
            before = Popups();
            server_.Move(x, y);
            open = SubmenuOpened(window, action, before, step);
            continue;
        }
        Click(x, y);
        if (!action->isEnabled()) {
            CloseMenus(step);
            Expect(step + " (disabled)");
            return;
        }
    }
    TriggerInMirror(actions.back());
    Expect(step);
}

} // namespace vora::real_input
