// SPDX-License-Identifier: MIT
// The transaction of the two computing events of an element-network page,
// for the page's own set of stored values: gather the entries, compute on a
// copy, and commit the copy and the label texts only when it succeeded.
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
        , element_(element) {}

protected:
    using Stored::Commit;
    using Stored::vars_;

    void computeTotal() {
        const auto out = total_(this->networkEntries(), vars_);
        if (!Commit(out)) return;
        this->showTotal(out->label, vars_.*calc::RolesOf(vars_).total);
        this->showSketch(out->sketch, 0);
        // Silently: the source field is the double-click's to complain about.
        showNetwork(calc::NetworkResultsOf(this->kind(), this->elementClick(marked_, {})));
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
        const auto out = element_(this->elementClick(k, option), vars_);
        // Scrolled to the end, where the element's results are.
        if (!Commit(out, true)) return;
        this->showTotal(out->totalLabel, vars_.*calc::RolesOf(vars_).total);
        this->showElementResults(out->cells);
        this->showSketch(out->sketch, k);
        marked_ = k;
        this->showNetworkResults(out->network);
    }

    calc::Outcome<std::string> totalInUnit(int position) const override {
        return calc::TotalInUnit(vars_, position);
    }

private:
    TotalFn total_;
    ElementFn element_;
    int marked_ = 0; // the element last double-clicked
};

} // namespace vora::pages
