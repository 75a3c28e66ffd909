// SPDX-License-Identifier: MIT
#include "solve.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vora::calc {

namespace {

constexpr int kSamples = 3001;   // about 125 a decade over 24 decades
constexpr int kBisections = 200; // more than a double's bits on a log scale
constexpr int kGoldenSteps = 90; // the golden ratio to the power 90 is below 1e-18
constexpr int kMostRefinements = 64;

// The geometric mean, without overflow for large values.
double Between(double a, double b) {
    return std::sqrt(a) * std::sqrt(b);
}

class Search {
public:
    Search(const ResultOf& result, double target)
        : result_(result)
        , target_(target) {}

    // result(x) - target, where the result can be computed.
    std::optional<double> gap(double x) {
        const std::optional<double> r = result_(x);
        if (!r || !std::isfinite(*r)) return std::nullopt;
        least_ = least_ ? std::min(*least_, *r) : *r;
        greatest_ = greatest_ ? std::max(*greatest_, *r) : *r;
        return *r - target_;
    }

    // The root of a sign change between a and b, to the last bit; nothing
    // when the change was a jump over a pole rather than through the target.
    std::optional<double> bisect(double a, double ga, double b, double gb) {
        const double start = std::min(std::abs(ga), std::abs(gb));
        for (int i = 0; i < kBisections; ++i) {
            const double m = Between(a, b);
            if (!(m > a && m < b)) break;
            const std::optional<double> gm = gap(m);
            if (!gm) return std::nullopt;
            if (*gm == 0) return m;
            if ((*gm < 0) == (ga < 0)) {
                a = m;
                ga = *gm;
            } else {
                b = m;
                gb = *gm;
            }
        }
        const bool left = std::abs(ga) <= std::abs(gb);
        if (std::min(std::abs(ga), std::abs(gb)) > start) return std::nullopt;
        return left ? a : b;
    }

    // Between a and b, around a grid point whose gap is nearer zero than its
    // neighbours': the turning point of the gap, by golden section. Adds
    // the roots either side when the gap crosses zero there, or the turning
    // point itself when the result only touches the target.
    void turn(double a, double b, double sign, double tolerance, std::vector<double>& roots) {
        const double ga = *gap(a), gb = *gap(b);
        const double phi = (std::sqrt(5.0) - 1) / 2;
        double la = std::log(a), lb = std::log(b);
        double l1 = lb - phi * (lb - la), l2 = la + phi * (lb - la);
        std::optional<double> h1 = gap(std::exp(l1)), h2 = gap(std::exp(l2));
        for (int i = 0; i < kGoldenSteps && h1 && h2; ++i) {
            for (const auto& [l, h] : {std::pair{l1, *h1}, std::pair{l2, *h2}}) {
                if (sign * h > 0) continue;
                // Through the target: a root on each side of this point.
                const double x = std::exp(l);
                if (h == 0) {
                    roots.push_back(x);
                } else {
                    if (auto r = bisect(a, ga, x, h)) roots.push_back(*r);
                    if (auto r = bisect(x, h, b, gb)) roots.push_back(*r);
                }
                return;
            }
            if (sign * *h1 < sign * *h2) {
                lb = l2;
                l2 = l1;
                h2 = h1;
                l1 = lb - phi * (lb - la);
                h1 = gap(std::exp(l1));
            } else {
                la = l1;
                l1 = l2;
                h1 = h2;
                l2 = la + phi * (lb - la);
                h2 = gap(std::exp(l2));
            }
        }
        if (h1 && h2) {
            const bool first = std::abs(*h1) <= std::abs(*h2);
            if (std::abs(first ? *h1 : *h2) <= tolerance)
                roots.push_back(std::exp(first ? l1 : l2));
        }
    }

    std::optional<double> least_, greatest_;

private:
    const ResultOf& result_;
    double target_;
};

} // namespace

Solutions Solve(const ResultOf& result, double target, SolveSpan span) {
    Solutions out;
    if (!(span.low > 0 && span.high > span.low) || !std::isfinite(target) ||
        !std::isfinite(span.high))
        return out;
    Search search(result, target);
    std::vector<double> xs(kSamples);
    std::vector<std::optional<double>> gs(kSamples);
    const double decades = std::log(span.high / span.low);
    for (int i = 0; i < kSamples; ++i) {
        xs[i] = i + 1 == kSamples ? span.high : span.low * std::exp(decades * i / (kSamples - 1));
        gs[i] = search.gap(xs[i]);
    }

    std::vector<double> roots;
    int refinements = 0;
    for (int i = 0; i < kSamples; ++i) {
        if (!gs[i]) continue;
        if (*gs[i] == 0) {
            roots.push_back(xs[i]);
            continue;
        }
        // A sign change to the next point.
        if (i + 1 < kSamples && gs[i + 1] && *gs[i + 1] != 0 && (*gs[i] < 0) != (*gs[i + 1] < 0) &&
            refinements++ < kMostRefinements) {
            if (auto root = search.bisect(xs[i], *gs[i], xs[i + 1], *gs[i + 1]))
                roots.push_back(*root);
        }
        // A point nearer the target than both neighbours, on the same side:
        // a dip or a peak that may reach the target between grid points.
        if (i > 0 && i + 1 < kSamples && gs[i - 1] && gs[i + 1]) {
            const double g = *gs[i], before = *gs[i - 1], after = *gs[i + 1];
            const bool sameSide =
                (before < 0) == (g < 0) && (after < 0) == (g < 0) && before != 0 && after != 0;
            const bool nearer = std::abs(g) <= std::abs(before) && std::abs(g) <= std::abs(after) &&
                                (std::abs(g) < std::abs(before) || std::abs(g) < std::abs(after));
            if (sameSide && nearer && refinements++ < kMostRefinements) {
                const double scale =
                    target != 0 ? std::abs(target) : std::max(std::abs(before), std::abs(after));
                search.turn(xs[i - 1], xs[i + 1], g < 0 ? -1.0 : 1.0, 1e-12 * scale, roots);
            }
        }
    }

    // One value for each root found twice (from a grid point and a bracket).
    std::sort(roots.begin(), roots.end());
    for (double root : roots)
        if (out.values.empty() || root > out.values.back() * (1 + 1e-9)) out.values.push_back(root);
    out.least = search.least_;
    out.greatest = search.greatest_;
    return out;
}

} // namespace vora::calc
