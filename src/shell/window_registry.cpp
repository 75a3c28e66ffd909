// SPDX-License-Identifier: MIT
#include "window_registry.h"

#include "widgets/page_colours.h"

namespace vora::shell {

QMainWindow* MakeWindow(const WindowEntry& row, Navigation* windows,
                        widgets::MessageBoxes& messages) {
    QMainWindow* w = row.create(windows, messages);
    w->setObjectName(row.name);
    w->setWindowTitle(row.title);
    widgets::ApplyBackground(w, QColor(row.colour));
    return w;
}

} // namespace vora::shell
