// SPDX-License-Identifier: MIT
// The AC form's reading of the entries and writing of the labels.
#include "ac_form.h"
#include "calc/engineering.h"
#include "pages/calculation_page.h"
#include "pages/choices.h"
#include "pages/result_label.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <cmath>
#include <optional>

namespace vora::pages {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

calc::Field FieldOf(const QLineEdit* entry, const QString& label) {
    return {entry->text().toStdString(), entry->objectName().toStdString(), label.toStdString()};
}

void SetTip(QLabel* label, const QString& tip) {
    label->setToolTip(tip);
    label->setAccessibleDescription(tip);
}

// A current or voltage result, which is rms: "1.478 A" and under it "rms
// value, peak 2.090 A"; the peak is √2 times.
void ShowRms(QLabel* label, const std::string& text, double rms, std::string_view unit,
             const AcTexts& texts) {
    ShowResult(label, text, rms, unit);
    SetTip(label, Readable(label) + "\n" + texts.peakTip +
                      ToQt(calc::FormatEngineering(std::sqrt(2.0) * rms, unit)));
}

void Show(QLabel* label, const std::optional<calc::AcValue>& value, std::string_view unit) {
    if (value)
        ShowResult(label, value->text, value->value, unit);
    else
        ClearResult(label);
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

void AcForm::showImpedance(const std::string& text, double ohms) {
    ShowResult(lblZT, text, ohms, calc::BaseSymbol(texts.impedanceUnits));
}

void AcForm::showPowerFactor(const std::string& factor, const std::string& lagging) {
    ClearOutOfDate(lblPF);
    ClearOutOfDate(lblLG);
    lblPF->setText(ToQt(factor));
    lblLG->setText(ToQt(lagging));
}

// A power comes from rms values.
void AcForm::showPower(std::size_t power, const std::string& text, double value) {
    QLabel* label = powers[power];
    ShowResult(label, text, value, texts.powers[power].symbol);
    SetTip(label, Readable(label) + "\n" + texts.powerTip);
}

void AcForm::showElement(const std::array<std::string, 2>& names, const std::string& current,
                         double amperes, const std::string& voltage, double volts) {
    ClearOutOfDate(lblI);
    ClearOutOfDate(lblv);
    lblI->setText(ToQt(names[0]));
    lblv->setText(ToQt(names[1]));
    ShowRms(lblIV, current, amperes, calc::BaseSymbol(texts.currentUnits), texts);
    ShowRms(lblVV, voltage, volts, calc::BaseSymbol(texts.voltageUnits), texts);
}

void AcForm::showMore(const calc::AcShown& shown) {
    if (shown.circuitResults) {
        Show(lblReactL, shown.reactances.xl, texts.xl.symbol);
        Show(lblReactC, shown.reactances.xc, texts.xc.symbol);
        const auto& r = shown.resonance;
        Show(lblF0, r ? std::optional(r->f0) : std::nullopt, texts.f0.symbol);
        Show(lblW0, r ? std::optional(r->w0) : std::nullopt, texts.w0.symbol);
        Show(lblQF, r ? r->q : std::nullopt, texts.q.symbol);
    }
    if (const auto& s = shown.sourceCurrent) {
        ShowRms(lblIS, s->magnitude.text, s->magnitude.value, texts.sourceCurrent.symbol, texts);
        Show(lblIA, s->phase, texts.angle.symbol);
    }
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
        lines << ReportResult(t.powers[i].button.text, powers[i], t.powers[i].symbol);
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
