// SPDX-License-Identifier: MIT
// Stored values of the resistor, capacitor and inductor pages, under the
// names each page uses, and a view of either set by role for the engine.
//
// After every event the values describe the network now on the page:
//   - the element values after unit scaling; 0 for an element outside the
//     network (after the first element without a connection), which carries
//     nothing;
//   - the total, and two intermediates with one meaning on every page:
//     ParallelPart (ParallelBranch) is the value of the outermost parallel
//     group of the network, SeriesPart (SeriesBranch) that of the outermost
//     series group; the whole network where it is itself that group, 0 where
//     the network has none;
//   - after a double-click, the source's voltage and current (charge) and
//     every element's current (charge), voltage and power (stored energy);
//     on the resistor page BranchCurrent is the current through the
//     SeriesPart group.
//
// The inductor page describes the moment its source acts on inductors that
// carry no current yet, or the steady state of a current source: with a
// current source Isrc and I1..I4 are the steady currents, Vsrc and V1..V4
// are 0 (a steady current induces no voltage) and W1..W4 the stored energy
// ½·L·I²; with a voltage source Vsrc and V1..V4 are the voltages, dIsrc and
// dI1..dI4 the rates at which the currents rise (A/s), and the currents and
// energies are still 0.
#pragma once

#include "calc/stored_values.h"

#include <array>
#include <cstddef>
#include <utility>

namespace vora::calc {

struct ResistorVars {
    double R1 = 0, R2 = 0, R3 = 0, R4 = 0; // ohm
    double RT = 0;
    double ParallelPart = 0, SeriesPart = 0;
    double Vsrc = 0, Isrc = 0;
    double I1 = 0, I2 = 0, I3 = 0, I4 = 0;
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0;
    double P1 = 0, P2 = 0, P3 = 0, P4 = 0; // watt
    double BranchCurrent = 0;

    bool operator==(const ResistorVars&) const = default;

    static constexpr auto kStored = std::to_array<StoredValue<ResistorVars>>({
        {"R1", &ResistorVars::R1},
        {"R2", &ResistorVars::R2},
        {"R3", &ResistorVars::R3},
        {"R4", &ResistorVars::R4},
        {"RT", &ResistorVars::RT},
        {"ParallelPart", &ResistorVars::ParallelPart},
        {"SeriesPart", &ResistorVars::SeriesPart},
        {"Vsrc", &ResistorVars::Vsrc},
        {"Isrc", &ResistorVars::Isrc},
        {"I1", &ResistorVars::I1},
        {"I2", &ResistorVars::I2},
        {"I3", &ResistorVars::I3},
        {"I4", &ResistorVars::I4},
        {"V1", &ResistorVars::V1},
        {"V2", &ResistorVars::V2},
        {"V3", &ResistorVars::V3},
        {"V4", &ResistorVars::V4},
        {"P1", &ResistorVars::P1},
        {"P2", &ResistorVars::P2},
        {"P3", &ResistorVars::P3},
        {"P4", &ResistorVars::P4},
        {"BranchCurrent", &ResistorVars::BranchCurrent},
    });
};
static_assert(DescribesEveryMember<ResistorVars>());

struct InductorVars {
    double L1 = 0, L2 = 0, L3 = 0, L4 = 0; // henry
    double LT = 0;
    double ParallelPart = 0, SeriesPart = 0;
    double Vsrc = 0, Isrc = 0;
    double I1 = 0, I2 = 0, I3 = 0, I4 = 0;
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0;
    double W1 = 0, W2 = 0, W3 = 0, W4 = 0;     // stored energy, joule
    double dIsrc = 0;                          // rate of rise, A/s
    double dI1 = 0, dI2 = 0, dI3 = 0, dI4 = 0; // A/s

    bool operator==(const InductorVars&) const = default;

