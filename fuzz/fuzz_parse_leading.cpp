// SPDX-License-Identifier: MIT
// ParseLeading never fails and agrees with ParseStrict wherever ParseStrict
// accepts the text.
#include "calc/number.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double leading = vora::calc::ParseLeading(text);
    if (std::isnan(leading)) __builtin_trap();
    const auto strict = vora::calc::ParseStrict(text);
    if (strict.status == vora::calc::ParseStatus::Ok &&
        std::memcmp(&strict.value, &leading, sizeof leading) != 0)
        __builtin_trap();
    if (strict.status == vora::calc::ParseStatus::TooLarge && !std::isinf(leading))
        __builtin_trap();
    return 0;
}
