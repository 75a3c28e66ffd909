// SPDX-License-Identifier: MIT
#include "element_form.h"

#include "calc/element/element_kind.h"
#include "calc/element/element_pages.h"
#include "calc/element/sketch_values.h"
#include "network_results_view.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/page.h"
#include "pages/report.h"
#include "pages/result_label.h"
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
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

using widgets::MakeEntry;
using widgets::MakeLabel;
using widgets::MakeResult;
using widgets::ResourceText;

const char* const kFrameNames[4] = {"Frame10", "Frame7", "Frame8", "Frame9"};

// Wide enough that the explanation wraps into a few long lines.
constexpr int kOpenWidth = 980;

QString Symbol(const char* symbol) {
    return QString::fromUtf8(symbol);
}

} // namespace

ElementForm::ElementForm(const ElementTexts& texts, QMainWindow& window, PageCore& core)
    : texts_(texts)
    , window_(window)
    , core_(core) {
    auto* central = new QWidget(&window_);
    auto* outer = new QVBoxLayout(central);
    outer->addWidget(buildFrame6(central));
    widgets::SetPageBody(&window_, central, kOpenWidth);

    buildResetMenu();
    Form_Load();
    // Choosing another unit shows the same total in it.
    new UnitFollower(
        total_, totalUnit_,
        [&kind = kind()](double total, int position) {
            return calc::TotalInUnit(kind, total, position);
        },
        [this](const calc::Failure& failure) { core_.reportFailure(failure); });
}

QGroupBox* ElementForm::buildFrame6(QWidget* parent) {
    auto* frame6 = new QGroupBox(texts_.frame6, parent);
    frame6->setObjectName("Frame6");
    auto* grid = new QGridLayout(frame6);
    grid->setVerticalSpacing(4); // room for the table of every element on a laptop
    // The whole network's results sit beside the element's own.
    network_ = new WholeNetworkResults(frame6);
    grid->addWidget(buildElements(), 0, 0, 1, 2);
    grid->addWidget(buildHint(), 1, 0, 1, 2);
    grid->addWidget(buildSource(), 2, 0, Qt::AlignTop);
    grid->addWidget(buildResults(), 2, 1);
    grid->addWidget(buildThirdPair(), 3, 0, 1, 2);
    table_ = new ElementTable(frame6);
    grid->addWidget(table_, 4, 0, 1, 2);
    grid->addWidget(buildExplanations(), 5, 0, 1, 2);
    grid->addWidget(buildWorking(), 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1); // a taller window gives its height to the working
    return frame6;
}

QLabel* ElementForm::buildHint() {
    hint_ = MakeLabel("lblHint", texts_.hint, &window_);
    hint_->setWordWrap(true);
    QFont font = hint_->font();
    font.setItalic(true);
    hint_->setFont(font);
    return hint_;
}

QWidget* ElementForm::buildElements() {
    auto* row = new QWidget(&window_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QChar c = texts_.letter;
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const QString element = QString::fromStdString(elementName(k));
        auto* column = new QVBoxLayout;

        auto* valueRow = new QHBoxLayout;
        values_[i] = MakeEntry(QString("txt%1%2").arg(c).arg(k),
                               QString("\"%1%2 Value\"").arg(c).arg(k), element + " Value", row);
        units_[i] = new widgets::UnitList(row);
        units_[i]->setObjectName(QString("cbo%1%2").arg(c).arg(k));
        units_[i]->setAccessibleName(element + " Unit");
        valueRow->addWidget(values_[i], 1);
        valueRow->addWidget(units_[i]);
        column->addLayout(valueRow);

        auto* frame = new QGroupBox(texts_.elementFrames[i], row);
        frame->setObjectName(kFrameNames[i]);
        auto* options = new QHBoxLayout(frame);
        series_[i] = new widgets::OptionButton("Series", frame);
        series_[i]->setObjectName(QString("opt%1%2s").arg(c).arg(k));
        series_[i]->setAccessibleName(element + " Series");
        parallel_[i] = new widgets::OptionButton("Parallel", frame);
        parallel_[i]->setObjectName(QString("opt%1%2p").arg(c).arg(k));
        parallel_[i]->setAccessibleName(element + " Parallel");
        options->addWidget(series_[i]);
        options->addWidget(parallel_[i]);
        column->addWidget(frame);
        layout->addLayout(column);

        QLineEdit* field = values_[i];
        for (widgets::OptionButton* choice : {series_[i], parallel_[i]})
            QObject::connect(choice, &QAbstractButton::clicked, &window_,
                             [field] { PageCore::FocusAfterChoice(field); });
    }
    return row;
}

