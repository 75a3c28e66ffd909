// SPDX-License-Identifier: MIT
#include "element_page.h"

namespace vora::pages {

frmDC::frmDC(widgets::MessageBoxes& messages, QWidget* parent)
    : NetworkPage(ElementTexts::Resistor(), messages, &calc::TotalResistance,
                  &calc::ResistorResults, Handlers(), parent) {}

frmDCC::frmDCC(widgets::MessageBoxes& messages, QWidget* parent)
    : NetworkPage(ElementTexts::Capacitor(), messages, &calc::TotalCapacitance,
                  &calc::CapacitorResults,
                  NetworkHandlers<frmDCC>{&frmDCC::cmdCT_Click,
                                          {{{&frmDCC::optC1s_DblClick, &frmDCC::optC1p_DblClick},
                                            {&frmDCC::optC2s_DblClick, &frmDCC::optC2p_DblClick},
                                            {&frmDCC::optC3s_DblClick, &frmDCC::optC3p_DblClick},
                                            {&frmDCC::optC4s_DblClick, &frmDCC::optC4p_DblClick}}}},
                  parent) {}

frmDCL::frmDCL(widgets::MessageBoxes& messages, QWidget* parent)
    : NetworkPage(ElementTexts::Inductor(), messages, &calc::TotalInductance,
                  &calc::InductorResults, Handlers(), parent) {}

} // namespace vora::pages
