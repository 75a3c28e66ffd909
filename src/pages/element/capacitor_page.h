// SPDX-License-Identifier: MIT
// The capacitor page: "Total Capacitance" and the charge, voltage and energy
// of each capacitor on a double-click of its Series or Parallel option.
#pragma once

#include "calc/element/element_pages.h"
#include "network_page.h"

namespace vora::pages {

class frmDCC : public NetworkPage<calc::CapacitorVars> {
public:
    explicit frmDCC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

    void cmdCT_Click() { computeTotal(); }
    void optC1s_DblClick() { showElement(1, calc::Choice::Series); }
    void optC1p_DblClick() { showElement(1, calc::Choice::Parallel); }
    void optC2s_DblClick() { showElement(2, calc::Choice::Series); }
    void optC2p_DblClick() { showElement(2, calc::Choice::Parallel); }
    void optC3s_DblClick() { showElement(3, calc::Choice::Series); }
    void optC3p_DblClick() { showElement(3, calc::Choice::Parallel); }
    void optC4s_DblClick() { showElement(4, calc::Choice::Series); }
    void optC4p_DblClick() { showElement(4, calc::Choice::Parallel); }
};

} // namespace vora::pages
