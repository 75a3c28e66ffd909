// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

class QVBoxLayout;

namespace vora::shell {

class WindowSet;

// frmAB: the about text, the version and the licence; "Exit" returns to the
// main window.
class AboutWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit AboutWindow(WindowSet& windows, QWidget* parent = nullptr);

    void cmdok_Click();

private:
    void AddLicence(QVBoxLayout& layout, QWidget& central);

    WindowSet& windows_;
};

} // namespace vora::shell
