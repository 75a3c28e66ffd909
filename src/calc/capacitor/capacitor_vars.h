// SPDX-License-Identifier: MIT
// Stored values of the capacitor page, under the names the page uses.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

namespace vora::calc {

struct CapacitorVars {
    double C1 = 0, C2 = 0, C3 = 0, C4 = 0; // farad, after unit scaling
    double CT = 0;                         // total capacitance
    double SeriesBranch = 0, ParallelBranch = 0;
    double SourceVoltage = 0, SourceCharge = 0;
    double Q1 = 0, Q2 = 0, Q3 = 0, Q4 = 0; // coulomb
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0; // volt
    double U1 = 0, U2 = 0, U3 = 0, U4 = 0; // joule

    bool operator==(const CapacitorVars&) const = default;

    using Member = double CapacitorVars::*;
    static constexpr std::array<std::pair<const char*, Member>, 21> kFields{{
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
    }};

    // Capacitor k (1 to 4) and its results, by number.
    double& C(int k) { return this->*kC[Index(k)]; }
    double& Q(int k) { return this->*kQ[Index(k)]; }
    double& V(int k) { return this->*kV[Index(k)]; }
    double& U(int k) { return this->*kU[Index(k)]; }
    double C(int k) const { return this->*kC[Index(k)]; }
    double Q(int k) const { return this->*kQ[Index(k)]; }
    double V(int k) const { return this->*kV[Index(k)]; }
    double U(int k) const { return this->*kU[Index(k)]; }

    static constexpr std::array<Member, 4> kC{&CapacitorVars::C1, &CapacitorVars::C2,
                                              &CapacitorVars::C3, &CapacitorVars::C4};
    static constexpr std::array<Member, 4> kQ{&CapacitorVars::Q1, &CapacitorVars::Q2,
                                              &CapacitorVars::Q3, &CapacitorVars::Q4};
    static constexpr std::array<Member, 4> kV{&CapacitorVars::V1, &CapacitorVars::V2,
                                              &CapacitorVars::V3, &CapacitorVars::V4};
    static constexpr std::array<Member, 4> kU{&CapacitorVars::U1, &CapacitorVars::U2,
                                              &CapacitorVars::U3, &CapacitorVars::U4};
    static constexpr std::size_t Index(int k) { return static_cast<std::size_t>(k - 1); }
};

} // namespace vora::calc