QGroupBox* ElementForm::buildSource() {
    auto* frame1 = new QGroupBox(texts_.frame1, &window_);
    frame1->setObjectName("Frame1");
    auto* layout = new QGridLayout(frame1);

    auto* frame2 = new QGroupBox(texts_.frame2, frame1);
    frame2->setObjectName("Frame2");
    auto* choice = new QHBoxLayout(frame2);
    optI_ = new widgets::OptionButton(texts_.optI, frame2);
    optI_->setObjectName("optI");
    optV_ = new widgets::OptionButton("Voltage", frame2);
    optV_->setObjectName("optV");
    choice->addWidget(optI_);
    choice->addWidget(optV_);
    layout->addWidget(frame2, 0, 0, 1, 5);

    txtIV_ = MakeEntry("txtIV", texts_.txtIVTip, "Source Value", frame1);
    lblIV_ = MakeLabel("lblIV", Symbol(calc::BaseSymbol(kind().sourceFlowUnits)), frame1);
    lblVI_ = MakeLabel("lblVI", Symbol(calc::BaseSymbol(calc::kSourceVolts)), frame1);
    // Each quantity's unit list goes with its unit label: shown and hidden with it.
    cboIV_ = widgets::MakeUnitList("cboIV", texts_.optI + " Unit", frame1);
    cboVI_ = widgets::MakeUnitList("cboVI", "Voltage Unit", frame1);
    layout->addWidget(txtIV_, 1, 0);
    layout->addWidget(lblIV_, 1, 1);
    layout->addWidget(cboIV_, 1, 2);
    layout->addWidget(lblVI_, 1, 3);
    layout->addWidget(cboVI_, 1, 4);
    layout->setColumnStretch(0, 1);

    QObject::connect(optI_, &QAbstractButton::clicked, &window_, [this] { optI_Click(); });
    QObject::connect(optV_, &QAbstractButton::clicked, &window_, [this] { optV_Click(); });
    return frame1;
}

