// SPDX-License-Identifier: MIT
// The resistor, capacitor and inductor pages: each its own values, laws and
// texts on the one network page, with the handlers named after its
// controls (the inductor page keeps the R names).
#pragma once

#include "calc/element/element_pages.h"
#include "network_page.h"

namespace vora::pages {

// "Total Resistance" and the current, voltage and power of each resistor on
// a double-click of its Series or Parallel option.
class frmDC : public NetworkPage<calc::ResistorVars> {
    Q_OBJECT
public:
    explicit frmDC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

    void cmdRT_Click() { computeTotal(); }
    void optR1s_DblClick() { showElement(1, calc::Choice::Series); }
    void optR1p_DblClick() { showElement(1, calc::Choice::Parallel); }
    void optR2s_DblClick() { showElement(2, calc::Choice::Series); }
    void optR2p_DblClick() { showElement(2, calc::Choice::Parallel); }
    void optR3s_DblClick() { showElement(3, calc::Choice::Series); }
    void optR3p_DblClick() { showElement(3, calc::Choice::Parallel); }
    void optR4s_DblClick() { showElement(4, calc::Choice::Series); }
    void optR4p_DblClick() { showElement(4, calc::Choice::Parallel); }
};

// "Total Capacitance" and the charge, voltage and energy of each capacitor.
class frmDCC : public NetworkPage<calc::CapacitorVars> {
    Q_OBJECT
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

// "Total Inductance" and the current, voltage and stored energy of each
// inductor.
class frmDCL : public NetworkPage<calc::InductorVars> {
    Q_OBJECT
public:
    explicit frmDCL(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

    void cmdRT_Click() { computeTotal(); }
    void optR1s_DblClick() { showElement(1, calc::Choice::Series); }
    void optR1p_DblClick() { showElement(1, calc::Choice::Parallel); }
    void optR2s_DblClick() { showElement(2, calc::Choice::Series); }
    void optR2p_DblClick() { showElement(2, calc::Choice::Parallel); }
    void optR3s_DblClick() { showElement(3, calc::Choice::Series); }
    void optR3p_DblClick() { showElement(3, calc::Choice::Parallel); }
    void optR4s_DblClick() { showElement(4, calc::Choice::Series); }
    void optR4p_DblClick() { showElement(4, calc::Choice::Parallel); }
};

} // namespace vora::pages
