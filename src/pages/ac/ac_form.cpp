// SPDX-License-Identifier: MIT
// Building the AC page's controls: its group boxes in rows and columns, the
// picture, the explanation and the Reset menu.
#include "ac_form.h"

#include "calc/ac/ac_frequency.h"
#include "pages/calculation_page.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/drawing/working_pictures.h"
#include "widgets/form_controls.h"
#include "widgets/option_button.h"
#include "widgets/page_body.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

constexpr int kPictureWidth = 360;

// The AC page's entries and buttons are wider than their captions need.
QLineEdit* MakeWideEntry(const ControlText& c, QWidget* parent) {
    QLineEdit* entry = MakeEntry(c, parent);
    entry->setMinimumWidth(90);
    return entry;
}

QPushButton* MakeWideButton(const ControlText& c, QWidget* parent) {
    QPushButton* button = MakeButton(c, parent);
    button->setMinimumWidth(130);
    return button;
}

// Caption, value and unit at `column` of a result grid. These results sit
// two to a row, so they are narrower than the buttons' own results: wide
// enough for 15 digits in fixed notation; a longer text shows whole in a
// wider window and always in the tool-tip.
QLabel* AddResult(QGridLayout* grid, int row, int column, const AcMoreTexts& t, QWidget* parent) {
    QLabel* value = MakeResult(t.result, parent);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance("-888.888888888888") +
                           2 * value->frameWidth() + 8);
    grid->addWidget(MakeLabel(t.caption, parent), row, column);
    grid->addWidget(value, row, column + 1);
    if (!t.unit.name.isEmpty()) grid->addWidget(MakeLabel(t.unit, parent), row, column + 2);
    return value;
}

} // namespace

void AcForm::build(QMainWindow* window,
                   const std::function<widgets::WorkingPanel*(QWidget*)>& makeWorking) {
    auto* central = new QWidget(window);
    auto* grid = new QGridLayout(central);
    grid->addWidget(buildElements(window), 0, 0, 1, 2);
    grid->addWidget(buildSource(window), 0, 2);
    grid->addWidget(buildHint(window), 1, 0, 1, 3);
    auto* left = new QVBoxLayout;
    left->addWidget(buildImpedance(window));
    left->addWidget(buildPowerFactor(window));
    left->addStretch(1);
    grid->addLayout(left, 2, 0);
    grid->addWidget(buildPowers(window), 2, 1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildElementResults(window));
    right->addWidget(buildResonance(window));
    grid->addLayout(right, 2, 2);
    grid->addWidget(buildExplanation(window), 3, 0);
    grid->addWidget(buildWorking(window, makeWorking), 3, 1, 1, 2);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(3, 1); // a taller window gives its height to the working
    widgets::SetPageBody(window, central);
    buildResetMenu(window);
}

QLabel* AcForm::buildHint(QWidget* parent) {
    QLabel* hint = MakeLabel(texts.hint, parent);
    QFont font = hint->font();
    font.setItalic(true);
    hint->setFont(font);
    return hint;
}

widgets::WorkingPanel*
AcForm::buildWorking(QWidget* parent, const std::function<widgets::WorkingPanel*(QWidget*)>& make) {
    widgets::WorkingPanel* panel = make(parent);
    // The circuit as connected, drawn from the model that the results come from.
    sketch = new NetworkSketchView(NetworkSketchView::kMixed);
    sketch->setAccessibleName(texts.sketch);
    panel->setSide(BuildPictures(sketch, phasors, power), 3);
    return panel;
}

QWidget* AcForm::buildElements(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < 3; ++i) {
        const AcElementTexts& t = texts.elements[i];
        Element& c = elements[i];
        auto* column = new QVBoxLayout;

        auto* valueFrame = MakeFrame(t.valueFrame, box);
        auto* value = new QHBoxLayout(valueFrame);
        c.value = MakeWideEntry(t.entry, valueFrame);
        c.unit = MakeUnitList(t.list, valueFrame);
        value->addWidget(c.value, 1);
        value->addWidget(c.unit);
        column->addWidget(valueFrame);

        auto* connectionFrame = MakeFrame(t.connectionFrame, box);
        auto* options = new QHBoxLayout(connectionFrame);
        c.series = MakeOption(t.series, connectionFrame);
        c.parallel = MakeOption(t.parallel, connectionFrame);
        options->addWidget(c.series);
        options->addWidget(c.parallel);
        options->addStretch(1);
        column->addWidget(connectionFrame);
        row->addLayout(column, 1);
    }
    return box;
}

