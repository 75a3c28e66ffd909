#include "three_phase_pages.h"

#include "widgets/page_colours.h"

namespace vora::pages {

frmThreeLtop::frmThreeLtop(widgets::MessageBoxes&, QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmThreeLtop");
    setWindowTitle("VORA");
    widgets::ApplyBackground(this, QColor(0, 255, 255));
    setCentralWidget(new QWidget(this));
}

FrmThreePtoL::FrmThreePtoL(widgets::MessageBoxes&, QWidget* parent) : QMainWindow(parent) {
    setObjectName("FrmThreePtoL");
    setWindowTitle("VORA");
    widgets::ApplyBackground(this, QColor(255, 192, 128));
    setCentralWidget(new QWidget(this));
}

} // namespace vora::pages
