// SPDX-License-Identifier: MIT
#include "network_total.h"

#include "calc/total_display.h"
#include "calc/units.h"
#include "network_model.h"

#include <cmath>
#include <vector>

namespace vora::calc {

std::string OptionOf(const NetworkEntries& in, int k) {
    // txtR2 -> optR2s
    return "opt" + in.values[static_cast<std::size_t>(k - 1)].name.substr(3) + "s";
}

void RequireNetwork(const ElementKind& kind, const NetworkEntries& in) {
    if (NetworkLength(in.choices) > 0) return;
    const std::string first = kind.Element(1);
    FailCompute("Choose Series or Parallel for " + first + ": the network starts with " + first +
                    ", and it has no connection chosen yet.",
                OptionOf(in, 1));
}

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Below this a number's reciprocal, which parallel resistors and series
// capacitors need, would overflow.
constexpr double kSmallest = 1e-300;

// The first group of `kind` met going down from the root; the reading
// nests at most one group in another, so this is the outermost one.
const Sketch* Outermost(const Sketch& s, Sketch::Kind kind) {
    if (s.kind == kind) return &s;
    for (const Sketch& part : s.parts)
        if (const Sketch* found = Outermost(part, kind)) return found;
    return nullptr;
}

class TotalRun {
public:
    TotalRun(const ElementKind& kind, const NetworkEntries& in, NetworkTotal& t)
        : kind_(kind)
        , in_(in)
        , t_(t) {}

    void Run(bool showReading) {
        t_.length = NetworkLength(in_.choices);
        t_.drawn = NetworkSketch(in_.choices, kind_);
        t_.tree = QuantityTree(t_.drawn, kind_);
        t_.working.Say("Network: " + DescribeNetwork(t_.drawn, kind_));
        Read(showReading);
        parallel_ = Outermost(t_.drawn, Sketch::Kind::Parallel);
        series_ = Outermost(t_.drawn, Sketch::Kind::Series);
        t_.total = Node(t_.drawn, t_.tree, true).value();
    }

private:
    // Converts every text first, then scales, in element order.
    void Read(bool showReading) {
        std::array<double, 4> number{};
        for (int k = 1; k <= t_.length; ++k) {
            number[I(k)] = ReadStrict(in_.values[I(k)]);
            if (number[I(k)] < 0) RefuseNegative(in_.values[I(k)]);
        }
        for (int k = 1; k <= t_.length; ++k) {
            const Field& field = in_.values[I(k)];
            const int pos = in_.units[I(k)];
            const bool scaled = InList(pos, kind_.readFactor.size()) &&
                                kind_.readFactor[static_cast<std::size_t>(pos)] != 1;
            const Term x =
                scaled ? Term(number[I(k)]) * kind_.readFactor[static_cast<std::size_t>(pos)]
                       : Term::Named(kind_.Element(k), number[I(k)]);
            if (!std::isfinite(x.value()))
                Fail({"Invalid Entry",
                      "The number in \"" + field.label +
                          "\" is too large to compute with. Enter a smaller number (for "
                          "example 47, 2.2 or 1E3).",
                      field.name});
            if (x.value() != 0 && std::fabs(x.value()) < kSmallest)
                Fail({"Invalid Entry",
                      "The number in \"" + field.label +
                          "\" is too small to compute with. Enter 0 or a larger number.",
                      field.name});
            t_.values[I(k)] = x.value();
            if (scaled && showReading) t_.working.Note(kind_.Element(k), x, kind_.BaseUnit());
        }
    }

