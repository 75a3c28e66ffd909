// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <string>

namespace vora::calc::testing {

// The shortest text that reads back as exactly `x`.
inline std::string Text(double x) {
    char buf[40];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, x).ptr);
}

} // namespace vora::calc::testing
