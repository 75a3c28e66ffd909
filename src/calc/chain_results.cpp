// SPDX-License-Identifier: MIT
#include "chain_results.h"

#include "chain_kind.h"
#include "number.h"

namespace vora::calc {
namespace {

// One double-click: the handler's block list, run against a copy of the
// page's values. Block(n, pattern) tells whether block n applies; the branch
// templates A to E are written once below and act on element k.
class ElementRun {
public:
    ElementRun(const ChainKind& kind, const ElementClick& in, Chain c)
        : kind_(kind)
        , in_(in)
        , c_(c)
        , k_(in.element)
        , voltage_(in.source == Source::Voltage) {}

    Working Run() {
        const bool series = in_.option == Choice::Series;
        switch (k_) {
        case 1:
            series ? R1s() : R1p();
            break;
        case 2:
            series ? R2s() : R2p();
            break;
        case 3:
            series ? R3s() : R3p();
            break;
        default:
            series ? R4s() : R4p();
            break;
        }
        if (!applied_) {
            w_.Clear();
            w_.Say("No block of this option covers the pattern " + LeadingRun(in_.choices) +
                   ", so nothing is computed; the stored values of " + kind_.Element(k_) +
                   " are shown.");
        }
        return std::move(w_);
    }

private:
    // --- the eight handlers -------------------------------------------------

    void R1s() {
        // The source is read up front, and blocks 1 and 5 use it without a
        // new reading.
        if (voltage_) SetVsrc(Src());
        if (in_.source == Source::Current) SetIsrc(Src());
        if (Block(1, "S")) {
            if (voltage_) {
                // The total stays as the last click of the total left it.
                SetIsrc(Vsrc() / T());
                SetI(1, Isrc());
                SetV(1, I(1) * E(1));
                Third();
            } else {
                WholeCurrentFromStoredSource();
            }
        }
        if (Block(2, "SS")) A();
        if (Block(3, "SSS")) A();
        if (Block(4, "SPP")) A();
        if (Block(5, "SSSS")) {
            if (voltage_) {
                SetVsrc(Src());
                SetT(E(2) + E(1) + E(3) + E(4));
                SetIsrc(Vsrc() / T());
                SetI(1, Isrc());
                SetV(1, I(1) * E(1));
                Third();
                SetIsrc(Src()); // leaves the typed voltage in Isrc, as the page always has
            } else {
                WholeCurrentFromStoredSource();
            }
        }
        if (Block(6, "SSSP")) C([&] { return SP(); });
        if (Block(7, "SSPP")) {
            SetSP(E(2) + E(1));
            C([&] { return SP(); });
        }
        if (Block(8, "SPPP")) A();
        if (Block(9, "SPSS")) A();
    }

    void R1p() {
        if (Block(1, "PP")) B();
        if (Block(2, "PS")) B();
        if (Block(3, "PPPP")) B();
        if (Block(4, "PPPS")) InParallelGroupOfThree(true);
        if (Block(5, "PPSS")) B();
        if (Block(6, "PSSS")) B();
        if (Block(7, "PSPP")) B();
    }

    void R2s() {
        if (Block(1, "SS")) {
            A();
            if (c_.IsResistor()) SetI(1, Isrc());
        }
        if (Block(2, "SS")) A();
        if (Block(3, "SSS")) {
            if (voltage_ && c_.IsResistor()) {
                SetVsrc(Src());
                SetIsrc(Vsrc() / T());
                SetI(1, Isrc());
                SetV(1, Isrc() * E(1));
                Third(); // P2 from the V2 and I2 of blocks 1 and 2
            } else {
                A();
            }
        }
        if (Block(4, "PSS")) {
            if (voltage_) {
                SetVsrc(Src());
                SetSP(E(3) + E(2));
                SetBranchCurrent(Vsrc() / (E(3) + E(2)));
            } else {
                SetIsrc(Src());
                SetSP(E(3) + E(2));
                SetBranchCurrent(E(1) * Isrc() / (E(3) + E(2) + E(1)));
            }
            SetV(2, I(2) * E(2));
            Third();
        }
        if (Block(5, "SSSS")) A();
        if (Block(6, "SSSP")) {
            if (voltage_) {
                C([&] { return SP(); });
            } else {
                SetIsrc(Src());
                SetVsrc(T() * Isrc());
                SetSP(E(1) + E(2) + E(3));
                CAfterSource([&] { return SP(); });
            }
        }
        if (Block(7, "SSPP")) {
            SetSP(E(1) + E(2));
            C([&] { return SP(); });
        }
        if (Block(8, "PSSS")) SeriesBranchOfThree({3, 2, 4});
        if (Block(9, "PSPP")) {
            SourceBoth();
            SetI(1, Vsrc() / E(1));
            SetI(2, Isrc() - I(1));
            SetV(2, I(2) * E(2));
            Third();
        }
        if (Block(10, "SSSS")) A();
    }

