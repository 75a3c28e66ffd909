// SPDX-License-Identifier: MIT
// The AC page's handlers: small input steps, and the computing events as
// transactions over a copy of the stored values.
#include "ac_page.h"
#include "calc/ac/ac_events.h"
#include "calc/ac/ac_sketch_values.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/drawing/vector_diagram_view.h"
#include "pages/result_label.h"
#include "widgets/form_controls.h"
#include "widgets/message_boxes.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vora::pages {

namespace {

constexpr int kResistor = 0, kInductor = 1, kCapacitor = 2;

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void FrmAC::focusElement(int index) {
    focusAfterChoice(form_.elements[static_cast<std::size_t>(index)].value);
}

void FrmAC::optR1s_Click() {
    focusElement(kResistor);
}
void FrmAC::optR1p_Click() {
    focusElement(kResistor);
}
void FrmAC::optXLs_Click() {
    focusElement(kInductor);
}
void FrmAC::optXLp_Click() {
    focusElement(kInductor);
}
void FrmAC::OPtXcs_Click() {
    focusElement(kCapacitor);
}
void FrmAC::OptXcp_Click() {
    focusElement(kCapacitor);
}

void FrmAC::optI_Click() {
    focusAfterChoice(form_.txtIV);
    form_.cboIV->setCurrentIndex(0); // the first current unit
}

void FrmAC::optV_Click() {
    focusAfterChoice(form_.txtIV);
    // the first voltage unit, after the current units
    form_.cboIV->setCurrentIndex(static_cast<int>(form_.texts.sourceCurrentUnits.size()));
}

void FrmAC::resetElement(int index) {
    const Batch once(*this);
    AcForm::Element& c = form_.elements[static_cast<std::size_t>(index)];
    c.series->clear();
    c.parallel->clear();
    c.value->setText({});
}

void FrmAC::MNUXc_Click() {
    resetElement(kCapacitor);
}
void FrmAC::mnuXL_Click() {
    resetElement(kInductor);
}
void FrmAC::SubmnuR1_Click() {
    resetElement(kResistor);
}

void FrmAC::mnuAll_Click() {
    const Batch once(*this);
    MNUXc_Click();
    mnuXL_Click();
    SubmnuR1_Click();
}

calc::Outcome<calc::AcShown> FrmAC::run(const Shown& shown) const {
    // The unit lists the event reads: the elements', then its own.
    std::vector<const widgets::UnitList*> lists;
    for (const AcForm::Element& c : form_.elements)
        lists.push_back(c.unit);
    switch (shown.event) {
    case Event::Impedance:
        lists.push_back(form_.cboZT);
        break;
    case Event::PowerFactor:
        break;
    case Event::Element:
        lists.insert(lists.end(), {form_.cboIV, form_.cboI, form_.cboV});
        break;
    default:
        lists.push_back(form_.cboIV);
    }
    for (const widgets::UnitList* list : lists)
        if (auto unknown = UnknownUnit(list)) return *unknown;

    const calc::AcInputs in = form_.inputs();
    switch (shown.event) {
    case Event::Impedance:
        return calc::TotalImpedance(in, vars_);
    case Event::PowerFactor:
        return calc::PowerFactor(in, vars_);
    case Event::Active:
        return calc::ActivePower(in, vars_);
    case Event::Reactive:
        return calc::ReactivePower(in, vars_);
    case Event::Apparent:
        return calc::ApparentPower(in, vars_);
    case Event::Element:
        return calc::ElementResults(shown.element, in, vars_);
    }
    return calc::Failure{};
}

void FrmAC::click(const Shown& shown) {
    if (!Commit(run(shown))) return;
    std::erase(shown_, shown);
    shown_.push_back(shown);
}

// What an event writes: its own labels, and the further results it shows
// with them (the reactances and the resonance with the circuit's events, the
// source current with those that drive it).
std::vector<int> FrmAC::labelsOf(Event event) const {
    using L = calc::AcLabel;
    std::vector<L> labels;
    const std::initializer_list<L> circuit{L::XL, L::XC, L::F0, L::W0, L::Q};
    switch (event) {
    case Event::Impedance:
        labels = {L::Impedance};
        labels.insert(labels.end(), circuit);
        break;
    case Event::PowerFactor:
        labels = {L::PowerFactor, L::Lagging};
        labels.insert(labels.end(), circuit);
        break;
    case Event::Active:
        labels = {L::Active, L::SourceCurrent, L::SourceAngle};
        break;
    case Event::Reactive:
        labels = {L::Reactive, L::SourceCurrent, L::SourceAngle};
        break;
    case Event::Apparent:
        labels = {L::Apparent, L::SourceCurrent, L::SourceAngle};
        break;
    case Event::Element:
        labels = {L::CurrentName, L::Current,       L::VoltageName,
                  L::Voltage,     L::SourceCurrent, L::SourceAngle};
        break;
    }
    std::vector<int> result;
    for (const L label : labels)
        result.push_back(calc::SlotOf(label));
    return result;
}

// Every result on screen again, in the order they were clicked, so that the
// working and the pictures are those of the last one that can be computed.
void FrmAC::refresh() {
    if (shown_.empty()) return;
    std::string last; // why the last event that could not be computed failed
    const Shown* lastShown = nullptr;
    for (const Shown& shown : shown_) {
        calc::Outcome<calc::AcShown> out = run(shown);
        if (out && shown.event == Event::Element && form_.txtIV->text().isEmpty())
            out = Because(form_.texts.emptySourceOutOfDate.toStdString());
        if (!out) {
            last = out.failure().reason();
            core().markOutOfDate(labelsOf(shown.event), {}, ToQt(last));
            continue;
        }
        Adopt(*out);
        last.clear();
        lastShown = &shown;
    }
    if (lastShown) return;
    // Nothing could be computed: the working and the pictures go with the results.
    markWorkingOutOfDate(Because(last));
    using P = calc::AcPicture;
    core().markOutOfDate(
        {}, {calc::SlotOf(P::Sketch), calc::SlotOf(P::Phasors), calc::SlotOf(P::Power)},
        ToQt(last));
    // The picture follows the choices at once: it loses the values it can no longer vouch for.
    form_.image1->setValues({});
}

void FrmAC::cmdZT_Click() {
    click({Event::Impedance});
}

void FrmAC::cmdPF_Click() {
    click({Event::PowerFactor});
}

void FrmAC::cmdRP_Click() {
    click({Event::Active});
}
void FrmAC::cmdXL_Click() {
    click({Event::Reactive});
}
void FrmAC::cmdXC_Click() {
    click({Event::Apparent});
}

// The double-click's first click has already selected the option, so the
// element is in the circuit.
void FrmAC::showElement(calc::AcElement element) {
    // Exactly empty: blanks count as a source value.
    if (announceEmptySource(form_.txtIV, form_.texts.emptySourceText)) return;
    click({Event::Element, element});
}

void FrmAC::watchInputs() {
    for (const AcForm::Element& c : form_.elements) {
        watch(c.value);
        watch(c.unit);
        watch(c.series);
        watch(c.parallel);
        enterClicks(c.value, form_.cmdZT);
    }
    watch(form_.optV);
    watch(form_.optI);
    watch(form_.txtIV);
    watch(form_.cboIV);
    watch(form_.txtF);
    watch(form_.cboF);
    watch(form_.optRms);
    watch(form_.optPeak);
    // After their followers, which show a current result in the new unit.
    watch(form_.cboZT);
    watch(form_.cboI);
    watch(form_.cboV);
    enterClicks(form_.txtIV, form_.cmdZT);
    enterClicks(form_.txtF, form_.cmdZT);
}

// Choosing another unit shows the same impedance, current or voltage in it.
void FrmAC::followUnits() {
    const auto report = [this](const calc::Failure& failure) { reportFailure(failure); };
    new UnitFollower(form_.lblZT, form_.cboZT, calc::ImpedanceInUnit, report);
    new UnitFollower(form_.lblIV, form_.cboI, calc::CurrentInUnit, report);
    new UnitFollower(form_.lblVV, form_.cboV, calc::VoltageInUnit, report);
}

void FrmAC::optR1s_DblClick() {
    showElement(calc::AcElement::Resistor);
}
void FrmAC::optR1p_DblClick() {
    showElement(calc::AcElement::Resistor);
}
void FrmAC::optXLs_DblClick() {
    showElement(calc::AcElement::Inductor);
}
void FrmAC::optXLp_DblClick() {
    showElement(calc::AcElement::Inductor);
}
void FrmAC::OPtXcs_DblClick() {
    showElement(calc::AcElement::Capacitor);
}
void FrmAC::OptXcp_DblClick() {
    showElement(calc::AcElement::Capacitor);
}

} // namespace vora::pages