QWidget* AcForm::buildSource(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);

    auto* frame8 = MakeFrame(texts.sourceFrame, box);
    auto* choice = new QHBoxLayout(frame8);
    optV = MakeOption(texts.voltage, frame8);
    optI = MakeOption(texts.current, frame8);
    choice->addWidget(optV);
    choice->addWidget(optI);
    choice->addStretch(1);
    choice->addWidget(buildPeakChoice(frame8));
    column->addWidget(frame8);

    auto* frame9 = MakeFrame(texts.valueFrame, box);
    auto* value = new QHBoxLayout(frame9);
    txtIV = MakeWideEntry(texts.sourceEntry, frame9);
    cboIV = MakeUnitList(texts.sourceList, frame9);
    value->addWidget(txtIV, 1);
    value->addWidget(cboIV);
    value->addWidget(MakeLabel(texts.sourceUnit, frame9));
    auto* values = new QHBoxLayout;
    values->addWidget(frame9, 1);
    values->addWidget(buildFrequency(parent), 1);
    column->addLayout(values);
    return box;
}

QGroupBox* AcForm::buildFrequency(QWidget* parent) {
    auto* frame13 = MakeFrame(texts.frequencyFrame, parent);
    auto* row = new QHBoxLayout(frame13);
    txtF = MakeEntry(texts.frequencyEntry, frame13);
    txtF->setMinimumWidth(60);
    txtF->setText(texts.frequencyDefault);
    cboF = MakeUnitList(texts.frequencyList, frame13);
    cboF->setEditable(false); // ω is not a power of ten of f: only the three units
    QStringList units;
    for (const char* unit : calc::ac::kFrequencyUnits)
        units << unit;
    cboF->fill(units);
    cboF->setCurrentIndex(calc::ac::kRadPerSecond);
    row->addWidget(txtF, 1);
    row->addWidget(cboF);
    return frame13;
}

QWidget* AcForm::buildPeakChoice(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    optRms = MakeOption(texts.rms, box);
    optPeak = MakeOption(texts.peak, box);
    optRms->setChecked(true);
    row->addWidget(optRms);
    row->addWidget(optPeak);
    row->addStretch(1);
    return box;
}

QGroupBox* AcForm::buildImpedance(QWidget* parent) {
    auto* frame5 = MakeFrame(texts.impedanceFrame, parent);
    auto* rows = new QVBoxLayout(frame5);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(buildReactances(frame5));
    cmdZT = MakeWideButton(texts.impedanceButton, frame5);
    lblZT = MakeResult(texts.impedanceResult, frame5);
    cboZT = MakeUnitList(texts.impedanceList, frame5);
    row->addWidget(cmdZT);
    row->addWidget(lblZT, 1);
    row->addWidget(cboZT);
    return frame5;
}

