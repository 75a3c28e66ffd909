// SPDX-License-Identifier: MIT
// A randomized user: seeded sequences of ordinary and hostile events on the
// pages, with the program's promises checked after every event.
#pragma once

#include "support/recording_messages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

class QMainWindow;
class QWidget;

namespace vora::testing {

// Everything a failed event must leave as it was: the texts of labels and
// entries, and the stored values, of every window watched.
struct Snapshot {
    std::map<QString, QString> texts;
    std::vector<std::pair<std::string, double>> stored;

    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::vector<QMainWindow*>& windows);

// The texts a user types, hostile and ordinary.
const QStringList& HostileTexts();

class RandomUser {
public:
    RandomUser(unsigned seed, RecordingMessages& messages) : random_(seed), messages_(messages) {}

    // One random event on the page; returns a description for replaying.
    std::string Act(QMainWindow* page);

    // Checks the promises after an event that started from `before`; returns
    // an empty text when they hold, else what went wrong.
    std::string Check(const std::vector<QMainWindow*>& windows, const Snapshot& before,
                      std::size_t warningsBefore) const;

    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

private:
    std::mt19937 random_;
    RecordingMessages& messages_;
};

// The seed and number of events, overridable through VORA_RANDOM_SEED and
// VORA_RANDOM_EVENTS so that a failure can be replayed.
unsigned SeedFromEnvironment(unsigned fallback);
int EventsFromEnvironment(int fallback);

} // namespace vora::testing
