#pragma once

#include <QMainWindow>

namespace vora::shell {

class WindowSet;

// frmAB: the about text; "Exit" returns to the main window.
class AboutWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit AboutWindow(WindowSet& windows, QWidget* parent = nullptr);

    void cmdok_Click();

private:
    WindowSet& windows_;
};

} // namespace vora::shell
