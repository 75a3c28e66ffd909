// SPDX-License-Identifier: MIT
// Saving the working with real X input: Ctrl+S on a page opens the file
// dialog, a typed name and Enter write the PDF into the folder it offers,
// and Escape closes the next one.
#include "real_input_fixture.h"
#include "shell/window_set.h"

#include <QDir>
#include <QFile>

namespace vora::real_input {
namespace {

using shell::WindowId;
using namespace std::chrono_literals;

constexpr const char* kDialog = "dlgSaveWorking";

void WaitForDialog(Driver& d, bool open) {
    if (WaitFor([&] { return d.Shown().count(kDialog) == (open ? 1u : 0u); }, 10000ms)) return;
    std::string seen;
    for (const std::string& w : d.Shown())
        seen += " " + w;
    throw StepFailure(std::string("the save dialog did not ") + (open ? "open" : "close") +
                      "; on screen:" + seen);
}

TEST_F(RealInput, CtrlSSavesTheWorkingWhereTheDialogSays) {
    Steps([&] {
        driver().Start();
        driver().AnswerPreface(false);
        driver().Goto(WindowId::FrmAC);
        driver().Key("ctrl+s");
        WaitForDialog(driver(), true);
        // The file name is selected: typing replaces it.
        for (const char* key : {"h", "a", "n", "d", "o", "u", "t"})
            driver().Key(key);
        driver().Key("Return");
        WaitForDialog(driver(), false);
        const QString file = QDir(home_.path()).filePath("handout.pdf");
        if (!WaitFor([&] { return QFile(file).size() > 1000; }, 5000ms))
            throw StepFailure("no PDF written to " + file.toStdString());
        QFile pdf(file);
        EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");

        // The page has the keyboard back at once, window manager or not.
        driver().Key("ctrl+s");
        WaitForDialog(driver(), true);
        driver().Key("Escape");
        WaitForDialog(driver(), false);
        driver().CheckAlive("the save dialog closed with Escape");
    });
}

} // namespace
} // namespace vora::real_input