QGroupBox* ElementForm::buildResults() {
    auto* frame3 = new QGroupBox(texts_.frame3, &window_);
    frame3->setObjectName("Frame3");
    auto* layout = new QGridLayout(frame3);

    totalUnit_ = new widgets::UnitList(frame3);
    totalUnit_->setObjectName(texts_.totalList);
    totalUnit_->setAccessibleName(texts_.compute.text + " Unit");
    compute_ = new QPushButton(texts_.compute.text, frame3);
    compute_->setObjectName(texts_.compute.name);
    total_ = MakeResult(texts_.totalLabel, texts_.compute.text + " result", frame3);
    layout->addWidget(compute_, 0, 0);
    layout->addWidget(total_, 0, 1);
    layout->addWidget(totalUnit_, 0, 2);

    auto* frame4 = new QGroupBox(texts_.frame4, frame3);
    frame4->setObjectName("Frame4");
    auto* pairs = new QGridLayout(frame4);
    const QString names[2] = {"lblI", "lblv"};
    const QString values[2] = {"lblIT", "lblVT"};
    const QString units[2][2] = {{"Label1", QString::fromStdString(kind().flowUnit)},
                                 {"Label2", Symbol(calc::symbols::kVolt)}};
    const QString quantities[2] = {texts_.optI, "Voltage"};
    for (int row = 0; row < 2; ++row) {
        resultNames_[row] = MakeLabel(names[row], {}, frame4);
        resultNames_[row]->setMinimumWidth(40);
        resultValues_[row] = MakeResult(values[row], quantities[row] + " result", frame4);
        pairs->addWidget(resultNames_[row], row, 0);
        pairs->addWidget(resultValues_[row], row, 1);
        resultUnits_[row] = MakeLabel(units[row][0], units[row][1], frame4);
        pairs->addWidget(resultUnits_[row], row, 2);
        const auto& net = network_->triple(row);
        pairs->addWidget(net.name, row, 3);
        pairs->addWidget(net.value, row, 4);
        pairs->addWidget(net.unit, row, 5);
    }
    pairs->setColumnStretch(1, 1);
    pairs->setColumnStretch(4, 1);
    layout->addWidget(frame4, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    return frame3;
}

QWidget* ElementForm::buildThirdPair() {
    auto* row = new QWidget(&window_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeLabel(texts_.thirdHeading.name, texts_.thirdHeading.text, row));
    resultNames_[2] = MakeLabel(texts_.thirdName, {}, row);
    resultNames_[2]->setMinimumWidth(40);
    resultValues_[2] = MakeResult(texts_.thirdValue, texts_.thirdQuantity + " result", row);
    layout->addWidget(resultNames_[2]);
    layout->addWidget(resultValues_[2], 1);
    resultUnits_[2] = MakeLabel(texts_.thirdUnit.name, texts_.thirdUnit.text, row);
    layout->addWidget(resultUnits_[2]);
    const auto& net = network_->triple(2);
    layout->addWidget(net.name);
    layout->addWidget(net.value, 1);
    layout->addWidget(net.unit);
    return row;
}

QWidget* ElementForm::buildExplanations() {
    auto* box = new QWidget(&window_);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto& text : texts_.explanations) {
        auto* label = MakeLabel(text.name, ResourceText(text.text), box);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    return box;
}

QWidget* ElementForm::buildWorking() {
    widgets::WorkingPanel* working = core_.makeWorking(&window_);
    sketch_ = new NetworkSketchView(texts_.kind);
    working->setSide(sketch_);
    return working;
}

void ElementForm::buildResetMenu() {
    resetMenu_ = window_.menuBar()->addMenu("&Reset");
    resetMenu_->setObjectName("mnuresate");
    for (std::size_t i = 0; i < 4; ++i) {
        const ControlText& item = texts_.resetItems[i];
        resetActions_[i] = resetMenu_->addAction(item.text);
        resetActions_[i]->setObjectName(item.name);
    }
    new_ = resetMenu_->addAction("&New");
    new_->setObjectName("mnuAll");
    new_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
}

QAction* ElementForm::resetAction(int k) const {
    return resetActions_[static_cast<std::size_t>(k - 1)];
}

void ElementForm::Form_Load() {
    units_[0]->fill(UnitNames(texts_.firstUnits));
    for (std::size_t i = 1; i < 4; ++i)
        units_[i]->fill(UnitNames(kind().units));
    totalUnit_->fill(UnitNames(kind().units));
    cboIV_->fill(UnitNames(kind().sourceFlowUnits));
    cboVI_->fill(UnitNames(calc::kSourceVolts));
}

void ElementForm::optI_Click() {
    showSourceUnit(false);
}

void ElementForm::optV_Click() {
    showSourceUnit(true);
}

void ElementForm::showSourceUnit(bool voltage) {
    PageCore::FocusAfterChoice(txtIV_);
    lblVI_->setVisible(voltage);
    cboVI_->setVisible(voltage);
    lblIV_->setVisible(!voltage);
    cboIV_->setVisible(!voltage);
}

void ElementForm::clearElement(int k) {
    const auto i = static_cast<std::size_t>(k - 1);
    series_[i]->clear();
    parallel_[i]->clear();
    values_[i]->setText({});
}

void ElementForm::watchInputs() {
    for (std::size_t i = 0; i < 4; ++i) {
        core_.watch(values_[i]);
        core_.watch(units_[i]);
        core_.watch(series_[i]);
        core_.watch(parallel_[i]);
        PageCore::EnterClicks(values_[i], compute_);
    }
    core_.watch(optI_);
    core_.watch(optV_);
    core_.watch(txtIV_);
    core_.watch(cboIV_);
    core_.watch(cboVI_);
    // After its follower, which shows a current total in the new unit.
    core_.watch(totalUnit_);
    PageCore::EnterClicks(txtIV_, compute_);
}

calc::Choice ElementForm::choiceOf(int k) const {
    const auto i = static_cast<std::size_t>(k - 1);
    return series_[i]->isChecked()     ? calc::Choice::Series
           : parallel_[i]->isChecked() ? calc::Choice::Parallel
                                       : calc::Choice::None;
}

bool ElementForm::sourceEmpty() const {
    return txtIV_->text().isEmpty();
}

std::string ElementForm::elementName(int k) const {
    return kind().Element(k);
}

std::optional<calc::Failure> ElementForm::unknownUnit() const {
    for (const widgets::UnitList* list : units_)
        if (auto failure = PageCore::UnknownUnit(list)) return failure;
    // The source list of the chosen source.
    if (auto failure = PageCore::UnknownUnit(optV_->isChecked() ? cboVI_ : cboIV_)) return failure;
    return PageCore::UnknownUnit(totalUnit_);
}

void ElementForm::markTotalOutOfDate(const calc::Failure& why) {
    const QString text = QString::fromStdString(why.text);
    MarkOutOfDate(total_, text);
    core_.markWorkingOutOfDate(why);
    MarkOutOfDate(sketch_, text);
    for (QWidget* result : networkResultWidgets())
        MarkOutOfDate(result, text);
}

void ElementForm::markElementOutOfDate(const calc::Failure& why) {
    for (std::size_t i = 0; i < 3; ++i) {
        MarkOutOfDate(resultNames_[i], QString::fromStdString(why.text));
        MarkOutOfDate(resultValues_[i], QString::fromStdString(why.text));
    }
}

void ElementForm::updateHint() {
    int length = 0;
    while (length < 4 && choiceOf(length + 1) != calc::Choice::None)
        ++length;
    QStringList leftOut;
    for (int k = length + 1; k <= 4; ++k)
        if (!values_[static_cast<std::size_t>(k - 1)]->text().trimmed().isEmpty())
            leftOut << QString::fromStdString(elementName(k));
    QString hint = texts_.hint;
    if (!leftOut.isEmpty()) {
        const QString gap = QString::fromStdString(elementName(length + 1));
        hint = leftOut.join(", ") + (leftOut.size() == 1 ? " is" : " are") +
               " left out of the network: choose Series or Parallel for " + gap +
               (leftOut.size() == 1 && leftOut.front() == gap ? " to connect it."
                                                              : " to connect it and what follows.");
    }
    if (hint_->text() != hint) hint_->setText(hint);
}

widgets::OptionButton* ElementForm::option(int k, calc::Choice choice) const {
    const auto i = static_cast<std::size_t>(k - 1);
    return choice == calc::Choice::Parallel ? parallel_[i] : series_[i];
}

calc::NetworkEntries ElementForm::networkEntries() const {
    calc::NetworkEntries e;
    for (std::size_t i = 0; i < 4; ++i) {
        e.values[i] = {values_[i]->text().toStdString(), values_[i]->objectName().toStdString(),
                       elementName(static_cast<int>(i) + 1) + " Value"};
        e.units[i] = units_[i]->position();
        e.choices[i] = choiceOf(static_cast<int>(i) + 1);
    }
    e.totalUnit = totalUnit_->position();
    return e;
}

calc::ElementClick ElementForm::elementClick(int k, calc::Choice option) const {
    calc::ElementClick click;
    click.element = k;
    click.option = option;
    click.entries = networkEntries();
    click.source = optV_->isChecked()   ? calc::Source::Voltage
                   : optI_->isChecked() ? calc::Source::Current
                                        : calc::Source::None;
    click.sourceField = {txtIV_->text().toStdString(), "txtIV", "Source Value"};
    click.sourceUnit = optV_->isChecked() ? cboVI_->position() : cboIV_->position();
    return click;
}

std::vector<QLabel*> ElementForm::resultLabels() const {
    std::vector<QLabel*> labels{total_};
    labels.insert(labels.end(), resultNames_.begin(), resultNames_.end());
    labels.insert(labels.end(), resultValues_.begin(), resultValues_.end());
    labels.push_back(resultUnits_[0]);
    for (int i = 0; i < 3; ++i)
        labels.push_back(network_->triple(i).name);
    for (int i = 0; i < 3; ++i)
        labels.push_back(network_->triple(i).value);
    for (int i = 0; i < 3; ++i)
        labels.push_back(network_->triple(i).unit);
    return labels;
}

std::vector<QWidget*> ElementForm::pictures() const {
    return {sketch_, table_};
}

std::vector<QWidget*> ElementForm::networkResultWidgets() const {
    return {network_->triple(0).value, network_->triple(1).value, network_->triple(2).value,
            table_};
}

PageReport ElementForm::report() const {
    QStringList lines{texts_.frame6.trimmed()};
    for (std::size_t i = 0; i < 4; ++i) {
        const QString connection = series_[i]->isChecked()     ? "Series"
                                   : parallel_[i]->isChecked() ? "Parallel"
                                                               : "no connection";
        lines << ReportLine(QString::fromStdString(elementName(static_cast<int>(i) + 1)),
                            values_[i]->text(), units_[i]->currentText()) +
                     ", " + connection;
    }
    const QString source = optV_->isChecked()   ? "Voltage"
                           : optI_->isChecked() ? texts_.optI
                                                : "none chosen";
    lines << ReportLine("Source (" + source + ")", txtIV_->text(),
                        optV_->isChecked()   ? cboVI_->currentText()
                        : optI_->isChecked() ? cboIV_->currentText()
                                             : "");
    lines << ReportResult(texts_.compute.text, total_, totalUnit_->currentText());
    for (std::size_t i = 0; i < 3; ++i) {
        if (resultNames_[i]->text().isEmpty()) continue;
        // A result without a number says why in its tool-tip.
        if (resultValues_[i]->text().isEmpty() && !resultValues_[i]->toolTip().isEmpty())
            lines << resultNames_[i]->text() + ": " + resultValues_[i]->toolTip();
        else
            lines << ReportResult(resultNames_[i]->text(), resultValues_[i],
                                  resultUnits_[i]->text());
    }
    if (IsOutOfDate(network_->triple(0).value)) {
        lines << "Whole network: (out of date)";
    } else {
        const QStringList whole = network_->report();
        if (!whole.isEmpty()) lines << "Whole network:" << whole;
    }
    if (IsOutOfDate(table_)) lines << "Every element: (out of date)";
    PageReport report = ReportOf(std::move(lines), core_.working());
    if (!IsOutOfDate(table_)) report.table = table_->report();
    return report;
}

} // namespace vora::pages
