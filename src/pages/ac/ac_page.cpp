// SPDX-License-Identifier: MIT
// Building the AC page: its group boxes in rows and columns, the picture,
// the explanation and the Reset menu.
#include "ac_page.h"

#include "pages/drawing/working_pictures.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/result_label.h"
#include "widgets/form_controls.h"
#include "widgets/option_button.h"
#include "widgets/page_body.h"
#include "widgets/page_colours.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

struct ElementNames {
    const char* valueFrame;
    const char* valueCaption;
    const char* entry;
    const char* list;
    const char* connectionFrame;
    const char* connectionCaption;
    const char* series;
    const char* parallel;
    const char* element; // for tool-tips and accessible names
};

const ElementNames kElements[3] = {
    {"Frame2", "Resistor Value", "txtR1", "cboR", "Frame1", "Resistor Connection", "optR1s",
     "optR1p", "Resistor"},
    {"Frame6", "Inductor Value", "txtXL", "cboXL", "Frame3", "Inductor Connection", "optXLs",
     "optXLp", "Inductor"},
    {"Frame7", "Capacitor Value", "txtXC", "cboXC", "Frame4", "Capacitor Connection", "OPtXcs",
     "OptXcp", "Capacitor"},
};

QLineEdit* MakeEntry(const char* name, const QString& tip, const QString& accessible,
                     QWidget* parent) {
    QLineEdit* entry = widgets::MakeEntry(name, tip, accessible, parent);
    entry->setMinimumWidth(90);
    return entry;
}

constexpr int kPictureWidth = 360;

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
    QPushButton* button = widgets::MakeButton(name, text, parent);
    button->setMinimumWidth(130);
    return button;
}

} // namespace

FrmAC::FrmAC(widgets::MessageBoxes& messages, QWidget* parent)
    : Page(messages, parent) {

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->addWidget(buildElements(), 0, 0, 1, 2);
    grid->addWidget(buildSource(), 0, 2);
    grid->addWidget(buildHint(), 1, 0, 1, 3);
    auto* left = new QVBoxLayout;
    left->addWidget(buildImpedance());
    left->addWidget(buildPowerFactor());
    left->addStretch(1);
    grid->addLayout(left, 2, 0);
    grid->addWidget(buildPowers(), 2, 1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildElementResults());
    right->addWidget(buildResonance());
    grid->addLayout(right, 2, 2);
    grid->addWidget(buildExplanation(), 3, 0);
    grid->addWidget(buildWorking(), 3, 1, 1, 2);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(3, 1); // a taller window gives its height to the working
    widgets::SetPageBody(this, central);

    buildResetMenu();
    connectHandlers();
    Form_Load();
    followUnits();
    watchInputs();
}

QLabel* FrmAC::buildHint() {
    QLabel* hint = widgets::MakeLabel(
        "lblHint",
        "Double-click an element's Series or Parallel, or press Enter on it, to see its current "
        "and voltage",
        this);
    QFont font = hint->font();
    font.setItalic(true);
    hint->setFont(font);
    return hint;
}

widgets::WorkingPanel* FrmAC::buildWorking() {
    widgets::WorkingPanel* panel = makeWorking(this);
    // The circuit as connected, drawn from the model that the results come from.
    sketch_ = new NetworkSketchView(NetworkSketchView::kMixed);
    sketch_->setAccessibleName("Sketch of the circuit");
    panel->setSide(BuildPictures(sketch_, phasors_, power_), 3);
    return panel;
}

QWidget* FrmAC::buildElements() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < 3; ++i) {
        const ElementNames& names = kElements[i];
        const QString element = names.element;
        ElementControls& c = elements_[i];
        auto* column = new QVBoxLayout;

        auto* valueFrame = widgets::MakeFrame(names.valueFrame, names.valueCaption, box);
        auto* value = new QHBoxLayout(valueFrame);
        c.value = MakeEntry(names.entry, element + " value, in the unit chosen beside it",
                            element + " Value", valueFrame);
        c.unit = widgets::MakeUnitList(names.list, element + " Unit", valueFrame);
        value->addWidget(c.value, 1);
        value->addWidget(c.unit);
        column->addWidget(valueFrame);

        auto* connectionFrame =
            widgets::MakeFrame(names.connectionFrame, names.connectionCaption, box);
        auto* options = new QHBoxLayout(connectionFrame);
        c.series =
            widgets::MakeOption(names.series, "Series", element + " Series", connectionFrame);
        c.parallel =
            widgets::MakeOption(names.parallel, "Parallel", element + " Parallel", connectionFrame);
        options->addWidget(c.series);
        options->addWidget(c.parallel);
        options->addStretch(1);
        column->addWidget(connectionFrame);
        row->addLayout(column, 1);
    }
    return box;
}

