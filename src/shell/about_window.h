// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

class QVBoxLayout;

namespace vora::shell {

class Navigation;

// frmAB: the about text, the version and the licence; "Exit" returns to the
// main window.
class AboutWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit AboutWindow(Navigation& windows, QWidget* parent = nullptr);

    void cmdok_Click();

private:
    void AddLicence(QVBoxLayout& layout, QWidget& central);

    Navigation& windows_;
};

} // namespace vora::shell
