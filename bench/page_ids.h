// SPDX-License-Identifier: MIT
// The six calculation pages by the name the benchmarks and probes use for
// them (their objectName).
#pragma once

#include "shell/window_set.h"

#include <array>
#include <string_view>

namespace vora::bench {

struct PageId {
    const char* name;
    shell::WindowId id;
};

inline constexpr std::array<PageId, 6> kPages{{
    {"frmDC", shell::WindowId::frmDC},
    {"frmDCC", shell::WindowId::frmDCC},
    {"frmDCL", shell::WindowId::frmDCL},
    {"FrmAC", shell::WindowId::FrmAC},
    {"frmThreeLtop", shell::WindowId::frmThreeLtop},
    {"FrmThreePtoL", shell::WindowId::FrmThreePtoL},
}};

inline const PageId* FindPage(std::string_view name) {
    for (const PageId& page : kPages)
        if (name == page.name) return &page;
    return nullptr;
}

} // namespace vora::bench
