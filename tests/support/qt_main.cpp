// SPDX-License-Identifier: MIT
// GoogleTest main for the widget tests: one offscreen QApplication.
#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // Remembered window geometry goes to a folder of this run, never to the
    // developer's own settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // The locale runs of the suite must really run under a decimal comma.
    if (qEnvironmentVariableIsSet("VORA_EXPECT_DECIMAL_COMMA") &&
        (QLocale::system().decimalPoint() != "," || *std::localeconv()->decimal_point != ',')) {
        std::fprintf(stderr, "the decimal-comma locale of this run is not active\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
