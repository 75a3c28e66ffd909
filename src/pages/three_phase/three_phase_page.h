// SPDX-License-Identifier: MIT
// The common page of the two three-phase conversions: a band of explanation,
// the star/delta choice, three entries on the left and four caption labels
// with their results on the right. Each caption label acts as the button that
// computes the quantity beside it.
#pragma once

#include "calc/three_phase/three_phase.h"
#include "pages/page.h"
#include "three_phase_page_texts.h"

#include <array>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace vora::widgets {
class ClickableLabel;
class MessageBoxes;
class OptionButton;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class VectorDiagramView;

class ThreePhasePage : public Page<calc::ThreePhaseVars> {
    Q_OBJECT
public:
    ThreePhasePage(const ThreePhasePageTexts& texts, widgets::MessageBoxes& messages,
                   QWidget* parent = nullptr);

    QString inputsAndResults() const override;

    // The four captions of the output column.
    void lblI2_Click();
    void lblV2_Click();
    void lblZ2_Click();
    void lblS2_Click();
    // Ctrl+N: empties the three entries.
    void clearEntries();

private:
    QWidget* buildConnection();
    void buildInputs(QGridLayout* grid, int firstRow);
    void buildOutputs(QGridLayout* grid, int firstRow);
    void setFocusOrder();
    calc::ThreePhaseEntries entries() const;
    void compute(calc::Caption clicked);
    // Writes a successful caption click's result (and the diagram of the voltages).
    void showOutcome(calc::Caption caption, const calc::ThreePhaseShown& out);
    void refresh() override;
    void installClearEntries();

    const ThreePhasePageTexts& texts_;

    widgets::OptionButton* optY_ = nullptr;
    widgets::OptionButton* optD_ = nullptr;
    std::array<QLineEdit*, 3> entries_{}; // txtIT, txtVT, txtZT
    std::array<widgets::ClickableLabel*, 4> captions_{};
    std::array<QLabel*, 4> results_{}; // lblI0, lblV0, lblZ0, lblS0
    VectorDiagramView* voltages_ = nullptr;
    std::vector<calc::Caption> shown_; // captions whose results are on screen, last clicked last
};

} // namespace vora::pages
