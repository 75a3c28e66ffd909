// SPDX-License-Identifier: MIT
// Stored values of the resistor page and the inductor page.
//
// Both pages combine four elements in the same series/parallel chain and share
// one engine (chain_total, chain_results). Each page keeps its own names;
// Chain gives the engine a view of either set by role.
#pragma once

#include <array>
#include <utility>

namespace vora::calc {

struct ResistorVars {
    double R1 = 0, R2 = 0, R3 = 0, R4 = 0; // ohm, after unit scaling
    double RT = 0;                         // total resistance
    double ParallelPart = 0, SeriesPart = 0;
    double Vsrc = 0, Isrc = 0;
    double I1 = 0, I2 = 0, I3 = 0, I4 = 0;
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0;
    double P1 = 0, P2 = 0, P3 = 0, P4 = 0;
    double BranchCurrent = 0;

    bool operator==(const ResistorVars&) const = default;

    using Member = double ResistorVars::*;
    static constexpr std::array<std::pair<const char*, Member>, 22> kFields{{
        {"R1", &ResistorVars::R1}, {"R2", &ResistorVars::R2}, {"R3", &ResistorVars::R3},
        {"R4", &ResistorVars::R4}, {"RT", &ResistorVars::RT},
        {"ParallelPart", &ResistorVars::ParallelPart}, {"SeriesPart", &ResistorVars::SeriesPart},
        {"Vsrc", &ResistorVars::Vsrc}, {"Isrc", &ResistorVars::Isrc},
        {"I1", &ResistorVars::I1}, {"I2", &ResistorVars::I2}, {"I3", &ResistorVars::I3},
        {"I4", &ResistorVars::I4}, {"V1", &ResistorVars::V1}, {"V2", &ResistorVars::V2},
        {"V3", &ResistorVars::V3}, {"V4", &ResistorVars::V4}, {"P1", &ResistorVars::P1},
        {"P2", &ResistorVars::P2}, {"P3", &ResistorVars::P3}, {"P4", &ResistorVars::P4},
        {"BranchCurrent", &ResistorVars::BranchCurrent},
    }};
};

struct InductorVars {
    double L1 = 0, L2 = 0, L3 = 0, L4 = 0; // henry, after unit scaling
    double LT = 0;                         // total inductance
    double ParallelPart = 0, SeriesPart = 0;
    double Vsrc = 0, Isrc = 0;
    double I1 = 0, I2 = 0, I3 = 0, I4 = 0;
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0;
    double W1 = 0, W2 = 0, W3 = 0, W4 = 0; // stored energy

    bool operator==(const InductorVars&) const = default;

    using Member = double InductorVars::*;
    static constexpr std::array<std::pair<const char*, Member>, 21> kFields{{
        {"L1", &InductorVars::L1}, {"L2", &InductorVars::L2}, {"L3", &InductorVars::L3},
        {"L4", &InductorVars::L4}, {"LT", &InductorVars::LT},
        {"ParallelPart", &InductorVars::ParallelPart}, {"SeriesPart", &InductorVars::SeriesPart},
        {"Vsrc", &InductorVars::Vsrc}, {"Isrc", &InductorVars::Isrc},
        {"I1", &InductorVars::I1}, {"I2", &InductorVars::I2}, {"I3", &InductorVars::I3},
        {"I4", &InductorVars::I4}, {"V1", &InductorVars::V1}, {"V2", &InductorVars::V2},
        {"V3", &InductorVars::V3}, {"V4", &InductorVars::V4}, {"W1", &InductorVars::W1},
        {"W2", &InductorVars::W2}, {"W3", &InductorVars::W3}, {"W4", &InductorVars::W4},
    }};
};

// A view of either page's values by role: element k (R or L), the total (RT or
// LT), the third quantity of element k (power P or energy W).
class Chain {
public:
    explicit Chain(ResistorVars& v)
        : e_{&v.R1, &v.R2, &v.R3, &v.R4}, t_(&v.RT), pp_(&v.ParallelPart), sp_(&v.SeriesPart),
          vsrc_(&v.Vsrc), isrc_(&v.Isrc), i_{&v.I1, &v.I2, &v.I3, &v.I4},
          v_{&v.V1, &v.V2, &v.V3, &v.V4}, x_{&v.P1, &v.P2, &v.P3, &v.P4},
          branchCurrent_(&v.BranchCurrent) {}
    explicit Chain(InductorVars& v)
        : e_{&v.L1, &v.L2, &v.L3, &v.L4}, t_(&v.LT), pp_(&v.ParallelPart), sp_(&v.SeriesPart),
          vsrc_(&v.Vsrc), isrc_(&v.Isrc), i_{&v.I1, &v.I2, &v.I3, &v.I4},
          v_{&v.V1, &v.V2, &v.V3, &v.V4}, x_{&v.W1, &v.W2, &v.W3, &v.W4} {}

    double& E(int k) const { return *e_[static_cast<std::size_t>(k - 1)]; }
    double& T() const { return *t_; }
    double& ParallelPart() const { return *pp_; }
    double& SeriesPart() const { return *sp_; }
    double& Vsrc() const { return *vsrc_; }
    double& Isrc() const { return *isrc_; }
    double& I(int k) const { return *i_[static_cast<std::size_t>(k - 1)]; }
    double& V(int k) const { return *v_[static_cast<std::size_t>(k - 1)]; }
    double& X(int k) const { return *x_[static_cast<std::size_t>(k - 1)]; }
    // Only the resistor page keeps the branch current of its PSS blocks.
    void SetBranchCurrent(double value) const {
        if (branchCurrent_) *branchCurrent_ = value;
    }
    bool IsResistor() const { return branchCurrent_ != nullptr; }

private:
    std::array<double*, 4> e_;
    double* t_;
    double* pp_;
    double* sp_;
    double* vsrc_;
    double* isrc_;
    std::array<double*, 4> i_, v_, x_;
    double* branchCurrent_ = nullptr;
};

} // namespace vora::calc
