// SPDX-License-Identifier: MIT
// The common page of the two three-phase conversions (its controls in
// ThreePhaseForm). Each caption label of the output column acts as the
// button that computes the quantity beside it.
#pragma once

#include "calc/three_phase/three_phase.h"
#include "pages/page.h"
#include "three_phase_form.h"

#include <vector>

namespace vora::widgets {
class MessageBoxes;
} // namespace vora::widgets

namespace vora::pages {

class ThreePhasePage : public Page<calc::ThreePhaseVars> {
    Q_OBJECT
public:
    ThreePhasePage(const ThreePhaseTexts& texts, widgets::MessageBoxes& messages,
                   QWidget* parent = nullptr);

    PageReport report() const override;

    // The four captions of the output column.
    void lblI2_Click();
    void lblV2_Click();
    void lblZ2_Click();
    void lblS2_Click();
    // Ctrl+N: empties the three entries.
    void clearEntries();

private:
    void connectHandlers();
    void compute(calc::Caption clicked);
    void refresh() override;

    ThreePhaseForm form_;
    std::vector<calc::Caption> shown_; // captions whose results are on screen, last clicked last
};

} // namespace vora::pages
