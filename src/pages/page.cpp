// SPDX-License-Identifier: MIT
#include "page.h"

#include "report.h"
#include "result_label.h"
#include "solve_panel.h"
#include "widgets/form_controls.h"
#include "widgets/message_boxes.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QAction>
#include <QDockWidget>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>

namespace vora::pages {

PageCore::PageCore(QMainWindow& window, widgets::MessageBoxes& messages,
                   std::function<void()> refresh)
    : window_(window)
    , messages_(messages)
    , refresh_(std::move(refresh)) {}

widgets::WorkingPanel* PageCore::makeWorking(QWidget* parent) {
    working_ = new widgets::WorkingPanel(parent);
    return working_;
}

void PageCore::reportFailure(const calc::Failure& failure) {
    ReportFailure(&window_, messages_, failure);
}

void PageCore::showWorking(const calc::Working& working, bool showEnd) {
    ClearOutOfDate(working_);
    working_->setText(QString::fromStdString(working.Text()), showEnd);
}

void PageCore::markWorkingOutOfDate(const calc::Failure& failure) {
    if (!working_->text().isEmpty())
        MarkOutOfDate(working_, QString::fromStdString(failure.reason()));
}

SolvePanel* PageCore::addFinding(std::function<calc::SolveProblem()> problem,
                                 std::function<void(const calc::SolveTarget&)> show) {
    // A unit list holding no unit it knows stops the solving as it stops a click.
    const auto refuse = [this]() -> std::optional<calc::Failure> {
        for (const widgets::UnitList* list : lists_)
            if (auto unknown = UnknownUnit(list)) return unknown;
        return std::nullopt;
    };
    finding_ =
        new SolvePanel(messages_, {std::move(problem), std::move(show), working_, refuse}, nullptr);
    auto* dock = new QDockWidget(&window_);
    dock->setObjectName("dockSolve");
    dock->setWindowTitle("Find a Value");
    dock->setTitleBarWidget(new QWidget(dock)); // the panel's frame is its title
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setWidget(finding_);
    dock->hide();
    window_.addDockWidget(Qt::BottomDockWidgetArea, dock);

    auto* find = new QAction("Find a Value\u2026", &window_);
    find->setObjectName("actFind");
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    find->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(find);
    QObject::connect(find, &QAction::triggered, finding_, [panel = finding_] { panel->open(); });
    return finding_;
}

bool PageCore::announceEmptySource(const QLineEdit* source, const QString& textPath) {
    if (!source->text().isEmpty()) return false;
    messages_.show(&window_, widgets::MessageBoxes::Icon::Information, "Ajaja",
                   widgets::ResourceText(textPath));
    return true;
}

void PageCore::FocusAfterChoice(QWidget* field) {
    if (!widgets::OptionButton::choosingByKeyboard()) field->setFocus(Qt::OtherFocusReason);
}

void PageCore::EnterClicks(QLineEdit* entry, QPushButton* button) {
    QObject::connect(entry, &QLineEdit::returnPressed, button, &QPushButton::click);
}

void PageCore::watch(QLineEdit* entry) {
    QObject::connect(entry, &QLineEdit::textChanged, &window_, [this] { inputChanged(); });
}

void PageCore::watch(widgets::UnitList* list) {
    lists_.push_back(list);
    QObject::connect(list, &QComboBox::currentTextChanged, &window_, [this] { inputChanged(); });
}

void PageCore::watch(QAbstractButton* option) {
    QObject::connect(option, &QAbstractButton::toggled, &window_, [this] { inputChanged(); });
}

void PageCore::inputChanged() {
    // Values found for the inputs as they were no longer belong to them.
    if (finding_) finding_->inputsChanged();
    if (batches_ > 0) {
        changed_ = true;
        return;
    }
    // A refresh writes labels only, never inputs; guard anyway against a loop.
    if (refreshing_) return;
    refreshing_ = true;
    refresh_();
    refreshing_ = false;
}

PageCore::Batch::Batch(PageCore& core)
    : core_(core) {
    ++core_.batches_;
}

PageCore::Batch::~Batch() {
    if (--core_.batches_ > 0 || !core_.changed_) return;
    core_.changed_ = false;
    core_.inputChanged();
}

std::optional<calc::Failure> PageCore::UnknownUnit(const widgets::UnitList* list) {
    if (list->position() >= 0) return std::nullopt;
    return calc::Failure{"Invalid Unit", list->unknownUnitText().toStdString(),
                         list->objectName().toStdString()};
}

} // namespace vora::pages
