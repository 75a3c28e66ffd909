// SPDX-License-Identifier: MIT
#include "network_model.h"

#include <utility>

namespace vora::calc {

int NetworkLength(const Choices<4>& choices) {
    int n = 0;
    while (n < 4 && choices[static_cast<std::size_t>(n)] != Choice::None)
        ++n;
    return n;
}

namespace {

// `part` joined to `rest` by `kind`, keeping groups of one kind flat:
// 1 ∥ (2 ∥ 3) is drawn and combined as 1 ∥ 2 ∥ 3.
Sketch Join(Sketch::Kind kind, Sketch part, Sketch rest) {
    std::vector<Sketch> parts{std::move(part)};
    if (rest.kind == kind)
        for (Sketch& p : rest.parts)
            parts.push_back(std::move(p));
    else
        parts.push_back(std::move(rest));
    return kind == Sketch::Kind::Series ? Series(std::move(parts)) : Parallel(std::move(parts));
}

} // namespace

Sketch NetworkSketch(const Choices<4>& choices, const ElementKind& kind) {
    const int n = NetworkLength(choices);
    if (n == 0) return {};
    auto element = [&](int k) { return Element(kind.Element(k), kind.symbol); };
    if (n == 4 && kind.lastOfFourAfterGroup && Matches(choices, "PPPS"))
        return Series({Parallel({element(1), element(2), element(3)}), element(4)});
    Sketch rest = element(n);
    for (int k = n - 1; k >= 1; --k) {
        const bool series = choices[static_cast<std::size_t>(k - 1)] == Choice::Series;
        rest = Join(series ? Sketch::Kind::Series : Sketch::Kind::Parallel, element(k),
                    std::move(rest));
    }
    return rest;
}

Sketch QuantityTree(const Sketch& drawn, const ElementKind& kind) {
    if (!kind.capacitive || drawn.kind == Sketch::Kind::Element || drawn.empty()) return drawn;
    std::vector<Sketch> parts;
    for (const Sketch& p : drawn.parts)
        parts.push_back(QuantityTree(p, kind));
    return drawn.kind == Sketch::Kind::Series ? Parallel(std::move(parts))
                                              : Series(std::move(parts));
}

std::string DescribeNetwork(const Sketch& drawn, const ElementKind& kind) {
    if (!kind.capacitive) return Describe(drawn);
    if (drawn.kind == Sketch::Kind::Element || drawn.empty()) return drawn.name;
    const bool series = drawn.kind == Sketch::Kind::Series;
    std::string text;
    for (const Sketch& part : drawn.parts) {
        if (!text.empty()) text += series ? ", " : " ∥ ";
        text += DescribeNetwork(part, kind);
    }
    return series ? "ser(" + text + ")" : text;
}

std::string Operand(const Sketch& drawn, const ElementKind& kind) {
    const std::string text = DescribeNetwork(drawn, kind);
    const bool atomic = drawn.kind == Sketch::Kind::Element ||
                        (kind.capacitive && drawn.kind == Sketch::Kind::Series);
    return atomic ? text : "(" + text + ")";
}

} // namespace vora::calc
