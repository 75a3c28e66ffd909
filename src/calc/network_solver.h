// SPDX-License-Identifier: MIT
// One solver for every page: a series/parallel network (the Sketch tree)
// driven by a source across its two ends.
//
// The solver knows only "impedances", "currents" and "voltages" of a generic
// value type T. The pages choose what they mean:
//   - resistor page: T = double, impedance R;
//   - capacitor page: T = double, impedance C on the dual tree (series and
//     parallel swapped), the voltage in the place of the current and the
//     charge in the place of the voltage: C1 + C2 in parallel and
//     1 / (1 / C1 + 1 / C2) in series come out exactly, and a zero
//     capacitance is a short of the dual (calc/element/network_model.h);
//   - inductor page: T = double, impedance L (the page relates current and
//     voltage as a resistance would);
//   - AC page: T = std::complex<double>, impedance R, jωL, 1/(jωC).
//
// Ideal parts are allowed: an impedance of exactly 0 is a short, an open
// impedance (a parallel group whose admittances cancel, or a zero
// capacitance where 1/(jωC) is the impedance) carries no current. Where the
// physics leaves a quantity undefined or infinite, the solution names the
// elements concerned instead of producing inf or nan.
#pragma once

#include "sketch.h"

#include <map>
#include <string>
#include <vector>

