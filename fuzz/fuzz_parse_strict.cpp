// SPDX-License-Identifier: MIT
// ParseStrict accepts exactly the documented grammar and converts correctly.
#include "calc/number.h"
#include "oracle.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0; // the regex oracle is slow on long inputs
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) return 0;
    const auto parsed = vora::calc::ParseStrict(text);
    const bool grammar = vora::fuzz::MatchesStrictGrammar(text);
    if (grammar != (parsed.status != vora::calc::ParseStatus::NotANumber))
        vora::fuzz::Violation("accepted a text outside the grammar, or refused one inside it");
    if (!grammar) return 0;
    const double reference = vora::fuzz::ReferenceValue(text);
    if (std::isinf(reference)) {
        if (parsed.status != vora::calc::ParseStatus::TooLarge) vora::fuzz::Violation("overflow");
        return 0;
    }
    if (parsed.status != vora::calc::ParseStatus::Ok ||
        std::memcmp(&parsed.value, &reference, sizeof reference) != 0)
        vora::fuzz::Violation("wrong value");
    return 0;
}
