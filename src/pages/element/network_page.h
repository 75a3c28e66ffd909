// SPDX-License-Identifier: MIT
// The transaction of the two computing events of an element-network page,
// for the page's own set of stored values: gather the entries, compute on a
// copy, and commit the copy and the label texts only when it succeeded.
//
// The results stay those of the values on screen: an edit computes the
// results shown again, silently, with the same functions as the clicks, and
// marks out of date what cannot be computed from the values as they are.
#pragma once

#include "calc/element/element_pages.h"
#include "calc/outcome.h"
#include "element_network_page.h"
#include "pages/calculation_page.h"

namespace vora::pages {

template <class Vars> class NetworkPage : public StoredPage<Vars, ElementNetworkPage> {
    using Stored = StoredPage<Vars, ElementNetworkPage>;

public:
    using TotalFn = calc::Outcome<calc::TotalShown<Vars>> (*)(const calc::NetworkEntries&, Vars);
    using ElementFn = calc::Outcome<calc::ElementShown<Vars>> (*)(const calc::ElementClick&, Vars);

    NetworkPage(const ElementPageTexts& texts, widgets::MessageBoxes& messages, TotalFn total,
                ElementFn element, QWidget* parent = nullptr)
        : Stored(texts, messages, parent)
        , total_(total)
        , element_(element) {
        this->watchInputs();
    }

protected:
    using Stored::Adopt;
    using Stored::Commit;
    using Stored::vars_;

    void computeTotal() {
        if (refuseUnknownUnit()) return;
        const auto out = total_(this->networkEntries(), vars_);
        if (!Commit(out)) return;
        showTotalOf(*out);
    }

    void showNetwork(const calc::Outcome<calc::NetworkResults>& out) {
        if (out)
            this->showNetworkResults(*out);
        else
            this->clearNetworkResults();
    }

    // Reads the whole page, as the total does, so that the total and the
    // results always describe the network on the screen.
    void showElement(int k, calc::Choice option) {
        this->announceEmptySource();
        if (refuseUnknownUnit()) return;
        const auto out = element_(this->elementClick(k, option), vars_);
        // Scrolled to the end, where the element's results are.
        if (!Commit(out, true)) return;
        showElementOf(*out, k);
    }

    calc::Outcome<std::string> totalInUnit(int position) const override {
        return calc::TotalInUnit(vars_, position);
    }

    void refresh() override {
        this->updateHint();
        if (!totalShown_) return;
        std::optional<calc::Failure> elementFailure;
        if (shownElement_ > 0) {
            if (const auto out = elementNow(); out) {
                Adopt(*out, true);
                return showElementOf(*out, shownElement_);
            } else {
                elementFailure = out.failure();
            }
        }
        if (auto unknown = this->unknownUnit()) return markAll(*unknown);
        const auto total = total_(this->networkEntries(), vars_);
        if (!total) return markAll(total.failure());
        Adopt(*total);
        showTotalOf(*total);
        if (elementFailure) this->markElementOutOfDate(*elementFailure);
    }

private:
    bool refuseUnknownUnit() {
        const auto unknown = this->unknownUnit();
        if (unknown) this->reportFailure(*unknown);
        return unknown.has_value();
    }

    void showTotalOf(const calc::TotalShown<Vars>& out) {
        totalShown_ = true;
        this->showTotal(out.label, vars_.*calc::RolesOf(vars_).total);
        this->showSketch(out.sketch, 0);
        // Silently: the source field is the double-click's to complain about.
        showNetwork(calc::NetworkResultsOf(this->kind(), this->elementClick(shownElement_, {})));
    }

    void showElementOf(const calc::ElementShown<Vars>& out, int k) {
        totalShown_ = true;
        shownElement_ = k;
        this->showTotal(out.totalLabel, vars_.*calc::RolesOf(vars_).total);
        this->showElementResults(out.cells);
        this->showSketch(out.sketch, k);
        this->showNetworkResults(out.network);
    }

    // The shown element's results from the values on screen, as its
    // double-click would give them, without a message.
    calc::Outcome<calc::ElementShown<Vars>> elementNow() const {
        const int k = shownElement_;
        const calc::Choice option = this->choiceOf(k);
        const std::string element = this->elementName(k);
        if (option == calc::Choice::None)
            return this->Because("Choose Series or Parallel for " + element +
                                 " to see its results again.");
        if (this->sourceEmpty())
            return this->Because("The source value is empty. Enter it to see the results "
                                 "of " +
                                 element + " again.");
        if (auto unknown = this->unknownUnit()) return *unknown;
        auto out = element_(this->elementClick(k, option), vars_);
        if (!out && out.failure().text.empty())
            return this->Because("Enter a number as the source value to see the results "
                                 "of " +
                                 element + " again.");
        return out;
    }

    void markAll(const calc::Failure& why) {
        this->markTotalOutOfDate(why);
        if (shownElement_ > 0) this->markElementOutOfDate(why);
    }

    TotalFn total_;
    ElementFn element_;
    bool totalShown_ = false; // a total is on screen
    int shownElement_ = 0;    // the element last double-clicked, whose results are on screen
};

} // namespace vora::pages
