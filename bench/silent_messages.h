// SPDX-License-Identifier: MIT
// A message facade that never blocks: it counts the boxes and keeps the first
// one, so that a benchmark can tell it measured a failure path by mistake.
#pragma once

#include "widgets/message_boxes.h"

#include <QString>

namespace vora::bench {

class SilentMessages : public widgets::MessageBoxes {
public:
    void show(QWidget*, Icon, const QString& title, const QString& text) override {
        if (count++ == 0) first = title + ": " + text;
    }

    int count = 0;
    QString first;
};

} // namespace vora::bench
