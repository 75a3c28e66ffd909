// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace vora::shell {

class Navigation;

// frmHelp: how to use the program; "Galatoomaa" hides it.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(Navigation& windows, QWidget* parent = nullptr);

    void cmd0k_Click();

private:
    Navigation& windows_;
};

} // namespace vora::shell
