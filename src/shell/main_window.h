// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace vora::shell {

// frmmain: two pictures and the welcome text; its menu bar comes from the
// window set.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace vora::shell