    // Records how node `drawn` (`tree` in the law of X) combines, below it
    // first, and returns it as an operand for the line above.
    Term Node(const Sketch& drawn, const Sketch& tree, bool root) {
        const std::string operand = Operand(drawn, kind_);
        if (tree.kind == Sketch::Kind::Element) {
            const Term x = Term::Named(tree.name, t_.Of(tree.name).value);
            if (root) t_.working.Note(kind_.total, x, kind_.BaseUnit());
            return x;
        }
        std::vector<Term> parts;
        const Term* zero = nullptr;
        for (std::size_t i = 0; i < tree.parts.size(); ++i)
            parts.push_back(Node(drawn.parts[i], tree.parts[i], false));
        for (const Term& p : parts)
            if (!zero && p.value() == 0) zero = &p;

        const auto z = network::Total<double>(tree, [&](const std::string& n) { return t_.Of(n); });
        const std::string description = DescribeNetwork(drawn, kind_);
        const bool reciprocal = tree.kind == Sketch::Kind::Parallel;
        if (z.open || (reciprocal && !zero && z.value == 0))
            FailCompute("The " + kind_.quantity + " cannot be computed: the values of " +
                        description +
                        " cancel out, so its value would be infinite. Check the "
                        "values entered.");
        if (!std::isfinite(z.value))
            FailCompute("The " + kind_.quantity +
                        " is too large to compute with. Check the values entered.");

        std::string name = root ? kind_.total : description;
        if (!root && &drawn == parallel_) name = kind_.parallelPart + " = " + description;
        if (!root && &drawn == series_) name = kind_.seriesPart + " = " + description;
        if (&drawn == parallel_) t_.parallelPart = z.value;
        if (&drawn == series_) t_.seriesPart = z.value;

        if (reciprocal && zero) {
            t_.working.Say(name + " = 0 " + kind_.BaseUnit() + ", because " + zero->symbols() +
                           " is 0 " + kind_.BaseUnit() + ", " + kind_.zeroIs +
                           (kind_.capacitive ? " in the chain." : " across the group."));
        } else {
            Term formula = reciprocal ? 1 / parts[0] : parts[0];
            for (std::size_t i = 1; i < parts.size(); ++i)
                formula = reciprocal ? formula + 1 / parts[i] : formula + parts[i];
            t_.working.Note(name, reciprocal ? 1 / formula : formula, kind_.BaseUnit());
        }
        return Term::Named(operand, z.value);
    }

    static std::size_t I(int k) { return static_cast<std::size_t>(k - 1); }

    [[noreturn]] void RefuseNegative(const Field& field) const {
        Fail({"Invalid Entry",
              "The number in \"" + field.label + "\" is negative, and a " + Lower(kind_.element) +
                  " has no negative value (only a source has a direction). Enter 0 or a "
                  "positive number.",
              field.name});
    }

    const ElementKind& kind_;
    const NetworkEntries& in_;
    NetworkTotal& t_;
    const Sketch* parallel_ = nullptr;
    const Sketch* series_ = nullptr;
};

} // namespace

namespace {

// Values typed for elements after the network's end count for nothing: say so.
void NameLeftOut(const ElementKind& kind, const NetworkEntries& in, NetworkTotal& t) {
    std::string leftOut;
    for (int k = t.length + 1; k <= 4; ++k) {
        const std::string& text = in.values[static_cast<std::size_t>(k - 1)].text;
        if (text.find_first_not_of(" \t") == std::string::npos) continue;
        leftOut += (leftOut.empty() ? "" : ", ") + kind.Element(k) + " = " + text;
    }
    if (leftOut.empty()) return;
    t.working.Say("Left out: " + leftOut + ", because " + kind.Element(t.length + 1) +
                  " has no connection chosen; choose Series or Parallel for it to include them.");
}

} // namespace

NetworkTotal ComputeNetworkTotal(const ElementKind& kind, const NetworkEntries& in,
                                 bool showReading) {
    RequireNetwork(kind, in);
    NetworkTotal t;
    TotalRun(kind, in, t).Run(showReading);
    NameLeftOut(kind, in, t);
    const TotalUnits units{kind.total, kind.quantity, Names(kind.units), kind.showFactor};
    t.label = ShowTotal(t.total, in.totalUnit, units, t.working);
    return t;
}

} // namespace vora::calc
