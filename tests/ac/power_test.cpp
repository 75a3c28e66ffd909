// SPDX-License-Identifier: MIT
#include "ac_fixtures.h"
#include "calc/ac/powers.h"
#include "calc/number.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace vora::calc {
namespace {

using namespace testing;

constexpr double kStoredZ = 55; // what an earlier Total Impedance left
constexpr double kV = 20;       // the voltage source of the tests
constexpr double kI = 2;        // the current source of the tests

double Sq(double x) {
    return x * x;
}
double Par(double a, double b) {
    return 1 / std::sqrt(Sq(1 / a) + Sq(1 / b));
}
double T() {
    return (kXC - kXL) / (kXL * kXC);
}

// A power button's result for the stored standard circuit, block by block,
// written out with plain doubles.
double Active(int block, bool voltage) {
    const double r = kR;
    if (!voltage) {
        switch (block) {
        case 5:
            return Sq(Par(r, kXC) * kI / r) * r;
        case 7:
            return Sq(Par(r, kXL) * kI / r) * r; // with the Z that block 3 stored
        default:
            return kI * kI * r;
        }
    }
    switch (block) {
    case 1:
        return Sq(kV / r) * r;
    case 2:
        return Sq(kV / std::hypot(r, kXL)) * r;
    case 3:
        return Sq(kV / Par(r, kXL)) * r;
    case 4:
        return Sq(kV / std::hypot(r, kXC)) * r;
    case 5:
        return Sq(kV / Par(r, kXC)) * r;
    case 6:
        return Sq(kV / Zs()) * r;
    case 7:
        return kV / r * kV;
    default:
        return Sq(kV / std::sqrt(r * r + T() * T())) * r;
    }
}

double Reactive(int block, bool voltage) {
    const double d = std::abs(kXL - kXC);
    const double z3 = std::sqrt(Sq(1 / kXC) + Sq(1 / kR));
    if (!voltage) {
        switch (block) {
        case 3:
            return Sq(z3 * kI / kXC) * kXC;
        case 5:
            return Sq(d * kI / kXC) * kXC;
        case 7:
            return kI * kI * kXL;
        case 8:
            return Sq(std::sqrt(kR * kR + T() * T()) * kI / kXL) * kXL;
        case 9:
            return Sq(kI * kR / std::hypot(kXL, kR)) * kXL;
        default:
            return kI * kI * kXC;
        }
    }
    switch (block) {
    case 1:
        return Sq(kV / kXC) * kXC;
    case 2:
        return Sq(kV / std::hypot(kXC, kR)) * kXC;
    case 3:
        return Sq(kV / z3) * kXC;
    case 4:
    case 5:
    case 6:
        return Sq(kV / d) * kXC;
    case 7:
        return Sq(kV / Zs()) * kXL;
    case 8:
        return Sq(kV / kXL) * kXL;
    default: {
        const double i = kV / std::sqrt(T() * T() + kR * kR);
        return Sq(i * kR / std::hypot(kXL, kR)) * kXL;
    }
    }
}

double Apparent(int block, bool voltage) {
    const double d = std::abs(kXL - kXC);
    const double zt = std::sqrt(kR * kR + T() * T());
    if (!voltage) {
        switch (block) {
        case 3:
            return Sq(Par(kXC, kR) * kI / kXC) * kXC;
        case 5:
            return Sq(d * kI / kXC) * kXC;
        case 7:
            return Sq(zt * kI / kXC) * kXC;
        case 8:
            return Sq(kI * kR / std::hypot(kR, kXC)) * kXC;
        default:
            return kI * kI * kXC;
        }
    }
    switch (block) {
    case 1:
        return Sq(kV / kXC) * kXC;
    case 2:
        return Sq(kV / std::hypot(kXC, kR)) * kXC;
    case 3:
        return Sq(kV / Par(kXC, kR)) * kXC;
    case 4:
    case 5:
        return Sq(kV / d) * kXC;
    case 6:
        return Sq(kV / Zs()) * kXC;
    case 7:
        return Sq(kV / kXC) * kXC;
    default:
        return Sq(kV / zt * kR / std::hypot(kR, kXC)) * kXC;
    }
}

using Button = Outcome<PowerShown> (*)(const AcSource&, AcVars);

struct LastBlock {
    const char* choices;
    int active, reactive, apparent; // 0: no block applies
};

// Which block of each table is the last to apply, for all 27 states.
const LastBlock kLastBlocks[] = {
    {"SSS", 6, 7, 6}, {"SSP", 2, 0, 0}, {"SSN", 2, 0, 0}, {"SPS", 1, 1, 1}, {"SPP", 8, 9, 8},
    {"SPN", 1, 0, 0}, {"SNS", 4, 2, 2}, {"SNP", 1, 0, 0}, {"SNN", 1, 0, 0}, {"PSS", 0, 0, 0},
    {"PSP", 5, 3, 3}, {"PSN", 0, 0, 0}, {"PPS", 3, 0, 0}, {"PPP", 7, 8, 7}, {"PPN", 3, 0, 0},
    {"PNS", 0, 0, 0}, {"PNP", 5, 3, 3}, {"PNN", 0, 0, 0}, {"NSS", 0, 6, 4}, {"NSP", 0, 0, 0},
    {"NSN", 0, 0, 0}, {"NPS", 0, 1, 1}, {"NPP", 0, 5, 5}, {"NPN", 0, 0, 0}, {"NNS", 0, 1, 1},
    {"NNP", 0, 0, 0}, {"NNN", 0, 0, 0},
};

TEST(PowerButtons, EveryStateShowsTheLastApplyingBlockForBothSources) {
    struct Table {
        const char* name;
        Button button;
        int LastBlock::*block;
        std::function<double(int, bool)> expected;
        double AcVars::*shown;
    };
    const Table tables[] = {
        {"Active", &ActivePower, &LastBlock::active, Active, &AcVars::ActivePower},
        {"Reactive", &ReactivePower, &LastBlock::reactive, Reactive, &AcVars::ReactivePower},
        {"Apparent", &ApparentPower, &LastBlock::apparent, Apparent, &AcVars::ReactivePower},
    };
    for (const auto& table : tables) {
        for (const auto& state : kLastBlocks) {
            for (const bool voltage : {true, false}) {
                SCOPED_TRACE(std::string(table.name) + " " + state.choices +
                             (voltage ? " voltage" : " current"));
                AcVars before = Stored(kStoredZ);
                before.ActivePower = before.ReactivePower = 3;
                const auto source =
                    SourceOf(state.choices, voltage ? Source::Voltage : Source::Current,
                             voltage ? "20" : "2");
                const auto out = table.button(source, before);
                ASSERT_TRUE(out);
                const int block = state.*table.block;
                EXPECT_EQ(out->applied, block != 0);
                if (block == 0) {
                    EXPECT_EQ(out->vars, before);
                    continue;
                }
                const double want = table.expected(block, voltage);
                EXPECT_NEAR(out->vars.*table.shown, want, 1e-9 * want);
                EXPECT_EQ(out->label, FormatNumber(out->vars.*table.shown));
                EXPECT_EQ(voltage ? out->vars.TotalVoltage : out->vars.TotalCurrent,
                          voltage ? kV : kI);
            }
        }
    }
}

TEST(ActivePower, ResistorAloneGivesTheSameFigureFromEitherSource) {
    AcVars v;
    v.Resistance = 10;
    const auto byVoltage = ActivePower(SourceOf("SNN", Source::Voltage, "20"), v);
    ASSERT_TRUE(byVoltage);
    EXPECT_EQ(byVoltage->vars.TotalCurrent, 2);
    EXPECT_EQ(byVoltage->label, "40");

    const auto byCurrent = ActivePower(SourceOf("SNN", Source::Current, "2"), v);
    ASSERT_TRUE(byCurrent);
    EXPECT_EQ(byCurrent->label, "40");
    // No source chosen: the number is a current. The unit list is ignored.
    const auto unchosen = ActivePower(SourceOf("SNN", Source::None, "2", 5), v);
    ASSERT_TRUE(unchosen);
    EXPECT_EQ(unchosen->label, "40");
    EXPECT_EQ(unchosen->vars.TotalCurrent, 2);
    const auto kiloVolts = ActivePower(SourceOf("SNN", Source::Voltage, "20", 5), v);
    ASSERT_TRUE(kiloVolts);
    EXPECT_EQ(kiloVolts->label, "40");
}

TEST(PowerButtons, BlocksReplaceTheStoredValuesTheirCellsName) {
    AcVars before = Stored(kStoredZ);
    before.InductiveReactance = 1; // stale: the blocks that recompute it must
    before.CapacitiveReactance = 2;

    // Reactive block 9 by voltage recomputes both reactances and t.
    auto out = ReactivePower(SourceOf("SPP", Source::Voltage, "20"), before);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.InductiveReactance, kXL);
    EXPECT_NEAR(out->vars.CapacitiveReactance, kXC, 1e-12);
    EXPECT_NEAR(out->vars.ParallelLC, T(), 1e-15);
    EXPECT_NEAR(out->vars.InductorCurrent,
                kV / std::sqrt(T() * T() + kR * kR) * kR / std::hypot(kXL, kR), 1e-12);