    void R2p() {
        if (Block(1, "PP")) B();
        if (Block(2, "SPP")) E();
        if (Block(3, "PPPP")) B();
        if (Block(4, "SPPP")) D();
        if (Block(5, "SPSS")) E();
        if (Block(6, "PPPS")) InParallelGroupOfThree(false);
        if (Block(7, "PPSS")) B();
    }

    void R3s() {
        if (Block(1, "SSS")) A();
        if (Block(2, "PSS")) {
            if (voltage_) {
                SetSP(E(2) + E(3));
                C([&] { return SP(); });
            } else {
                SetIsrc(Src());
                SetSP(E(2) + E(3));
                SetBranchCurrent(Isrc() * E(1) / (E(2) + E(3) + E(1)));
                SetV(3, I(3) * E(3));
                Third();
            }
        }
        if (Block(3, "SSSS")) A();
        if (Block(4, "SSSP")) C([&] { return SP(); });
        if (Block(5, "SPSS")) DividerAfterR2({2, 1, 3});
        if (Block(6, "PPSS")) C([&] { return E(4) + E(3); });
        if (Block(7, "PSSS")) SeriesBranchOfThree({2, 3, 4});
    }

    void R3p() {
        if (Block(1, "SPP")) E();
        if (Block(2, "PPPP")) B();
        if (Block(3, "SSPP")) B();
        if (Block(4, "SPPP")) D();
        if (Block(5, "PPPS")) InParallelGroupOfThree(true);
        if (Block(6, "PSPP")) {
            ParallelPairAfterR2();
            SetI(3, V(3) / E(3));
            Third();
        }
    }

    void R4s() {
        if (Block(1, "SSSS")) A();
        if (Block(2, "SPSS")) DividerAfterR2({1, 3, 4});
        if (Block(3, "PPPS")) {
            if (voltage_) {
                A();
            } else {
                SetIsrc(Src());
                SetI(4, Isrc());
                SetV(4, Isrc() * E(4));
                Third();
            }
        }
        if (Block(4, "PPSS")) C([&] { return E(3) + E(4); });
        if (Block(5, "PSSS")) SeriesBranchOfThree({3, 2, 4});
    }

    void R4p() {
        if (Block(1, "PPPP")) B();
        if (Block(2, "SSSP")) B();
        if (Block(3, "SSPP")) B();
        if (Block(4, "SPPP")) D();
        if (Block(5, "PSPP")) {
            ParallelPairAfterR2();
            SetV(4, V(3));
            SetI(4, V(4) / E(4));
            Third();
        }
    }

    // --- branch templates -----------------------------------------------------

    // A: the element carries the whole current.
    void A() {
        w_.Say(kind_.Element(k_) + " carries the whole current.");
        SourceBoth();
        SetI(k_, Isrc());
        SetV(k_, I(k_) * E(k_));
        Third();
    }

    // B: the element lies directly across the source.
    void B() {
        w_.Say(kind_.Element(k_) + " lies directly across the source.");
        SourceVoltage();
        SetV(k_, Vsrc());
        SetI(k_, Vsrc() / E(k_));
        Third();
    }

    // C(X): the element is in a branch of total X across the source; X is
    // evaluated when used, so a stored SeriesPart is the one in place then.
    template <class X> void C(X x) {
        SourceVoltage();
        CAfterSource(x);
    }

    template <class X> void CAfterSource(X x) {
        SetI(k_, Vsrc() / x());
        SetV(k_, I(k_) * E(k_));
        Third();
    }

    // D: divider against element 1, current first.
    void D() {
        w_.Say("The current divides between " + kind_.Element(1) + " and " + kind_.Element(k_) +
               ".");
        if (voltage_) {
            SetVsrc(Src());
            SetIsrc(Vsrc() / T());
            SetI(k_, Isrc() * E(1) / (E(1) + E(k_)));
            SetV(k_, Vsrc() * E(k_) / (E(1) + E(k_)));
        } else {
            SetIsrc(Src());
            SetI(k_, Isrc() * E(1) / (E(1) + E(k_)));
            SetV(k_, I(k_) * E(k_));
        }
        Third();
    }

    // E: divider against element 1, voltage first.
    void E() {
        w_.Say("The voltage divides between " + kind_.Element(1) + " and " + kind_.Element(k_) +
               ".");
        if (voltage_) {
            SetVsrc(Src());
            SetV(k_, E(k_) * Vsrc() / (E(1) + E(k_)));
            SetI(k_, V(k_) / E(k_));
        } else {
            SetIsrc(Src());
            SetI(k_, E(1) * Isrc() / (E(1) + E(k_)));
            SetV(k_, I(k_) * E(k_));
        }
        Third();
    }

