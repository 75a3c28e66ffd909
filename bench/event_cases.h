// SPDX-License-Identifier: MIT
// The compute and double-click events of the six pages, each with realistic
// inputs: what is typed once, what is typed differently before every event
// (so that every event changes its results and the page really repaints),
// and the event itself, called on the page's handler.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMainWindow;

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::bench {

// An entry typed with `first` before even events and `second` before odd ones.
struct Alternating {
    QString entry;
    QString first;
    QString second;
};

struct EventCase {
    std::string page; // objectName
    std::string handler;
    std::function<void(QMainWindow&)> setup;
    std::vector<Alternating> varied;
    std::function<void(QMainWindow&)> prepare; // after the varied entries, untimed; may be empty
    std::function<void(QMainWindow&)> event;
};

std::vector<EventCase> EventCases();

// A new page object of the class named by `page`.
std::unique_ptr<QMainWindow> MakePage(const std::string& page, widgets::MessageBoxes& messages);

// Types the varied entries for event number `round` and runs the prepare step.
void Prepare(QMainWindow& page, const EventCase& c, int round);

// Lets the page finish what earlier steps posted (repaints above all), so
// that none of it is counted against the next event.
void Settle();

// The page of `c` shown, its inputs typed, after `rounds` events. Throws when
// a control is missing, the page never appears, or two events in a row show
// the same texts (the measurement would then miss the repaint).
std::unique_ptr<QMainWindow> ReadyPage(const EventCase& c, widgets::MessageBoxes& messages,
                                       int rounds);

} // namespace vora::bench
