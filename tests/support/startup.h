// SPDX-License-Identifier: MIT
#pragma once

#include "shell/window_set.h"

#include <QSignalSpy>
#include <QTest>

namespace vora::testing {

// Start-up as the program does it, returning once the preface has been shown
// (the recording facade closes it at once).
inline bool StartUp(shell::WindowSet& windows) {
    QSignalSpy preface(&windows, &shell::WindowSet::prefaceClosed);
    windows.Startup();
    return !preface.isEmpty() || preface.wait(5000);
}

} // namespace vora::testing