    // --- pieces that several handlers share ---------------------------------

    // Blocks 1 and 5 of optR1s with a current source: no new reading.
    void WholeCurrentFromStoredSource() {
        SetVsrc(T() * Isrc());
        SetI(1, Isrc());
        SetV(1, Isrc() * E(1));
        Third();
    }

    // P P P S: element k in the parallel group of elements 1 to 3, which is in
    // series with element 4. With a voltage the group's value is formed anew
    // (`formGroup`) or the stored ParallelPart is used; with a current the
    // element's voltage comes from the whole total.
    void InParallelGroupOfThree(bool formGroup) {
        if (voltage_) {
            SetVsrc(Src());
            if (formGroup) SetPP(1 / (1 / E(2) + 1 / E(1) + 1 / E(3)));
            SetIsrc(Vsrc() / T());
            SetV(k_, Isrc() * PP());
        } else {
            SetIsrc(Src());
            SetV(k_, T() * Isrc());
        }
        SetI(k_, V(k_) / E(k_));
        Third();
    }

    // The source, and the other source quantity from the total.
    void SourceBoth() {
        if (voltage_) {
            SetVsrc(Src());
            SetIsrc(Vsrc() / T());
        } else {
            SetIsrc(Src());
            SetVsrc(T() * Isrc());
        }
    }

    // The source voltage: read, or from the current read and the total.
    void SourceVoltage() {
        if (voltage_) {
            SetVsrc(Src());
        } else {
            SetIsrc(Src());
            SetVsrc(T() * Isrc());
        }
    }

    // P S S S: element k in the series branch of elements 2 to 4. With a
    // voltage the branch is summed in the given order; with a current the
    // SeriesPart stored earlier is used.
    void SeriesBranchOfThree(std::array<int, 3> order) {
        if (voltage_) {
            SetVsrc(Src());
            SetSP(E(order[0]) + E(order[1]) + E(order[2]));
            CAfterSource([&] { return SP(); });
        } else {
            C([&] { return SP(); });
        }
    }

    // S P S S for elements 3 and 4: the share of the voltage across the
    // series pair 3 + 4, with the divisor sum in the given order.
    void DividerAfterR2(std::array<int, 3> order) {
        SourceVoltage();
        const Term x = (E(4) + E(3)) * Vsrc() / (E(order[0]) + E(order[1]) + E(order[2]));
        w_.Note("x", x);
        SetI(k_, x / (E(4) + E(3)));
        SetV(k_, I(k_) * E(k_));
        Third();
    }

    // P S P P for elements 3 and 4: the voltage across the parallel pair.
    void ParallelPairAfterR2() {
        if (voltage_) {
            SetVsrc(Src());
            SetPP(E(3) * E(4) / (E(3) + E(4)));
            SetIsrc(Vsrc() / T());
        } else {
            SetIsrc(Src());
            SetVsrc(T() * Isrc());
            SetIsrc(Vsrc() / T());
        }
        SetI(1, Vsrc() / E(1));
        SetI(2, Isrc() - I(1));
        SetV(3, I(2) * PP());
    }

    // The third result of element k: the power (V·I with a voltage source,
    // I²·R with a current source) or the stored energy I²·L/2.
    void Third() {
        const std::string name = kind_.third + std::to_string(k_);
        if (!c_.IsResistor())
            w_.Let(c_.X(k_), name, Square(I(k_)) * E(k_) / 2, kind_.thirdUnit);
        else if (voltage_)
            w_.Let(c_.X(k_), name, V(k_) * I(k_), kind_.thirdUnit);
        else
            w_.Let(c_.X(k_), name, Square(I(k_)) * E(k_), kind_.thirdUnit);
    }

    // --- blocks, source and values --------------------------------------------

    bool Block(int number, std::string_view pattern) {
        if (!Matches(in_.choices, pattern)) return false;
        block_ = number;
        applied_ = true;
        w_.Clear();
        std::string spaced;
        for (char c : pattern)
            spaced += spaced.empty() ? std::string(1, c) : std::string(" ") + c;
        w_.Say(kind_.Element(k_) + (in_.option == Choice::Series ? " Series" : " Parallel") +
               ", pattern " + spaced + ", " + (voltage_ ? "voltage" : "current") + " source:");
        return true;
    }

    // Which conversion reads the source in the current block and branch.
    bool StrictSource() const {
        const bool series = in_.option == Choice::Series;
        switch (k_) {
        case 1:
            return !series;
        case 3:
            return series;
        case 4:
            return series ? block_ == 2 : (block_ == 3 && voltage_);
        default:
            return true;
        }
    }

