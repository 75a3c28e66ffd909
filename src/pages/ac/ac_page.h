// SPDX-License-Identifier: MIT
// The single-phase AC page: a resistor, an inductor and a capacitor with
// their connections, a source, and buttons for the total impedance, the
// power factor and three powers. Double-clicking an element's connection
// option shows the current through it and the voltage across it.
//
// The controls are an AcForm built from AcTexts; the page keeps the handlers.
// Every computing handler reads the fields it needs, hands them with a copy of
// the stored values to calc/, which builds and solves the circuit as
// connected, and commits the copy, the label texts, the working and the
// sketch only when the computation succeeded.
#pragma once

#include "ac_form.h"
#include "calc/ac/ac_types.h"
#include "pages/page.h"

#include <vector>

class QLabel;

namespace vora::widgets {
class MessageBoxes;
} // namespace vora::widgets

namespace vora::pages {

class FrmAC : public Page<calc::AcVars> {
    Q_OBJECT
public:
    explicit FrmAC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

    PageReport report() const override;

    // Load step: fills the seven unit lists and selects their first items.
    void Form_Load();

    // Option clicks: the focus goes to the element's entry field.
    void optR1s_Click();
    void optR1p_Click();
    void optXLs_Click();
    void optXLp_Click();
    void OPtXcs_Click();
    void OptXcp_Click();
    // Source choice: focus to txtIV and "A" or "V" selected in cboIV.
    void optI_Click();
    void optV_Click();

    // Reset menu: an element's options cleared and its field emptied.
    void SubmnuR1_Click();
    void mnuXL_Click();
    void MNUXc_Click();
    void mnuAll_Click();

    void cmdZT_Click();
    void cmdPF_Click();
    void cmdRP_Click();
    void cmdXL_Click();
    void cmdXC_Click();

    void optR1s_DblClick();
    void optR1p_DblClick();
    void optXLs_DblClick();
    void optXLp_DblClick();
    void OPtXcs_DblClick();
    void OptXcp_DblClick();

private:
    void connectHandlers();

    // The page's computing events: the five buttons and an element's
    // results. Each remembers that its results are on screen, so that an
    // edit computes them again (refresh).
    enum class Event { Impedance, PowerFactor, Active, Reactive, Apparent, Element };
    struct Shown {
        Event event;
        calc::AcElement element = calc::AcElement::Resistor; // of Event::Element
        bool operator==(const Shown&) const = default;
    };

    void resetElement(int index);
    void focusElement(int index);
    // The event computed on a copy of the stored values; a unit list that
    // the event reads and that holds no unit it knows is a failure.
    calc::Outcome<calc::AcShown> run(const Shown& shown) const;
    // Clicks: run, report a failure, or commit and show.
    void click(const Shown& shown);
    // The labels an event writes.
    std::vector<int> labelsOf(Event event) const;
    void refresh() override;
    void watchInputs();
    void followUnits();
    void showElement(calc::AcElement element);
    void addFinding();
    // The picture of the circuit as chosen, whatever the fields hold.
    void updatePicture();

    AcForm form_;
    std::vector<Shown> shown_; // events whose results are on screen, the last clicked last
};

} // namespace vora::pages
