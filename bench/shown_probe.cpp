// SPDX-License-Identifier: MIT
// Linked into the three start-up probes: as soon as the first main window has
// been put on screen, prints
//     shown <monotonic clock in ns> <peak resident memory in KiB> <CPU time in ns>
// and ends the process on the spot. The clock is the one the parent read just
// before starting the process, so the difference is the start-up time. Peak
// memory is the kernel's high-water mark of this process alone (the parent's
// rusage figure would include the memory of the benchmark that spawned it).
// CPU time (user and system) is reported too: on a busy machine it varies
// less than the wall-clock time and shows where a difference comes from.
//
// With VORA_PROBE_UNTIL=message in the environment the process ends only once
// a message box has been put on screen as well (start-up as the user sees it:
// the main window and the Preface box over it). The instruction count of
// `make bench-startup` runs to that point.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

long PeakResidentKiB() {
    long kib = -1;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0) kib = std::atol(line + 6);
        std::fclose(status);
    }
    return kib;
}

long long Nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

template <typename Widget> bool Shows(const QWindow* window) {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window && qobject_cast<const Widget*>(widget)) return true;
    return false;
}

class ShownProbe : public QObject {
public:
    explicit ShownProbe(QObject* parent)
        : QObject(parent)
        , messageShown_(qgetenv("VORA_PROBE_UNTIL") != "message") {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (!window || !window->isExposed()) return false;
            mainShown_ = mainShown_ || Shows<QMainWindow>(window);
            messageShown_ = messageShown_ || Shows<QMessageBox>(window);
            if (mainShown_ && messageShown_) {
                reported_ = true;
                // Queued, so that the expose is handled first: the window is
                // painted and flushed by then.
                QMetaObject::invokeMethod(this, &ShownProbe::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void report() {
        std::printf("shown %lld %ld %lld\n", Nanoseconds(CLOCK_MONOTONIC), PeakResidentKiB(),
                    Nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
        std::fflush(stdout);
        // Nothing after this point is part of start-up, and a modal loop may be
        // running: leave without unwinding.
        _exit(0);
    }

    bool mainShown_ = false;
    bool messageShown_;
    bool reported_ = false;
};

void InstallShownProbe() {
    qApp->installEventFilter(new ShownProbe(qApp));
}

} // namespace

// Runs inside the QApplication constructor of whichever main() this is linked with.
Q_COREAPP_STARTUP_FUNCTION(InstallShownProbe)
