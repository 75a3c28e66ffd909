// SPDX-License-Identifier: MIT
// The command line: --help and --version answer and end the program before
// any window exists, so they need no display; the standard Qt options are
// passed on to QApplication; anything else is a usage error.
#pragma once

#include <QString>
#include <QStringList>

namespace vora::shell {

struct CommandLine {
    bool startProgram = true;
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// Exit status of a command line that cannot be used, as with most tools.
constexpr int kUsageError = 2;

// `arguments` as in argv: the program's name first.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace vora::shell