    static constexpr auto kStored = std::to_array<StoredValue<InductorVars>>({
        {"L1", &InductorVars::L1},
        {"L2", &InductorVars::L2},
        {"L3", &InductorVars::L3},
        {"L4", &InductorVars::L4},
        {"LT", &InductorVars::LT},
        {"ParallelPart", &InductorVars::ParallelPart},
        {"SeriesPart", &InductorVars::SeriesPart},
        {"Vsrc", &InductorVars::Vsrc},
        {"Isrc", &InductorVars::Isrc},
        {"I1", &InductorVars::I1},
        {"I2", &InductorVars::I2},
        {"I3", &InductorVars::I3},
        {"I4", &InductorVars::I4},
        {"V1", &InductorVars::V1},
        {"V2", &InductorVars::V2},
        {"V3", &InductorVars::V3},
        {"V4", &InductorVars::V4},
        {"W1", &InductorVars::W1},
        {"W2", &InductorVars::W2},
        {"W3", &InductorVars::W3},
        {"W4", &InductorVars::W4},
        {"dIsrc", &InductorVars::dIsrc},
        {"dI1", &InductorVars::dI1},
        {"dI2", &InductorVars::dI2},
        {"dI3", &InductorVars::dI3},
        {"dI4", &InductorVars::dI4},
    });
};
static_assert(DescribesEveryMember<InductorVars>());

struct CapacitorVars {
    double C1 = 0, C2 = 0, C3 = 0, C4 = 0; // farad
    double CT = 0;
    double SeriesBranch = 0, ParallelBranch = 0;
    double SourceVoltage = 0, SourceCharge = 0;
    double Q1 = 0, Q2 = 0, Q3 = 0, Q4 = 0; // coulomb
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0;
    double U1 = 0, U2 = 0, U3 = 0, U4 = 0; // joule

    bool operator==(const CapacitorVars&) const = default;

    static constexpr auto kStored = std::to_array<StoredValue<CapacitorVars>>({
        {"C1", &CapacitorVars::C1},
        {"C2", &CapacitorVars::C2},
        {"C3", &CapacitorVars::C3},
        {"C4", &CapacitorVars::C4},
        {"CT", &CapacitorVars::CT},
        {"SeriesBranch", &CapacitorVars::SeriesBranch},
        {"ParallelBranch", &CapacitorVars::ParallelBranch},
        {"SourceVoltage", &CapacitorVars::SourceVoltage},
        {"SourceCharge", &CapacitorVars::SourceCharge},
        {"Q1", &CapacitorVars::Q1},
        {"Q2", &CapacitorVars::Q2},
        {"Q3", &CapacitorVars::Q3},
        {"Q4", &CapacitorVars::Q4},
        {"V1", &CapacitorVars::V1},
        {"V2", &CapacitorVars::V2},
        {"V3", &CapacitorVars::V3},
        {"V4", &CapacitorVars::V4},
        {"U1", &CapacitorVars::U1},
        {"U2", &CapacitorVars::U2},
        {"U3", &CapacitorVars::U3},
        {"U4", &CapacitorVars::U4},
    });
};
static_assert(DescribesEveryMember<CapacitorVars>());

// The members of a page's values by role.
template <class Vars> struct Roles {
    using Member = double Vars::*;
    std::array<Member, 4> element, flow, voltage, third;
    Member total, parallelPart, seriesPart, sourceVoltage, sourceFlow;
    Member branchFlow = nullptr; // the resistor page's BranchCurrent
    // The inductor page's rates of rise: of the source's current, of each element's.
    Member sourceRate = nullptr;
    std::array<Member, 4> rate{};
};

inline const Roles<ResistorVars>& RolesOf(const ResistorVars&) {
    using V = ResistorVars;
    static const Roles<V> roles{{&V::R1, &V::R2, &V::R3, &V::R4},
                                {&V::I1, &V::I2, &V::I3, &V::I4},
                                {&V::V1, &V::V2, &V::V3, &V::V4},
                                {&V::P1, &V::P2, &V::P3, &V::P4},
                                &V::RT,
                                &V::ParallelPart,
                                &V::SeriesPart,
                                &V::Vsrc,
                                &V::Isrc,
                                &V::BranchCurrent};
    return roles;
}

inline const Roles<InductorVars>& RolesOf(const InductorVars&) {
    using V = InductorVars;
    static const Roles<V> roles{{&V::L1, &V::L2, &V::L3, &V::L4},
                                {&V::I1, &V::I2, &V::I3, &V::I4},
                                {&V::V1, &V::V2, &V::V3, &V::V4},
                                {&V::W1, &V::W2, &V::W3, &V::W4},
                                &V::LT,
                                &V::ParallelPart,
                                &V::SeriesPart,
                                &V::Vsrc,
                                &V::Isrc,
                                nullptr,
                                &V::dIsrc,
                                {&V::dI1, &V::dI2, &V::dI3, &V::dI4}};
    return roles;
}

inline const Roles<CapacitorVars>& RolesOf(const CapacitorVars&) {
    using V = CapacitorVars;
    static const Roles<V> roles{{&V::C1, &V::C2, &V::C3, &V::C4},
                                {&V::Q1, &V::Q2, &V::Q3, &V::Q4},
                                {&V::V1, &V::V2, &V::V3, &V::V4},
                                {&V::U1, &V::U2, &V::U3, &V::U4},
                                &V::CT,
                                &V::ParallelBranch,
                                &V::SeriesBranch,
                                &V::SourceVoltage,
                                &V::SourceCharge};
    return roles;
}

} // namespace vora::calc
