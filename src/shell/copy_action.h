// SPDX-License-Identifier: MIT
#pragma once

class QMainWindow;

namespace vora::shell {

// Gives a calculation page "Copy All Inputs and Results" (Ctrl+Shift+C, and
// on the page's context menu), which puts the page's inputs and results on
// the clipboard as plain text. Other windows are left alone.
void InstallCopyAction(QMainWindow& window);

} // namespace vora::shell
