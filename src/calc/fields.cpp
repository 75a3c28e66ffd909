// SPDX-License-Identifier: MIT
#include "fields.h"

#include <cmath>

namespace vora::calc {

namespace {

[[noreturn]] void FailEntry(const Field& field, bool tooLarge) {
    std::string text =
        tooLarge ? "The number in \"" + field.label +
                       "\" is too large to compute with. Enter a smaller number (for example 47, "
                       "2.2 or 1E3)."
                 : "Enter a number in \"" + field.label + "\" (for example 47, 2.2 or 1E3).";
    Fail({"Invalid Entry", std::move(text), field.name});
}

} // namespace

double ReadStrict(const Field& field) {
    const Parsed parsed = ParseStrict(field.text);
    if (!parsed) FailEntry(field, parsed.status == ParseStatus::TooLarge);
    return parsed.value;
}

double TimesUnit(double number, double factor, const Field& field) {
    const double value = number * factor;
    if (!std::isfinite(value))
        Fail({"Invalid Entry",
              "The number in \"" + field.label +
                  "\" is too large in this unit. Enter a smaller number or choose a smaller unit.",
              field.name});
    return value;
}

double ReadLeading(const Field& field) {
    const double value = ParseLeading(field.text);
    if (std::isinf(value)) FailEntry(field, true);
    return value;
}

void FailCompute(std::string text, std::string field) {
    Fail({"Cannot Compute", std::move(text), std::move(field)});
}

std::string TooLargeOrUndefined(std::string_view quantity, std::string_view advice) {
    std::string text = "The ";
    text += quantity;
    text += " cannot be computed from these values: a divisor is 0 or the result is too large "
            "to show. ";
    text += advice;
    return text;
}

} // namespace vora::calc
