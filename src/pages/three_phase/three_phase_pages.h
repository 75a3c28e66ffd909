// The three-phase line-to-phase and phase-to-line pages.
#pragma once

#include <QMainWindow>

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::pages {

class frmThreeLtop : public QMainWindow {
    Q_OBJECT
public:
    explicit frmThreeLtop(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

class FrmThreePtoL : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmThreePtoL(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

} // namespace vora::pages
