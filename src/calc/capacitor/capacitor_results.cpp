// SPDX-License-Identifier: MIT
// The double-click tables of the capacitor page, one handler per connection
// option. Patterns: S Series, P Parallel, * not examined, ? Series or
// Parallel. All rows that apply run in order; a later row works with the CT,
// SeriesBranch and ParallelBranch that an earlier one replaced.
#include "capacitor_results.h"

#include "calc/number.h"
#include "capacitor_run.h"

namespace vora::calc {

namespace capacitor {

using enum Rule;

// Each row: number, arrangement of C1..C4, voltage branch, charge branch.
// The rows are aligned by hand, like the tables they come from.
// clang-format off

void ResultRun::C1s() {
    Row(1, "S***", S, S);
    Row(2, "SSS?", [&] { SetCT(Ser({C(1), C(2), C(3), C(4)})); Apply(S); },
                   S);
    Row(3, "SSPP", [&] { SetSB(Ser({C(1), C(2)})); ThroughSeriesBranch(); },
                   [&] { SetSB(Ser({C(1), C(2)})); ThroughSeriesBranch(); });
}

void ResultRun::C1p() {
    Row(1, "P?**", P, P);
    Row(2, "PSSS", P,
                   [&] { SetCT(C(1) + Ser({C(2), C(3), C(4)})); Apply(P); });
}

void ResultRun::C2s() {
    Row(1, "SS**", S, S);
    Row(2, "PSS*", [&] { SetSB(Ser({C(2), C(3)})); ThroughSeriesBranch(); },
                   [&] { SetSB(Ser({C(2), C(3)})); SetCT(C(1) + SB()); ThroughSeriesBranch(); });
    Row(3, "SSPP", [&] { SetSB(Ser({C(1), C(2)})); ThroughSeriesBranch(); },
                   S);
    Row(4, "PSSS", [&] { SetSB(Ser({C(2), C(3), C(4)})); ThroughSeriesBranch(); },
                   [&] { ThroughSeriesBranch(); });
    Row(5, "PSPP", [&] { BesideC1(); },
                   [&] { BesideC1(); });
}

void ResultRun::C2p() {
    Row(1, "PP**", P, P);
    Row(2, "SPP*", A, A);
    Row(3, "SPPP", [&] { SetCT(Ser({C(1), C(2) + C(3) + C(4)})); Apply(A); },
                   A);
    Row(4, "SPSS", [&] { SetSB(Ser({C(3), C(4)})); SetCT(Ser({C(1), C(2) + SB()})); Apply(A); },
                   A);
}

void ResultRun::C3s() {
    Row(1, "SSS*", S, S);
    Row(2, "PSS*", [&] { SetSB(Ser({C(2), C(3)})); ThroughSeriesBranch(); },
                   [&] { SetCT(C(1) + SB()); ThroughSeriesBranch(); });
    Row(3, "SPSS", [&] { SetSB(Ser({C(3), C(4)})); SeriesPairAfterC1(); },
                   [&] { SeriesPairAfterC1(); });
    Row(4, "PPSS", [&] { SetSB(Ser({C(3), C(4)})); SetCT(C(1) + C(2) + SB());
                         ThroughSeriesBranch(); },
                   [&] { ThroughSeriesBranch(); });
    Row(5, "PSSS", [&] { SetSB(Ser({C(2), C(3), C(4)})); SetCT(C(1) + SB());
                         ThroughSeriesBranch(); },
                   [&] { ThroughSeriesBranch(); });
}

void ResultRun::C3p() {
    Row(1, "SPP*", A, A);
    Row(2, "PPPP", P, P);
    Row(3, "SSPP", B, B);
    Row(4, "SPPP", [&] { SetCT(Ser({C(1), C(2) + C(3) + C(4)})); Apply(A); },
                   A);
    Row(5, "PPPS", [&] { SetCT(C(1) + C(2) + C(3) + C(4)); Apply(P); },
                   P);
    Row(6, "PSPP", [&] { SetPB(C(3) + C(4)); SetCT(C(1) + Ser({C(2), PB()})); GroupBehindC2(); },
                   [&] { GroupBehindC2(); });
}

void ResultRun::C4s() {
    Row(1, "SSSS", S, S);
    Row(2, "SPSS", [&] { SetSB(Ser({C(3), C(4)})); SeriesPairAfterC1(); },
                   [&] { SeriesPairAfterC1(); });
    Row(3, "PPPS", P, P);
    Row(4, "PPSS", [&] { SetSB(Ser({C(3), C(4)})); ThroughSeriesBranch(); },
                   [&] { ThroughSeriesBranch(); });
    Row(5, "PSSS", [&] { SetSB(Ser({C(2), C(3), C(4)})); ThroughSeriesBranch(); },
                   [&] { ThroughSeriesBranch(); });
}

void ResultRun::C4p() {
    Row(1, "PPPP", P, P);
    Row(2, "SSSP", S, S);
    Row(3, "SSPP", B, B);
    Row(4, "SPPP", A, A);
    Row(5, "PSPP", [&] { SetPB(C(3) + C(4)); GroupBehindC2(); },
                   [&] { GroupBehindC2(); });
}

// clang-format on

Working ResultRun::Run() {
    using Handler = void (ResultRun::*)();
    static constexpr Handler kHandlers[4][2] = {
        {&ResultRun::C1s, &ResultRun::C1p},
        {&ResultRun::C2s, &ResultRun::C2p},
        {&ResultRun::C3s, &ResultRun::C3p},
        {&ResultRun::C4s, &ResultRun::C4p},
    };
    (this->*kHandlers[k_ - 1][series_ ? 0 : 1])();
    if (row_ == 0)
        w_.Say("No row of this option covers the arrangement " + LeadingRun(in_.choices) +
               ", so nothing is computed; the stored values of capacitor " + std::to_string(k_) +
               " are shown.");
    return std::move(w_);
}

} // namespace capacitor

Outcome<ElementShown<CapacitorVars>> CapacitorResults(const ElementClick& click,
                                                      CapacitorVars vars) {
    return Attempt([&] {
        const int k = click.element;
        capacitor::ResultRun run(click, vars);
        Working working = run.Run();
        if (!AllFinite(vars))
            capacitor::Divisions("charge, voltage and energy of capacitor " + std::to_string(k),
                                 capacitor::Stage::Results)
                .FailNotFinite();
        const std::string n = "c" + std::to_string(k);
        return ElementShown<CapacitorVars>{
            vars,
            {"Q" + n, "V" + n, "U" + n},
            {FormatNumber(vars.Q(k)), FormatNumber(vars.V(k)), FormatNumber(vars.U(k))},
            std::move(working)};
    });
}

} // namespace vora::calc
