// SPDX-License-Identifier: MIT
// What every calculation page has in common: its stored values, the message
// facade, the working area, and the one way an event ends, Commit. The
// window's name, title and colour come from its registry row.
#pragma once

#include "calc/find_value.h"
#include "calc/outcome.h"
#include "calc/shown.h"
#include "calc/term.h"
#include "calculation_page.h"

#include <QMainWindow>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vora::widgets {
class MessageBoxes;
class UnitList;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class SolvePanel;

// The part of a page that does not depend on its stored values: one per
// window, shared by its page class and its form.
class PageCore {
public:
    // `refresh` computes the results on screen again after an input changed.
    PageCore(QMainWindow& window, widgets::MessageBoxes& messages, std::function<void()> refresh);
    PageCore(const PageCore&) = delete;
    PageCore& operator=(const PageCore&) = delete;

    widgets::MessageBoxes& messages() const { return messages_; }
    // The working area, made where the page builds it (its place in the
    // focus chain follows from that) and then put into its layout.
    widgets::WorkingPanel* makeWorking(QWidget* parent);
    widgets::WorkingPanel* working() const { return working_; }
    // One warning box (unless already announced) and the focus on the field.
    void reportFailure(const calc::Failure& failure);
    void showWorking(const calc::Working& working, bool showEnd);

    // The page's result labels and pictures, each at its slot; a picture
    // is a PictureView.
    void setResults(std::vector<QLabel*> labels, std::vector<QWidget*> pictures);
    QLabel* resultLabel(int slot) const;
    QWidget* picture(int slot) const;
    // The one step that writes an event's results: each label with the
    // engineering form of its value, followed by its unit list if it has
    // one, each picture, and the working (scrolled to the end with `showEnd`).
    void show(const std::vector<calc::LabelWrite>& labels,
              const std::vector<calc::PictureWrite>& pictures, const calc::Working& working,
              bool showEnd);
    // The labels and pictures of `slots` marked out of date for `why`.
    void markOutOfDate(const std::vector<int>& labels, const std::vector<int>& pictures,
                       const QString& why);
    // Marks the working out of date with the failure's text.
    void markWorkingOutOfDate(const calc::Failure& failure);
    // The information box of a source field left exactly empty (blanks count
    // as a value), with the text of the resource `textPath`; true if shown.
    bool announceEmptySource(const QLineEdit* source, const QString& textPath);

    // "Find a Value": a panel docked at the foot of the window, opened with
    // Ctrl+F or from a result's context menu; `problem` describes the values
    // on screen and `show` computes a target as its click does.
    SolvePanel* addFinding(std::function<calc::SolveProblem()> problem,
                           std::function<void(const calc::SolveTarget&)> show);
    SolvePanel* finding() const { return finding_; }

    // The click step of an option: the focus to `field`, unless the option
    // was chosen with Space or an arrow key, which keep it on the option.
    static void FocusAfterChoice(QWidget* field);
    // Enter in `entry` clicks `button`, the page's main computation.
    static void EnterClicks(QLineEdit* entry, QPushButton* button);
    // Why results are out of date, where no event failed with a message.
    static calc::Failure Because(std::string why) { return {{}, std::move(why), {}}; }
    // The failure of a unit list holding no unit it knows, if it does.
    static std::optional<calc::Failure> UnknownUnit(const widgets::UnitList* list);

    // Results follow their inputs: every change of a watched input (typed,
    // pasted, chosen or emptied) calls the refresh, which computes the
    // results on screen again, silently, or marks them out of date.
    void watch(QLineEdit* entry);
    void watch(widgets::UnitList* list);
    void watch(QAbstractButton* option);

    // Inputs that a handler changes one after another recompute once, when
    // the outermost batch ends.
    class Batch {
    public:
        explicit Batch(PageCore& core);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PageCore& core_;
    };

private:
    void inputChanged();

    QMainWindow& window_;
    widgets::MessageBoxes& messages_;
    std::function<void()> refresh_;
    int batches_ = 0;
    bool changed_ = false;
    bool refreshing_ = false;
    widgets::WorkingPanel* working_ = nullptr;
    SolvePanel* finding_ = nullptr;
    std::vector<const widgets::UnitList*> lists_; // every watched unit list
    std::vector<QLabel*> labels_;                 // by slot
    std::vector<QWidget*> pictures_;              // by slot
};

// A calculation page's window with its set of stored values: it owns them,
// lists them, and commits events into them.
template <class Vars> class Page : public QMainWindow, public CalculationPage {
public:
    explicit Page(widgets::MessageBoxes& messages, QWidget* parent = nullptr)
        : QMainWindow(parent)
        , core_(*this, messages, [this] { refresh(); }) {}

    // The page's stored values, for the tests and the working area.
    const Vars& vars() const { return vars_; }
    // The "Find a Value" panel, once the page has added it.
    SolvePanel* finding() const { return core_.finding(); }
    std::vector<std::pair<std::string, double>> storedValues() const override {
        return ListStored(vars_);
    }

protected:
    PageCore& core() { return core_; }
    widgets::MessageBoxes& messages() const { return core_.messages(); }
    widgets::WorkingPanel* makeWorking(QWidget* parent) { return core_.makeWorking(parent); }
    widgets::WorkingPanel* working() const { return core_.working(); }
    void reportFailure(const calc::Failure& failure) { core_.reportFailure(failure); }
    void markWorkingOutOfDate(const calc::Failure& failure) { core_.markWorkingOutOfDate(failure); }
    bool announceEmptySource(const QLineEdit* source, const QString& textPath) {
        return core_.announceEmptySource(source, textPath);
    }
    static void focusAfterChoice(QWidget* field) { PageCore::FocusAfterChoice(field); }
    static void enterClicks(QLineEdit* entry, QPushButton* button) {
        PageCore::EnterClicks(entry, button);
    }
    static calc::Failure Because(std::string why) { return PageCore::Because(std::move(why)); }
    static std::optional<calc::Failure> UnknownUnit(const widgets::UnitList* list) {
        return PageCore::UnknownUnit(list);
    }
    template <class Input> void watch(Input* input) { core_.watch(input); }
    virtual void refresh() {}

    class Batch {
    public:
        explicit Batch(Page& page)
            : batch_(page.core_) {}

    private:
        PageCore::Batch batch_;
    };

    // The end of every computing event. The event computed on a copy of the
    // stored values; an unchanged outcome does nothing, a failed one is
    // reported and changes nothing, a successful one replaces the stored
    // values and writes its results (the working scrolled to the end with
    // `showEnd`). True when it succeeded.
    bool Commit(const calc::Outcome<calc::Shown<Vars>>& out, bool showEnd = false) {
        if (out.unchanged()) return false;
        if (!out) {
            core_.reportFailure(out.failure());
            return false;
        }
        Adopt(*out, showEnd);
        return true;
    }

    // A refresh's success: as Commit's, without a failure to report.
    void Adopt(const calc::Shown<Vars>& shown, bool showEnd = false) {
        vars_ = shown.vars;
        core_.show(shown.labels, shown.pictures, shown.working, showEnd);
    }

    Vars vars_{};

private:
    PageCore core_;
};

} // namespace vora::pages
