// SPDX-License-Identifier: MIT
#include "three_phase_page.h"

#include "pages/drawing/vector_diagram_view.h"
#include "pages/drawing/working_pictures.h"
#include "pages/result_label.h"
#include "widgets/clickable_label.h"
#include "widgets/form_controls.h"
#include "widgets/option_button.h"
#include "widgets/page_body.h"
#include "widgets/page_colours.h"
#include "widgets/working_panel.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QVBoxLayout>

namespace vora::pages {

namespace {

const char* const kEntryNames[3] = {"txtIT", "txtVT", "txtZT"};
const char* const kResultNames[4] = {"lblI0", "lblV0", "lblZ0", "lblS0"};

// Wide enough that the explanation band wraps into a few long lines.
constexpr int kOpenWidth = 820;

QLabel* MakeLabel(const PageText& text, QWidget* parent) {
    return widgets::MakeLabel(text.name, text.text, parent);
}

QLabel* MakeHeading(const PageText& text, QWidget* parent) {
    QLabel* label = MakeLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

ThreePhasePage::ThreePhasePage(const ThreePhasePageTexts& texts, widgets::MessageBoxes& messages,
                               QWidget* parent)
    : Page(messages, parent)
    , texts_(texts) {

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setSpacing(12);

    auto* label10 = MakeLabel(
        {"Label10", widgets::ResourceText(":/texts/three_phase_quantities.txt")}, central);
    label10->setWordWrap(true);
    label10->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    label10->setMargin(8);
    outer->addWidget(label10);

    outer->addWidget(buildConnection());

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
    voltages_ = MakeVoltageDiagram();
    panel->setSide(voltages_);
    outer->addWidget(panel, 1); // a taller window gives its height to the working
    widgets::SetPageBody(this, central, kOpenWidth);

    setFocusOrder();
    installClearEntries();

    // The results describe one connection and the entries on screen: a
    // change computes them again.
    watch(optY_);
    watch(optD_);
    for (QLineEdit* entry : entries_)
        watch(entry);
}

// Ctrl+N, as on the other pages (without a Reset menu here): the entries
// are emptied; the connection, the results and the stored values stay.
void ThreePhasePage::installClearEntries() {
    auto* clear = new QAction("Clear the Entries", this);
    clear->setObjectName("actClearEntries");
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    clear->setShortcutContext(Qt::WindowShortcut);
    connect(clear, &QAction::triggered, this, &ThreePhasePage::clearEntries);
    addAction(clear);
}

void ThreePhasePage::clearEntries() {
    const Batch once(*this);
    for (QLineEdit* entry : entries_)
        entry->clear();
}

QWidget* ThreePhasePage::buildConnection() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(MakeHeading(texts_.connectionHeading, box), 0, 0);

    optY_ = new widgets::OptionButton("Sources Connected In Star", box);
    optY_->setObjectName("optY");
    optD_ = new widgets::OptionButton("Sources Connected In Delta", box);
    optD_->setObjectName("optD");
    optY_->setAccessibleName(optY_->text());
    optD_->setAccessibleName(optD_->text());
    grid->addWidget(texts_.deltaAbove ? optD_ : optY_, 1, 0);
    grid->addWidget(texts_.deltaAbove ? optY_ : optD_, 2, 0);

    QLabel* instruction = MakeLabel(texts_.instruction, box);
    instruction->setWordWrap(true);
    grid->addWidget(instruction, 0, 1, 3, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(24);
    return box;
}

// Heading in `firstRow`, then current, voltage and impedance.
void ThreePhasePage::buildInputs(QGridLayout* grid, int firstRow) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(MakeHeading(texts_.inputHeading, parent), firstRow, 0, 1, 3);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const ThreePhaseRow& row = texts_.inputs[i];
        const int r = firstRow + 1 + static_cast<int>(i);
        QLabel* caption = MakeLabel(row.caption, parent);
        QLineEdit* entry = widgets::MakeEntry(kEntryNames[i], row.tip, row.accessible, parent);
        caption->setBuddy(entry);
        entries_[i] = entry;
        grid->addWidget(caption, r, 0);
        grid->addWidget(entry, r, 1);
        grid->addWidget(MakeLabel(row.unit, parent), r, 2);
    }
}

// Heading in `firstRow`, then the four captions with their results.
void ThreePhasePage::buildOutputs(QGridLayout* grid, int firstRow) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(MakeHeading(texts_.outputHeading, parent), firstRow, 4, 1, 3);
    using Handler = void (ThreePhasePage::*)();
    const Handler handlers[4] = {&ThreePhasePage::lblI2_Click, &ThreePhasePage::lblV2_Click,
                                 &ThreePhasePage::lblZ2_Click, &ThreePhasePage::lblS2_Click};
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        const ThreePhaseRow& row = texts_.outputs[i];
        const int r = firstRow + 1 + static_cast<int>(i);
        auto* caption = new widgets::ClickableLabel(row.caption.text, parent);
        caption->setObjectName(row.caption.name);
        caption->setAccessibleName(row.accessible);
        caption->setToolTip("Click to compute the " + row.accessible.toLower() +
                            (row.tip.isEmpty() ? QString() : ": " + row.tip));
        captions_[i] = caption;

