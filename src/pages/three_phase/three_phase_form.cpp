// SPDX-License-Identifier: MIT
#include "three_phase_form.h"

#include "pages/calculation_page.h"
#include "pages/choices.h"
#include "pages/drawing/vector_diagram_view.h"
#include "pages/drawing/working_pictures.h"
#include "pages/result_label.h"
#include "widgets/clickable_label.h"
#include "widgets/form_controls.h"
#include "widgets/option_button.h"
#include "widgets/page_body.h"
#include "widgets/working_panel.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

// Wide enough that the explanation band wraps into a few long lines.
constexpr int kOpenWidth = 820;

QLabel* MakeHeading(const ControlText& text, QWidget* parent) {
    QLabel* label = MakeLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

void ThreePhaseForm::build(QMainWindow* window,
                           const std::function<widgets::WorkingPanel*(QWidget*)>& makeWorking) {
    auto* central = new QWidget(window);
    auto* outer = new QVBoxLayout(central);
    outer->setSpacing(12);

    auto* label10 =
        MakeLabel({texts.quantities.name, widgets::ResourceText(texts.quantities.text)}, central);
    label10->setWordWrap(true);
    label10->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    label10->setMargin(8);
    outer->addWidget(label10);

    outer->addWidget(buildConnection(window));

    // Inputs on the left, outputs on the right, in shared rows so that each
    // output row stands level with its input row.
    auto* columns = new QGridLayout;
    columns->setHorizontalSpacing(10);
    columns->setVerticalSpacing(8);
    columns->setColumnMinimumWidth(3, 40);
    columns->setColumnStretch(1, 1);
    columns->setColumnStretch(5, 1);
    outer->addLayout(columns);
    buildInputs(columns, 1);
    buildOutputs(columns, 0);
    widgets::WorkingPanel* panel = makeWorking(central);
    voltages = MakeVoltageDiagram();
    panel->setSide(voltages);
    outer->addWidget(panel, 1); // a taller window gives its height to the working
    widgets::SetPageBody(window, central, kOpenWidth);

    setFocusOrder();
    buildClearEntries(window);
}

// Ctrl+N, as on the other pages (without a Reset menu here).
void ThreePhaseForm::buildClearEntries(QMainWindow* window) {
    clearEntries = new QAction(texts.clearEntries.text, window);
    clearEntries->setObjectName(texts.clearEntries.name);
    clearEntries->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    clearEntries->setShortcutContext(Qt::WindowShortcut);
    window->addAction(clearEntries);
}

QWidget* ThreePhaseForm::buildConnection(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(MakeHeading(texts.connectionHeading, box), 0, 0);

    optY = MakeOption(texts.star, box);
    optD = MakeOption(texts.delta, box);
    grid->addWidget(texts.deltaAbove ? optD : optY, 1, 0);
    grid->addWidget(texts.deltaAbove ? optY : optD, 2, 0);

    QLabel* instruction = MakeLabel(texts.instruction, box);
    instruction->setWordWrap(true);
    grid->addWidget(instruction, 0, 1, 3, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(24);
    return box;
}

// Heading in `firstRow`, then current, voltage and impedance.
void ThreePhaseForm::buildInputs(QGridLayout* grid, int firstRow) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(MakeHeading(texts.inputHeading, parent), firstRow, 0, 1, 3);
    for (std::size_t i = 0; i < entryFields.size(); ++i) {
        const ThreePhaseRow& row = texts.inputs[i];
        const int r = firstRow + 1 + static_cast<int>(i);
        QLabel* caption = MakeLabel(row.caption, parent);
        QLineEdit* entry = MakeEntry({row.field, {}, row.accessible, row.tip}, parent);
        caption->setBuddy(entry);
        entryFields[i] = entry;
        grid->addWidget(caption, r, 0);
        grid->addWidget(entry, r, 1);
        grid->addWidget(MakeLabel(row.unit, parent), r, 2);
    }
}

// Heading in `firstRow`, then the four captions with their results.
void ThreePhaseForm::buildOutputs(QGridLayout* grid, int firstRow) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(MakeHeading(texts.outputHeading, parent), firstRow, 4, 1, 3);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const ThreePhaseRow& row = texts.outputs[i];
        const int r = firstRow + 1 + static_cast<int>(i);
        auto* caption = new widgets::ClickableLabel(row.caption.text, parent);
        caption->setObjectName(row.caption.name);
        caption->setAccessibleName(row.accessible);
        caption->setToolTip(texts.clickToCompute + row.accessible.toLower() +
                            (row.tip.isEmpty() ? QString() : ": " + row.tip));
        captions[i] = caption;

        QLabel* result = MakeResult({row.field, {}, row.accessible + " result"}, parent);
        results[i] = result;

        grid->addWidget(caption, r, 4);
        grid->addWidget(result, r, 5);
        grid->addWidget(MakeLabel(row.unit, parent), r, 6);
    }
}

void ThreePhaseForm::setFocusOrder() {
    QWidget* chain[9] = {optY, optD};
    for (std::size_t i = 0; i < entryFields.size(); ++i)
        chain[2 + i] = entryFields[texts.reversedEntryFocus ? 2 - i : i];
    for (std::size_t i = 0; i < captions.size(); ++i)
        chain[5 + i] = captions[i];
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

calc::ThreePhaseEntries ThreePhaseForm::entries() const {
    calc::ThreePhaseEntries in;
    in.connection = optY->isChecked()   ? calc::Connection::Star
                    : optD->isChecked() ? calc::Connection::Delta
                                        : calc::Connection::None;
    calc::Field* fields[3] = {&in.current, &in.voltage, &in.impedance};
    for (std::size_t i = 0; i < entryFields.size(); ++i)
        *fields[i] = {entryFields[i]->text().toStdString(), texts.inputs[i].field.toStdString(),
                      texts.inputs[i].caption.text.toStdString()};
    return in;
}

void ThreePhaseForm::markOutOfDate(calc::Caption caption, const QString& why) {
    MarkOutOfDate(results[static_cast<std::size_t>(caption)], why);
    if (caption == calc::Caption::Voltage) MarkOutOfDate(voltages, why);
}

QStringList ThreePhaseForm::report() const {
    const QString connection =
        ChosenName(optY, texts.star.text, optD, texts.delta.text, texts.noConnection);
    QStringList lines{texts.inputHeading.text + " (" + connection + ")"};
    for (std::size_t i = 0; i < entryFields.size(); ++i)
        lines << ReportLine(texts.inputs[i].caption.text, entryFields[i]->text(),
                            texts.inputs[i].unit.text);
    lines << texts.outputHeading.text;
    for (std::size_t i = 0; i < results.size(); ++i)
        lines << ReportResult(texts.outputs[i].caption.text, results[i],
                              texts.outputs[i].unit.text);
    return lines;
}

} // namespace vora::pages
