// SPDX-License-Identifier: MIT
// The AC page's events without Qt: how the connection choices read as a
// circuit, the ideal cases ngspice cannot take (opens, shorts, exact
// resonance), the refusals, units and what the events store. The physics of
// ordinary circuits is checked against ngspice in ac_oracle_test.cpp.
#include "calc/ac/ac_circuit.h"
#include "calc/ac/ac_events.h"
#include "calc/number.h"
#include "support/ac_fixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <regex>

namespace vora::calc {
namespace {

using namespace testing;
constexpr Source V = Source::Voltage;
constexpr Source I = Source::Current;

double Value(const Outcome<AcShown>& out) {
    EXPECT_TRUE(out) << (out ? "" : out.failure().text);
    return out ? ParseStrict(Main(*out)).value : NAN;
}

TEST(AcCircuit, ConnectionChoicesDescribeTheCircuit) {
    const std::pair<const char*, const char*> states[] = {
        {"SSS", "R + L + C"},
        {"PPP", "R ∥ L ∥ C"},
        {"SPP", "R + L ∥ C"},
        {"PSS", "R ∥ (L + C)"},
        {"SSP", "(R + L) ∥ C"},
        {"PSP", "L + R ∥ C"},
        {"PPS", "R ∥ L + C"},
        {"SPS", "(R + C) ∥ L"},
        {"SSN", "R + L"},
        {"PPN", "R ∥ L"},
        {"SNS", "R + C"},
        {"PNP", "R ∥ C"},
        {"NSS", "L + C"},
        {"NPP", "L ∥ C"},
        {"SNN", "R"},
        {"PNN", "R"},
        {"NSN", "L"},
        {"NPN", "L"},
        {"NNS", "C"},
        {"NNP", "C"},
        // Two with different connections describe no circuit; nor does none.
        {"SPN", "The resistor is connected in Series and the inductor in Parallel"},
        {"PSN", "two elements need the same connection"},
        {"SNP", "the capacitor in Parallel"},
        {"PNS", "two elements need the same connection"},
        {"NSP", "The inductor is connected in Series"},
        {"NPS", "two elements need the same connection"},
        {"NNN", "No element is connected"},
    };
    for (const auto& [choices, expected] : states) {
        SCOPED_TRACE(choices);
        const auto out = Attempt([&] { return Describe(ac::Connect(ChoicesFrom<3>(choices))); });
        if (out) {
            EXPECT_EQ(*out, expected);
            // The sketch of every event is that circuit.
            EXPECT_EQ(Describe(SketchOf(*TotalImpedance(Standard(choices), {}))), expected);
        } else {
            EXPECT_EQ(out.failure().title, "Cannot Compute");
            EXPECT_NE(out.failure().text.find(expected), std::string::npos) << out.failure().text;
        }
    }
}

// The figures of the audit (R = 100 ohm, L = 0.5 H, C = 47 µF), where every
// element counts.
TEST(AcEvents, ImpedanceCountsEveryElementAsConnected) {
    const std::pair<const char*, double> cases[] = {
        {"SSP", 94.1063019725399}, {"SPS", 141.497567114122}, {"PSP", 114.952363507851}};
    for (const auto& [choices, z] : cases)
        EXPECT_NEAR(Value(TotalImpedance(Standard(choices), {})), z, 1e-12 * z) << choices;
    // Ohm, Kohm, Mohm: the label in the chosen unit, the stored value in ohms.
    AcInputs in = Standard("SSP");
    in.impedanceUnit = 1;
    const auto kohm = TotalImpedance(in, {});
    EXPECT_EQ(Main(*kohm), "0.0941063019725399");
    EXPECT_NEAR(kohm->vars.Impedance, 94.1063019725399, 1e-9);
}

TEST(AcEvents, PowerFactorFollowsThePhaseAngle) {
    struct Case {
        AcInputs in;
        const char* factor;
        const char* kind;
    };
    const Case cases[] = {
        {Standard("PPP"), nullptr, "Leading"},             // parallel L-C: the capacitor wins
        {Standard("SSN"), "0.537223061542716", "Lagging"}, // no capacitor needed
        {Standard("NSN"), "0", "Lagging"},
        {Standard("NNS"), "0", "Leading"},
        {Standard("PNN"), "1", "Unit"},
        // Exact resonance, in series and in parallel.
        {Inputs("SSS", {"100", kResonantL, "1"}, Source::None, {}, {0, 0, 1}), "1", "Unit"},
        {Inputs("PPP", {"100", kResonantL, "1"}, Source::None, {}, {0, 0, 1}), "1", "Unit"},
    };
    for (const Case& c : cases) {
        const auto out = PowerFactor(c.in, {});
        ASSERT_TRUE(out) << out.failure().text;
        if (c.factor) {
            EXPECT_EQ(Main(*out), c.factor);
        }
        EXPECT_EQ(Second(*out), c.kind) << out->working.Text();
    }
}

struct Refusal {
    const char* event; // Z, F, P, E (the resistor's double-click)
    AcInputs in;
    const char* title;
    const char* field;
    const char* text; // a part of the message
};

Outcome<AcShown> RunEvent(const char* event, const AcInputs& in) {
    switch (event[0]) {
    case 'Z':
        return TotalImpedance(in, {});
    case 'F':
        return PowerFactor(in, {});
    case 'P':
        return ActivePower(in, {});
    default:
        return ElementResults(AcElement::Resistor, in, {});
    }
}

// One message that names the cause and says what to do, and no result.
TEST(AcEvents, RefusesWhatHasNoFiniteAnswer) {
    const char* cannot = "Cannot Compute";
    const Refusal cases[] = {
        {"Z", Inputs("SSS", {"100", "1", "0"}), cannot, "txtXC",
         "The value of the capacitor is 0, so it is open and no current can flow"},
        {"F", Inputs("NSN", {"", "0", ""}), cannot, "txtXL",
         "The value of the inductor is 0, so the circuit is a short circuit (Z = 0)"},
        {"F", Inputs("NPP", {"", kResonantL, "1"}, Source::None, {}, {0, 0, 1}), cannot, "txtXL",
         "at resonance side by side (XL = XC), so their group is open"},
        {"F", Inputs("NSS", {"", kResonantL, "1"}, Source::None, {}, {0, 0, 1}), cannot, "txtXL",
         "at resonance in series"},
        {"P", Inputs("SSN", {"0", "0", ""}, V, "10"), cannot, "txtR1",
         "The values of the resistor and the inductor are 0"},
        {"P", Inputs("SSN", {"0", "0", ""}, V, "10"), cannot, "txtR1",
         "or choose Current as the source"},
        {"P", Inputs("SSS", {"100", "1", "0"}, I, "2"), cannot, "txtXC",
         "or choose Voltage as the source"},
        {"E", Inputs("PPN", {"0", "0", ""}, I, "2"), cannot, "txtR1",
         "The resistor and the inductor are short circuits (value 0) side by side"},
        {"Z", Inputs("SSN", {"1", "1E308", ""}), cannot, "txtXL", "too large"},
        {"Z", Inputs("NNS", {"", "", "1E-320"}), cannot, "txtXC", "too small"},
        {"P", Inputs("SNN", {"1E-300", "", ""}, V, "1E300"), cannot, "txtIV",
         "current cannot be computed"},
        {"E", Inputs("SNN", {"10", "", ""}, V, "abc"), "Invalid Entry", "txtIV",
         "Enter a number in \"Current and Voltage Value\""},
        {"Z", Inputs("SNN", {" ", "", ""}), "Invalid Entry", "txtR1", "\"Resistor Value\""},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.text);
        const auto out = RunEvent(c.event, c.in);
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().title, c.title);
        EXPECT_EQ(out.failure().field, c.field);
        EXPECT_NE(out.failure().text.find(c.text), std::string::npos) << out.failure().text;
    }
    // Two parts each in range whose magnitude together is not, shown in a
    // typed unit.
    AcInputs huge = Inputs("SSN", {"1.5E308", "4.8E305", ""});
    huge.impedanceUnit = -1;
    ASSERT_FALSE(TotalImpedance(huge, {}));
    EXPECT_NE(TotalImpedance(huge, {}).failure().text.find("total impedance cannot be computed"),
              std::string::npos);
    ASSERT_FALSE(PowerFactor(huge, {}));

