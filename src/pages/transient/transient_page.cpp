// SPDX-License-Identifier: MIT
#include "transient_page.h"

#include "calc/transient/transient_solve.h"
#include "pages/drawing/transient_curve_view.h"
#include "pages/report.h"
#include "pages/result_label.h"
#include "pages/solve_panel.h"
#include "widgets/option_button.h"
#include "widgets/page_body.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

// Wide enough for the entries and the results side by side.
constexpr int kOpenWidth = 900;

} // namespace

frmTransient::frmTransient(widgets::MessageBoxes& messages, QWidget* parent)
    : Page(messages, parent)
    , form_(TransientTexts::Get()) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->addWidget(form_.build(central));
    widgets::WorkingPanel* panel = makeWorking(central);
    const TransientTexts& texts = TransientTexts::Get();
    curve_ = new TransientCurveView(texts.curveTitle, texts.curvePlaceholder);
    curve_->setObjectName("picCurve");
    panel->setSide(curve_, 3);
    column->addWidget(panel, 1); // a taller window gives its height to the working
    widgets::SetPageBody(this, central, kOpenWidth);
    connectHandlers();
    core().setResults(form_.resultLabels(), {curve_});

    core().addFinding([this] { return calc::TransientProblem(form_.entries()); },
                      [this](const calc::SolveTarget&) { cmdCompute_Click(); });
    // The targets are in the order of the result labels.
    for (std::size_t i = 0; i < calc::kTransientResults; ++i)
        OfferFinding(form_.result(static_cast<calc::TransientResult>(i)), finding(), [this, i] {
            const calc::SolveProblem problem = calc::TransientProblem(form_.entries());
            return i < problem.targets.size() ? problem.targets[i].name : std::string();
        });
}

void frmTransient::connectHandlers() {
    using calc::transient::Circuit;
    using calc::transient::Step;
    connect(form_.compute(), &QPushButton::clicked, this, &frmTransient::cmdCompute_Click);
    connect(form_.option(Circuit::RC), &QAbstractButton::clicked, this, &frmTransient::optRC_Click);
    connect(form_.option(Circuit::RL), &QAbstractButton::clicked, this, &frmTransient::optRL_Click);
    connect(form_.option(Step::Charge), &QAbstractButton::clicked, this,
            &frmTransient::optCharge_Click);
    connect(form_.option(Step::Discharge), &QAbstractButton::clicked, this,
            &frmTransient::optDischarge_Click);
    // An arrow key changes the circuit without a click: the rows follow the choice itself.
    connect(form_.option(Circuit::RL), &QAbstractButton::toggled, this,
            [this] { form_.showCircuit(); });
    for (QLineEdit* field : form_.fields()) {
        enterClicks(field, form_.compute());
        watch(field);
    }
    for (widgets::UnitList* list : form_.lists())
        watch(list);
    for (QAbstractButton* option : form_.options())
        watch(option);
}

void frmTransient::optRC_Click() {
    focusAfterChoice(form_.storage());
}

void frmTransient::optRL_Click() {
    focusAfterChoice(form_.storage());
}

void frmTransient::optCharge_Click() {
    focusAfterChoice(form_.voltage());
}

void frmTransient::optDischarge_Click() {
    focusAfterChoice(form_.voltage());
}

calc::Outcome<calc::Shown<calc::TransientVars>> frmTransient::run() const {
    for (const widgets::UnitList* list : form_.listsRead())
        if (auto failure = UnknownUnit(list)) return *failure;
    return calc::ComputeTransient(form_.entries(), vars_);
}

void frmTransient::cmdCompute_Click() {
    Commit(run());
}

// Results on screen follow the entries: computed again silently, or marked
// out of date while the entries cannot give them.
void frmTransient::refresh() {
    if (!form_.hasResults()) return;
    const auto out = run();
    if (!out) {
        const QString why = QString::fromStdString(out.failure().text);
        form_.markOutOfDate(why);
        MarkOutOfDate(curve_, why);
        markWorkingOutOfDate(out.failure());
        return;
    }
    Adopt(*out);
}

PageReport frmTransient::report() const {
    return ReportOf(form_.report(), working());
}

} // namespace vora::pages
