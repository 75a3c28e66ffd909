// SPDX-License-Identifier: MIT
#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
extern "C" {
#include <xdo.h>
}

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vora::real_input {
namespace {

Display* Dpy(void* p) {
    return static_cast<Display*>(p);
}

// fork + exec with extra environment entries; returns the child's pid.
int Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
          int keepFd = -1) {
    const int pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        for (const std::string& e : env)
            putenv(const_cast<char*>(e.c_str()));
        const int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, STDIN_FILENO);
        // Keep the program's own complaints visible in the test log, but not
        // the server's chatter.
        if (argv[0] == "Xvfb") dup2(devnull, STDERR_FILENO);
        for (int fd = 3; fd < 256; ++fd)
            if (fd != keepFd) close(fd);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

void Stop(int pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::string Role(Display* d, Window w) {
    static const Atom role = XInternAtom(d, "WM_WINDOW_ROLE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(d, w, role, 0, 256, False, AnyPropertyType, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return text;
}

bool IsTooltip(Display* d, Window w) {
    static const Atom type = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
    static const Atom tooltip = XInternAtom(d, "_NET_WM_WINDOW_TYPE_TOOLTIP", False);
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(d, w, type, 0, 16, False, XA_ATOM, &actual, &format, &count, &after,
                           &data) == Success &&
        data) {
        const Atom* atoms = reinterpret_cast<Atom*>(data);
        for (unsigned long i = 0; i < count; ++i)
            found = found || atoms[i] == tooltip;
        XFree(data);
    }
    return found;
}

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0; // a window may vanish between the query and the look at it
}

} // namespace

XServer::XServer(int width, int height) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                  std::to_string(width) + "x" + std::to_string(height) + "x24", "-nolisten", "tcp",
                  "-noreset"},
                 {}, fds[1]);
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        Stop(pid_);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    display_ = ":" + number;
    XSetErrorHandler(IgnoreErrors);
    xlib_ = XOpenDisplay(display_.c_str());
    xdo_ = xdo_new(display_.c_str());
    if (!xlib_ || !xdo_) {
        Stop(pid_);
        throw std::runtime_error("cannot open display " + display_);
    }
}

XServer::~XServer() {
    if (xdo_) xdo_free(static_cast<xdo_t*>(xdo_));
    if (xlib_) XCloseDisplay(Dpy(xlib_));
    Stop(pid_);
}

std::vector<XWindow> XServer::Mapped() const {
    Display* d = Dpy(xlib_);
    XSync(d, False);
    Window root = DefaultRootWindow(d), parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<XWindow> out;
    if (!XQueryTree(d, root, &root, &parent, &children, &count)) return out;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
        XWindow w;
        w.id = children[i];
        w.role = Role(d, children[i]);
        w.x = a.x;
        w.y = a.y;
        w.width = a.width;
        w.height = a.height;
        w.popup = a.override_redirect;
        w.tooltip = w.popup && IsTooltip(d, children[i]);
        Window owner = 0;
        w.box = !w.popup && w.role.empty() && XGetTransientForHint(d, children[i], &owner);
        out.push_back(w);
    }
    if (children) XFree(children);
    return out;
}

unsigned long XServer::Focus() const {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(Dpy(xlib_), &focus, &revert);
    return focus > PointerRoot ? focus : 0;
}

void XServer::Key(const std::string& keys) const {
    if (xdo_send_keysequence_window(static_cast<xdo_t*>(xdo_), CURRENTWINDOW, keys.c_str(), 2000))
        throw std::runtime_error("xdotool cannot type " + keys);
    XFlush(Dpy(xlib_));
}

void XServer::Move(int x, int y) const {
    xdo_move_mouse(static_cast<xdo_t*>(xdo_), x, y, 0);
}

void XServer::Click(int button, int repeat) const {
    // Within the double-click interval, as a quick hand is.
    xdo_click_window_multiple(static_cast<xdo_t*>(xdo_), CURRENTWINDOW, button, repeat, 60000);
}

std::string Ending::Describe() const {
    if (signalled) return "killed by signal " + std::to_string(code) + " (" + strsignal(code) + ")";
    return "ended with status " + std::to_string(code);
}

Program::Program(const std::string& path, const XServer& server, const std::string& home) {
    const std::string run = home + "/run";
    mkdir(run.c_str(), 0700);
    pid_ = Spawn({path}, {"DISPLAY=" + server.display(), "QT_QPA_PLATFORM=xcb", "HOME=" + home,
                          "XDG_CONFIG_HOME=" + home + "/config", "XDG_RUNTIME_DIR=" + run,
                          "QT_ACCESSIBILITY=0"});
}

Program::~Program() {
    if (!Ended()) Stop(pid_);
}

std::optional<Ending> Program::Ended() {
    if (ending_) return ending_;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return std::nullopt;
    if (WIFSIGNALED(status))
        ending_ = Ending{true, WTERMSIG(status)};
    else
        ending_ = Ending{false, WEXITSTATUS(status)};
    return ending_;
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace vora::real_input
