// SPDX-License-Identifier: MIT
// The AC page's supply frequency, its rms-or-peak choice, the picture of the
// circuit as chosen, and the results beyond the buttons' own labels: the
// reactances, the resonance and the source current.
#include "ac_page.h"
#include "calc/ac/ac_circuit.h"
#include "calc/ac/ac_frequency.h"
#include "calc/engineering.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/result_label.h"
#include "widgets/form_controls.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace vora::pages {

namespace {

// "1.478 A" and under it "rms value, peak 2.090 A": the label shows rms
// values; the peak is √2 times.
void AddPeak(QLabel* label, double rms, std::string_view unit) {
    const QString tip = Readable(label) + "\nrms value, peak " +
                        QString::fromStdString(calc::FormatEngineering(std::sqrt(2.0) * rms, unit));
    label->setToolTip(tip);
    label->setAccessibleDescription(tip);
}

void Show(QLabel* label, const std::optional<calc::AcValue>& value, std::string_view unit) {
    if (value)
        ShowResult(label, value->text, value->value, unit);
    else
        ClearResult(label);
}

} // namespace

void ShowRms(QLabel* label, const std::string& text, double rms, std::string_view unit) {
    ShowResult(label, text, rms, unit);
    AddPeak(label, rms, unit);
}

void ShowPowerResult(QLabel* label, const std::string& text, double value, std::string_view unit) {
    ShowResult(label, text, value, unit);
    const QString tip = Readable(label) + "\nfrom the rms voltage and current";
    label->setToolTip(tip);
    label->setAccessibleDescription(tip);
}

QGroupBox* FrmAC::buildFrequency() {
    auto* frame13 = widgets::MakeFrame("Frame13", "Supply Frequency", this);
    auto* row = new QHBoxLayout(frame13);
    txtF_ = widgets::MakeEntry("txtF", "Supply frequency, in the unit chosen beside it",
                               "Supply Frequency", frame13);
    txtF_->setMinimumWidth(60);
    txtF_->setText("314");
    cboF_ = widgets::MakeUnitList("cboF", "Supply Frequency Unit", frame13);
    cboF_->setEditable(false); // ω is not a power of ten of f: only the three units
    QStringList units;
    for (const char* unit : calc::ac::kFrequencyUnits)
        units << unit;
    cboF_->fill(units);
    cboF_->setCurrentIndex(calc::ac::kRadPerSecond);
    row->addWidget(txtF_, 1);
    row->addWidget(cboF_);
    return frame13;
}

QWidget* FrmAC::buildPeakChoice(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    optRms_ = widgets::MakeOption("optRms", "rms", "Source value is rms", box);
    optPeak_ = widgets::MakeOption("optPeak", "peak", "Source value is peak", box);
    optRms_->setToolTip("The source value is an rms value; every result is rms");
    optPeak_->setToolTip("The source value is a peak value (√2 × rms); every result is rms");
    optRms_->setChecked(true);
    row->addWidget(optRms_);
    row->addWidget(optPeak_);
    row->addStretch(1);
    return box;
}

// Caption, value and unit at `column` of a result grid. These results sit
// two to a row, so they are narrower than the buttons' own results: wide
// enough for 15 digits in fixed notation; a longer text shows whole in a
// wider window and always in the tool-tip.
QLabel* FrmAC::addResult(QGridLayout* grid, int row, int column, const char* caption,
                         const char* name, const char* accessible, const char* unit,
                         QWidget* parent) {
    QLabel* value = widgets::MakeResult(name, accessible, parent);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance("-888.888888888888") +
                           2 * value->frameWidth() + 8);
    grid->addWidget(widgets::MakeLabel(QString(name) + "Name", caption, parent), row, column);
    grid->addWidget(value, row, column + 1);
    if (*unit)
        grid->addWidget(widgets::MakeLabel(QString(name) + "Unit", unit, parent), row, column + 2);
    moreResults_.push_back(value);
    return value;
}