namespace vora::calc::network {

// An impedance that may be open (infinite).
template <class T> struct Impedance {
    T value{};
    bool open = false;

    bool isShort() const { return !open && value == T{}; }
    static Impedance Open() { return {T{}, true}; }
};

template <class T> struct Flow {
    T current{};
    T voltage{};
};

enum class SourceKind { Current, Voltage };

enum class Trouble {
    None,
    ShortAcrossVoltage, // the whole network is a short on a voltage source
    OpenOnCurrent,      // the whole network is open on a current source
    ShortsInParallel,   // a current meets several shorts side by side: its split is undefined
    OpensInSeries,      // a voltage meets several opens in a row: its split is undefined
};

template <class T> struct Solution {
    Impedance<T> total;
    T current{}; // at the source
    T voltage{};
    std::map<std::string, Flow<T>> flows; // every element, by name
    Trouble trouble = Trouble::None;
    // The elements concerned: the shorts or opens themselves; empty where no
    // single element is to blame (an L-C group at exact resonance).
    std::vector<std::string> culprits;

    bool ok() const { return trouble == Trouble::None; }
};

// The elements of the network, left to right as the sketch lists them.
inline void Elements(const Sketch& s, std::vector<std::string>& out) {
    if (s.kind == Sketch::Kind::Element) out.push_back(s.name);
    for (const Sketch& part : s.parts)
        Elements(part, out);
}

// The nodes from the root down to the element `name` (the element included),
// or empty when the element is not in the network.
inline std::vector<const Sketch*> PathTo(const Sketch& s, const std::string& name) {
    if (s.kind == Sketch::Kind::Element)
        return s.name == name ? std::vector<const Sketch*>{&s} : std::vector<const Sketch*>{};
    for (const Sketch& part : s.parts) {
        std::vector<const Sketch*> path = PathTo(part, name);
        if (!path.empty()) {
            path.insert(path.begin(), &s);
            return path;
        }
    }
    return {};
}

// The impedance of a node; `of(name)` gives each element's.
template <class T, class Of> Impedance<T> Total(const Sketch& s, const Of& of) {
    switch (s.kind) {
    case Sketch::Kind::None:
        return Impedance<T>::Open();
    case Sketch::Kind::Element:
        return of(s.name);
    case Sketch::Kind::Series: {
        Impedance<T> sum;
        for (const Sketch& part : s.parts) {
            const Impedance<T> z = Total<T>(part, of);
            if (z.open) return Impedance<T>::Open();
            sum.value += z.value;
        }
        return sum;
    }
    case Sketch::Kind::Parallel: {
        T admittance{};
        for (const Sketch& part : s.parts) {
            const Impedance<T> z = Total<T>(part, of);
            if (z.isShort()) return {};
            if (!z.open) admittance += T(1) / z.value;
        }
        if (admittance == T{}) return Impedance<T>::Open();
        return {T(1) / admittance, false};
    }
    }
    return {};
}

namespace detail {

// The elements whose own impedance passes `test` (the shorts, or the opens).
template <class Of, class Test>
void Where(const Sketch& s, const Of& of, const Test& test, std::vector<std::string>& out) {
    if (s.kind == Sketch::Kind::Element && test(of(s.name))) out.push_back(s.name);
    for (const Sketch& part : s.parts)
        Where(part, of, test, out);
}

template <class T, class Of>
void Distribute(const Sketch& s, const Of& of, T current, T voltage, Solution<T>& out) {
    if (!out.ok()) return;
    if (s.kind == Sketch::Kind::Element) {
        out.flows[s.name] = {current, voltage};
        return;
    }
    std::vector<Impedance<T>> z;
    for (const Sketch& part : s.parts)
        z.push_back(Total<T>(part, of));

    if (s.kind == Sketch::Kind::Series) {
        // One current through every part; each part takes its share of the
        // voltage. Open parts carry no current and together take what the
        // others leave; that split is defined only for a single open part.
        std::vector<std::size_t> opens;
        T rest = voltage;
        for (std::size_t i = 0; i < z.size(); ++i) {
            if (z[i].open)
                opens.push_back(i);
            else
                rest -= current * z[i].value;
        }
        if (opens.size() > 1 && rest != T{}) {
            out.trouble = Trouble::OpensInSeries;
            for (std::size_t i : opens)
                Elements(s.parts[i], out.culprits);
            return;
        }
        for (std::size_t i = 0; i < z.size(); ++i) {
            const T v = z[i].open ? (opens.size() == 1 ? rest : T{}) : current * z[i].value;
            Distribute(s.parts[i], of, current, v, out);
        }
        return;
    }

    // Parallel: one voltage across every part. Shorted parts take the current
    // the others leave; that split is defined only for a single short.
    std::vector<std::size_t> shorts;
    T rest = current;
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i].isShort())
            shorts.push_back(i);
        else if (!z[i].open)
            rest -= voltage / z[i].value;
    }
    if (shorts.size() > 1 && rest != T{}) {
        out.trouble = Trouble::ShortsInParallel;
        for (std::size_t i : shorts)
            Elements(s.parts[i], out.culprits);
        return;
    }
    for (std::size_t i = 0; i < z.size(); ++i) {
        const T c = z[i].isShort() ? (shorts.size() == 1 ? rest : T{})
                    : z[i].open    ? T{}
                                   : voltage / z[i].value;
        Distribute(s.parts[i], of, c, voltage, out);
    }
}

} // namespace detail

// Every element's current and voltage with the source across the network.
template <class T, class Of>
Solution<T> Solve(const Sketch& s, const Of& of, SourceKind kind, T source) {
    Solution<T> out;
    out.total = Total<T>(s, of);
    if (kind == SourceKind::Voltage) {
        out.voltage = source;
        if (out.total.isShort()) {
            out.trouble = Trouble::ShortAcrossVoltage;
            detail::Where(
                s, of, [](const Impedance<T>& z) { return z.isShort(); }, out.culprits);
            return out;
        }
        out.current = out.total.open ? T{} : source / out.total.value;
    } else {
        out.current = source;
        if (out.total.open) {
            out.trouble = Trouble::OpenOnCurrent;
            detail::Where(
                s, of, [](const Impedance<T>& z) { return z.open; }, out.culprits);
            return out;
        }
        out.voltage = source * out.total.value;
    }
    detail::Distribute(s, of, out.current, out.voltage, out);
    return out;
}

} // namespace vora::calc::network
