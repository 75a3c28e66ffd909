// SPDX-License-Identifier: MIT
// The tests of this folder that need a real X server run on one of their
// own, made by main() before the QApplication, which uses it through xcb.
#pragma once

namespace vora::real_input {
class XServer;
}

namespace vora::testing {

// The server of the run: real key presses (XTEST) go to the window that has
// the keyboard.
vora::real_input::XServer& Screen();

} // namespace vora::testing
