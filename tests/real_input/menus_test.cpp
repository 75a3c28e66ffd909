// SPDX-License-Identifier: MIT
// Every item of every menu of every window, chosen with real X input: by
// the keyboard (access keys and arrows) and by the mouse (click the title,
// hover into submenus, click the item). After each step the program must be
// alive and show exactly the windows that the same command shows in an
// offscreen mirror of the window set.
#include "real_input_fixture.h"
#include "shell/window_set.h"

namespace vora::real_input {
namespace {

using shell::WindowId;

constexpr WindowId kWithMenus[] = {
    WindowId::frmmain, WindowId::frmDC,        WindowId::frmDCC,       WindowId::frmDCL,
    WindowId::FrmAC,   WindowId::frmThreeLtop, WindowId::FrmThreePtoL, WindowId::frmTransient,
};

TEST_F(RealInput, PrefaceAnsweredWithEnterAndWithAClick) {
    Steps([&] {
        driver().Start();
        driver().AnswerPreface(false);
        driver().Start();
        driver().AnswerPreface(true);
    });
}

TEST_F(RealInput, EveryMenuItemByKeyboard) {
    for (WindowId window : kWithMenus) {
        Steps([&] { driver().Goto(window); });
        for (const MenuPath& item : driver().Items(window))
            Steps([&] {
                driver().Goto(window);
                driver().ChooseByKeyboard(item);
            });
    }
}

TEST_F(RealInput, EveryMenuItemByMouse) {
    for (WindowId window : kWithMenus) {
        Steps([&] { driver().Goto(window); });
        for (const MenuPath& item : driver().Items(window))
            Steps([&] {
                driver().Goto(window);
                driver().ChooseByMouse(item);
            });
    }
}

} // namespace
} // namespace vora::real_input