    // An L ∥ C group at resonance in the path: the page's own message.
    const auto open =
        TotalImpedance(Inputs("SPP", {"100", kResonantL, "1"}, Source::None, {}, {0, 0, 1}), {});
    ASSERT_FALSE(open);
    EXPECT_TRUE(open.failure().recommendation);
}

// Ideal parts that leave the answer defined: the solver's opens and shorts.
TEST(AcEvents, OpensShortsAndResonanceThatStillHaveAnswers) {
    const double xl = std::stod(kResonantL) * AngularFrequency;
    // Parallel resonance with R: the L-C pair circulates V / XL, the source
    // sees only R.
    AcInputs tank = Inputs("PPP", {"100", kResonantL, "1"}, V, "10", {0, 0, 1});
    EXPECT_EQ(Value(TotalImpedance(tank, {})), 100);
    EXPECT_NEAR(Value(ElementResults(AcElement::Inductor, tank, {})), 10 / xl, 1e-15);
    EXPECT_NEAR(Value(ElementResults(AcElement::Capacitor, tank, {})), 10 / xl, 1e-12);
    EXPECT_EQ(Value(ApparentPower(tank, {})), 1);
    // The same tank in series with R blocks the current of a voltage source,
    // and still takes the whole voltage.
    tank.choices = ChoicesFrom<3>("SPP");
    EXPECT_EQ(Value(ActivePower(tank, {})), 0);
    EXPECT_EQ(Value(ElementResults(AcElement::Resistor, tank, {})), 0);
    const auto inductor = ElementResults(AcElement::Inductor, tank, {});
    EXPECT_EQ(Second(*inductor), "10");
    // A capacitor of 0 is open: in parallel with R it changes nothing.
    const AcInputs open = Inputs("PSP", {"100", "1", "0"}, V, "10");
    EXPECT_NEAR(Value(TotalImpedance(open, {})), std::hypot(100, 314), 1e-12);
    EXPECT_EQ(Value(ElementResults(AcElement::Capacitor, open, {})), 0);
    // An inductor of 0 on a current source: no voltage, no power.
    const AcInputs shorted = Inputs("NSN", {"", "0", ""}, I, "2");
    EXPECT_EQ(Value(TotalImpedance(shorted, {})), 0);
    EXPECT_EQ(Value(ReactivePower(shorted, {})), 0);
    EXPECT_EQ(Second(*ElementResults(AcElement::Inductor, shorted, {})), "0");
}