QWidget* FrmAC::buildSource() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);

    auto* frame8 = widgets::MakeFrame("Frame8", "Current and Voltage Source", box);
    auto* choice = new QHBoxLayout(frame8);
    optV_ = widgets::MakeOption("optV", "Voltage", "Voltage Source", frame8);
    optI_ = widgets::MakeOption("optI", "Current", "Current Source", frame8);
    choice->addWidget(optV_);
    choice->addWidget(optI_);
    choice->addStretch(1);
    choice->addWidget(buildPeakChoice(frame8));
    column->addWidget(frame8);

    auto* frame9 = widgets::MakeFrame("Frame9", "Current and Voltage Value", box);
    auto* value = new QHBoxLayout(frame9);
    txtIV_ = MakeEntry("txtIV", "Source current or voltage, in the unit chosen beside it",
                       "Source Value", frame9);
    cboIV_ = widgets::MakeUnitList("cboIV", "Source Unit", frame9);
    value->addWidget(txtIV_, 1);
    value->addWidget(cboIV_);
    value->addWidget(widgets::MakeLabel("lblUnit", {}, frame9));
    auto* values = new QHBoxLayout;
    values->addWidget(frame9, 1);
    values->addWidget(buildFrequency(), 1);
    column->addLayout(values);
    return box;
}

QGroupBox* FrmAC::buildImpedance() {
    auto* frame5 = widgets::MakeFrame("Frame5", "Total impedance", this);
    auto* rows = new QVBoxLayout(frame5);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(buildReactances(frame5));
    cmdZT_ = MakeButton("cmdZT", "Total Impedance", frame5);
    lblZT_ = widgets::MakeResult("lblZT", "Total Impedance result", frame5);
    cboZT_ = widgets::MakeUnitList("cboZT", "Total Impedance Unit", frame5);
    row->addWidget(cmdZT_);
    row->addWidget(lblZT_, 1);
    row->addWidget(cboZT_);
    return frame5;
}

QGroupBox* FrmAC::buildPowerFactor() {
    auto* frame12 = widgets::MakeFrame("Frame12", "Power Factor", this);
    auto* row = new QHBoxLayout(frame12);
    cmdPF_ = MakeButton("cmdPF", "Power Factor", frame12);
    lblPF_ = widgets::MakeResult("lblPF", "Power Factor result", frame12);
    lblLG_ = widgets::MakeResult("lblLG", "Lagging or Leading result", frame12);
    lblLG_->setMinimumWidth(lblLG_->fontMetrics().horizontalAdvance("Lagging") + 16);
    row->addWidget(cmdPF_);
    row->addWidget(lblPF_, 1);
    row->addWidget(lblLG_);
    return frame12;
}

QGroupBox* FrmAC::buildPowers() {
    auto* frame11 = widgets::MakeFrame("Frame11", "Power Delivered", this);
    auto* grid = new QGridLayout(frame11);
    struct Row {
        const char* button;
        const char* caption;
        const char* result;
        const char* unitName;
        const char* unit;
        QPushButton** buttonField;
        QLabel** resultField;
    };
    const Row rows[3] = {
        {"cmdRP", "Active Power", "lblP", "Label1", "  W", &cmdRP_, &lblP_},
        {"cmdXL", "Reactive Power", "lblXL", "Label2", "VAR", &cmdXL_, &lblXL_},
        {"cmdXC", "Apparent Power", "lblXC", "Label3", "VA", &cmdXC_, &lblXC_},
    };
    for (int r = 0; r < 3; ++r) {
        const Row& row = rows[r];
        *row.buttonField = MakeButton(row.button, row.caption, frame11);
        *row.resultField =
            widgets::MakeResult(row.result, QString(row.caption) + " result", frame11);
        grid->addWidget(*row.buttonField, r, 0);
        grid->addWidget(*row.resultField, r, 1);
        grid->addWidget(widgets::MakeLabel(row.unitName, row.unit, frame11), r, 2);
    }
    addSourceCurrent(grid, 3, frame11);
    grid->setColumnStretch(1, 1);
    return frame11;
}

