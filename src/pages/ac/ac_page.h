// The single-phase AC page.
#pragma once

#include <QMainWindow>

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::pages {

class FrmAC : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmAC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

private:
    widgets::MessageBoxes& messages_;
};

} // namespace vora::pages
