// SPDX-License-Identifier: MIT
// What every calculation page has in common: its window (name, title
// "VORA", background), the message facade, the working area, and the one
// way an event ends, Commit.
#pragma once

#include "calc/outcome.h"
#include "calc/term.h"
#include "calculation_page.h"

#include <QMainWindow>

class QColor;

namespace vora::widgets {
class MessageBoxes;
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

    // The end of every computing event. The event computed on a copy of the
    // stored values; a failed outcome is reported and changes nothing, a
    // successful one replaces `vars` and shows its working (scrolled to the
    // end with `showEnd`). The caller writes its labels only on true.
    template <class Vars, class Shown>
    bool Commit(Vars& vars, const calc::Outcome<Shown>& out, bool showEnd = false) {
        if (!out) {
            reportFailure(out.failure());
            return false;
        }
        vars = out->vars;
        showWorking(out->working, showEnd);
        return true;
    }

private:
    void showWorking(const calc::Working& working, bool showEnd);

    widgets::MessageBoxes& messages_;
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

    Vars vars_{};
};

} // namespace vora::pages
