// SPDX-License-Identifier: MIT
// The diagrams as the computations build them: every chain of a group's
// shares closes on the source quantity it shares out, the power triangle
// closes and agrees with the powers shown, and the three-phase line voltages
// are the differences of the phase voltages in star and the phases
// themselves in delta.
#include "calc/ac/ac_events.h"
#include "calc/three_phase/three_phase_diagram.h"
#include "support/ac_fixtures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace vora::calc {
namespace {

using testing::Inputs;
using testing::Text;
using Complex = std::complex<double>;

bool Near(Complex a, Complex b, double scale) {
    return std::abs(a - b) <= 1e-9 * scale;
}

const Arrow* Find(const VectorDiagram& d, const std::string& prefix) {
    for (const Arrow& a : d.arrows)
        if (a.label.rfind(prefix, 0) == 0) return &a;
    return nullptr;
}

// Every connection pattern that describes a circuit, with random values
// and either source.
TEST(AcDiagrams, ChainsCloseOnTheSourceAndThePowerTriangleMatchesThePowers) {
    std::mt19937 rng(19);
    std::uniform_real_distribution<double> unit(0, 1);
    const char letters[3] = {'S', 'P', 'N'};
    int circuits = 0;
    for (int code = 0; code < 27; ++code) {
        std::string pattern;
        for (int k = 0, c = code; k < 3; ++k, c /= 3)
            pattern += letters[c % 3];
        for (const Source source : {Source::Voltage, Source::Current}) {
            const std::array<std::string, 3> values{Text(1 + 999 * unit(rng)),
                                                    Text(0.01 + 2 * unit(rng)),
                                                    Text(1e-6 + 1e-4 * unit(rng))};
            const AcInputs in = Inputs(pattern.c_str(), values, source, Text(1 + 240 * unit(rng)));
            const auto active = ActivePower(in, {});
            if (!active) continue; // no circuit: two elements with different choices, or none
            const auto reactive = ReactivePower(in, {});
            ASSERT_TRUE(reactive);
            ++circuits;
            SCOPED_TRACE(pattern + (source == Source::Voltage ? " voltage" : " current"));

            const VectorDiagram& phasors = *active->picture<VectorDiagram>(AcPicture::Phasors);
            const Arrow* v = Find(phasors, "V =");
            const Arrow* i = Find(phasors, "I =");
            ASSERT_TRUE(v && i);
            EXPECT_NEAR(std::abs(v->to), active->vars.TotalVoltage, 1e-9 * std::abs(v->to));
            EXPECT_NEAR(std::abs(i->to), active->vars.TotalCurrent, 1e-9 * std::abs(i->to));
            ASSERT_TRUE(phasors.angle);
            EXPECT_NEAR(phasors.angle->start + phasors.angle->sweep, std::arg(v->to), 1e-9);

            // Series voltages and parallel currents tip to tail: each chain
            // ends where the source's voltage or current ends.
            int parts = 0;
            for (std::size_t k = 0; k < phasors.arrows.size(); ++k) {
                const Arrow& a = phasors.arrows[k];
                if (a.bold) continue;
                ++parts;
                const bool last = k + 1 == phasors.arrows.size() ||
                                  phasors.arrows[k + 1].from != a.to ||
                                  phasors.arrows[k + 1].kind != a.kind;
                if (!last) continue;
                const Arrow& whole = a.kind == Arrow::Kind::Voltage ? *v : *i;
                EXPECT_TRUE(Near(a.to, whole.to, std::abs(whole.to)))
                    << a.label << " ends at " << a.to << ", " << whole.label << " at " << whole.to;
            }
            const std::size_t elements = static_cast<std::size_t>(
                std::count_if(pattern.begin(), pattern.end(), [](char c) { return c != 'N'; }));
            EXPECT_GE(parts, elements > 1 ? static_cast<int>(elements) : 0);

            // The triangle: P along, Q across, S closing it, as the labels show them.
            const VectorDiagram& power = *active->picture<VectorDiagram>(AcPicture::Power);
            const double pv = active->vars.ActivePower, qv = reactive->vars.ReactivePower;
            const double sv = std::hypot(pv, qv);
            if (power.arrows.size() == 1) { // a pure resistance or reactance: S lies on P or Q
                EXPECT_NEAR(std::abs(power.arrows[0].to), sv, 1e-9 * sv);
                EXPECT_LE(std::min(std::abs(pv), std::abs(qv)), 1e-9 * sv);
                continue;
            }
            const Arrow* p = Find(power, "P =");
            const Arrow* q = Find(power, "Q =");
            const Arrow* s = Find(power, "S =");
            ASSERT_TRUE(p && q && s);
            const double pl = std::abs(p->to - p->from), ql = std::abs(q->to - q->from),
                         sl = std::abs(s->to - s->from);
            EXPECT_NEAR(pl * pl + ql * ql, sl * sl, 1e-9 * sl * sl);
            EXPECT_TRUE(Near(p->to, q->from, sl));
            EXPECT_TRUE(Near(q->to, s->to, sl));
            EXPECT_NEAR(pl, std::abs(pv), 1e-9 * sl);
            EXPECT_NEAR((q->to - q->from).imag(), qv, 1e-9 * sl);
            EXPECT_EQ(p->from, Complex(0));
        }
    }
    EXPECT_GE(circuits, 30);
}

TEST(AcDiagrams, ComputationsWithoutASourceValueDrawNothing) {
    const auto z = TotalImpedance(testing::Standard("SSS"), {});
    ASSERT_TRUE(z);
    EXPECT_TRUE(z->picture<VectorDiagram>(AcPicture::Phasors)->empty() &&
                z->picture<VectorDiagram>(AcPicture::Power)->empty());
    const auto driven = TotalImpedance(testing::Standard("SSS", Source::Voltage, "10"), {});
    ASSERT_TRUE(driven);
    EXPECT_FALSE(driven->picture<VectorDiagram>(AcPicture::Phasors)->empty());
}

TEST(ThreePhaseDiagram, LineVoltagesFollowTheConnection) {
    const double vph = 230, vl = 230 * std::sqrt(3.0);
    const VectorDiagram star = ThreePhaseDiagram(Connection::Star, vph, vl);
    ASSERT_EQ(star.arrows.size(), 6u);
    for (std::size_t k = 0; k < 3; ++k) {
        const Complex a = star.arrows[2 * k].to, b = star.arrows[(2 * k + 2) % 6].to;
        const Complex line = star.arrows[2 * k + 1].to;
        EXPECT_TRUE(Near(line, a - b, vl)) << star.arrows[2 * k + 1].label;
        EXPECT_NEAR(std::arg(line / a), std::numbers::pi / 6, 1e-12);
        EXPECT_NEAR(std::abs(std::arg(b / a)), 2 * std::numbers::pi / 3, 1e-12);
    }
    const VectorDiagram delta = ThreePhaseDiagram(Connection::Delta, 400, 400);
    ASSERT_EQ(delta.arrows.size(), 3u);
    EXPECT_EQ(delta.arrows[0].label, "Va = Vab = 400.0 V");
    EXPECT_TRUE(ThreePhaseDiagram(Connection::Star, 0, 0).empty());
}

} // namespace
} // namespace vora::calc