// XL and XC under the total impedance, which writes them.
QLayout* AcForm::buildReactances(QWidget* parent) {
    auto* grid = new QGridLayout;
    lblReactL = AddResult(grid, 0, 0, texts.xl, parent);
    lblReactC = AddResult(grid, 0, 2, texts.xc, parent);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

QGroupBox* AcForm::buildPowerFactor(QWidget* parent) {
    auto* frame12 = MakeFrame(texts.powerFactorFrame, parent);
    auto* row = new QHBoxLayout(frame12);
    cmdPF = MakeWideButton(texts.powerFactorButton, frame12);
    lblPF = MakeResult(texts.powerFactorResult, frame12);
    lblLG = MakeResult(texts.laggingResult, frame12);
    lblLG->setMinimumWidth(lblLG->fontMetrics().horizontalAdvance(texts.laggingWidest) + 16);
    row->addWidget(cmdPF);
    row->addWidget(lblPF, 1);
    row->addWidget(lblLG);
    return frame12;
}

QGroupBox* AcForm::buildPowers(QWidget* parent) {
    auto* frame11 = MakeFrame(texts.powersFrame, parent);
    auto* grid = new QGridLayout(frame11);
    for (std::size_t r = 0; r < powers.size(); ++r) {
        const AcPowerTexts& t = texts.powers[r];
        const int at = static_cast<int>(r);
        powerButtons[r] = MakeWideButton(t.button, frame11);
        powers[r] = MakeResult(t.result, frame11);
        grid->addWidget(powerButtons[r], at, 0);
        grid->addWidget(powers[r], at, 1);
        grid->addWidget(MakeLabel(t.unit, frame11), at, 2);
    }
    addSourceCurrent(grid, 3, frame11);
    grid->setColumnStretch(1, 1);
    return frame11;
}

// Two rows under the powers: |I| and its angle against the source voltage.
void AcForm::addSourceCurrent(QGridLayout* grid, int row, QWidget* parent) {
    lblIS = MakeResult(texts.sourceCurrent.result, parent);
    lblIA = MakeResult(texts.angle.result, parent);
    auto* current = MakeLabel(texts.sourceCurrent.caption, parent);
    auto* angle = MakeLabel(texts.angle.caption, parent);
    grid->addWidget(current, row, 0, Qt::AlignCenter);
    grid->addWidget(lblIS, row, 1);
    grid->addWidget(MakeLabel(texts.sourceCurrent.unit, parent), row, 2);
    grid->addWidget(angle, row + 1, 0, Qt::AlignCenter);
    grid->addWidget(lblIA, row + 1, 1);
    grid->addWidget(MakeLabel(texts.angle.unit, parent), row + 1, 2);
    grid->setVerticalSpacing(2);
}

QGroupBox* AcForm::buildElementResults(QWidget* parent) {
    auto* frame10 = MakeFrame(texts.elementFrame, parent);
    auto* grid = new QGridLayout(frame10);
    lblI = MakeLabel(texts.currentName, frame10);
    lblv = MakeLabel(texts.voltageName, frame10);
    lblIV = MakeResult(texts.currentResult, frame10);
    lblVV = MakeResult(texts.voltageResult, frame10);
    cboI = MakeUnitList(texts.currentList, frame10);
    cboV = MakeUnitList(texts.voltageList, frame10);
    lblI->setMinimumWidth(24);
    lblv->setMinimumWidth(24);
    grid->addWidget(lblI, 0, 0);
    grid->addWidget(lblIV, 0, 1);
    grid->addWidget(cboI, 0, 2);
    grid->addWidget(lblv, 1, 0);
    grid->addWidget(lblVV, 1, 1);
    grid->addWidget(cboV, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return frame10;
}

QGroupBox* AcForm::buildResonance(QWidget* parent) {
    auto* frame15 = MakeFrame(texts.resonanceFrame, parent);
    auto* grid = new QGridLayout(frame15);
    // Two rows in the height of the results beside it.
    grid->setVerticalSpacing(2);
    const QMargins m = grid->contentsMargins();
    grid->setContentsMargins(m.left(), 2, m.right(), 2);
    lblF0 = AddResult(grid, 0, 0, texts.f0, frame15);
    lblQF = AddResult(grid, 0, 3, texts.q, frame15);
    lblW0 = AddResult(grid, 1, 0, texts.w0, frame15);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return frame15;
}

// The picture with the explanation under it, beside the working.
QWidget* AcForm::buildExplanation(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    // The circuit of the current choices with its source, drawn as the working's sketch.
    image1 = new NetworkSketchView(NetworkSketchView::kMixed, box);
    image1->setObjectName(texts.picture.name);
    image1->setAccessibleName(texts.picture.accessible);
    image1->setOnSheet(false);
    image1->setEmptyText(texts.pictureEmpty);
    image1->setFixedSize(kPictureWidth, kPictureWidth / 3);
    auto* label4 = widgets::MakeLabel(texts.explanation.name,
                                      widgets::ResourceText(texts.explanation.text), box);
    label4->setWordWrap(true);
    label4->setFixedWidth(kPictureWidth);
    column->addWidget(image1);
    column->addWidget(label4);
    column->addStretch(1);
    return box;
}

void AcForm::buildResetMenu(QMainWindow* window) {
    QMenu* reset = window->menuBar()->addMenu(texts.resetMenu.text);
    reset->setObjectName(texts.resetMenu.name);
    for (std::size_t i = 0; i < resets.size(); ++i) {
        resets[i] = reset->addAction(texts.resets[i].text);
        resets[i]->setObjectName(texts.resets[i].name);
    }
    resets.back()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
}

void AcForm::fillLists() {
    for (std::size_t i = 0; i < elements.size(); ++i)
        elements[i].unit->fill(UnitNames(texts.elements[i].units));
    cboZT->fill(UnitNames(texts.impedanceUnits));
    cboI->fill(UnitNames(texts.currentUnits));
    cboV->fill(UnitNames(texts.voltageUnits));
    cboIV->fill(UnitNames(texts.sourceCurrentUnits) + UnitNames(texts.sourceVoltageUnits));
}

} // namespace vora::pages
