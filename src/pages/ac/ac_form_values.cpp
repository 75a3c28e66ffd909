// SPDX-License-Identifier: MIT
// The AC form's reading of the entries and writing of the labels.
#include "ac_form.h"
#include "pages/calculation_page.h"
#include "pages/choices.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/drawing/vector_diagram_view.h"
#include "pages/result_label.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace vora::pages {

namespace {

calc::Field FieldOf(const QLineEdit* entry, const QString& label) {
    return {entry->text().toStdString(), entry->objectName().toStdString(), label.toStdString()};
}

} // namespace

calc::Choices<3> AcForm::choices() const {
    calc::Choices<3> choices{};
    for (std::size_t i = 0; i < 3; ++i)
        choices[i] = ChoiceOf(elements[i].series, elements[i].parallel);
    return choices;
}

calc::AcInputs AcForm::inputs() const {
    calc::AcInputs in;
    for (std::size_t i = 0; i < 3; ++i)
        in.elements[i] = {FieldOf(elements[i].value, texts.elements[i].valueFrame.text),
                          elements[i].unit->position()};
    in.choices = choices();
    in.source = SourceOf(optV, optI);
    in.value = {FieldOf(txtIV, texts.valueFrame.text), cboIV->position()};
    in.peak = optPeak->isChecked();
    in.frequency = {FieldOf(txtF, texts.frequencyFrame.text), cboF->position()};
    in.impedanceUnit = cboZT->position();
    in.currentUnit = cboI->position();
    in.voltageUnit = cboV->position();
    return in;
}

std::vector<QLabel*> AcForm::resultLabels() const {
    return {lblZT, lblPF, lblLG, powers[0], powers[1], powers[2], lblI,  lblIV, lblv,
            lblVV, lblIS, lblIA, lblReactL, lblReactC, lblF0,     lblW0, lblQF};
}

std::vector<QWidget*> AcForm::pictures() const {
    return {sketch, image1, phasors, power};
}

QStringList AcForm::report() const {
    const AcTexts& t = texts;
    QStringList lines{t.reportHeading};
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& c = elements[i];
        lines << ReportLine(t.elements[i].report, c.value->text(), c.unit->currentText()) + ", " +
                     ChosenName(c.series, t.reportSeries, c.parallel, t.reportParallel,
                                t.reportNoConnection);
    }
    const QString source =
        ChosenName(optV, t.reportVoltage, optI, t.reportCurrent, t.reportNoSource);
    lines << ReportLine(t.reportSource + " (" + source +
                            (optPeak->isChecked() ? t.reportPeak : t.reportRms) + ")",
                        txtIV->text(), cboIV->currentText());
    lines << ReportLine(t.reportFrequency, txtF->text(), cboF->currentText());
    lines << ReportResult(t.reportImpedance, lblZT, cboZT->currentText());
    lines << (IsOutOfDate(lblPF) ? t.reportPowerFactorOutOfDate
                                 : ReportLine(t.reportPowerFactor, lblPF->text(), lblLG->text()));
    for (std::size_t i = 0; i < powers.size(); ++i)
        lines << ReportResult(t.powers[i].button.text, powers[i], t.powers[i].unit.text);
    const std::pair<const AcMoreTexts*, QLabel*> more[] = {{&t.sourceCurrent, lblIS},
                                                           {&t.angle, lblIA},
                                                           {&t.xl, lblReactL},
                                                           {&t.xc, lblReactC},
                                                           {&t.f0, lblF0},
                                                           {&t.w0, lblW0},
                                                           {&t.q, lblQF}};
    for (const auto& [m, label] : more)
        lines << ReportResult(m->report, label, m->reportUnit);
    if (!lblI->text().isEmpty()) lines << ReportResult(lblI->text(), lblIV, cboI->currentText());
    if (!lblv->text().isEmpty()) lines << ReportResult(lblv->text(), lblVV, cboV->currentText());
    return lines;
}

} // namespace vora::pages
