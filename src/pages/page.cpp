// SPDX-License-Identifier: MIT
#include "page.h"

#include "drawing/picture_view.h"
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
#include <QLabel>
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

void PageCore::setResults(std::vector<QLabel*> labels, std::vector<QWidget*> pictures) {
    labels_ = std::move(labels);
    pictures_ = std::move(pictures);
}

QLabel* PageCore::resultLabel(int slot) const {
    return labels_.at(static_cast<std::size_t>(slot));
}

QWidget* PageCore::picture(int slot) const {
    return pictures_.at(static_cast<std::size_t>(slot));
}

namespace {

void WriteLabel(QLabel* label, const calc::LabelWrite& write) {
    if (write.text.empty()) {
        ClearResult(label);
        // Why it holds no number.
        label->setToolTip(QString::fromStdString(write.note));
    } else if (!write.value) {
        ClearOutOfDate(label);
        label->setText(QString::fromStdString(write.text));
    } else {
        ShowResult(label, write.text, *write.value, write.symbol);
        if (!write.note.empty()) {
            const QString tip = Readable(label) + "\n" + QString::fromStdString(write.note);
            label->setToolTip(tip);
            label->setAccessibleDescription(tip);
        }
    }
    if (auto* follower = label->findChild<UnitFollower*>(QString(), Qt::FindDirectChildrenOnly))
        follower->shown(write.value.value_or(0));
}

} // namespace

void PageCore::show(const std::vector<calc::LabelWrite>& labels,
                    const std::vector<calc::PictureWrite>& pictures, const calc::Working& working,
                    bool showEnd) {
    for (const calc::LabelWrite& write : labels)
        WriteLabel(resultLabel(write.slot), write);
    for (const calc::PictureWrite& write : pictures) {
        QWidget* view = picture(write.slot);
        ClearOutOfDate(view);
        dynamic_cast<PictureView&>(*view).showPicture(write.picture);
    }
    showWorking(working, showEnd);
}

void PageCore::markOutOfDate(const std::vector<int>& labels, const std::vector<int>& pictures,
                             const QString& why) {
    for (const int slot : labels)
        MarkOutOfDate(resultLabel(slot), why);
    for (const int slot : pictures)
        MarkOutOfDate(picture(slot), why);
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