TEST(AcEvents, UnitsScaleTheSourceAndTheShownValues) {
    AcInputs in = Inputs("SNN", {"100", "", ""}, V, "10");
    in.value.position = 5; // KV
    EXPECT_EQ(Value(ApparentPower(in, {})), 1e6);
    in.value.position = -1; // a typed unit: the leading number, unscaled
    in.value.field.text = "12abc";
    EXPECT_EQ(Value(ActivePower(in, {})), 1.44);
    // No source chosen: the value is a current, in the current units.
    in = Inputs("SNN", {"100", "", ""}, Source::None, "5");
    in.value.position = 1; // mA
    EXPECT_EQ(Value(ElementResults(AcElement::Resistor, in, {})), 0.005);
    // The element's current and voltage in the units chosen beside them.
    in.currentUnit = 1;
    in.voltageUnit = 2;
    const auto shown = ElementResults(AcElement::Resistor, in, {});
    EXPECT_EQ(Main(*shown), "5");        // mA
    EXPECT_EQ(Second(*shown), "0.0005"); // KV
    EXPECT_EQ(shown->vars.ResistorCurrent, 0.005);
}

TEST(AcEvents, EventsStoreWhatTheyComputed) {
    AcVars before;
    before.Resistance = 7;
    before.ReactivePower = 8;
    const AcInputs in = Standard("NPP", V, "230");
    const auto total = TotalImpedance(in, before);
    const double xl = 157, xc = 1 / (47e-6 * 314);
    EXPECT_EQ(total->vars.Resistance, 7); // not in the circuit
    EXPECT_EQ(total->vars.Inductance, 0.5);
    EXPECT_EQ(total->vars.Capacitance, 47e-6);
    EXPECT_EQ(total->vars.InductiveReactance, xl);
    EXPECT_NEAR(total->vars.CapacitiveReactance, xc, 1e-12);
    EXPECT_NEAR(total->vars.ParallelLC, xl * xc / (xc - xl), 1e-9);
    EXPECT_NEAR(total->vars.Impedance, std::abs(xl * xc / (xc - xl)), 1e-9);
    const auto apparent = ApparentPower(in, before);
    EXPECT_EQ(apparent->vars.ReactivePower, 8);
    EXPECT_EQ(Main(*apparent), FormatNumber(apparent->vars.ApparentPower));
    EXPECT_EQ(apparent->vars.TotalVoltage, 230);
    const auto reactive = ReactivePower(in, before);
    EXPECT_LT(reactive->vars.ReactivePower, 0); // the capacitor wins: capacitive
}

