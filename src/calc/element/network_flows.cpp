// SPDX-License-Identifier: MIT
#include "network_flows.h"

#include "network_model.h"

#include <cmath>

namespace vora::calc {

namespace {

using network::SourceKind;

std::size_t I(int k) {
    return static_cast<std::size_t>(k - 1);
}

// "R1", "R1 and R2", "R1, R2 and R3".
std::string List(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

// The solver works on the quantity tree (network_model.h): its current is
// what a series connection shares ("carried": the current, or on the
// capacitor page the voltage), its voltage what a parallel one shares
// ("across": the voltage, or the charge).
class FlowRun {
public:
    FlowRun(const ElementKind& kind, NetworkTotal& t, const NetworkEntries& in, Source source)
        : kind_(kind)
        , t_(t)
        , in_(in)
        , w_(t.working)
        // A voltage source gives what parallel parts share on the resistor
        // and inductor pages, what series parts share on the capacitor page.
        , acrossGiven_((source == Source::Voltage) != kind.capacitive) {}

    NetworkFlows Run(double value, int element) {
        auto of = [&](const std::string& n) { return t_.Of(n); };
        solution_ = network::Solve(t_.tree, of,
                                   acrossGiven_ ? SourceKind::Voltage : SourceKind::Current, value);
        if (!solution_.ok()) FailTrouble();
        NetworkFlows f;
        const bool c = kind_.capacitive;
        f.sourceVoltage = c ? solution_.current : solution_.voltage;
        f.sourceFlow = c ? solution_.voltage : solution_.current;
        if (Rising()) {
            f.sourceRate = f.sourceFlow;
            f.sourceFlow = 0;
        } else if (Steady()) {
            f.sourceVoltage = 0;
        }
        for (int k = 1; k <= t_.length; ++k) {
            const auto& flow = solution_.flows.at(kind_.Element(k));
            const double x = t_.values[I(k)];
            f.flow[I(k)] = c ? flow.voltage : flow.current;
            f.voltage[I(k)] = c ? flow.current : flow.voltage;
            f.third[I(k)] = ThirdOf(Term::Named("", x), Term::Named("", flow.current),
                                    Term::Named("", flow.voltage))
                                .value();
            // The solver's "current" of an inductor network is what L·I
            // shares: with a voltage applied the rate of rise, the current
            // itself still 0; a steady current induces no voltage.
            if (Rising()) {
                f.rate[I(k)] = flow.current;
                f.flow[I(k)] = 0;
                f.third[I(k)] = 0;
            } else if (Steady()) {
                f.voltage[I(k)] = 0;
            }
        }
        if (const Sketch* s = SeriesGroup()) f.branchFlow = Carried(*s);
        if (element > 0) Path(value, element);
        return f;
    }

private:
    // An inductor network with a voltage source, whose currents rise from 0,
    // or with a steady current.
    bool Rising() const { return kind_.symbol == ElementSymbol::Inductor && acrossGiven_; }
    bool Steady() const { return kind_.symbol == ElementSymbol::Inductor && !acrossGiven_; }

    // Power V·I, or stored energy X·(carried)²/2: ½·L·I² and ½·C·V².
    Term ThirdOf(const Term& x, const Term& carried, const Term& across) const {
        if (kind_.symbol == ElementSymbol::Resistor) return across * carried;
        return x * Square(carried) / 2;
    }

    // The quantity-tree node of the outermost series group of the drawing.
    const Sketch* SeriesGroup() const {
        const Sketch* drawn = &t_.drawn;
        const Sketch* tree = &t_.tree;
        while (drawn->kind != Sketch::Kind::Series) {
            std::size_t i = 0;
            while (i < drawn->parts.size() && drawn->parts[i].kind == Sketch::Kind::Element)
                ++i;
            if (i == drawn->parts.size()) return nullptr;
            drawn = &drawn->parts[i];
            tree = &tree->parts[i];
        }
        return tree;
    }

    // What flows through a node of the quantity tree, from its elements.
    double Carried(const Sketch& s) const {
        if (s.kind == Sketch::Kind::Element) return solution_.flows.at(s.name).current;
        if (s.kind == Sketch::Kind::Series) return Carried(s.parts.front());
        double sum = 0;
        for (const Sketch& p : s.parts)
            sum += Carried(p);
        return sum;
    }

    // --- the working: from the source down to the element ----------------

    void Path(double value, int element) {
        const bool c = kind_.capacitive;
        const std::string carriedRoot = c ? kind_.sourceVoltage : CarriedName("src");
        const std::string acrossRoot = c ? kind_.sourceFlow : AcrossName("src");
        const Term total = Term::Named(kind_.total, t_.total);
        Term carried(0), across(0);
        if (acrossGiven_) {
            across = Note(acrossRoot, Term(value), false);
            carried = Note(carriedRoot, across / total, true);
        } else {
            carried = Note(carriedRoot, Term(value), true);
            across = Note(acrossRoot, total * carried, false);
        }
        if (Rising())
            w_.Say("The currents start at 0 and rise at dI/dt = V / L, so the voltages share "
                   "like L·dI/dt.");
        if (Steady())
            w_.Say("A steady current shares like the flux linkage λ = L·I (Wb), the same across "
                   "parallel inductors.");

        const std::string name = kind_.Element(element);
        const auto tree = network::PathTo(t_.tree, name);
        const auto drawn = network::PathTo(t_.drawn, name);
        const std::string k = std::to_string(element);
        if (tree.size() == 1) {
            carried = Note(CarriedName(k), carried, true);
            across = Note(AcrossName(k), across, false);
        }
        for (std::size_t i = 1; i < tree.size(); ++i) {
            const Sketch& parent = *tree[i - 1];
            const bool last = i + 1 == tree.size();
            const std::string op = Operand(*drawn[i], kind_);
            const std::string of = last ? k : (op.front() == '(' ? op : "(" + op + ")");
            const double xValue = network::Total<double>(*tree[i], [&](const std::string& n) {
                                      return t_.Of(n);
                                  }).value;
            const Term x = Term::Named(op, xValue);
            if (parent.kind == Sketch::Kind::Series) {
                if (last) carried = Note(CarriedName(of), carried, true);
                across = Note(AcrossName(of), c ? x * carried : carried * x, false);
                continue;
            }
            if (last) across = Note(AcrossName(of), across, false);
            if (xValue != 0) {
                carried = Note(CarriedName(of), across / x, true);
                continue;
            }
            // A zero part of a reciprocal group takes what the group carries.
            const std::string group =
                i == 1 ? "the network" : DescribeNetwork(*drawn[i - 1], kind_);
            w_.Say(c ? op + " is 0 F, an open gap: it takes the whole voltage of " + group +
                           ", which holds no charge."
                     : op + " is 0 " + kind_.BaseUnit() +
                           ", a short: it carries the whole current of " + group +
                           ", whose voltage is 0.");
            carried = Note(CarriedName(of), carried, true);
        }
        if (Steady())
            w_.Say("V" + k + " = L" + k + "·dI" + k +
                   "/dt = 0 V: a steady current induces no "
                   "voltage.");
        if (Rising()) {
            w_.Say("W" + k + " grows with time: W = ½·L·i², with i = (V/L)·t; choose Current " +
                   "for the energy of a steady current.");
            return;
        }
        const Term x = Term::Named(name, t_.values[I(element)]);
        w_.Note(kind_.third + k, ThirdOf(x, carried, across), kind_.thirdUnit);
    }

    // Records name = term and returns the value under its name.
    Term Note(const std::string& name, const Term& term, bool carried) {
        const bool c = kind_.capacitive;
        std::string unit = carried == c ? "V" : kind_.flowUnit;
        if (carried && Rising()) unit = "A/s";
        if (!carried && Steady()) unit = "Wb";
        w_.Note(name, term, unit);
        return Term::Named(name, term.value());
    }
    // Names in the working of what series parts share and what parallel
    // parts share, for element (or group) `of`.
    std::string CarriedName(const std::string& of) const {
        if (Rising()) return "dI" + of + "/dt";
        return (kind_.capacitive ? "V" : kind_.flow) + of;
    }
    std::string AcrossName(const std::string& of) const {
        if (Steady()) return "λ" + of;
        return (kind_.capacitive ? kind_.flow : "V") + of;
    }

    // --- results that would be infinite or undefined --------------------

    [[noreturn]] void FailTrouble() const {
        const auto& names = solution_.culprits;
        std::string field;
        if (!names.empty()) field = in_.values[I(names.front()[1] - '0')].name;
        const bool one = names.size() == 1;
        const std::string zero = "0 " + kind_.BaseUnit();
        const bool c = kind_.capacitive;
        if (solution_.trouble == network::Trouble::ShortAcrossVoltage) {
            const std::string because =
                names.empty() ? "the values cancel out"
                              : List(names) + (one ? " is " : " are ") + zero + " (" +
                                    (one ? kind_.zeroIs
                                         : (c ? std::string("open gaps") : std::string("shorts"))) +
                                    ")";
            FailCompute("The " + kind_.quantity + " is 0 because " + because + ", so " +
                            (c ? "a charge source would need an infinite voltage"
                               : "a voltage source would drive an infinite current") +
                            ". " +
                            (names.empty() ? "Check the values entered."
                                           : std::string(one ? "Enter a value" : "Enter values") +
                                                 " other than 0, or choose a " +
                                                 (c ? "voltage" : "current") + " source."),
                        field);
        }
        if (solution_.trouble == network::Trouble::ShortsInParallel)
            FailCompute(List(names) + " are " + zero + ", " +
                            (c ? "open gaps in the same chain, so how the voltage divides "
                                 "between them is undefined."
                               : "shorts side by side, so how the current divides between "
                                 "them is undefined.") +
                            " Enter a value other than 0 in one of them.",
                        field);
        FailCompute(TooLargeOrUndefined(kind_.quantity, "Check the values entered."));
    }

    const ElementKind& kind_;
    NetworkTotal& t_;
    const NetworkEntries& in_;
    Working& w_;
    const bool acrossGiven_;
    network::Solution<double> solution_;
};

} // namespace

NetworkFlows SolveNetwork(const ElementKind& kind, NetworkTotal& t, const NetworkEntries& in,
                          Source source, double value, int element) {
    return FlowRun(kind, t, in, source).Run(value, element);
}

} // namespace vora::calc
