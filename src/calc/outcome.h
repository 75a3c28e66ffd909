// SPDX-License-Identifier: MIT
// How a computation reports that it cannot be done.
//
// Every user event is a transaction: a page hands a copy of its stored values
// to a calc function and commits the result only when the function succeeded.
// Inside calc, the formulas stay readable by raising a Failure with Fail()
// and catching it once, at the boundary of the public function (Attempt).
#pragma once

#include <cmath>
#include <string>
#include <utility>
#include <variant>

namespace vora::calc {

// One clear message for the user, and the control to put the focus on.
struct Failure {
    std::string title;
    std::string text;
    std::string field; // objectName of the offending control, or empty
    // True when the cause was already announced to the user during the same
    // event (for example the empty-source message), so no second box is shown.
    bool alreadyReported = false;
    // A recommendation rather than an error: the box carries the information icon.
    bool recommendation = false;
    // Why the results are out of date when an edit meets this failure, where
    // the box's text would not say it; empty: the text says it.
    std::string outOfDate = {};

    const std::string& reason() const { return outOfDate.empty() ? text : outOfDate; }
};

// The event does nothing: no message, nothing changes (for example a click
// before the choice that the computation needs).
struct Unchanged {};

// What an event comes to: a value to commit, a Failure to announce, or
// nothing at all.
template <class T> class Outcome {
public:
    Outcome(T value)
        : state_(std::move(value)) {}
    Outcome(Failure failure)
        : state_(std::move(failure)) {}
    Outcome(Unchanged)
        : state_(Unchanged{}) {}

    // True only for a value.
    explicit operator bool() const { return std::holds_alternative<T>(state_); }
    bool unchanged() const { return std::holds_alternative<Unchanged>(state_); }
    const T& operator*() const { return std::get<T>(state_); }
    const T* operator->() const { return &std::get<T>(state_); }
    T& operator*() { return std::get<T>(state_); }
    T* operator->() { return &std::get<T>(state_); }
    const Failure& failure() const { return std::get<Failure>(state_); }

private:
    std::variant<T, Failure, Unchanged> state_;
};

// Thrown by Fail() and caught by Attempt(); never leaves the calc library.
struct FailureSignal {
    Failure failure;
};

[[noreturn]] inline void Fail(Failure failure) {
    throw FailureSignal{std::move(failure)};
}

// Runs `body` and turns a raised Failure into the failed Outcome.
template <class Body> auto Attempt(Body&& body) -> Outcome<decltype(body())> {
    try {
        return body();
    } catch (FailureSignal& signal) {
        return std::move(signal.failure);
    }
}

} // namespace vora::calc
