// SPDX-License-Identifier: MIT
#include "three_phase_pages.h"

namespace vora::pages {

frmThreeLtop::frmThreeLtop(widgets::MessageBoxes& messages, QWidget* parent)
    : ThreePhasePage(ThreePhaseTexts::LineToPhase(), messages, parent) {}

FrmThreePtoL::FrmThreePtoL(widgets::MessageBoxes& messages, QWidget* parent)
    : ThreePhasePage(ThreePhaseTexts::PhaseToLine(), messages, parent) {}

} // namespace vora::pages
