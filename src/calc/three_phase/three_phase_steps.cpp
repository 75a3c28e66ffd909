// SPDX-License-Identifier: MIT
#include "three_phase_steps.h"

namespace vora::calc::three_phase {

namespace {

std::string Quoted(const Field& field) {
    return "\"" + field.label + "\"";
}

} // namespace

void Steps::RequireCurrent(double current) const {
    if (current != 0) return;
    FailCompute("The " + sides_.entered +
                    " current is 0, so the impedance cannot be found. Enter " + "the " +
                    sides_.entered + " current in " + Quoted(in_.current) + ", or enter the " +
                    sides_.entered + " impedance in " + Quoted(in_.impedance) + ".",
                in_.current.name);
}

void Steps::FailTooLarge(Caption clicked) const {
    const std::string& side = sides_.computed;
    const auto smaller = [](const Field& f) {
        return "Enter a smaller number in " + Quoted(f) + ".";
    };
    switch (clicked) {
    case Caption::Current:
        FailCompute("The " + side + " current is too large to compute. " + smaller(in_.current),
                    in_.current.name);
    case Caption::Voltage:
        FailCompute("The " + side + " voltage is too large to compute. " + smaller(in_.voltage),
                    in_.voltage.name);
    case Caption::Impedance:
        if (!ImpedanceEmpty())
            FailCompute("The " + side + " impedance is too large to compute. " +
                            smaller(in_.impedance),
                        in_.impedance.name);
        // A huge voltage over a tiny current.
        FailCompute("The " + side + " impedance is too large to compute. Enter a larger " +
                        "current in " + Quoted(in_.current) + " or a smaller voltage in " +
                        Quoted(in_.voltage) + ", or enter the impedance in " +
                        Quoted(in_.impedance) + ".",
                    in_.current.name);
    case Caption::Power:
        break;
    }
    FailCompute("The apparent power is too large to compute. Enter a smaller number in " +
                    Quoted(in_.current) + " or " + Quoted(in_.voltage) + ".",
                in_.current.name);
}

} // namespace vora::calc::three_phase