TEST(AcEvents, WorkingShowsTheCircuitAndItsComplexSteps) {
    const auto out = ElementResults(AcElement::Inductor, Standard("SPP", V, "230"), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->working.Text(),
              "Circuit: R + L ∥ C\n"
              "R = 100 Ohm, L = 0.5 H, C = 4.7E-05 F\n"
              "XL = L · 314 = 0.5 · 314 = 157 Ohm\n"
              "XC = 1 / (C · 314) = 1 / (4.7E-05 · 314) = 67.7598590594932 Ohm\n"
              "Z(L ∥ C) = 1 / (1/jXL + 1/(-jXC)) = 1 / (1/j157 + 1/(-j67.7599)) = -j119.21 Ohm\n"
              "Z = R + Z(L ∥ C) = 100 + (-j119.21) = 100 − j119.21 Ohm\n"
              "|Z| = 155.598754683026 Ohm\n"
              "V = 230 V across the circuit\n"
              "I = V / Z = 230 / (155.599∠-50.0081°) = 1.47816∠50.0081° A\n"
              "V(L ∥ C) = I · Z(L ∥ C) = (1.47816∠50.0081°) · (119.21∠-90°) = 176.211∠-39.9919° V\n"
              "IL = V(L ∥ C) / jXL = (176.211∠-39.9919°) / (157∠90°) = 1.12236∠-129.992° A\n"
              "VL = V(L ∥ C) = 176.211∠-39.9919° V\n"
              "Il = |IL| = 1.12236461371902 A\n"
              "Vl = |VL| = 176.211244353887 V");
    const auto pf = PowerFactor(Standard("SPP"), {});
    EXPECT_NE(pf->working.Text().find("φ = arg Z = -50.0081° < 0: Leading, the circuit is "
                                      "capacitive"),
              std::string::npos)
        << pf->working.Text();
    const auto q = ReactivePower(Standard("SPP", V, "230"), {});
    EXPECT_NE(q->working.Text().find("Q = |V| · |I| · sin φ = "), std::string::npos)
        << q->working.Text();
}

AcInputs AtFrequency(AcInputs in, std::string text, int unit) {
    in.frequency.field.text = std::move(text);
    in.frequency.position = unit;
    return in;
}

