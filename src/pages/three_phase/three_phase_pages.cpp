// SPDX-License-Identifier: MIT
#include "three_phase_pages.h"

namespace vora::pages {

frmThreeLtop::frmThreeLtop(widgets::MessageBoxes& messages, QWidget* parent)
    : ThreePhasePage(ThreePhasePageTexts::LineToPhase(), messages, parent) {}

FrmThreePtoL::FrmThreePtoL(widgets::MessageBoxes& messages, QWidget* parent)
    : ThreePhasePage(ThreePhasePageTexts::PhaseToLine(), messages, parent) {}

} // namespace vora::pages