    // Active block 3 by current uses the stored XL as it is.
    out = ActivePower(SourceOf("PPN", Source::Current, "2"), before);
    ASSERT_TRUE(out);
    EXPECT_NEAR(out->vars.Impedance, Par(kR, 1), 1e-12);
    EXPECT_EQ(out->vars.TotalVoltage, 200);
    EXPECT_EQ(out->vars.ResistorCurrent, 2);
    EXPECT_EQ(out->vars.InductiveReactance, 1);

    // Active block 8 by voltage: the circuit current is the resistor current.
    out = ActivePower(SourceOf("SPP", Source::Voltage, "20"), Stored(kStoredZ));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.ResistorCurrent, out->vars.TotalCurrent);
    EXPECT_NEAR(out->vars.Impedance, std::sqrt(kR * kR + T() * T()), 1e-9);

    // Apparent block 7 by voltage keeps the capacitor current.
    out = ApparentPower(SourceOf("PPP", Source::Voltage, "20"), Stored(kStoredZ));
    ASSERT_TRUE(out);
    EXPECT_NEAR(out->vars.CapacitorCurrent, kV / kXC, 1e-12);
    EXPECT_EQ(out->vars.Impedance, kStoredZ);
}

TEST(PowerFactor, IsTheSeriesFactorWhateverTheConnection) {
    for (const char* state : {"NNN", "PPN", "SSS"}) {
        SCOPED_TRACE(state);
        const auto out = PowerFactor(SourceOf(state, Source::None, ""), Stored(99.99));
        ASSERT_TRUE(out);
        EXPECT_NEAR(out->vars.Impedance, 100.1, 0.01);
        EXPECT_EQ(out->factor, FormatNumber(kR / Zs()));
        EXPECT_EQ(out->factor.substr(0, 5), "0.999");
        EXPECT_EQ(out->kind, "Leading");
    }
    AcVars v = Stored(1);
    v.InductiveReactance = v.CapacitiveReactance = 0;
    v.Inductance = 10.14239928597509;
    v.Capacitance = 1e-6;
    auto out = PowerFactor(SourceOf("NNN", Source::None, ""), v);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->factor, "1");
    EXPECT_EQ(out->kind, "Unit");
    v.Inductance = 11;
    out = PowerFactor(SourceOf("NNN", Source::None, ""), v);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->kind, "Lagging");
}

