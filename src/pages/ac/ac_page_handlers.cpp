// SPDX-License-Identifier: MIT
// The AC page's handlers and their wiring: small input steps, and the
// computing events as transactions over a copy of the stored values.
#include "ac_page.h"
#include "calc/ac/element_results.h"
#include "calc/ac/impedance.h"
#include "calc/ac/powers.h"
#include "pages/report.h"
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

QString EmptySourceText() {
    return widgets::ResourceText(":/texts/ac_empty_source.txt");
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
    const QString micro = QStringLiteral("\u00B5");
    elements_[kResistor].unit->fill({"Ohm", "KOhm", "MOhm"});
    elements_[kInductor].unit->fill({"H", "mH", micro + "H"});
    elements_[kCapacitor].unit->fill({"F", micro + "F", "nF"});
    cboZT_->fill({"Ohm", "Kohm", "Mohm"});
    cboI_->fill({"A", "mA", "KA"});
    cboV_->fill({"V", "mV", "KV"});
    cboIV_->fill({"A", "mA", "KA", "V", "mV", "KV"});
}

void FrmAC::focusElement(int index) {
    elements_[static_cast<std::size_t>(index)].value->setFocus(Qt::OtherFocusReason);
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
    txtIV_->setFocus(Qt::OtherFocusReason);
    cboIV_->setCurrentIndex(0); // "A"
}

void FrmAC::optV_Click() {
    txtIV_->setFocus(Qt::OtherFocusReason);
    cboIV_->setCurrentIndex(3); // "V"
}

void FrmAC::resetElement(int index) {
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

calc::AcEntries FrmAC::entries() const {
    const auto entry = [this](int index, const char* label) -> calc::UnitField {
        const ElementControls& c = elements_[static_cast<std::size_t>(index)];
        return {FieldOf(c.value, label), c.unit->position()};
    };
    calc::AcEntries in;
    in.resistor = entry(kResistor, "Resistor Value");
    in.inductor = entry(kInductor, "Inductor Value");
    in.capacitor = entry(kCapacitor, "Capacitor Value");
    in.choices = choices();
    in.impedanceUnit = cboZT_->position();
    return in;
}

calc::AcSource FrmAC::source() const {
    calc::AcSource in;
    in.choices = choices();
    in.source = optV_->isChecked()   ? calc::Source::Voltage
                : optI_->isChecked() ? calc::Source::Current
                                     : calc::Source::None;
    in.value = {FieldOf(txtIV_, "Current and Voltage Value"), cboIV_->position()};
    return in;
}

void FrmAC::reportFailure(const calc::Failure& failure) {
    ReportFailure(this, messages_, failure);
}

void FrmAC::cmdZT_Click() {
    const QString before = lblZT_->text();
    const auto run = calc::TotalImpedance(entries(), vars_);
    // Each block's impedance is on screen while a later block's message is open.
    for (const auto& step : run.steps) {
        if (step.kind == calc::ImpedanceStep::Kind::Label)
            lblZT_->setText(ToQt(step.label));
        else
            messages_.show(this, widgets::MessageBoxes::Icon::Information, "Recommendation",
                           "Impedance Become Infinity");
    }
    if (!run.result) {
        lblZT_->setText(before);
        return reportFailure(run.result.failure());
    }
    vars_ = run.result->vars;
    lblZT_->setText(ToQt(run.result->label));
    working_->setText(ToQt(run.result->working.Text()));
}

void FrmAC::cmdPF_Click() {
    const auto out = calc::PowerFactor(source(), vars_);
    if (!out) return reportFailure(out.failure());
    vars_ = out->vars;
    lblPF_->setText(ToQt(out->factor));
    lblLG_->setText(ToQt(out->kind));
    working_->setText(ToQt(out->working.Text()));
}

void FrmAC::showPower(const calc::Outcome<calc::PowerShown>& out, QLabel* label) {
    if (!out) return reportFailure(out.failure());
    if (!out->applied) return;
    vars_ = out->vars;
    label->setText(ToQt(out->label));
    working_->setText(ToQt(out->working.Text()));
}

void FrmAC::cmdRP_Click() {
    showPower(calc::ActivePower(source(), vars_), lblP_);
}
void FrmAC::cmdXL_Click() {
    showPower(calc::ReactivePower(source(), vars_), lblXL_);
}
void FrmAC::cmdXC_Click() {
    showPower(calc::ApparentPower(source(), vars_), lblXC_);
}

void FrmAC::showElement(calc::AcElement element, calc::Choice option) {
    // Exactly empty: blanks count as a source value.
    if (txtIV_->text().isEmpty()) {
        messages_.show(this, widgets::MessageBoxes::Icon::Information, "Ajaja", EmptySourceText());
        return;
    }
    const auto out = calc::ElementResults(element, option, source(), vars_);
    if (!out) return reportFailure(out.failure());
    vars_ = out->vars;
    lblI_->setText(ToQt(out->names[0]));
    lblv_->setText(ToQt(out->names[1]));
    lblIV_->setText(ToQt(out->values[0]));
    lblVV_->setText(ToQt(out->values[1]));
    working_->setText(ToQt(out->working.Text()));
}

void FrmAC::optR1s_DblClick() {
    showElement(calc::AcElement::Resistor, calc::Choice::Series);
}
void FrmAC::optR1p_DblClick() {
    showElement(calc::AcElement::Resistor, calc::Choice::Parallel);
}
void FrmAC::optXLs_DblClick() {
    showElement(calc::AcElement::Inductor, calc::Choice::Series);
}
void FrmAC::optXLp_DblClick() {
    showElement(calc::AcElement::Inductor, calc::Choice::Parallel);
}
void FrmAC::OPtXcs_DblClick() {
    showElement(calc::AcElement::Capacitor, calc::Choice::Series);
}
void FrmAC::OptXcp_DblClick() {
    showElement(calc::AcElement::Capacitor, calc::Choice::Parallel);
}

} // namespace vora::pages
