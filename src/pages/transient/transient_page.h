// SPDX-License-Identifier: MIT
// The RC and RL transients page: a resistor with a capacitor or an inductor
// switched at t = 0, charging from zero or discharging to zero. Compute (or
// Enter in a field) reads the form, runs the one event on a copy of the
// stored values and commits it; the labels, the working and the curve follow.
#pragma once

#include "calc/transient/transient_event.h"
#include "pages/page.h"
#include "transient_form.h"

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::pages {

class TransientCurveView;

class frmTransient : public Page<calc::TransientVars> {
    Q_OBJECT
public:
    explicit frmTransient(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

    PageReport report() const override;

    void cmdCompute_Click();
    // The circuit's entry shows; the focus goes to it.
    void optRC_Click();
    void optRL_Click();
    // The focus goes to the voltage.
    void optCharge_Click();
    void optDischarge_Click();

    const TransientCurveView* curve() const { return curve_; }

private:
    void connectHandlers();
    calc::Outcome<calc::Shown<calc::TransientVars>> run() const;
    void refresh() override;

    TransientForm form_;
    TransientCurveView* curve_ = nullptr;
};

} // namespace vora::pages
