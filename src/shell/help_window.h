// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace vora::shell {

class WindowSet;

// frmHelp: how to use the program; "Galatoomaa" hides it.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(WindowSet& windows, QWidget* parent = nullptr);

    void cmd0k_Click();

private:
    WindowSet& windows_;
};

} // namespace vora::shell
