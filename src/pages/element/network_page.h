// SPDX-License-Identifier: MIT
// The page of a network of resistors, capacitors or inductors, for its own
// set of stored values: the form's controls, the transaction of its two
// computing events (gather the entries, compute on a copy, commit the copy
// and write the labels only when it succeeded), and the wiring of its
// handlers.
//
// The results stay those of the values on screen: an edit computes the
// results shown again, silently, with the same functions as the clicks, and
// marks out of date what cannot be computed from the values as they are.
#pragma once

#include "calc/element/element_pages.h"
#include "calc/element/element_solve.h"
#include "calc/outcome.h"
#include "element_form.h"
#include "pages/page.h"
#include "pages/solve_panel.h"
#include "widgets/option_button.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace vora::pages {

// A page's named handlers: the total button's, and per element the
// double-clicks on its Series and Parallel options.
template <class P> struct NetworkHandlers {
    using Handler = void (P::*)();
    Handler total;
    std::array<std::array<Handler, 2>, 4> doubleClicks;
};

template <class Vars> class NetworkPage : public Page<Vars> {
public:
    using Event = calc::Outcome<calc::Shown<Vars>> (*)(const calc::ElementClick&, Vars);

    // The handlers are `P`'s, the window class made from this page.
    template <class P>
    NetworkPage(const ElementTexts& texts, widgets::MessageBoxes& messages, Event total,
                Event element, const NetworkHandlers<P>& handlers, QWidget* parent = nullptr)
        : Page<Vars>(messages, parent)
        , form_(texts, *this, this->core())
        , total_(total)
        , element_(element) {
        this->core().setResults(form_.resultLabels(), form_.pictures());
        form_.watchInputs();
        wire(handlers);
        this->core().addFinding(
            [this] { return calc::ElementProblem(form_.kind(), form_.elementClick(0, {})); },
            [this](const calc::SolveTarget& target) {
                if (target.event == 0) return computeTotal();
                showElement(target.event, form_.choiceOf(target.event));
            });
        OfferFinding(form_.totalLabel(), this->finding(), form_.kind().total);
    }

    // Reset menu: element k's options cleared and its field emptied; "&New"
    // does that for all four.
    void resetElement(int k) {
        const Batch once(*this);
        form_.clearElement(k);
    }
    void mnuAll_Click() {
        const Batch once(*this);
        for (int k = 1; k <= 4; ++k)
            form_.clearElement(k);
    }

    PageReport report() const override { return form_.report(); }

    // The page's two computing events: the total button, and an element's
    // results (a double-click of its option), which the named handlers call.
    void computeTotal() {
        if (refuseUnknownUnit()) return;
        // The table marks the element whose results are on screen.
        if (Commit(total_(form_.elementClick(shownElement_, {}), vars_))) totalShown_ = true;
    }

    // Reads the whole page, as the total does, so that the total and the
    // results always describe the network on the screen.
    void showElement(int k, calc::Choice option) {
        this->announceEmptySource(form_.source(), form_.texts().emptySource);
        if (refuseUnknownUnit()) return;
        // Scrolled to the end, where the element's results are.
        if (!Commit(element_(form_.elementClick(k, option), vars_), true)) return;
        totalShown_ = true;
        shownElement_ = k;
    }

protected:
    using typename Page<Vars>::Batch;
    using Page<Vars>::Adopt;
    using Page<Vars>::Commit;
    using Page<Vars>::vars_;

    void refresh() override {
        form_.updateHint();
        if (!totalShown_) return;
        std::optional<calc::Failure> elementFailure;
        if (shownElement_ > 0) {
            if (const auto out = elementNow(); out) {
                return Adopt(*out, true);
            } else {
                elementFailure = out.failure();
            }
        }
        if (auto unknown = form_.unknownUnit()) return markAll(*unknown);
        const auto total = total_(form_.elementClick(shownElement_, {}), vars_);
        if (!total) return markAll(total.failure());
        Adopt(*total);
        if (elementFailure) form_.markElementOutOfDate(*elementFailure);
    }

private:
    // The one place the controls meet the named handlers, which the tests
    // and the benchmarks call by name.
    template <class P> void wire(const NetworkHandlers<P>& handlers) {
        // P is made once this page is: the handler is looked up when called.
        const auto call = [this](void (P::*handler)()) {
            return [this, handler] { (static_cast<P*>(this)->*handler)(); };
        };
        QObject::connect(form_.computeButton(), &QPushButton::clicked, this, call(handlers.total));
        for (int k = 1; k <= 4; ++k) {
            const auto& [series, parallel] = handlers.doubleClicks[static_cast<std::size_t>(k - 1)];
            QObject::connect(form_.option(k, calc::Choice::Series),
                             &widgets::OptionButton::doubleClicked, this, call(series));
            QObject::connect(form_.option(k, calc::Choice::Parallel),
                             &widgets::OptionButton::doubleClicked, this, call(parallel));
            QObject::connect(form_.resetAction(k), &QAction::triggered, this,
                             [this, k] { resetElement(k); });
        }
        QObject::connect(form_.newAction(), &QAction::triggered, this, [this] { mnuAll_Click(); });
    }

    bool refuseUnknownUnit() {
        const auto unknown = form_.unknownUnit();
        if (unknown) this->reportFailure(*unknown);
        return unknown.has_value();
    }

    // The shown element's results from the values on screen, as its
    // double-click would give them, without a message.
    calc::Outcome<calc::Shown<Vars>> elementNow() const {
        const int k = shownElement_;
        const calc::Choice option = form_.choiceOf(k);
        const std::string element = form_.elementName(k);
        if (option == calc::Choice::None)
            return this->Because("Choose Series or Parallel for " + element +
                                 " to see its results again.");
        if (form_.sourceEmpty())
            return this->Because("The source value is empty. Enter it to see the results "
                                 "of " +
                                 element + " again.");
        if (auto unknown = form_.unknownUnit()) return *unknown;
        auto out = element_(form_.elementClick(k, option), vars_);
        if (!out && out.failure().text.empty())
            return this->Because("Enter a number as the source value to see the results "
                                 "of " +
                                 element + " again.");
        return out;
    }

    void markAll(const calc::Failure& why) {
        form_.markTotalOutOfDate(why);
        if (shownElement_ > 0) form_.markElementOutOfDate(why);
    }

    ElementForm form_;
    Event total_;
    Event element_;
    bool totalShown_ = false; // a total is on screen
    int shownElement_ = 0;    // the element last double-clicked, whose results are on screen
};

} // namespace vora::pages