// A supply frequency that is not a positive number: one message naming the
// field, whichever event reads it.
TEST(AcEvents, SupplyFrequencyMustBeAPositiveNumber) {
    for (const char* text : {"", "0", "-50", "fifty", "50 Hz", "1E999"}) {
        SCOPED_TRACE(text);
        for (const auto& out :
             {TotalImpedance(AtFrequency(Standard("SSS"), text, 0), {}),
              ApparentPower(AtFrequency(Standard("SSS", V, "10"), text, 2), {}),
              ElementResults(AcElement::Resistor, AtFrequency(Standard("SNN", V, "10"), text, 1),
                             {})}) {
            ASSERT_FALSE(out);
            EXPECT_EQ(out.failure().title, "Invalid Entry");
            EXPECT_EQ(out.failure().field, "txtF");
            EXPECT_NE(out.failure().text.find("\"Supply Frequency\""), std::string::npos);
        }
    }
}

// 50 Hz, 0.05 kHz and 100π rad/s are one frequency; the working says how ω
// was found. A peak source is its rms value times √2, and every figure
// shown stays rms.
TEST(AcEvents, FrequencyUnitsAndPeakValues) {
    const double z50 = Value(TotalImpedance(AtFrequency(Standard("SSS"), "50", 0), {}));
    EXPECT_NEAR(Value(TotalImpedance(AtFrequency(Standard("SSS"), "0.05", 1), {})), z50,
                1e-12 * z50);
    EXPECT_NEAR(Value(TotalImpedance(AtFrequency(Standard("SSS"), "314.159265358979", 2), {})), z50,
                1e-12 * z50);
    EXPECT_NE(Value(TotalImpedance(Standard("SSS"), {})), z50); // 314 rad/s is not 50 Hz
    const auto hz = TotalImpedance(AtFrequency(Standard("SSS"), "50", 0), {});
    EXPECT_NE(hz->working.Text().find("ω = 2 · π · f = "), std::string::npos) << hz->working.Text();
    EXPECT_NE(hz->working.Text().find("XL = L · ω = 0.5 · "), std::string::npos);

    AcInputs peak = Standard("SPP", V, "325.269119345812");
    peak.peak = true;
    const auto s = ApparentPower(peak, {});
    const auto rms = ApparentPower(Standard("SPP", V, "230"), {});
    ASSERT_TRUE(s && rms);
    EXPECT_NEAR(s->vars.TotalVoltage, 230, 1e-9);
    EXPECT_NEAR(Value(s), Value(rms), 1e-9 * Value(rms));
    EXPECT_NEAR(*ValueOf(*s, AcLabel::SourceCurrent), rms->vars.TotalCurrent, 1e-9);
    EXPECT_NE(s->working.Text().find("V = Vpeak / √(2) = "), std::string::npos)
        << s->working.Text();
}

// At resonance nothing is infinite: L and C in series short the circuit's
// reactance, side by side they open their group; the results that exist are
// shown and the working says where the supply stands.
TEST(AcEvents, ResonanceNeverShowsInfinity) {
    for (const char* choices : {"SSS", "NSS", "PPP", "SPP", "SSP", "PSS"}) {
        SCOPED_TRACE(choices);
        const AcInputs in = Inputs(choices, {"100", kResonantL, "1"}, V, "10", {0, 0, 1});
        for (const auto& out : {TotalImpedance(in, {}), PowerFactor(in, {}), ActivePower(in, {}),
                                ElementResults(AcElement::Inductor, in, {})}) {
            if (!out) continue; // refused with its own message: the open or short circuit
            std::string texts = out->working.Text() + Main(*out) + Second(*out);
            if (const auto w0 = ValueOf(*out, AcLabel::W0)) {
                texts += out->text(AcLabel::F0) + out->text(AcLabel::W0);
                EXPECT_NEAR(*w0, AngularFrequency, 1e-9);
                EXPECT_NE(out->working.Text().find("resonance"), std::string::npos);
            }
            texts += out->text(AcLabel::SourceCurrent);
            static const std::regex nonFinite(R"((^|[^a-z])(inf|nan)([^a-z]|$))",
                                              std::regex::icase);
            EXPECT_FALSE(std::regex_search(texts, nonFinite)) << texts;
        }
    }
}

} // namespace
} // namespace vora::calc
