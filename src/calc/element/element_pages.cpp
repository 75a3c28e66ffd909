// SPDX-License-Identifier: MIT
#include "element_pages.h"

#include "calc/number.h"
#include "calc/total_display.h"
#include "calc/units.h"
#include "element_kind.h"
#include "network_flows.h"
#include "network_model.h"
#include "network_results.h"
#include "network_total.h"
#include "sketch_values.h"

#include <cmath>

namespace vora::calc {

bool ReadsSourceStrictly(const ElementClick& click) {
    // Options 1 Series, 3 Parallel and 4 take the source's leading number
    // (an empty field then reads as 0); element 4 reads strictly in two
    // arrangements.
    const bool series = click.option == Choice::Series;
    const auto& choices = click.entries.choices;
    switch (click.element) {
    case 1:
        return !series;
    case 3:
        return series;
    case 4:
        return series ? Matches(choices, "SPSS")
                      : Matches(choices, "SSPP") && click.source == Source::Voltage;
    default:
        return true;
    }
}

namespace {

double ReadNumber(const ElementClick& click) {
    const Field& f = click.sourceField;
    if (!ReadsSourceStrictly(click)) return ReadLeading(f);
    // An empty field was already announced by the page's "Ajaja" box.
    if (f.text.empty()) Fail({"Invalid Entry", "", f.name, /*alreadyReported=*/true});
    return ReadStrict(f);
}

// The source in its base unit: `number` scaled by the unit chosen beside it.
double ScaleSource(const ElementKind& kind, const ElementClick& click, double number) {
    const Units units = click.source == Source::Voltage ? kSourceVolts : kind.sourceFlowUnits;
    if (!InList(click.sourceUnit, units.size())) return number;
    return TimesUnit(number, units[static_cast<std::size_t>(click.sourceUnit)].Factor(),
                     click.sourceField);
}

double ReadSource(const ElementKind& kind, const ElementClick& click) {
    return ScaleSource(kind, click, ReadNumber(click));
}

// A double-click on an element after the first element without a choice.
void RequireInNetwork(const ElementKind& kind, const ElementClick& click) {
    RequireNetwork(kind, click.entries);
    const int n = NetworkLength(click.entries.choices);
    if (click.element <= n) return;
    const std::string gap = kind.Element(n + 1);
    FailCompute(kind.Element(click.element) + " is not part of the network: " + gap +
                    " has no connection chosen, so the network ends at " + kind.Element(n) +
                    ". Choose Series or Parallel for " + gap + " to connect " +
                    kind.Element(click.element) + ".",
                OptionOf(click.entries, n + 1));
}

template <class Vars> void Store(const NetworkTotal& t, Vars& v) {
    const Roles<Vars>& r = RolesOf(v);
    for (std::size_t i = 0; i < 4; ++i)
        v.*r.element[i] = t.values[i];
    v.*r.total = t.total;
    v.*r.parallelPart = t.parallelPart;
    v.*r.seriesPart = t.seriesPart;
}

template <class Vars> void Store(const NetworkFlows& f, Vars& v) {
    const Roles<Vars>& r = RolesOf(v);
    for (std::size_t i = 0; i < 4; ++i) {
        v.*r.flow[i] = f.flow[i];
        v.*r.voltage[i] = f.voltage[i];
        v.*r.third[i] = f.third[i];
        if (r.rate[i]) v.*r.rate[i] = f.rate[i];
    }
    v.*r.sourceVoltage = f.sourceVoltage;
    v.*r.sourceFlow = f.sourceFlow;
    if (r.branchFlow) v.*r.branchFlow = f.branchFlow;
    if (r.sourceRate) v.*r.sourceRate = f.sourceRate;
}

// A result cell in its name and value labels.
template <class Vars>
void WriteCell(Shown<Vars>& shown, NetworkLabel name, NetworkLabel value, const ResultCell& cell) {
    shown.write(name, cell.name);
    shown.write(value, cell.text, cell.value, cell.unit, cell.note);
}

template <class Slot> Slot Next(Slot slot, std::size_t i) {
    return static_cast<Slot>(static_cast<int>(slot) + static_cast<int>(i));
}

// The whole network's results and the table; no rows clear them.
template <class Vars> void WriteNetwork(Shown<Vars>& shown, NetworkResults network) {
    using L = NetworkLabel;
    for (std::size_t i = 0; i < 3; ++i) {
        const ResultCell& cell = network.whole[i];
        if (network.rows.empty()) {
            shown.write(Next(L::NetworkName1, i), "");
            shown.write(Next(L::NetworkValue1, i), "", 0, "");
            shown.write(Next(L::NetworkUnit1, i), "");
            continue;
        }
        WriteCell(shown, Next(L::NetworkName1, i), Next(L::NetworkValue1, i), cell);
        shown.write(Next(L::NetworkUnit1, i), cell.unit);
    }
    shown.draw(NetworkPicture::Table, std::move(network));
}

// The total, in the unit chosen for it, and the network it is of, with the
// element `highlight` marked (0 for none).
template <class Vars>
void WriteTotal(Shown<Vars>& shown, const ElementKind& kind, NetworkTotal& t,
                const ElementClick& click, int highlight) {
    shown.write(NetworkLabel::Total, std::move(t.label), shown.vars.*RolesOf(shown.vars).total,
                BaseSymbol(kind.units));
    shown.draw(NetworkPicture::Sketch,
               SketchPicture{std::move(t.drawn), ElementSketchValues(kind, click),
                             highlight > 0 ? kind.Element(highlight) : std::string()});
}

template <class Vars>
Outcome<Shown<Vars>> Total(const ElementKind& kind, const ElementClick& click, Vars vars) {
    return Attempt([&] {
        NetworkTotal t = ComputeNetworkTotal(kind, click.entries, true);
        Store(t, vars);
        Shown<Vars> shown;
        shown.vars = vars;
        shown.working = std::move(t.working);
        WriteTotal(shown, kind, t, click, 0);
        // Silently: the source field is the double-click's to complain about.
        NetworkResults network;
        if (auto computed = NetworkResultsOf(kind, click)) network = std::move(*computed);
        WriteNetwork(shown, std::move(network));
        return shown;
    });
}

template <class Vars>
Outcome<Shown<Vars>> Results(const ElementKind& kind, const ElementClick& click, Vars vars) {
    return Attempt([&] {
        RequireInNetwork(kind, click);
        NetworkTotal t = ComputeNetworkTotal(kind, click.entries, false);
        const double source = ReadSource(kind, click);
        const int k = click.element;
        const NetworkFlows f = SolveNetwork(kind, t, click.entries, click.source, source, k);
        Store(t, vars);
        Store(f, vars);
        if (!AllFinite(vars))
            FailCompute(TooLargeOrUndefined("results of " + kind.Element(k),
                                            "Check the values and the source."));
        const auto cells = ElementCells(kind, f, click.source, k);
        Shown<Vars> shown;
        shown.vars = vars;
        shown.working = std::move(t.working);
        WriteTotal(shown, kind, t, click, k);
        using L = NetworkLabel;
        for (std::size_t i = 0; i < 3; ++i)
            WriteCell(shown, Next(L::ElementName1, i), Next(L::ElementValue1, i), cells[i]);
        shown.write(L::ElementUnit1, cells[0].unit);
        WriteNetwork(shown, Summarize(kind, t, click.entries, f, click.source, k));
        return shown;
    });
}

} // namespace

Outcome<NetworkResults> NetworkResultsOf(const ElementKind& kind, const ElementClick& click) {
    return Attempt([&] {
        NetworkTotal t = ComputeNetworkTotal(kind, click.entries, false);
        const double source = ScaleSource(kind, click, ReadStrict(click.sourceField));
        const NetworkFlows f = SolveNetwork(kind, t, click.entries, click.source, source, 0);
        return Summarize(kind, t, click.entries, f, click.source, click.element);
    });
}

Outcome<std::string> TotalInUnit(const ElementKind& kind, double total, int position) {
    return Attempt([&] {
        Working unused;
        const TotalUnits units{kind.total, kind.quantity, Names(kind.units), kind.showFactor};
        return ShowTotal(total, position, units, unused);
    });
}

Outcome<Shown<ResistorVars>> TotalResistance(const ElementClick& click, ResistorVars vars) {
    return Total(ElementKind::Resistor(), click, vars);
}
Outcome<Shown<CapacitorVars>> TotalCapacitance(const ElementClick& click, CapacitorVars vars) {
    return Total(ElementKind::Capacitor(), click, vars);
}
Outcome<Shown<InductorVars>> TotalInductance(const ElementClick& click, InductorVars vars) {
    return Total(ElementKind::Inductor(), click, vars);
}

Outcome<Shown<ResistorVars>> ResistorResults(const ElementClick& click, ResistorVars vars) {
    return Results(ElementKind::Resistor(), click, vars);
}
Outcome<Shown<CapacitorVars>> CapacitorResults(const ElementClick& click, CapacitorVars vars) {
    return Results(ElementKind::Capacitor(), click, vars);
}
Outcome<Shown<InductorVars>> InductorResults(const ElementClick& click, InductorVars vars) {
    return Results(ElementKind::Inductor(), click, vars);
}

} // namespace vora::calc
