// SPDX-License-Identifier: MIT
// The AC page: its form, the wiring of the handlers, the picture of the
// circuit as chosen, and the copied text.
#include "ac_page.h"

#include "calc/ac/ac_circuit.h"
#include "calc/ac/ac_solve.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/report.h"
#include "pages/result_label.h"
#include "pages/solve_panel.h"
#include "widgets/option_button.h"
#include "widgets/working_panel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace vora::pages {

FrmAC::FrmAC(widgets::MessageBoxes& messages, QWidget* parent)
    : Page(messages, parent)
    , form_(AcTexts::Get()) {
    form_.build(this, [this](QWidget* parent) { return makeWorking(parent); });
    for (const AcForm::Element& c : form_.elements)
        for (widgets::OptionButton* option : {c.series, c.parallel})
            connect(option, &QAbstractButton::toggled, this, &FrmAC::updatePicture);
    connect(form_.optI, &QAbstractButton::toggled, this, &FrmAC::updatePicture);
    connect(form_.optV, &QAbstractButton::toggled, this, &FrmAC::updatePicture);
    updatePicture();

    connectHandlers();
    core().setResults(form_.resultLabels(), form_.pictures());
    Form_Load();
    followUnits();
    watchInputs();
    addFinding();
}

void FrmAC::addFinding() {
    using E = calc::AcEvent;
    core().addFinding([this] { return calc::AcProblem(form_.inputs()); },
                      [this](const calc::SolveTarget& target) {
                          switch (static_cast<E>(target.event)) {
                          case E::Impedance:
                              return cmdZT_Click();
                          case E::PowerFactor:
                              return cmdPF_Click();
                          case E::Active:
                              return cmdRP_Click();
                          case E::Reactive:
                              return cmdXL_Click();
                          case E::Apparent:
                              return cmdXC_Click();
                          case E::R:
                              return showElement(calc::AcElement::Resistor);
                          case E::L:
                              return showElement(calc::AcElement::Inductor);
                          case E::C:
                              return showElement(calc::AcElement::Capacitor);
                          }
                      });
    OfferFinding(form_.lblZT, finding(), "Z");
    OfferFinding(form_.lblPF, finding(), "PF");
    const char* powers[3] = {"P", "Q", "S"};
    for (std::size_t i = 0; i < 3; ++i)
        OfferFinding(form_.powers[i], finding(), powers[i]);
}

void FrmAC::connectHandlers() {
    using Handler = void (FrmAC::*)();
    const Handler resets[4] = {&FrmAC::MNUXc_Click, &FrmAC::mnuXL_Click, &FrmAC::SubmnuR1_Click,
                               &FrmAC::mnuAll_Click};
    for (std::size_t i = 0; i < form_.resets.size(); ++i)
        connect(form_.resets[i], &QAction::triggered, this, resets[i]);
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
        const AcForm::Element& c = form_.elements[i];
        connect(c.series, &QAbstractButton::clicked, this, seriesClick);
        connect(c.parallel, &QAbstractButton::clicked, this, parallelClick);
        connect(c.series, &widgets::OptionButton::doubleClicked, this, seriesDouble);
        connect(c.parallel, &widgets::OptionButton::doubleClicked, this, parallelDouble);
    }
    connect(form_.optI, &QAbstractButton::clicked, this, &FrmAC::optI_Click);
    connect(form_.optV, &QAbstractButton::clicked, this, &FrmAC::optV_Click);
    connect(form_.cmdZT, &QPushButton::clicked, this, &FrmAC::cmdZT_Click);
    connect(form_.cmdPF, &QPushButton::clicked, this, &FrmAC::cmdPF_Click);
    const Handler powers[3] = {&FrmAC::cmdRP_Click, &FrmAC::cmdXL_Click, &FrmAC::cmdXC_Click};
    for (std::size_t i = 0; i < form_.powerButtons.size(); ++i)
        connect(form_.powerButtons[i], &QPushButton::clicked, this, powers[i]);
}

void FrmAC::Form_Load() {
    form_.fillLists();
}

// The circuit the choices describe, whatever the fields hold; choices that
// describe none leave the picture empty with a hint.
void FrmAC::updatePicture() {
    const auto sketch = calc::Attempt([&] { return calc::ac::Connect(form_.choices()); });
    form_.image1->setSketch(sketch ? *sketch : calc::Sketch{});
    // Without a choice the source value is taken as a current, as the events read it.
    const AcTexts& t = form_.texts;
    form_.image1->setSource(form_.optV->isChecked() ? t.pictureVoltage : t.pictureCurrent);
}

PageReport FrmAC::report() const {
    return ReportOf(form_.report(), working());
}

} // namespace vora::pages
