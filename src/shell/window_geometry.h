// SPDX-License-Identifier: MIT
// Each window's size and position, remembered between runs in the user's
// settings (QSettings under the organization and application names).
#pragma once

class QWidget;

namespace vora::shell {

// Gives the window its last size and position, if they still fit on a
// present screen (otherwise it keeps its defaults), and saves them each time
// the window hides and when the program ends. Call it once, right after
// creating the window and before it is first shown.
void RememberGeometry(QWidget& window);

} // namespace vora::shell