QGroupBox* FrmAC::buildElementResults() {
    auto* frame10 = widgets::MakeFrame(
        "Frame10", "Corresponding circuit Current and Voltage Drops Across", this);
    auto* grid = new QGridLayout(frame10);
    lblI_ = widgets::MakeLabel("lblI", {}, frame10);
    lblv_ = widgets::MakeLabel("lblv", {}, frame10);
    lblIV_ = widgets::MakeResult("lblIV", "Element Current result", frame10);
    lblVV_ = widgets::MakeResult("lblVV", "Element Voltage result", frame10);
    cboI_ = widgets::MakeUnitList("cboI", "Element Current Unit", frame10);
    cboV_ = widgets::MakeUnitList("cboV", "Element Voltage Unit", frame10);
    lblI_->setMinimumWidth(24);
    lblv_->setMinimumWidth(24);
    grid->addWidget(lblI_, 0, 0);
    grid->addWidget(lblIV_, 0, 1);
    grid->addWidget(cboI_, 0, 2);
    grid->addWidget(lblv_, 1, 0);
    grid->addWidget(lblVV_, 1, 1);
    grid->addWidget(cboV_, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return frame10;
}

// The picture with the explanation under it, beside the working.
QWidget* FrmAC::buildExplanation() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    // The circuit of the current choices with its source, drawn as the working's sketch.
    QWidget* image1 = buildPicture(box, kPictureWidth);
    auto* label4 =
        widgets::MakeLabel("Label4", widgets::ResourceText(":/texts/ac_real_circuits.txt"), box);
    label4->setWordWrap(true);
    label4->setFixedWidth(kPictureWidth);
    column->addWidget(image1);
    column->addWidget(label4);
    column->addStretch(1);
    return box;
}

QString FrmAC::inputsAndResults() const {
    QStringList lines{"Single-phase AC circuit"};
    const char* names[3] = {"Resistor", "Inductor", "Capacitor"};
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const auto& c = elements_[i];
        const QString connection = c.series->isChecked()     ? "Series"
                                   : c.parallel->isChecked() ? "Parallel"
                                                             : "no connection";
        lines << ReportLine(names[i], c.value->text(), c.unit->currentText()) + ", " + connection;
    }
    const QString source = optV_->isChecked()   ? "Voltage"
                           : optI_->isChecked() ? "Current"
                                                : "none chosen";
    lines << ReportLine("Source (" + source + (optPeak_->isChecked() ? ", peak" : ", rms") + ")",
                        txtIV_->text(), cboIV_->currentText());
    lines << ReportLine("Supply Frequency", txtF_->text(), cboF_->currentText());
    lines << ReportResult("Total Impedance", lblZT_, cboZT_->currentText());
    lines << (IsOutOfDate(lblPF_) ? "Power Factor = (out of date)"
                                  : ReportLine("Power Factor", lblPF_->text(), lblLG_->text()));
    lines << ReportResult("Active Power", lblP_, "W");
    lines << ReportResult("Reactive Power", lblXL_, "VAR");
    lines << ReportResult("Apparent Power", lblXC_, "VA");
    lines << ReportResult("Source Current", lblIS_, "A");
    lines << ReportResult("Source Current Angle", lblIA_, "°");
    lines << ReportResult("XL", lblReactL_, "Ohm");
    lines << ReportResult("XC", lblReactC_, "Ohm");
    lines << ReportResult("f0", lblF0_, "Hz");
    lines << ReportResult("ω0", lblW0_, "rad/s");
    lines << ReportResult("Q", lblQF_, "");
    if (!lblI_->text().isEmpty())
        lines << ReportResult(lblI_->text(), lblIV_, cboI_->currentText());
    if (!lblv_->text().isEmpty())
        lines << ReportResult(lblv_->text(), lblVV_, cboV_->currentText());
    if (!working()->text().isEmpty() && !IsOutOfDate(working()))
        lines << "Working:" << working()->text();
    return lines.join('\n');
}

} // namespace vora::pages
