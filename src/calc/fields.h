// SPDX-License-Identifier: MIT
// Reading entry fields into numbers, with the failure messages that name the
// field. A Field carries the text and how the user knows the field.
#pragma once

#include "number.h"
#include "outcome.h"

#include <string>
#include <string_view>

namespace vora::calc {

struct Field {
    std::string text;
    std::string name;  // objectName, where the focus goes on failure
    std::string label; // what the user calls it, for example "R2 Value"
};

// The number in the field, read with ParseStrict. Raises a Failure naming the
// field when the text is not a number or is too large.
double ReadStrict(const Field& field);

// The leading number of the field, read with ParseLeading. Raises a Failure
// only when that number is too large for a double.
double ReadLeading(const Field& field);

// `number`, read from `field`, times the factor of the unit chosen beside it.
// Raises a Failure naming the field when the product is too large.
double TimesUnit(double number, double factor, const Field& field);

// Raises "Cannot Compute" with the given explanation, focusing `field` if set.
[[noreturn]] void FailCompute(std::string text, std::string field = {});

// The explanation used when a result is not finite and nothing more specific
// can be said about the cause.
std::string TooLargeOrUndefined(std::string_view quantity, std::string_view advice);

} // namespace vora::calc
