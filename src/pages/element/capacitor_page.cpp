// SPDX-License-Identifier: MIT
#include "capacitor_page.h"

#include "widgets/option_button.h"

#include <QPushButton>
#include <array>
#include <utility>

namespace vora::pages {

frmDCC::frmDCC(widgets::MessageBoxes& messages, QWidget* parent)
    : NetworkPage(ElementPageTexts::Capacitor(), messages, &calc::TotalCapacitance,
                  &calc::CapacitorResults, parent) {
    connect(computeButton(), &QPushButton::clicked, this, &frmDCC::cmdCT_Click);
    const std::array<std::pair<void (frmDCC::*)(), void (frmDCC::*)()>, 4> handlers{{
        {&frmDCC::optC1s_DblClick, &frmDCC::optC1p_DblClick},
        {&frmDCC::optC2s_DblClick, &frmDCC::optC2p_DblClick},
        {&frmDCC::optC3s_DblClick, &frmDCC::optC3p_DblClick},
        {&frmDCC::optC4s_DblClick, &frmDCC::optC4p_DblClick},
    }};
    for (int k = 1; k <= 4; ++k) {
        const auto& [series, parallel] = handlers[static_cast<std::size_t>(k - 1)];
        connect(option(k, calc::Choice::Series), &widgets::OptionButton::doubleClicked, this,
                series);
        connect(option(k, calc::Choice::Parallel), &widgets::OptionButton::doubleClicked, this,
                parallel);
    }
}

} // namespace vora::pages
