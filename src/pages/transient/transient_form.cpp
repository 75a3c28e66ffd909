// SPDX-License-Identifier: MIT
#include "transient_form.h"

#include "pages/calculation_page.h"
#include "pages/result_label.h"
#include "widgets/form_controls.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

using calc::transient::Circuit;
using calc::transient::Step;

std::size_t Index(calc::TransientResult result) {
    return static_cast<std::size_t>(result);
}

widgets::OptionButton* MakeOption(const TransientChoice& choice, QWidget* parent) {
    return widgets::MakeOption(choice.option.name, choice.option.text, choice.accessible, parent);
}

} // namespace

QWidget* TransientForm::build(QWidget* parent) {
    auto* body = new QWidget(parent);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->addWidget(buildChoices(body), 0, 0, 1, 2);
    grid->addWidget(buildValues(body), 1, 0);
    grid->addWidget(buildResults(body), 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    showCircuit();
    return body;
}

QWidget* TransientForm::buildChoices(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* circuit = widgets::MakeFrame(texts_.circuitFrame.name, texts_.circuitFrame.text, box);
    auto* circuitRow = new QHBoxLayout(circuit);
    optRC_ = MakeOption(texts_.rc, circuit);
    optRL_ = MakeOption(texts_.rl, circuit);
    optRC_->setChecked(true);
    circuitRow->addWidget(optRC_);
    circuitRow->addWidget(optRL_);
    circuitRow->addStretch(1);
    auto* step = widgets::MakeFrame(texts_.stepFrame.name, texts_.stepFrame.text, box);
    auto* stepRow = new QHBoxLayout(step);
    optCharge_ = MakeOption(texts_.charge, step);
    optDischarge_ = MakeOption(texts_.discharge, step);
    optCharge_->setChecked(true);
    stepRow->addWidget(optCharge_);
    stepRow->addWidget(optDischarge_);
    stepRow->addStretch(1);
    row->addWidget(circuit, 1);
    row->addWidget(step, 1);
    return box;
}

TransientForm::Row TransientForm::addRow(QGridLayout* grid, int row, const TransientEntryText& text,
                                         QWidget* parent) {
    Row r{.text = &text};
    r.caption = widgets::MakeLabel(text.caption.name, text.caption.text, parent);
    r.entry = widgets::MakeEntry(text.entry, text.tip, text.accessible, parent);
    r.entry->setMinimumWidth(110);
    r.list = widgets::MakeUnitList(text.list, text.accessible + " Unit", parent);
    r.list->fill(UnitNames(text.units));
    r.caption->setBuddy(r.entry);
    grid->addWidget(r.caption, row, 0);
    grid->addWidget(r.entry, row, 1);
    grid->addWidget(r.list, row, 2);
    return r;
}

QWidget* TransientForm::buildValues(QWidget* parent) {
    auto* frame = widgets::MakeFrame(texts_.valuesFrame.name, texts_.valuesFrame.text, parent);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    r_ = addRow(grid, 0, texts_.r, frame);
    c_ = addRow(grid, 1, texts_.c, frame);
    l_ = addRow(grid, 2, texts_.l, frame);
    v_ = addRow(grid, 3, texts_.v, frame);
    t_ = addRow(grid, 4, texts_.t, frame);
    compute_ = widgets::MakeButton(texts_.compute.name, texts_.compute.text, frame);
    compute_->setToolTip("Computes τ and the circuit at the time t (Enter in a field does too)");
    grid->addWidget(compute_, 5, 1, 1, 2);
    grid->setRowStretch(6, 1);
    return frame;
}

QWidget* TransientForm::buildResults(QWidget* parent) {
    auto* frame = widgets::MakeFrame(texts_.resultsFrame.name, texts_.resultsFrame.text, parent);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    for (std::size_t k = 0; k < results_.size(); ++k) {
        const TransientResultText& text = texts_.results[k];
        Result& r = results_[k];
        r.caption = widgets::MakeLabel(text.caption.name, text.caption.text, frame);
        r.value = widgets::MakeResult(text.result, text.accessible + " result", frame);
        r.unit = widgets::MakeLabel(text.unit, text.symbol, frame);
        r.unit->setMinimumWidth(r.unit->fontMetrics().horizontalAdvance("µs") + 4);
        const int row = static_cast<int>(k);
        grid->addWidget(r.caption, row, 0);
        grid->addWidget(r.value, row, 1);
        grid->addWidget(r.unit, row, 2);
    }
    grid->setRowStretch(static_cast<int>(results_.size()), 1);
    return frame;
}

Circuit TransientForm::circuit() const {
    return optRL_->isChecked() ? Circuit::RL : Circuit::RC;
}

widgets::OptionButton* TransientForm::option(Circuit circuit) const {
    return circuit == Circuit::RC ? optRC_ : optRL_;
}

widgets::OptionButton* TransientForm::option(Step step) const {
    return step == Step::Charge ? optCharge_ : optDischarge_;
}

const TransientForm::Row& TransientForm::storageRow() const {
    return circuit() == Circuit::RC ? c_ : l_;
}

QLineEdit* TransientForm::storage() const {
    return storageRow().entry;
}

calc::TransientEntry TransientForm::Read(const Row& row) {
    return {{row.entry->text().toStdString(), row.text->entry.toStdString(),
             row.text->caption.text.toStdString()},
            row.list->position()};
}

calc::TransientEntries TransientForm::entries() const {
    return {.circuit = circuit(),
            .step = optDischarge_->isChecked() ? Step::Discharge : Step::Charge,
            .r = Read(r_),
            .storage = Read(storageRow()),
            .v = Read(v_),
            .t = Read(t_)};
}

std::vector<const widgets::UnitList*> TransientForm::listsRead() const {
    return {r_.list, storageRow().list, v_.list, t_.list};
}

std::vector<QLineEdit*> TransientForm::fields() const {
    return {r_.entry, c_.entry, l_.entry, v_.entry, t_.entry};
}

std::vector<widgets::UnitList*> TransientForm::lists() const {
    return {r_.list, c_.list, l_.list, v_.list, t_.list};
}

std::vector<QAbstractButton*> TransientForm::options() const {
    return {optRC_, optRL_, optCharge_, optDischarge_};
}

void TransientForm::showCircuit() {
    const bool rc = circuit() == Circuit::RC;
    for (QWidget* w : {static_cast<QWidget*>(c_.caption), static_cast<QWidget*>(c_.entry),
                       static_cast<QWidget*>(c_.list)})
        w->setVisible(rc);
    for (QWidget* w : {static_cast<QWidget*>(l_.caption), static_cast<QWidget*>(l_.entry),
                       static_cast<QWidget*>(l_.list)})
        w->setVisible(!rc);
    results_[Index(calc::TransientResult::StorageVoltage)].caption->setText(
        texts_.captionOf(calc::TransientResult::StorageVoltage, circuit()).text);
}

std::vector<QLabel*> TransientForm::resultLabels() const {
    std::vector<QLabel*> labels;
    for (const Result& r : results_)
        labels.push_back(r.value);
    labels.push_back(results_[Index(calc::TransientResult::Tau)].unit);
    return labels;
}

void TransientForm::markOutOfDate(const QString& why) {
    for (const Result& r : results_)
        MarkOutOfDate(r.value, why);
}

bool TransientForm::hasResults() const {
    return !results_[Index(calc::TransientResult::Tau)].value->text().isEmpty();
}

QLabel* TransientForm::result(calc::TransientResult which) const {
    return results_[Index(which)].value;
}

QStringList TransientForm::report() const {
    const auto chosen = [](const widgets::OptionButton* a, const widgets::OptionButton* b) {
        return a->isChecked() ? a->text() : b->text();
    };
    QStringList lines{texts_.circuitFrame.text + ": " + chosen(optRC_, optRL_),
                      texts_.stepFrame.text + ": " + chosen(optCharge_, optDischarge_)};
    for (const Row* row : {&r_, &storageRow(), &v_, &t_})
        lines << ReportLine(row->text->caption.text, row->entry->text(), row->list->currentText());
    lines << texts_.resultsFrame.text;
    for (const Result& r : results_)
        lines << ReportResult(r.caption->text(), r.value, r.unit->text());
    return lines;
}

} // namespace vora::pages
