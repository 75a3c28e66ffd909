// SPDX-License-Identifier: MIT
#include "chain_page.h"

#include "widgets/option_button.h"

#include <QPushButton>

namespace vora::pages {

template <class Vars>
ChainPage<Vars>::ChainPage(const ElementPageTexts& texts, widgets::MessageBoxes& messages,
                           typename NetworkPage<Vars>::TotalFn total,
                           typename NetworkPage<Vars>::ElementFn element, QWidget* parent)
    : NetworkPage<Vars>(texts, messages, total, element, parent) {
    using Page = ChainPage<Vars>;
    QObject::connect(this->computeButton(), &QPushButton::clicked, this, &Page::cmdRT_Click);
    const std::array<std::pair<void (Page::*)(), void (Page::*)()>, 4> handlers{{
        {&Page::optR1s_DblClick, &Page::optR1p_DblClick},
        {&Page::optR2s_DblClick, &Page::optR2p_DblClick},
        {&Page::optR3s_DblClick, &Page::optR3p_DblClick},
        {&Page::optR4s_DblClick, &Page::optR4p_DblClick},
    }};
    for (int k = 1; k <= 4; ++k) {
        const auto& [series, parallel] = handlers[static_cast<std::size_t>(k - 1)];
        QObject::connect(this->option(k, calc::Choice::Series),
                         &widgets::OptionButton::doubleClicked, this, series);
        QObject::connect(this->option(k, calc::Choice::Parallel),
                         &widgets::OptionButton::doubleClicked, this, parallel);
    }
}

template class ChainPage<calc::ResistorVars>;
template class ChainPage<calc::InductorVars>;

frmDC::frmDC(widgets::MessageBoxes& messages, QWidget* parent)
    : ChainPage(ElementPageTexts::Resistor(), messages, &calc::TotalResistance,
                &calc::ResistorResults, parent) {}

frmDCL::frmDCL(widgets::MessageBoxes& messages, QWidget* parent)
    : ChainPage(ElementPageTexts::Inductor(), messages, &calc::TotalInductance,
                &calc::InductorResults, parent) {}

} // namespace vora::pages
