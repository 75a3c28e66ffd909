// SPDX-License-Identifier: MIT
// The controls of the transient page, built from its texts table: the
// circuit and the step, the entries with their unit lists, the Compute
// button and the result labels. It reads the entries for the event and
// writes the labels of its outcome; it computes nothing.
#pragma once

#include "calc/transient/transient_event.h"
#include "transient_texts.h"

#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vora::widgets {
class OptionButton;
class UnitList;
} // namespace vora::widgets

namespace vora::pages {

class TransientForm {
public:
    explicit TransientForm(const TransientTexts& texts)
        : texts_(texts) {}

    // The circuit and step choices, the entries and the results, in the
    // order of the focus chain; the caller adds the working.
    QWidget* build(QWidget* parent);

    calc::transient::Circuit circuit() const;
    calc::TransientEntries entries() const;
    // The unit lists the event reads: R's, the capacitor's or the
    // inductor's, V's and t's.
    std::vector<const widgets::UnitList*> listsRead() const;

    // Every input, for the page to watch.
    std::vector<QLineEdit*> fields() const;
    std::vector<widgets::UnitList*> lists() const;
    std::vector<QAbstractButton*> options() const;
    QPushButton* compute() const { return compute_; }
    widgets::OptionButton* option(calc::transient::Circuit circuit) const;
    widgets::OptionButton* option(calc::transient::Step step) const;
    QLineEdit* resistance() const { return r_.entry; }
    QLineEdit* storage() const;
    QLineEdit* voltage() const { return v_.entry; }

    // The capacitor's row or the inductor's, as the circuit option says,
    // and the caption of the voltage across it.
    void showCircuit();
    // The result labels in the order of their slots: the six results, then τ's unit.
    std::vector<QLabel*> resultLabels() const;
    void markOutOfDate(const QString& why);
    bool hasResults() const;
    QLabel* result(calc::TransientResult which) const;

    // The inputs and the results as the copied text gives them.
    QStringList report() const;

private:
    struct Row {
        const TransientEntryText* text = nullptr;
        QLabel* caption = nullptr;
        QLineEdit* entry = nullptr;
        widgets::UnitList* list = nullptr;
    };
    struct Result {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
        QLabel* unit = nullptr;
    };

    QWidget* buildChoices(QWidget* parent);
    QWidget* buildValues(QWidget* parent);
    QWidget* buildResults(QWidget* parent);
    Row addRow(QGridLayout* grid, int row, const TransientEntryText& text, QWidget* parent);
    const Row& storageRow() const;
    static calc::TransientEntry Read(const Row& row);

    const TransientTexts& texts_;
    widgets::OptionButton* optRC_ = nullptr;
    widgets::OptionButton* optRL_ = nullptr;
    widgets::OptionButton* optCharge_ = nullptr;
    widgets::OptionButton* optDischarge_ = nullptr;
    Row r_, c_, l_, v_, t_;
    QPushButton* compute_ = nullptr;
    std::array<Result, calc::kTransientResults> results_{};
};

} // namespace vora::pages
