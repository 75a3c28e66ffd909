// SPDX-License-Identifier: MIT
// A seeded monkey: thousands of real key presses and clicks at random points
// of the program's windows. The program must stay alive (or end cleanly
// through Exit, after which it is started again), never die by a signal, and
// end in a state the user can get out of: no message box or menu that
// Escape does not close, and a window of the page set on screen.
//
// A failing seed prints itself; replay it with
//   VORA_MONKEY_SEED=<seed> VORA_MONKEY_EVENTS=<events> real_input_tests --gtest_filter='*Monkey*'
#include "real_input_fixture.h"

#include <QByteArray>
#include <deque>
#include <random>
#include <sstream>
#include <thread>

namespace vora::real_input {
namespace {

const char* const kKeys[] = {
    "Tab",
    "shift+Tab",
    "Return",
    "KP_Enter",
    "Escape",
    "space",
    "Up",
    "Down",
    "Left",
    "Right",
    "Home",
    "End",
    "F1",
    "BackSpace",
    "Delete",
    "period",
    "minus",
    "e",
    "E",
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "a",
    "k",
    "m",
    "ctrl+h",
    "ctrl+n",
    "ctrl+x",
    "ctrl+b",
    "ctrl+shift+c",
    "ctrl+s",
    "ctrl+a",
    "ctrl+v",
    "ctrl+z",
    "alt+f",
    "alt+e",
    "alt+r",
    "alt+h",
    "alt+a",
    "alt+c",
    "alt+d",
    "alt+s",
    "alt+p",
    "alt+l",
    "alt+n",
    "alt+i",
    "alt+x",
};

std::vector<unsigned> Seeds() {
    const QByteArray env = qgetenv("VORA_MONKEY_SEED");
    if (env.isEmpty()) return {1, 2, 3};
    std::vector<unsigned> seeds;
    for (const QByteArray& s : env.split(','))
        seeds.push_back(s.toUInt());
    return seeds;
}

int Events() {
    const int n = qEnvironmentVariableIntValue("VORA_MONKEY_EVENTS");
    return n > 0 ? n : 1000;
}

class Monkey {
public:
    Monkey(Driver& driver, unsigned seed)
        : d_(driver)
        , rng_(seed) {}

    // One random event; returns what it was.
    std::string Event() {
        const std::vector<XWindow> windows = d_.Windows();
        std::vector<XWindow> targets;
        for (const XWindow& w : windows)
            if (!w.tooltip) targets.push_back(w);
        // The save dialog is tried for opening and closing, not clicked
        // about in, so that no file is written anywhere.
        if (!targets.empty() && targets.back().role == "dlgSaveWorking") {
            // Its corner first: without a window manager it may not have the keyboard.
            d_.Click(targets.back().x + 2, targets.back().y + 2);
            d_.Key("Escape");
            return "key Escape on the save dialog";
        }
        const int kind = Pick(100);
        if (kind < 50 || targets.empty()) {
            const std::string key = kKeys[Pick(std::size(kKeys))];
            d_.Key(key);
            return "key " + key;
        }
        // Mostly the topmost window (open menus and boxes are on top), else any.
        const XWindow& w = Pick(3) ? targets.back() : targets[Pick(targets.size())];
        const int x = w.x + Pick(w.width), y = w.y + Pick(w.height);
        std::ostringstream what;
        what << " at " << x << "," << y << " on "
             << (w.popup ? "a menu"
                 : w.box ? "a box"
                         : w.role);
        if (kind < 75) {
            d_.Click(x, y);
            return "click" + what.str();
        }
        if (kind < 88) {
            d_.Click(x, y, 1, 2);
            return "double-click" + what.str();
        }
        if (kind < 93) {
            d_.Click(x, y, 3);
            return "right-click" + what.str();
        }
        d_.server().Move(x, y);
        return "move" + what.str();
    }

private:
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    Driver& d_;
    std::mt19937 rng_;
};

// The user can always get out: Escape closes every box and menu, and a
// window of the page set stays on screen.
void ExpectReachable(Driver& driver) {
    for (int i = 0; i < 6; ++i) {
        const auto shown = driver.Shown();
        if (!shown.count("box") && !shown.count("menu") && !shown.count("dlgSaveWorking")) break;
        for (const XWindow& w : driver.Windows())
            if (w.role == "dlgSaveWorking") driver.Click(w.x + 2, w.y + 2);
        driver.Key(shown.count("box") && i % 2 ? "Return" : "Escape");
        WaitFor([&] { return driver.Shown() != shown; }, std::chrono::milliseconds(500));
    }
    const auto shown = driver.Shown();
    if (shown.count("box") || shown.count("menu") || shown.count("dlgSaveWorking"))
        throw StepFailure("a message box, menu or dialog stays open after Escape and Enter");
    for (const char* page : {"frmmain", "frmDC", "frmDCC", "frmDCL", "FrmAC", "frmThreeLtop",
                             "FrmThreePtoL", "frmTransient"})
        if (shown.count(page)) return;
    throw StepFailure("no window of the page set is on screen");
}

TEST_F(RealInput, SeededMonkeyNeverKillsTheProgram) {
    const int events = Events();
    for (unsigned seed : Seeds()) {
        Monkey monkey(driver(), seed);
        std::deque<std::string> recent;
        int restarts = 0, i = 0;
        try {
            driver().Start();
            driver().AnswerPreface(false);
            for (i = 0; i < events; ++i) {
                recent.push_back(std::to_string(i) + ": " + monkey.Event());
                if (recent.size() > 12) recent.pop_front();
                // Give the program a moment, so that a crash shows at its cause.
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
                if (driver().EndedCleanly()) {
                    ++restarts;
                    driver().Start();
                    driver().AnswerPreface(false);
                }
                driver().CheckAlive(recent.back());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            driver().CheckAlive("the end of the run");
            if (!driver().EndedCleanly()) ExpectReachable(driver());
        } catch (const StepFailure& failure) {
            std::string last;
            for (const std::string& e : recent)
                last += "\n  " + e;
            ADD_FAILURE() << "seed " << seed << " failed at event " << i << ": " << failure.what()
                          << "\nlast events:" << last << "\nreplay with VORA_MONKEY_SEED=" << seed
                          << " VORA_MONKEY_EVENTS=" << i + 1;
        }
        std::printf("seed %u: %d events, %d restarts after Exit\n", seed, events, restarts);
    }
}

} // namespace
} // namespace vora::real_input
