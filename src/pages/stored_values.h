#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vora::pages {

// Every calculation page can list its stored values by name, for tests,
// tools and the working area, whatever type holds them.
class StoredValues {
public:
    virtual ~StoredValues() = default;
    virtual std::vector<std::pair<std::string, double>> storedValues() const = 0;
};

// The values of a Vars struct that lists its members in Vars::kFields.
template <class Vars>
std::vector<std::pair<std::string, double>> ListStored(const Vars& vars) {
    std::vector<std::pair<std::string, double>> list;
    for (const auto& [name, member] : Vars::kFields) list.emplace_back(name, vars.*member);
    return list;
}

} // namespace vora::pages
