// SPDX-License-Identifier: MIT
// A message facade for tests: records every box instead of blocking on it,
// and can run a check at the moment a box would be on screen.
#pragma once

#include "widgets/message_boxes.h"

#include <QString>

#include <functional>
#include <vector>

namespace vora::testing {

struct ShownMessage {
    widgets::MessageBoxes::Icon icon;
    QString title;
    QString text;
};

class RecordingMessages : public widgets::MessageBoxes {
public:
    void show(QWidget*, Icon icon, const QString& title, const QString& text) override {
        shown.push_back({icon, title, text});
        if (onShow) onShow(shown.back());
    }
    void clear() { shown.clear(); }

    std::vector<ShownMessage> shown;
    std::function<void(const ShownMessage&)> onShow;
};

} // namespace vora::testing
