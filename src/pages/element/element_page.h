// SPDX-License-Identifier: MIT
// The resistor, capacitor and inductor pages: each its own values, laws and
// texts on the one network page, with the handlers named after its
// controls (the inductor page keeps the R names).
#pragma once

#include "calc/element/element_pages.h"
#include "network_page.h"

namespace vora::pages {

// The handlers named after the R controls, which the resistor page and the
// inductor page (which keeps the R names) share.
template <class P> class RHandlers {
public:
    void cmdRT_Click() { page().computeTotal(); }
    void optR1s_DblClick() { page().showElement(1, calc::Choice::Series); }
    void optR1p_DblClick() { page().showElement(1, calc::Choice::Parallel); }
    void optR2s_DblClick() { page().showElement(2, calc::Choice::Series); }
    void optR2p_DblClick() { page().showElement(2, calc::Choice::Parallel); }
    void optR3s_DblClick() { page().showElement(3, calc::Choice::Series); }
    void optR3p_DblClick() { page().showElement(3, calc::Choice::Parallel); }
    void optR4s_DblClick() { page().showElement(4, calc::Choice::Series); }
    void optR4p_DblClick() { page().showElement(4, calc::Choice::Parallel); }

    static NetworkHandlers<P> Handlers() {
        return {&P::cmdRT_Click,
                {{{&P::optR1s_DblClick, &P::optR1p_DblClick},
                  {&P::optR2s_DblClick, &P::optR2p_DblClick},
                  {&P::optR3s_DblClick, &P::optR3p_DblClick},
                  {&P::optR4s_DblClick, &P::optR4p_DblClick}}}};
    }

private:
    P& page() { return static_cast<P&>(*this); }
};

// "Total Resistance" and the current, voltage and power of each resistor on
// a double-click of its Series or Parallel option.
class frmDC : public NetworkPage<calc::ResistorVars>, public RHandlers<frmDC> {
    Q_OBJECT
public:
    explicit frmDC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
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
class frmDCL : public NetworkPage<calc::InductorVars>, public RHandlers<frmDCL> {
    Q_OBJECT
public:
    explicit frmDCL(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

} // namespace vora::pages
