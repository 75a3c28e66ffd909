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

// Waits until the dialog is open and has the keyboard (keys typed before
// that would go to the page), or until it is gone.
void WaitForDialog(Driver& d, const XServer& server, bool open, const char* kDialog = kDialog) {
    const auto ready = [&] {
        if (!open) return d.Shown().count(kDialog) == 0;
        for (const XWindow& w : d.Windows())
            if (w.role == kDialog) return w.id == server.Focus();
        return false;
    };
    if (WaitFor(ready, 10000ms)) return;
    std::string seen;
    for (const std::string& w : d.Shown())
        seen += " " + w;
    throw StepFailure(std::string(kDialog) + " did not " +
                      (open ? "open with the keyboard" : "close") + "; on screen:" + seen);
}

TEST_F(RealInput, CtrlSSavesTheWorkingWhereTheDialogSays) {
    Steps([&] {
        driver().Start();
        driver().AnswerPreface(false);
        driver().Goto(WindowId::FrmAC);
        driver().Key("ctrl+s");
        WaitForDialog(driver(), *server_, true);
        // The file name is selected: typing replaces it.
        for (const char* key : {"h", "a", "n", "d", "o", "u", "t"})
            driver().Key(key);
        driver().Key("Return");
        WaitForDialog(driver(), *server_, false);
        const QString file = QDir(home_.path()).filePath("handout.pdf");
        if (!WaitFor([&] { return QFile(file).size() > 1000; }, 5000ms))
            throw StepFailure("no PDF written to " + file.toStdString());
        QFile pdf(file);
        EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");

        // The page gets the keyboard back, window manager or not.
        const bool pageHasKeyboard = WaitFor(
            [&] {
                for (const XWindow& w : driver().Windows())
                    if (w.role == "FrmAC") return w.id == server_->Focus();
                return false;
            },
            5000ms);
        if (!pageHasKeyboard) throw StepFailure("the page does not get the keyboard back");
        driver().Key("ctrl+s");
        WaitForDialog(driver(), *server_, true);
        driver().Key("Escape");
        WaitForDialog(driver(), *server_, false);
        driver().CheckAlive("the save dialog closed with Escape");
    });
}

TEST_F(RealInput, CtrlPOpensThePrintDialogAndEscapeClosesIt) {
    Steps([&] {
        driver().Start();
        driver().AnswerPreface(false);
        driver().Goto(WindowId::frmDC);
        driver().Key("ctrl+p");
        WaitForDialog(driver(), *server_, true, "dlgPrintWorking");
        driver().Key("Escape");
        WaitForDialog(driver(), *server_, false, "dlgPrintWorking");
        driver().CheckAlive("the print dialog closed with Escape");
    });
}

} // namespace
} // namespace vora::real_input
