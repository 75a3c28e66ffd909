// SPDX-License-Identifier: MIT
// The About window carries the version the build was made with and the
// licence exactly as LICENSE has it.
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "version.h"

#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace vora::shell {
namespace {

TEST(About, ShowsTheVersionAndTheLicence) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);
    const QMainWindow& about = *windows.window(WindowId::frmAB);
    EXPECT_EQ(testing::Text(about, "lblVersion"), QString("Version ") + kVersion);

    QFile license(VORA_LICENSE_FILE);
    ASSERT_TRUE(license.open(QIODevice::ReadOnly | QIODevice::Text));
    const auto* text = testing::Child<QPlainTextEdit>(about, "txtLicense");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText().trimmed(), QString::fromUtf8(license.readAll()).trimmed());
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->toPlainText().contains(kCopyright));
}

} // namespace
} // namespace vora::shell
