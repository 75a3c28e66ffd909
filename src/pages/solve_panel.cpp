// SPDX-License-Identifier: MIT
#include "solve_panel.h"

#include "report.h"
#include "widgets/message_boxes.h"
#include "widgets/working_panel.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace vora::pages {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QComboBox* List(const char* name, const QString& tip, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setToolTip(tip);
    list->setAccessibleName(tip);
    return list;
}

} // namespace

SolvePanel::SolvePanel(widgets::MessageBoxes& messages, Page page, QWidget* parent)
    : QGroupBox("Find a Value", parent)
    , messages_(messages)
    , page_(std::move(page)) {
    setObjectName("FrameSolve");
    targets_ = List("cboTarget", "The result whose value you know", this);
    value_ = new QLineEdit(this);
    value_->setObjectName("txtTarget");
    value_->setToolTip("The value the result should have");
    value_->setAccessibleName("Target value");
    unit_ = List("cboTargetUnit", "The unit of the target value", this);
    unknown_ = List("cboUnknown", "The value to find", this);
    solve_ = new QPushButton("&Find", this);
    solve_->setObjectName("cmdSolve");
    solve_->setToolTip("Find the value that gives the result");
    solutions_ = List("cboSolution", "Every value that gives the result: choose one", this);
    solutionsLabel_ = new QLabel("&Values found:", this);
    solutionsLabel_->setBuddy(solutions_);

    auto* grid = new QGridLayout(this);
    auto* result = new QLabel("&Result:", this);
    result->setBuddy(targets_);
    auto* equals = new QLabel("&equals", this);
    equals->setBuddy(value_);
    auto* find = new QLabel("Find &the value of:", this);
    find->setBuddy(unknown_);
    grid->addWidget(result, 0, 0);
    grid->addWidget(targets_, 0, 1, 1, 3);
    grid->addWidget(equals, 1, 0);
    grid->addWidget(value_, 1, 1);
    grid->addWidget(unit_, 1, 2);
    grid->addWidget(find, 2, 0);
    grid->addWidget(unknown_, 2, 1, 1, 2);
    grid->addWidget(solve_, 2, 3);
    grid->addWidget(solutionsLabel_, 3, 0);
    grid->addWidget(solutions_, 3, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    solutions_->hide();
    solutionsLabel_->hide();

    connect(targets_, &QComboBox::currentIndexChanged, this, [this] { targetChanged(); });
    connect(solve_, &QPushButton::clicked, this, [this] { cmdSolve_Click(); });
    connect(value_, &QLineEdit::returnPressed, solve_, &QPushButton::click);
    connect(solutions_, &QComboBox::activated, this, [this](int i) { solutionChosen(i); });
    setFocusProxy(value_);
    // Escape puts the panel away, with whatever holds it.
    auto* away = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    away->setContext(Qt::WidgetWithChildrenShortcut);
    connect(away, &QShortcut::activated, this, [this] {
        QWidget* outer = this;
        while (outer->parentWidget() && outer->parentWidget() != window())
            outer = outer->parentWidget();
        outer->hide();
        window()->setFocus(Qt::ShortcutFocusReason);
    });
    hide();
}

void SolvePanel::open(const std::string& target) {
    fillLists(target);
    // The panel and whatever holds it in the window (a dock).
    for (QWidget* w = this; w && w != window(); w = w->parentWidget())
        w->show();
    if (targets_->count() == 0) {
        messages_.show(window(), widgets::MessageBoxes::Icon::Information, "Find a Value",
                       "There is no result to start from yet. Enter the values and compute a "
                       "result first; then give the value it should have and choose the value "
                       "to find.");
        return;
    }
    value_->setFocus(Qt::ShortcutFocusReason);
    value_->selectAll();
}

void SolvePanel::fillLists(const std::string& target) {
    problem_ = page_.problem();
    const QSignalBlocker block(targets_);
    const QString chosen = target.empty() ? targets_->currentData().toString() : Q(target);
    targets_->clear();
    for (const calc::SolveTarget& t : problem_.targets)
        targets_->addItem(Q(t.caption), Q(t.name));
    const int at = targets_->findData(chosen);
    targets_->setCurrentIndex(at >= 0 ? at : 0);
    const QString field = unknown_->currentData().toString();
    unknown_->clear();
    for (const calc::SolveUnknown& u : problem_.unknowns)
        unknown_->addItem(Q(u.name), Q(u.field));
    const int was = unknown_->findData(field);
    if (was >= 0) unknown_->setCurrentIndex(was);
    targetChanged();
}

void SolvePanel::targetChanged() {
    const int t = targets_->currentIndex();
    const QString previous = unit_->currentText();
    unit_->clear();
    if (t < 0 || static_cast<std::size_t>(t) >= problem_.targets.size()) return;
    for (const auto& [symbol, power] :
         calc::TargetUnits(problem_.targets[static_cast<std::size_t>(t)]))
        unit_->addItem(Q(symbol), power);
    const int same = unit_->findText(previous);
    unit_->setCurrentIndex(same >= 0 ? same : unit_->findData(0));
}

void SolvePanel::cmdSolve_Click() {
    if (page_.refuse)
        if (const auto why = page_.refuse()) return ReportFailure(window(), messages_, *why);
    // The lists describe the values on screen now.
    const QString target = targets_->currentData().toString();
    fillLists(target.toStdString());
    if (targets_->count() == 0) return open();
    const auto t = static_cast<std::size_t>(targets_->currentIndex());
    const int u = unknown_->currentIndex();
    const auto found = calc::FindValue(
        problem_, t, u < 0 ? problem_.unknowns.size() : static_cast<std::size_t>(u),
        {value_->text().toStdString(), "txtTarget", "Target value"}, unit_->currentData().toInt());
    if (!found) return ReportFailure(window(), messages_, found.failure());
    solved_ = problem_.targets[t];
    unknownField_ = problem_.unknowns[static_cast<std::size_t>(u)].field;
    fieldTexts_ = found->fieldTexts;
    line_ = found->line;
    {
        const QSignalBlocker block(solutions_);
        solutions_->clear();
        for (const std::string& text : fieldTexts_)
            solutions_->addItem(
                Q(text + " " + problem_.unknowns[static_cast<std::size_t>(u)].shownUnit));
        solutions_->setCurrentIndex(0);
    }
    const bool several = fieldTexts_.size() > 1;
    solutions_->setVisible(several);
    solutionsLabel_->setVisible(several);
    apply(Q(fieldTexts_.front()));
}

void SolvePanel::solutionChosen(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= fieldTexts_.size()) return;
    apply(Q(fieldTexts_[static_cast<std::size_t>(index)]));
}

void SolvePanel::inputsChanged() {
    if (applying_ || fieldTexts_.empty()) return;
    fieldTexts_.clear();
    solutions_->clear();
    solutions_->hide();
    solutionsLabel_->hide();
}

void SolvePanel::apply(const QString& text) {
    auto* field = window()->findChild<QLineEdit*>(Q(unknownField_));
    if (!field) return;
    applying_ = true;
    field->setText(text);
    page_.show(solved_);
    applying_ = false;
    if (page_.working) {
        std::string line = line_;
        if (fieldTexts_.size() > 1)
            line +=
                " The field holds " + text.toStdString() + "; choose another value in the list.";
        page_.working->setText(Q(line) + "\n\n" + page_.working->text());
    }
}

void OfferFinding(QWidget* label, SolvePanel* panel, std::string target) {
    OfferFinding(label, panel, [target = std::move(target)] { return target; });
}

void OfferFinding(QWidget* label, SolvePanel* panel, std::function<std::string()> target) {
    auto* find = new QAction("Find a Value for This Result\u2026", label);
    find->setObjectName("actFindValue");
    label->addAction(find);
    label->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(find, &QAction::triggered, panel,
                     [panel, target = std::move(target)] { panel->open(target()); });
}

} // namespace vora::pages
