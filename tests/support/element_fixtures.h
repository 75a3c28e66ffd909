// SPDX-License-Identifier: MIT
// Driving the resistor, capacitor and inductor computations in tests through
// one interface: a page letter ('R', 'C', 'L') instead of three types.
#pragma once

#include "calc/element/element_kind.h"
#include "calc/element/element_pages.h"
#include "calc/number.h"

#include <array>
#include <map>
#include <string>

namespace vora::calc::testing {

inline const ElementKind& Kind(char page) {
    return page == 'R'   ? ElementKind::Resistor()
           : page == 'C' ? ElementKind::Capacitor()
                         : ElementKind::Inductor();
}

// Entries of page `page` with the given texts, choices written like "SP-P",
// and unit positions.
inline NetworkEntries Entries(char page, const std::array<std::string, 4>& texts,
                              const std::string& choices, std::array<int, 4> units = {},
                              int totalUnit = 0) {
    NetworkEntries e;
    const char control = page == 'C' ? 'C' : 'R'; // the inductor page keeps the R names
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        e.values[i] = {texts[i], std::string("txt") + control + n, page + n + " Value"};
    }
    e.units = units;
    e.choices = ChoicesFrom<4>(choices);
    e.totalUnit = totalUnit;
    return e;
}

// A double-click on element k's selected option.
inline ElementClick Click(const NetworkEntries& e, int k, Source source, std::string text) {
    ElementClick c;
    c.element = k;
    c.option = e.choices[static_cast<std::size_t>(k - 1)];
    c.entries = e;
    c.source = source;
    c.sourceField = {std::move(text), "txtIV", "Source Value"};
    return c;
}

// What an event returned, whichever page it was.
struct Shown {
    bool ok = false;
    Failure failure;
    std::string label; // the total label
    std::array<std::string, 3> names, values, units;
    std::array<double, 3> numbers{};
    NetworkResults network; // after a double-click
    std::map<std::string, double> stored;
    std::string working;
    Sketch sketch;

    double operator[](const std::string& name) const { return stored.at(name); }
};

template <class Vars> std::map<std::string, double> Stored(const Vars& v) {
    std::map<std::string, double> m;
    for (const auto& [name, value] : ListStored(v))
        m[name] = value;
    return m;
}

template <class Out> Shown From(const Out& out) {
    Shown s;
    if (!out) {
        s.failure = out.failure();
        return s;
    }
    s.ok = true;
    s.stored = Stored(out->vars);
    s.working = out->working.Text();
    s.sketch = out->template picture<SketchPicture>(NetworkPicture::Sketch)->sketch;
    s.label = out->text(NetworkLabel::Total);
    if (out->label(NetworkLabel::ElementName1)) {
        for (std::size_t i = 0; i < 3; ++i) {
            const auto slot = static_cast<int>(NetworkLabel::ElementValue1) + static_cast<int>(i);
            s.names[i] =
                out->text(static_cast<int>(NetworkLabel::ElementName1) + static_cast<int>(i));
            s.values[i] = out->text(slot);
            s.units[i] = out->label(slot)->symbol;
            s.numbers[i] = out->label(slot)->value.value_or(0);
        }
        s.network = *out->template picture<ResultsTable>(NetworkPicture::Table);
    }
    return s;
}

// The total button's reading of the page: the entries, no source.
inline ElementClick TotalClick(const NetworkEntries& entries) {
    ElementClick c;
    c.element = 0;
    c.entries = entries;
    return c;
}

inline Shown Total(char page, const NetworkEntries& entries) {
    const ElementClick e = TotalClick(entries);
    switch (page) {
    case 'R':
        return From(TotalResistance(e, {}));
    case 'C':
        return From(TotalCapacitance(e, {}));
    default:
        return From(TotalInductance(e, {}));
    }
}

inline Shown Results(char page, const ElementClick& c) {
    switch (page) {
    case 'R':
        return From(ResistorResults(c, {}));
    case 'C':
        return From(CapacitorResults(c, {}));
    default:
        return From(InductorResults(c, {}));
    }
}

// Every arrangement of a leading run of 1 to 4 elements, "S---" to "PPPP".
inline std::vector<std::string> Arrangements() {
    std::vector<std::string> all;
    for (int n = 1; n <= 4; ++n)
        for (int bits = 0; bits < (1 << n); ++bits) {
            std::string a(4, '-');
            for (int i = 0; i < n; ++i)
                a[static_cast<std::size_t>(i)] = (bits >> i) & 1 ? 'P' : 'S';
            all.push_back(a);
        }
    return all;
}

} // namespace vora::calc::testing