    // A fresh conversion of the source field.
    Term Src() const {
        const Field& f = in_.sourceField;
        if (!StrictSource()) return Term(ReadLeading(f));
        // An empty field was already announced by the page's "Ajaja" box.
        if (f.text.empty()) Fail({"Invalid Entry", "", f.name, /*alreadyReported=*/true});
        return Term(ReadStrict(f));
    }

    Term E(int j) const { return Term::Named(kind_.Element(j), c_.E(j)); }
    Term T() const { return Term::Named(kind_.total, c_.T()); }
    Term I(int j) const { return Term::Named("I" + std::to_string(j), c_.I(j)); }
    Term V(int j) const { return Term::Named("V" + std::to_string(j), c_.V(j)); }
    Term Vsrc() const { return Term::Named("Vsrc", c_.Vsrc()); }
    Term Isrc() const { return Term::Named("Isrc", c_.Isrc()); }
    Term SP() const { return Term::Named("SeriesPart", c_.SeriesPart()); }
    Term PP() const { return Term::Named("ParallelPart", c_.ParallelPart()); }

    void SetVsrc(const Term& t) { w_.Let(c_.Vsrc(), "Vsrc", t, "V"); }
    void SetIsrc(const Term& t) { w_.Let(c_.Isrc(), "Isrc", t, "A"); }
    void SetT(const Term& t) { w_.Let(c_.T(), kind_.total, t, kind_.unit); }
    void SetI(int j, const Term& t) { w_.Let(c_.I(j), "I" + std::to_string(j), t, "A"); }
    void SetV(int j, const Term& t) { w_.Let(c_.V(j), "V" + std::to_string(j), t, "V"); }
    void SetSP(const Term& t) { w_.Let(c_.SeriesPart(), "SeriesPart", t, kind_.unit); }
    void SetPP(const Term& t) { w_.Let(c_.ParallelPart(), "ParallelPart", t, kind_.unit); }
    // The branch current of elements 2 and 3 is the current of element k;
    // the resistor page also keeps it as BranchCurrent.
    void SetBranchCurrent(const Term& t) {
        c_.SetBranchCurrent(t.value());
        SetI(k_, t);
    }

    const ChainKind& kind_;
    const ElementClick& in_;
    Chain c_;
    const int k_;
    const bool voltage_;
    int block_ = 0;
    bool applied_ = false;
    Working w_;
};

// Names the most likely cause of a value that is not a finite number.
[[noreturn]] void FailResults(const ChainKind& kind, const ElementClick& in, double totalBefore,
                              const Chain& c) {
    const std::string plural = kind.element == "Resistor" ? "resistors" : "inductors";
    if (totalBefore == 0)
        FailCompute("The " + kind.quantity + " is 0, so the current cannot be found. Enter the " +
                    plural + " and click \"" + kind.button + "\" first.");
    const auto run = LeadingRun(in.choices).size();
    for (std::size_t j = 1; j <= run; ++j) {
        if (c.E(static_cast<int>(j)) == 0)
            FailCompute(kind.element + " " + std::to_string(j) +
                        " is 0, so the current through it cannot be found. Enter a value other "
                        "than 0 for it and click \"" +
                        kind.button + "\" again.");
    }
    FailCompute(TooLargeOrUndefined("current, voltage and " +
                                        std::string(kind.third == "P" ? "power" : "energy") +
                                        " of " + kind.Element(in.element),
                                    "Check the values and the source."));
}

template <class Vars>
Outcome<ElementShown<Vars>> Compute(const ChainKind& kind, const ElementClick& in, Vars vars) {
    return Attempt([&] {
        Chain c(vars);
        const double totalBefore = c.T();
        Working working = ElementRun(kind, in, c).Run();
        if (!AllFinite(vars)) FailResults(kind, in, totalBefore, c);
        const int k = in.element;
        const std::string n = kind.resultPrefix + std::to_string(k);
        return ElementShown<Vars>{
            vars,
            {"I" + n, "V" + n, kind.third + n},
            {FormatNumber(c.I(k)), FormatNumber(c.V(k)), FormatNumber(c.X(k))},
            std::move(working)};
    });
}

} // namespace

Outcome<ElementShown<ResistorVars>> ResistorResults(const ElementClick& click, ResistorVars vars) {
    return Compute(ChainKind::Resistor(), click, vars);
}

Outcome<ElementShown<InductorVars>> InductorResults(const ElementClick& click, InductorVars vars) {
    return Compute(ChainKind::Inductor(), click, vars);
}

} // namespace vora::calc
