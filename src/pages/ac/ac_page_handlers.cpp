// SPDX-License-Identifier: MIT
// The AC page's handlers and their wiring: small input steps, and the
// computing events as transactions over a copy of the stored values.
#include "ac_page.h"
#include "calc/ac/ac_events.h"
#include "calc/ac/ac_sketch_values.h"
#include "pages/drawing/vector_diagram_view.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/result_label.h"
#include "widgets/form_controls.h"
#include "widgets/message_boxes.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace vora::pages {

namespace {

constexpr int kResistor = 0, kInductor = 1, kCapacitor = 2;

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

calc::Field FieldOf(const QLineEdit* entry, const char* label) {
    return {entry->text().toStdString(), entry->objectName().toStdString(), label};
}

} // namespace

void FrmAC::buildResetMenu() {
    QMenu* reset = menuBar()->addMenu("&Reset");
    reset->setObjectName("mnuresate");
    struct Item {
        const char* name;
        const char* caption;
        void (FrmAC::*handler)();
    };
    const Item items[] = {
        {"MNUXc", "&Capacitor", &FrmAC::MNUXc_Click},
        {"mnuXL", "&Inductor", &FrmAC::mnuXL_Click},
        {"SubmnuR1", "&Resistor", &FrmAC::SubmnuR1_Click},
        {"mnuAll", "&New", &FrmAC::mnuAll_Click},
    };
    for (const Item& item : items) {
        QAction* action = reset->addAction(item.caption);
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, this, item.handler);
    }
    reset->actions().last()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
}

void FrmAC::connectHandlers() {
    using Handler = void (FrmAC::*)();
    const std::array<std::array<Handler, 4>, 3> handlers{{
        {&FrmAC::optR1s_Click, &FrmAC::optR1p_Click, &FrmAC::optR1s_DblClick,
         &FrmAC::optR1p_DblClick},
        {&FrmAC::optXLs_Click, &FrmAC::optXLp_Click, &FrmAC::optXLs_DblClick,
         &FrmAC::optXLp_DblClick},
        {&FrmAC::OPtXcs_Click, &FrmAC::OptXcp_Click, &FrmAC::OPtXcs_DblClick,
         &FrmAC::OptXcp_DblClick},
    }};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& [seriesClick, parallelClick, seriesDouble, parallelDouble] = handlers[i];
        connect(elements_[i].series, &QAbstractButton::clicked, this, seriesClick);
        connect(elements_[i].parallel, &QAbstractButton::clicked, this, parallelClick);
        connect(elements_[i].series, &widgets::OptionButton::doubleClicked, this, seriesDouble);
        connect(elements_[i].parallel, &widgets::OptionButton::doubleClicked, this, parallelDouble);
    }
    connect(optI_, &QAbstractButton::clicked, this, &FrmAC::optI_Click);
    connect(optV_, &QAbstractButton::clicked, this, &FrmAC::optV_Click);
    connect(cmdZT_, &QPushButton::clicked, this, &FrmAC::cmdZT_Click);
    connect(cmdPF_, &QPushButton::clicked, this, &FrmAC::cmdPF_Click);
    connect(cmdRP_, &QPushButton::clicked, this, &FrmAC::cmdRP_Click);
    connect(cmdXL_, &QPushButton::clicked, this, &FrmAC::cmdXL_Click);
    connect(cmdXC_, &QPushButton::clicked, this, &FrmAC::cmdXC_Click);
}

void FrmAC::Form_Load() {
    elements_[kResistor].unit->fill(UnitNames(calc::kOhmsCapital));
    elements_[kInductor].unit->fill(UnitNames(calc::kHenries));
    elements_[kCapacitor].unit->fill(UnitNames(calc::kFarads));
    cboZT_->fill(UnitNames(calc::kOhms));
    cboI_->fill(UnitNames(calc::kAmperes));
    cboV_->fill(UnitNames(calc::kVolts));
    // Current units at positions 0 to 2, voltage units at 3 to 5.
    cboIV_->fill(UnitNames(calc::kAmperes) + UnitNames(calc::kVolts));
}

void FrmAC::focusElement(int index) {
    focusAfterChoice(elements_[static_cast<std::size_t>(index)].value);
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
    focusAfterChoice(txtIV_);
    cboIV_->setCurrentIndex(0); // "A"
}

void FrmAC::optV_Click() {
    focusAfterChoice(txtIV_);
    cboIV_->setCurrentIndex(3); // "V"
}