// XL and XC under the total impedance, which writes them.
QLayout* FrmAC::buildReactances(QWidget* parent) {
    auto* grid = new QGridLayout;
    lblReactL_ = addResult(grid, 0, 0, "XL", "lblReactL", "Inductive Reactance result", "", parent);
    lblReactC_ =
        addResult(grid, 0, 2, "XC", "lblReactC", "Capacitive Reactance result", "Ohm", parent);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

QGroupBox* FrmAC::buildResonance() {
    auto* frame15 = widgets::MakeFrame("Frame15", "Resonance", this);
    auto* grid = new QGridLayout(frame15);
    // Two rows in the height of the results beside it.
    grid->setVerticalSpacing(2);
    const QMargins m = grid->contentsMargins();
    grid->setContentsMargins(m.left(), 2, m.right(), 2);
    lblF0_ = addResult(grid, 0, 0, "f0", "lblF0", "Resonance Frequency result", "Hz", frame15);
    lblQF_ = addResult(grid, 0, 3, "Q", "lblQF", "Q Factor result", "", frame15);
    lblW0_ = addResult(grid, 1, 0, "\u03C90", "lblW0", "Resonance Angular Frequency result",
                       "rad/s", frame15);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return frame15;
}

// Two rows under the powers: |I| and its angle against the source voltage.
void FrmAC::addSourceCurrent(QGridLayout* grid, int row, QWidget* parent) {
    lblIS_ = widgets::MakeResult("lblIS", "Source Current result", parent);
    lblIA_ = widgets::MakeResult("lblIA", "Source Current Angle result", parent);
    auto* current = widgets::MakeLabel("lblISName", "Source Current", parent);
    current->setToolTip("The current into the circuit (rms)");
    auto* angle = widgets::MakeLabel("lblIAName", "Current Angle", parent);
    angle->setToolTip("The angle of the source current against the source voltage: negative "
                      "when the current lags");
    grid->addWidget(current, row, 0, Qt::AlignCenter);
    grid->addWidget(lblIS_, row, 1);
    grid->addWidget(widgets::MakeLabel("lblISUnit", "A", parent), row, 2);
    grid->addWidget(angle, row + 1, 0, Qt::AlignCenter);
    grid->addWidget(lblIA_, row + 1, 1);
    grid->addWidget(widgets::MakeLabel("lblIAUnit", "°", parent), row + 1, 2);
    grid->setVerticalSpacing(2);
    moreResults_.push_back(lblIS_);
    moreResults_.push_back(lblIA_);
}

QWidget* FrmAC::buildPicture(QWidget* parent, int width) {
    image1_ = new NetworkSketchView(NetworkSketchView::kMixed, parent);
    image1_->setObjectName("Image1");
    image1_->setAccessibleName("Circuit diagram");
    image1_->setOnSheet(false);
    image1_->setEmptyText("Choose connections that describe a circuit to draw it here");
    image1_->setFixedSize(width, width / 3);
    for (const ElementControls& c : elements_)
        for (widgets::OptionButton* option : {c.series, c.parallel})
            connect(option, &QAbstractButton::toggled, this, &FrmAC::updatePicture);
    connect(optI_, &QAbstractButton::toggled, this, &FrmAC::updatePicture);
    connect(optV_, &QAbstractButton::toggled, this, &FrmAC::updatePicture);
    updatePicture();
    return image1_;
}

// The circuit the choices describe, whatever the fields hold; choices that
// describe none leave the picture empty with a hint.
void FrmAC::updatePicture() {
    const auto sketch = calc::Attempt([&] { return calc::ac::Connect(choices()); });
    image1_->setSketch(sketch ? *sketch : calc::Sketch{});
    // Without a choice the source value is taken as a current, as the events read it.
    image1_->setSource(optV_->isChecked() ? "V" : "I");
}

void FrmAC::showMore(const calc::AcShown& shown) {
    if (shown.circuitResults) {
        Show(lblReactL_, shown.reactances.xl, "Ω");
        Show(lblReactC_, shown.reactances.xc, "Ω");
        const auto& r = shown.resonance;
        Show(lblF0_, r ? std::optional(r->f0) : std::nullopt, "Hz");
        Show(lblW0_, r ? std::optional(r->w0) : std::nullopt, "rad/s");
        Show(lblQF_, r ? r->q : std::nullopt, "");
    }
    if (const auto& s = shown.sourceCurrent) {
        ShowRms(lblIS_, s->magnitude.text, s->magnitude.value, "A");
        Show(lblIA_, s->phase, "°");
    }
}

} // namespace vora::pages
