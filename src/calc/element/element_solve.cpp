// SPDX-License-Identifier: MIT
#include "element_solve.h"

#include "element_pages.h"
#include "network_total.h"

#include <optional>

namespace vora::calc {

namespace {

Units ElementUnits(const ElementKind& kind) {
    if (&kind == &ElementKind::Capacitor()) return kFarads;
    if (&kind == &ElementKind::Inductor()) return kHenries;
    return kOhms;
}

// The unit at `position` of `units`, the base unit for a typed one.
const Unit& UnitAt(Units units, int position) {
    if (InList(position, units.size())) return units[static_cast<std::size_t>(position)];
    for (const Unit& u : units)
        if (u.power == 0) return u;
    return units.front();
}

std::optional<double> Total(const ElementKind& kind, const NetworkEntries& in) {
    const auto t = Attempt([&] { return ComputeNetworkTotal(kind, in, false).total; });
    if (!t) return std::nullopt;
    return *t;
}

// The cell named `name` among the network's results.
std::optional<double> Cell(const NetworkResults& r, const std::string& name) {
    for (const ResultCell& c : r.whole)
        if (c.name == name && !c.text.empty()) return c.value;
    for (const ElementRow& row : r.rows)
        for (const ResultCell& c : row.cells)
            if (c.name == name && !c.text.empty()) return c.value;
    return std::nullopt;
}

} // namespace

SolveProblem ElementProblem(const ElementKind& kind, const ElementClick& page) {
    SolveProblem p;
    const Units units = ElementUnits(kind);
    const auto total = Attempt([&] { return ComputeNetworkTotal(kind, page.entries, false); });
    if (!total) return p;
    p.targets.push_back({kind.total, kind.total + "  " + kind.quantity, BaseSymbol(units)});

    ElementClick click = page;
    click.element = 0;
    const bool withSource = click.source != Source::None && !click.sourceField.text.empty();
    if (withSource) {
        if (const auto r = NetworkResultsOf(kind, click)) {
            for (std::size_t j = 0; j < 3; ++j) {
                const ResultCell& c = r->whole[j];
                if (!c.text.empty())
                    p.targets.push_back({c.name, c.name + "  " + r->heads[j], c.unit, 0});
            }
            int k = 0;
            for (const ElementRow& row : r->rows) {
                ++k;
                for (std::size_t j = 0; j < 3; ++j) {
                    const ResultCell& c = row.cells[j];
                    if (!c.text.empty())
                        p.targets.push_back({c.name,
                                             c.name + "  " + r->heads[j] + " of " + row.element,
                                             c.unit, k});
                }
            }
        }
    }

    for (int k = 1; k <= total->length; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const Unit& shown = UnitAt(units, page.entries.units[i]);
        p.unknowns.push_back({.name = kind.Element(k),
                              .field = page.entries.values[i].name,
                              .symbol = BaseSymbol(units),
                              .span = {},
                              .unitFactor = shown.Factor(),
                              .shownUnit = shown.symbol});
    }
    if (withSource) {
        const Units source = click.source == Source::Voltage ? kSourceVolts : kind.sourceFlowUnits;
        const Unit& shown = UnitAt(source, page.sourceUnit);
        p.unknowns.push_back({.name = "the source",
                              .field = page.sourceField.name,
                              .symbol = BaseSymbol(source),
                              .span = {},
                              .unitFactor = shown.Factor(),
                              .shownUnit = shown.symbol});
    }

    const std::size_t elements = static_cast<std::size_t>(total->length);
    // Each target after the total is a cell found by its name.
    std::vector<std::string> names;
    for (const SolveTarget& target : p.targets)
        names.push_back(target.name);
    p.result = [kind = &kind, click, elements, names](std::size_t t, std::size_t u,
                                                      double x) -> std::optional<double> {
        ElementClick c = click;
        if (u < elements) {
            c.entries.values[u].text = ExactText(x);
            c.entries.units[u] = 0;
        } else {
            c.sourceField.text = ExactText(x);
            c.sourceUnit = 0;
        }
        if (t == 0) return Total(*kind, c.entries);
        const auto r = NetworkResultsOf(*kind, c);
        if (!r || t >= names.size()) return std::nullopt;
        return Cell(*r, names[t]);
    };
    return p;
}

} // namespace vora::calc
