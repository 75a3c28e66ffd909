// SPDX-License-Identifier: MIT
// The three-phase line-to-phase and phase-to-line pages.
#pragma once

#include "three_phase_page.h"

namespace vora::pages {

class frmThreeLtop : public ThreePhasePage {
    Q_OBJECT
public:
    explicit frmThreeLtop(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

class FrmThreePtoL : public ThreePhasePage {
    Q_OBJECT
public:
    explicit FrmThreePtoL(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

} // namespace vora::pages
