// SPDX-License-Identifier: MIT
#include "element_page.h"

namespace vora::pages {

frmDC::frmDC(widgets::MessageBoxes& messages, QWidget* parent)
    : NetworkPage(ElementTexts::Resistor(), messages, &calc::TotalResistance,
                  &calc::ResistorResults,
                  NetworkHandlers<frmDC>{&frmDC::cmdRT_Click,
                                         {{{&frmDC::optR1s_DblClick, &frmDC::optR1p_DblClick},
                                           {&frmDC::optR2s_DblClick, &frmDC::optR2p_DblClick},
                                           {&frmDC::optR3s_DblClick, &frmDC::optR3p_DblClick},
                                           {&frmDC::optR4s_DblClick, &frmDC::optR4p_DblClick}}}},
                  parent) {}

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
                  &calc::InductorResults,
                  NetworkHandlers<frmDCL>{&frmDCL::cmdRT_Click,
                                          {{{&frmDCL::optR1s_DblClick, &frmDCL::optR1p_DblClick},
                                            {&frmDCL::optR2s_DblClick, &frmDCL::optR2p_DblClick},
                                            {&frmDCL::optR3s_DblClick, &frmDCL::optR3p_DblClick},
                                            {&frmDCL::optR4s_DblClick, &frmDCL::optR4p_DblClick}}}},
                  parent) {}

} // namespace vora::pages
