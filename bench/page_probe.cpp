// SPDX-License-Identifier: MIT
// First creation of one page, in a fresh process: sets up the application as
// the program does, shows the main window, then asks the window set for the
// page named on the command line (construction, load step and menus) and
// prints
//     created <ns>
#include "page_ids.h"
#include "shell/window_set.h"
#include "silent_messages.h"

#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>
#include <QTest>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const vora::bench::PageId* page = argc == 2 ? vora::bench::FindPage(argv[1]) : nullptr;
    if (!page) {
        std::fprintf(stderr, "usage: vora_page_probe <page objectName>\n");
        return 2;
    }
    // The program's own style: it decides what creating a widget costs.
    QApplication::setStyle(QStyleFactory::create("Fusion"));

    vora::bench::SilentMessages messages;
    vora::shell::WindowSet windows(messages);
    windows.Startup();
    if (!QTest::qWaitForWindowExposed(windows.window(vora::shell::WindowId::frmmain))) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    QApplication::processEvents();

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    windows.window(page->id);
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
    std::printf("created %lld\n", static_cast<long long>(ns));
    return 0;
}
