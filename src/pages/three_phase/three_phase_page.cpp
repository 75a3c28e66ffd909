// SPDX-License-Identifier: MIT
#include "three_phase_page.h"

#include "calc/three_phase/three_phase_solve.h"
#include "pages/drawing/vector_diagram_view.h"
#include "pages/report.h"
#include "pages/result_label.h"
#include "pages/solve_panel.h"
#include "widgets/clickable_label.h"
#include "widgets/option_button.h"
#include "widgets/working_panel.h"

#include <QAction>
#include <QLineEdit>
#include <QStringList>

namespace vora::pages {

ThreePhasePage::ThreePhasePage(const ThreePhaseTexts& texts, widgets::MessageBoxes& messages,
                               QWidget* parent)
    : Page(messages, parent)
    , form_(texts) {
    form_.build(this, [this](QWidget* parent) { return makeWorking(parent); });
    connectHandlers();
    core().setResults({form_.results.begin(), form_.results.end()}, {form_.voltages});

    // The results describe one connection and the entries on screen: a
    // change computes them again.
    watch(form_.optY);
    watch(form_.optD);
    for (QLineEdit* entry : form_.entryFields)
        watch(entry);

    const auto conversion = form_.texts.convert == &calc::LineToPhase
                                ? calc::Conversion::LineToPhase
                                : calc::Conversion::PhaseToLine;
    core().addFinding(
        [this, conversion] { return calc::ThreePhaseProblem(conversion, form_.entries()); },
        [this](const calc::SolveTarget& target) {
            compute(static_cast<calc::Caption>(target.event));
        });
    for (std::size_t i = 0; i < form_.results.size(); ++i)
        OfferFinding(form_.results[i], finding(),
                     calc::TargetName(conversion, static_cast<calc::Caption>(i)));
}

void ThreePhasePage::connectHandlers() {
    using Handler = void (ThreePhasePage::*)();
    const Handler handlers[4] = {&ThreePhasePage::lblI2_Click, &ThreePhasePage::lblV2_Click,
                                 &ThreePhasePage::lblZ2_Click, &ThreePhasePage::lblS2_Click};
    for (std::size_t i = 0; i < form_.captions.size(); ++i)
        connect(form_.captions[i], &widgets::ClickableLabel::clicked, this, handlers[i]);
    connect(form_.clearEntries, &QAction::triggered, this, &ThreePhasePage::clearEntries);
}

// The entries are emptied; the connection, the results and the stored values stay.
void ThreePhasePage::clearEntries() {
    const Batch once(*this);
    for (QLineEdit* entry : form_.entryFields)
        entry->clear();
}

// Computes on a copy of the stored values; the page changes only when the
// click succeeded.
void ThreePhasePage::compute(calc::Caption clicked) {
    const auto out = form_.texts.convert(clicked, form_.entries(), vars_);
    if (!Commit(out)) return;
    std::erase(shown_, clicked);
    shown_.push_back(clicked);
}

// Every caption clicked so far again, in the order clicked, silently; what
// cannot be computed from the entries as they are is marked out of date.
void ThreePhasePage::refresh() {
    bool any = false;
    calc::Failure last;
    for (const calc::Caption caption : shown_) {
        auto out = form_.texts.convert(caption, form_.entries(), vars_);
        if (out.unchanged()) out = Because(form_.texts.chooseConnection.toStdString());
        if (!out) {
            last = out.failure();
            form_.markOutOfDate(caption, QString::fromStdString(last.text));
            continue;
        }
        Adopt(*out);
        any = true;
    }
    if (!any && !shown_.empty()) markWorkingOutOfDate(last);
}

void ThreePhasePage::lblI2_Click() {
    compute(calc::Caption::Current);
}
void ThreePhasePage::lblV2_Click() {
    compute(calc::Caption::Voltage);
}
void ThreePhasePage::lblZ2_Click() {
    compute(calc::Caption::Impedance);
}
void ThreePhasePage::lblS2_Click() {
    compute(calc::Caption::Power);
}

PageReport ThreePhasePage::report() const {
    return ReportOf(form_.report(), working());
}

} // namespace vora::pages