void FrmAC::resetElement(int index) {
    const Batch once(*this);
    ElementControls& c = elements_[static_cast<std::size_t>(index)];
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

calc::Choices<3> FrmAC::choices() const {
    calc::Choices<3> choices{};
    for (std::size_t i = 0; i < 3; ++i)
        choices[i] = elements_[i].series->isChecked()     ? calc::Choice::Series
                     : elements_[i].parallel->isChecked() ? calc::Choice::Parallel
                                                          : calc::Choice::None;
    return choices;
}

calc::AcInputs FrmAC::inputs() const {
    const char* labels[3] = {"Resistor Value", "Inductor Value", "Capacitor Value"};
    calc::AcInputs in;
    for (std::size_t i = 0; i < 3; ++i)
        in.elements[i] = {FieldOf(elements_[i].value, labels[i]), elements_[i].unit->position()};
    in.choices = choices();
    in.source = optV_->isChecked()   ? calc::Source::Voltage
                : optI_->isChecked() ? calc::Source::Current
                                     : calc::Source::None;
    in.value = {FieldOf(txtIV_, "Current and Voltage Value"), cboIV_->position()};
    in.peak = optPeak_->isChecked();
    in.frequency = {FieldOf(txtF_, "Supply Frequency"), cboF_->position()};
    in.impedanceUnit = cboZT_->position();
    in.currentUnit = cboI_->position();
    in.voltageUnit = cboV_->position();
    return in;
}

calc::Outcome<calc::AcShown> FrmAC::run(const Shown& shown) const {
    // The unit lists the event reads: the elements', then its own.
    std::vector<const widgets::UnitList*> lists;
    for (const ElementControls& c : elements_)
        lists.push_back(c.unit);
    switch (shown.event) {
    case Event::Impedance:
        lists.push_back(cboZT_);
        break;
    case Event::PowerFactor:
        break;
    case Event::Element:
        lists.insert(lists.end(), {cboIV_, cboI_, cboV_});
        break;
    default:
        lists.push_back(cboIV_);
    }
    for (const widgets::UnitList* list : lists)
        if (auto unknown = UnknownUnit(list)) return *unknown;

    const calc::AcInputs in = inputs();
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
    const auto out = run(shown);
    // An impedance that is infinite with no element to blame (an L ∥ C group
    // at resonance): the page's own message, and nothing changes.
    if (out && out->infinite)
        return messages().show(this, widgets::MessageBoxes::Icon::Information, "Recommendation",
                               "Impedance Become Infinity");
    if (!Commit(out)) return;
    showOutcome(shown, *out);
    std::erase(shown_, shown);
    shown_.push_back(shown);
}

void FrmAC::showOutcome(const Shown& shown, const calc::AcShown& out) {
    ClearOutOfDate(sketch_);
    ClearOutOfDate(phasors_);
    ClearOutOfDate(power_);
    // Most events keep the circuit: no need to paint its sketch again.
    if (!(sketch_->sketch() == out.sketch)) sketch_->setSketch(out.sketch);
    // The fields as the event just read them; the picture shows them too.
    const calc::SketchValues values = calc::AcSketchValues(inputs());
    sketch_->setValues(values);
    image1_->setValues(values);
    phasors_->setDiagram(out.diagrams.phasors);
    power_->setDiagram(out.diagrams.power);
    showMore(out);
    using V = calc::AcVars;
    switch (shown.event) {
    case Event::Impedance:
        shownImpedance_ = out.vars.Impedance;
        ShowResult(lblZT_, out.value, shownImpedance_, "Ω");
        impedanceUnit_->shown();
        return;
    case Event::PowerFactor:
        ClearOutOfDate(lblPF_);
        ClearOutOfDate(lblLG_);
        lblPF_->setText(ToQt(out.value));
        lblLG_->setText(ToQt(out.second));
        return;
    case Event::Active:
        return ShowPowerResult(lblP_, out.value, out.vars.ActivePower, "W");
    case Event::Reactive:
        return ShowPowerResult(lblXL_, out.value, out.vars.ReactivePower, "VAR");
    case Event::Apparent:
        return ShowPowerResult(lblXC_, out.value, out.vars.ApparentPower, "VA");
    case Event::Element:
        break;
    }
    const std::pair<double V::*, double V::*> stored[3] = {
        {&V::ResistorCurrent, &V::ResistorVoltage},
        {&V::InductorCurrent, &V::InductorVoltage},
        {&V::CapacitorCurrent, &V::CapacitorVoltage},
    };
    const auto& [current, voltage] = stored[static_cast<std::size_t>(shown.element)];
    shownCurrent_ = out.vars.*current;
    shownVoltage_ = out.vars.*voltage;
    ClearOutOfDate(lblI_);
    ClearOutOfDate(lblv_);
    lblI_->setText(ToQt(out.names[0]));
    lblv_->setText(ToQt(out.names[1]));
    ShowRms(lblIV_, out.value, shownCurrent_, "A");
    ShowRms(lblVV_, out.second, shownVoltage_, "V");
    currentUnit_->shown();
    voltageUnit_->shown();
}

// What an event writes: its own labels, and the further results it shows
// with them (the reactances and the resonance with the circuit's events, the
// source current with those that drive it).
std::vector<QLabel*> FrmAC::labelsOf(Event event) const {
    const std::vector<QLabel*> circuit{lblReactL_, lblReactC_, lblF0_, lblW0_, lblQF_};
    const std::vector<QLabel*> source{lblIS_, lblIA_};
    std::vector<QLabel*> labels;
    switch (event) {
    case Event::Impedance:
        labels = {lblZT_};
        labels.insert(labels.end(), circuit.begin(), circuit.end());
        return labels;
    case Event::PowerFactor:
        labels = {lblPF_, lblLG_};
        labels.insert(labels.end(), circuit.begin(), circuit.end());
        return labels;
    case Event::Active:
        labels = {lblP_};
        break;
    case Event::Reactive:
        labels = {lblXL_};
        break;
    case Event::Apparent:
        labels = {lblXC_};
        break;
    case Event::Element:
        labels = {lblI_, lblIV_, lblv_, lblVV_};
        break;
    }
    labels.insert(labels.end(), source.begin(), source.end());
    return labels;
}

// Every result on screen again, in the order they were clicked, so that the
// working and the pictures are those of the last one that can be computed.
void FrmAC::refresh() {
    if (shown_.empty()) return;
    std::optional<calc::Failure> last;
    const Shown* lastShown = nullptr;
    for (const Shown& shown : shown_) {
        calc::Outcome<calc::AcShown> out = run(shown);
        if (out && out->infinite)
            out = Because("The impedance is infinite: the inductor and the capacitor "
                          "in parallel are at resonance.");
        if (out && shown.event == Event::Element && txtIV_->text().isEmpty())
            out = Because("The source value is empty. Enter it to see the element's "
                          "current and voltage again.");
        if (!out) {
            const QString why = ToQt(out.failure().text);
            for (QLabel* label : labelsOf(shown.event))
                MarkOutOfDate(label, why);
            last = out.failure();
            continue;
        }
        Adopt(*out);
        showOutcome(shown, *out);
        last.reset();
        lastShown = &shown;
    }
    if (lastShown) return;
    // Nothing could be computed: the working and the pictures go with the results.
    markWorkingOutOfDate(*last);
    for (QWidget* picture : std::initializer_list<QWidget*>{sketch_, phasors_, power_})
        MarkOutOfDate(picture, ToQt(last->text));
    // The picture follows the choices at once: it loses the values it can no longer vouch for.
    image1_->setValues({});
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
    if (announceEmptySource(txtIV_, ":/texts/empty_source_supply.txt")) return;
    click({Event::Element, element});
}

void FrmAC::watchInputs() {
    for (const ElementControls& c : elements_) {
        watch(c.value);
        watch(c.unit);
        watch(c.series);
        watch(c.parallel);
        enterClicks(c.value, cmdZT_);
    }
    watch(optV_);
    watch(optI_);
    watch(txtIV_);
    watch(cboIV_);
    watch(txtF_);
    watch(cboF_);
    watch(optRms_);
    watch(optPeak_);
    // After their followers, which show a current result in the new unit.
    watch(cboZT_);
    watch(cboI_);
    watch(cboV_);
    enterClicks(txtIV_, cmdZT_);
    enterClicks(txtF_, cmdZT_);
}

// Choosing another unit shows the same impedance, current or voltage in it.
void FrmAC::followUnits() {
    const auto report = [this](const calc::Failure& failure) { reportFailure(failure); };
    impedanceUnit_ = new UnitFollower(
        lblZT_, cboZT_,
        [this](int position) { return calc::ImpedanceInUnit(shownImpedance_, position); }, report);
    currentUnit_ = new UnitFollower(
        lblIV_, cboI_,
        [this](int position) { return calc::CurrentInUnit(shownCurrent_, position); }, report);
    voltageUnit_ = new UnitFollower(
        lblVV_, cboV_,
        [this](int position) { return calc::VoltageInUnit(shownVoltage_, position); }, report);
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