        QLabel* result = widgets::MakeResult(kResultNames[i], row.accessible + " result", parent);
        results_[i] = result;

        grid->addWidget(caption, r, 4);
        grid->addWidget(result, r, 5);
        grid->addWidget(MakeLabel(row.unit, parent), r, 6);
        connect(caption, &widgets::ClickableLabel::clicked, this, handlers[i]);
    }
}

void ThreePhasePage::setFocusOrder() {
    QWidget* chain[9] = {optY_, optD_};
    for (std::size_t i = 0; i < entries_.size(); ++i)
        chain[2 + i] = entries_[texts_.reversedEntryFocus ? 2 - i : i];
    for (std::size_t i = 0; i < captions_.size(); ++i)
        chain[5 + i] = captions_[i];
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

calc::ThreePhaseEntries ThreePhasePage::entries() const {
    calc::ThreePhaseEntries in;
    in.connection = optY_->isChecked()   ? calc::Connection::Star
                    : optD_->isChecked() ? calc::Connection::Delta
                                         : calc::Connection::None;
    calc::Field* fields[3] = {&in.current, &in.voltage, &in.impedance};
    for (std::size_t i = 0; i < entries_.size(); ++i)
        *fields[i] = {entries_[i]->text().toStdString(), kEntryNames[i],
                      texts_.inputs[i].caption.text.toStdString()};
    return in;
}

// Computes on a copy of the stored values; the page changes only when the
// click succeeded.
void ThreePhasePage::compute(calc::Caption clicked) {
    const auto out = texts_.convert(clicked, entries(), vars_);
    // No connection chosen: nothing happens, and nothing is reported.
    if (out && !out->computed) return;
    if (!Commit(out)) return;
    showOutcome(clicked, *out);
    std::erase(shown_, clicked);
    shown_.push_back(clicked);
}

void ThreePhasePage::showOutcome(calc::Caption caption, const calc::ThreePhaseShown& out) {
    const char* const units[4] = {"A", "V", "Ω", "VA"};
    const auto i = static_cast<std::size_t>(caption);
    ShowResult(results_[i], out.label, units[i]);
    if (caption != calc::Caption::Voltage) return;
    ClearOutOfDate(voltages_);
    voltages_->setDiagram(out.diagram);
}

// Every caption clicked so far again, in the order clicked, silently; what
// cannot be computed from the entries as they are is marked out of date.
void ThreePhasePage::refresh() {
    bool any = false;
    calc::Failure last;
    for (const calc::Caption caption : shown_) {
        auto out = texts_.convert(caption, entries(), vars_);
        if (out && !out->computed) out = Because("Choose star or delta to compute it again.");
        const auto i = static_cast<std::size_t>(caption);
        if (!out) {
            last = out.failure();
            MarkOutOfDate(results_[i], QString::fromStdString(last.text));
            if (caption == calc::Caption::Voltage)
                MarkOutOfDate(voltages_, QString::fromStdString(last.text));
            continue;
        }
        Adopt(*out);
        showOutcome(caption, *out);
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

QString ThreePhasePage::inputsAndResults() const {
    const QString connection = optY_->isChecked()   ? optY_->text()
                               : optD_->isChecked() ? optD_->text()
                                                    : "no connection chosen";
    QStringList lines{texts_.inputHeading.text + " (" + connection + ")"};
    for (std::size_t i = 0; i < entries_.size(); ++i)
        lines << ReportLine(texts_.inputs[i].caption.text, entries_[i]->text(),
                            texts_.inputs[i].unit.text);
    lines << texts_.outputHeading.text;
    for (std::size_t i = 0; i < results_.size(); ++i)
        lines << ReportResult(texts_.outputs[i].caption.text, results_[i],
                              texts_.outputs[i].unit.text);
    if (!working()->text().isEmpty() && !IsOutOfDate(working()))
        lines << "Working:" << working()->text();
    return lines.join('\n');
}

} // namespace vora::pages