TEST(PowerFactor, AllParallelAlsoWorksOutTheSource) {
    auto out = PowerFactor(SourceOf("PPP", Source::Voltage, "20"), Stored(kStoredZ));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.TotalVoltage, 20);
    EXPECT_EQ(out->vars.ResistorCurrent, 0.2);
    EXPECT_EQ(out->vars.ActivePower, 0.2 * 20);
    EXPECT_EQ(out->vars.TotalCurrent, 20 / kStoredZ); // the impedance before it is replaced

    out = PowerFactor(SourceOf("PPP", Source::Current, "2"), Stored(kStoredZ));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.TotalVoltage, kStoredZ * 2);
    EXPECT_EQ(out->vars.ActivePower, 400);
}

struct FailCase {
    const char* name;
    Button button;
    const char* choices;
    Source source;
    const char* text;
    const char* field;
    std::function<void(AcVars&)> change;
};

// Strict reads and zero divisors fail naming the field to correct; the
// leading reads of the other cells accept a trailing text.
TEST(PowerButtons, UnusableSourceOrStoredValuesFail) {
    const FailCase cases[] = {
        {"active strict V", &ActivePower, "PPP", Source::Voltage, "20V", "txtIV", {}},
        {"reactive strict V", &ReactivePower, "PSP", Source::Voltage, "", "txtIV", {}},
        {"apparent strict I", &ApparentPower, "PPP", Source::Current, "2 A", "txtIV", {}},
        {"apparent strict I 8", &ApparentPower, "SPP", Source::None, "x", "txtIV", {}},
        {"zero R", &ActivePower, "SNN", Source::Voltage, "20", "txtR1",
         [](AcVars& v) { v.Resistance = 0; }},
        {"zero XL", &ReactivePower, "PPP", Source::Voltage, "20", "txtXL",
         [](AcVars& v) { v.InductiveReactance = 0; }},
        {"equal reactances", &ApparentPower, "NPP", Source::Voltage, "20", "txtXL",
         [](AcVars& v) { v.CapacitiveReactance = v.InductiveReactance; }},
        {"zero XC", &ReactivePower, "NNS", Source::Voltage, "20", "txtXC",
         [](AcVars& v) { v.Capacitance = 0; }},
        {"zero impedance", &ApparentPower, "NNS", Source::Voltage, "20", "",
         [](AcVars& v) { v.CapacitiveReactance = 0; }},
        {"too large", &ActivePower, "SNN", Source::Current, "1E200", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AcVars v = Stored(kStoredZ);
        if (c.change) c.change(v);
        const auto out = c.button(SourceOf(c.choices, c.source, c.text), v);
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().field, c.field);
    }
    const auto leading = ActivePower(SourceOf("PPP", Source::Current, "2 A"), Stored(kStoredZ));
    ASSERT_TRUE(leading);
    EXPECT_EQ(leading->vars.TotalCurrent, 2);

    AcVars noCapacitor = Stored(kStoredZ);
    noCapacitor.Capacitance = 0;
    const auto pf = PowerFactor(SourceOf("NNN", Source::None, ""), noCapacitor);
    ASSERT_FALSE(pf);
    EXPECT_EQ(pf.failure().field, "txtXC");
    EXPECT_NE(pf.failure().text.find("\"Total Impedance\""), std::string::npos);
}

} // namespace
} // namespace vora::calc
