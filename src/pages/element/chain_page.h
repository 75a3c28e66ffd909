// SPDX-License-Identifier: MIT
// The resistor page and the inductor page: the same controls (the inductor
// page keeps the R names), each with its own values and laws.
#pragma once

#include "calc/element/element_pages.h"
#include "network_page.h"

namespace vora::pages {

template <class Vars> class ChainPage : public NetworkPage<Vars> {
public:
    ChainPage(const ElementPageTexts& texts, widgets::MessageBoxes& messages,
              typename NetworkPage<Vars>::TotalFn total,
              typename NetworkPage<Vars>::ElementFn element, QWidget* parent = nullptr);

    void cmdRT_Click() { this->computeTotal(); }
    void optR1s_DblClick() { this->showElement(1, calc::Choice::Series); }
    void optR1p_DblClick() { this->showElement(1, calc::Choice::Parallel); }
    void optR2s_DblClick() { this->showElement(2, calc::Choice::Series); }
    void optR2p_DblClick() { this->showElement(2, calc::Choice::Parallel); }
    void optR3s_DblClick() { this->showElement(3, calc::Choice::Series); }
    void optR3p_DblClick() { this->showElement(3, calc::Choice::Parallel); }
    void optR4s_DblClick() { this->showElement(4, calc::Choice::Series); }
    void optR4p_DblClick() { this->showElement(4, calc::Choice::Parallel); }
};

class frmDC : public ChainPage<calc::ResistorVars> {
public:
    explicit frmDC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

class frmDCL : public ChainPage<calc::InductorVars> {
public:
    explicit frmDCL(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

} // namespace vora::pages
