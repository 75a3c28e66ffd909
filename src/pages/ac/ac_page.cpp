#include "ac_page.h"

#include "widgets/page_colours.h"

namespace vora::pages {

FrmAC::FrmAC(widgets::MessageBoxes& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
    setObjectName("FrmAC");
    setWindowTitle("VORA");
    widgets::ApplyBackground(this, QColor(128, 255, 128));
    setCentralWidget(new QWidget(this));
}

} // namespace vora::pages
