// SPDX-License-Identifier: MIT
// What every calculation page has in common: its window (name, title
// "VORA", background), the message facade, the working area, and the one
// way an event ends, Commit.
#pragma once

#include "calc/outcome.h"
#include "calc/term.h"
#include "calculation_page.h"

#include <QMainWindow>
#include <optional>

class QAbstractButton;

class QColor;
class QLineEdit;
class QPushButton;

namespace vora::widgets {
class MessageBoxes;
class UnitList;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class Page : public QMainWindow, public CalculationPage {
public:
    Page(const QString& name, const QColor& background, widgets::MessageBoxes& messages,
         QWidget* parent = nullptr);

protected:
    widgets::MessageBoxes& messages() const { return messages_; }
    // The working area, made where the page builds it (its place in the
    // focus chain follows from that) and then put into its layout.
    widgets::WorkingPanel* makeWorking(QWidget* parent);
    widgets::WorkingPanel* working() const { return working_; }
    // One warning box (unless already announced) and the focus on the field.
    void reportFailure(const calc::Failure& failure);

    // The click step of an option: the focus to `field`, unless the option
    // was chosen with Space or an arrow key, which keep it on the option.
    static void focusAfterChoice(QWidget* field);

    // Results follow their inputs: every change of a watched input (typed,
    // pasted, chosen or emptied) calls refresh(), which computes the results
    // on screen again, silently, or marks them out of date.
    void watch(QLineEdit* entry);
    void watch(widgets::UnitList* list);
    void watch(QAbstractButton* option);
    // Enter in `entry` clicks `button`, the page's main computation.
    static void enterClicks(QLineEdit* entry, QPushButton* button);
    virtual void refresh() {}
    // Inputs that a handler changes one after another recompute once, when
    // the outermost batch ends.
    class Batch {
    public:
        explicit Batch(Page& page);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Page& page_;
    };
    // Why results are out of date, where no event failed with a message.
    static calc::Failure Because(std::string why) { return {{}, std::move(why), {}}; }
    // The failure of a unit list holding no unit it knows, if it does.
    static std::optional<calc::Failure> UnknownUnit(const widgets::UnitList* list);
    // Marks the working out of date with the failure's text.
    void markWorkingOutOfDate(const calc::Failure& failure);

    // The end of every computing event. The event computed on a copy of the
    // stored values; an unchanged outcome does nothing, a failed one is
    // reported and changes nothing, a successful one replaces `vars` and
    // shows its working (scrolled to the end with `showEnd`). The caller
    // writes its labels only on true.
    template <class Vars, class Shown>
    bool Commit(Vars& vars, const calc::Outcome<Shown>& out, bool showEnd = false) {
        if (out.unchanged()) return false;
        if (!out) {
            reportFailure(out.failure());
            return false;
        }
        vars = out->vars;
        showWorking(out->working, showEnd);
        return true;
    }

    // A refresh's success: as Commit's, without a failure to report.
    template <class Vars, class Shown>
    void Adopt(Vars& vars, const Shown& shown, bool showEnd = false) {
        vars = shown.vars;
        showWorking(shown.working, showEnd);
    }

private:
    void showWorking(const calc::Working& working, bool showEnd);
    void inputChanged();

    widgets::MessageBoxes& messages_;
    int batches_ = 0;
    bool changed_ = false;
    bool refreshing_ = false;
    widgets::WorkingPanel* working_ = nullptr;
};

// A page (Page or a family base made from it) with its set of stored
// values: it owns them, lists them, and commits events into them.
template <class Vars, class Base = Page> class StoredPage : public Base {
public:
    using Base::Base;

    // The page's stored values, for the tests and the working area.
    const Vars& vars() const { return vars_; }
    std::vector<std::pair<std::string, double>> storedValues() const override {
        return ListStored(vars_);
    }

protected:
    template <class Shown> bool Commit(const calc::Outcome<Shown>& out, bool showEnd = false) {
        return Base::Commit(vars_, out, showEnd);
    }
    template <class Shown> void Adopt(const Shown& shown, bool showEnd = false) {
        Base::Adopt(vars_, shown, showEnd);
    }

    Vars vars_{};
};

} // namespace vora::pages
