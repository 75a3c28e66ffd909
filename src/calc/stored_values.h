// SPDX-License-Identifier: MIT
// Every page's stored values are a plain struct of doubles described once by
// a table of (name, member, unit). The finiteness check, the listing for tests
// and tools, and the working's names all read that table, and a table that
// misses a member, names one twice or leaves a row empty does not compile:
// each Vars struct is followed by static_assert(DescribesEveryMember<Vars>()).
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vora::calc {

template <class Vars> struct StoredValue {
    const char* name;
    double Vars::*member;
    const char* unit = ""; // as the working prints it
};

template <class Vars> constexpr bool DescribesEveryMember() {
    const auto& values = Vars::kStored;
    if (values.size() * sizeof(double) != sizeof(Vars)) return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i].member == nullptr || values[i].name == nullptr || *values[i].name == '\0')
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (values[j].member == values[i].member ||
                std::string_view(values[j].name) == values[i].name)
                return false;
    }
    return true;
}

// The row of `member`, which every member has.
template <class Vars> constexpr const StoredValue<Vars>& Describe(double Vars::*member) {
    for (const auto& value : Vars::kStored)
        if (value.member == member) return value;
    return Vars::kStored.front(); // unreachable for a described struct
}

// True when every stored value is a finite number.
template <class Vars> bool AllFinite(const Vars& vars) {
    for (const auto& value : Vars::kStored)
        if (!std::isfinite(vars.*value.member)) return false;
    return true;
}

// Every stored value under its name, in the table's order.
template <class Vars> std::vector<std::pair<std::string, double>> ListStored(const Vars& vars) {
    std::vector<std::pair<std::string, double>> list;
    for (const auto& value : Vars::kStored)
        list.emplace_back(value.name, vars.*value.member);
    return list;
}

} // namespace vora::calc
